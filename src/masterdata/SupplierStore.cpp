#include "masterdata/SupplierStore.h"

#include "data/DatabaseError.h"
#include "data/UDataModule.h"
#include "masterdata/HistoryRows.h"
#include "masterdata/StoreText.h"

namespace SupplierStore {

namespace {

const QString kDuplicate = QStringLiteral("El Proveedor con ese Numero de Nit/CI ya esta Registrado");

bool Exists(const QString& nitCI)
{
    return TDataModule1::instance().query(QStringLiteral("SELECT COUNT(*) FROM Proveedores WHERE NitCI=?"), {nitCI}).integer(0)
           > 0;
}

}

SqlRows List()
{
    return TDataModule1::instance().query(QStringLiteral("SELECT * FROM Proveedores ORDER BY RSocial, NitCI"));
}

QString Insert(const Supplier& s, const QString& user)
{
    if (s.NitCI.trimmed().isEmpty() || s.RSocial.trimmed().isEmpty())
        return QStringLiteral("Inserte almenos Nit/CI y Razon Social para registrar el Proveedor");
    auto& db = TDataModule1::instance();
    try {
        WriteTransaction transaction(db);
        // The NIT/CI compares ignoring letter case, enabled or not.
        if (Exists(s.NitCI))
            return kDuplicate;
        db.execute(QStringLiteral("INSERT INTO Proveedores(NitCI, RSocial, Telefono, Celular, CBancaria, Representante, "
                                  "Direccion, Email, Usuario, Estado) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {StoreText(s.NitCI), StoreText(s.RSocial), StoreText(s.Telefono), StoreText(s.Celular),
                    StoreText(s.CBancaria), StoreText(s.Representante), StoreText(s.Direccion), StoreText(s.Email),
                    StoreText(user), s.Estado});
        transaction.commit();
    } catch (const DatabaseError&) {
        // Another station may have stored the same NIT/CI first.
        if (Exists(s.NitCI))
            return kDuplicate;
        throw;
    }
    return {};
}

QString Update(const Supplier& s)
{
    if (s.NitCI.trimmed().isEmpty() || s.RSocial.trimmed().isEmpty())
        return QStringLiteral("Inserte correctamente los Datos");
    const int changed = TDataModule1::instance().execute(
        QStringLiteral("UPDATE Proveedores SET RSocial=?, Telefono=?, Representante=?, Celular=?, Direccion=?, Email=?, "
                       "CBancaria=?, Estado=? WHERE NitCI=?"),
        {StoreText(s.RSocial), StoreText(s.Telefono), StoreText(s.Representante), StoreText(s.Celular),
         StoreText(s.Direccion), StoreText(s.Email), StoreText(s.CBancaria), s.Estado, StoreText(s.NitCI)});
    if (changed == 0)
        return QStringLiteral("El Proveedor ya no esta Registrado");
    return {};
}

bool SetEnabled(const QString& nitCI, bool enabled)
{
    return TDataModule1::instance().execute(QStringLiteral("UPDATE Proveedores SET Estado=? WHERE NitCI=?"),
                                            {enabled ? 1 : 0, nitCI})
           > 0;
}

QString Remove(const QString& nitCI)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    if (HistoryRows::Any({QStringLiteral("Compras")}, QStringLiteral("NitCI"), nitCI))
        return QStringLiteral("El Proveedor tiene compras registradas: eliminarlo cambiaria los reportes. Para dejar "
                              "de usarlo, desactivelo (quite la marca de la columna E)");
    db.execute(QStringLiteral("DELETE FROM Proveedores WHERE NitCI=?"), {nitCI});
    transaction.commit();
    return {};
}

}
