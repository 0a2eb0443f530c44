#include "masterdata/ClientStore.h"

#include "data/DatabaseError.h"
#include "data/UDataModule.h"
#include "masterdata/HistoryRows.h"
#include "masterdata/StoreText.h"

namespace ClientStore {

namespace {

const QString kIncomplete = QStringLiteral("Inserte correctamente los Datos");
const QString kDuplicate = QStringLiteral("El Cliente con ese Numero de Nit/CI ya esta Registrado");

bool Exists(const QString& nitCI)
{
    return TDataModule1::instance().query(QStringLiteral("SELECT COUNT(*) FROM Clientes WHERE NitCI=?"), {nitCI}).integer(0)
           > 0;
}

}

SqlRows List() { return TDataModule1::instance().query(QStringLiteral("SELECT * FROM Clientes ORDER BY Cliente, NitCI")); }

QString Insert(const Client& c, const QString& user)
{
    if (c.NitCI.trimmed().isEmpty() || c.Cliente.trimmed().isEmpty())
        return kIncomplete;
    auto& db = TDataModule1::instance();
    try {
        WriteTransaction transaction(db);
        if (Exists(c.NitCI))
            return kDuplicate;
        db.execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente, Direccion, Telefono, Celular, Empresa, NCreditos, "
                                  "Usuario) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"),
                   {StoreText(c.NitCI), StoreText(c.Cliente), StoreText(c.Direccion), StoreText(c.Telefono),
                    StoreText(c.Celular), StoreText(c.Empresa), c.NCreditos, StoreText(user)});
        transaction.commit();
    } catch (const DatabaseError&) {
        // Another station (or a sale) may have stored the same NIT/CI first.
        if (Exists(c.NitCI))
            return kDuplicate;
        throw;
    }
    return {};
}

QString Update(const Client& c)
{
    if (c.NitCI.trimmed().isEmpty() || c.Cliente.trimmed().isEmpty())
        return kIncomplete;
    const int changed = TDataModule1::instance().execute(
        QStringLiteral("UPDATE Clientes SET Cliente=?, Direccion=?, Telefono=?, Celular=?, Empresa=?, NCreditos=? "
                       "WHERE NitCI=?"),
        {StoreText(c.Cliente), StoreText(c.Direccion), StoreText(c.Telefono), StoreText(c.Celular), StoreText(c.Empresa),
         c.NCreditos, StoreText(c.NitCI)});
    if (changed == 0)
        return QStringLiteral("El Cliente ya no esta Registrado");
    return {};
}

bool SetEnabled(const QString& nitCI, bool enabled)
{
    return TDataModule1::instance().execute(QStringLiteral("UPDATE Clientes SET Estado=? WHERE NitCI=?"),
                                            {enabled ? 1 : 0, nitCI})
           > 0;
}

QString Remove(const QString& nitCI)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    if (HistoryRows::Any({QStringLiteral("Ventas"), QStringLiteral("EntregaI")}, QStringLiteral("NitCI"), nitCI))
        return QStringLiteral("El Cliente tiene ventas o entregas registradas: eliminarlo cambiaria los reportes y "
                              "sus deudas perderian el nombre. Para dejar de usarlo, desactivelo (quite la marca de "
                              "la columna E)");
    db.execute(QStringLiteral("DELETE FROM Clientes WHERE NitCI=?"), {nitCI});
    transaction.commit();
    return {};
}

}
