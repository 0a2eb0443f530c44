#include "masterdata/ProductStore.h"

#include "data/DatabaseError.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"
#include "masterdata/HistoryRows.h"
#include "masterdata/StoreText.h"

namespace ProductStore {

namespace {

const QString kTaken = QStringLiteral("El Nombre del Producto ya existe, intente con otro Nombre");

bool NameTaken(const QString& name, const QString& exceptId)
{
    return TDataModule1::instance()
               .query(QStringLiteral("SELECT COUNT(*) FROM Productos WHERE Producto=? AND IdProducto<>?"),
                      {StoreText(name), StoreText(exceptId)})
               .integer(0)
           > 0;
}

}

SqlRows ListOf(int inventory)
{
    return TDataModule1::instance().query(
        QStringLiteral("SELECT * FROM Productos WHERE Inventario=? ORDER BY IdCategoria, Producto"), {inventory});
}

QString PreviewKey() { return CounterLetter(ProductCounter) + NextCounterId(ProductCounter); }

QString Insert(const Product& p, const QString& user, QString* key)
{
    auto& db = TDataModule1::instance();
    try {
        WriteTransaction transaction(db);
        if (NameTaken(p.Producto, QString()))
            return kTaken;
        const QString stored = AllocateKey(ProductCounter, [&](const QString& newKey) {
            db.execute(QStringLiteral("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Marca, Producto, "
                                      "Presentacion, UMedida, StockM, PCompra, PVenta, PVentaIVA, CodigoB, Usuario) "
                                      "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {newKey, p.Inventario, p.IdCategoria, StoreText(p.Marca), StoreText(p.Producto),
                        StoreText(p.Presentacion), StoreText(p.UMedida), p.StockM, p.PCompra, p.PVenta, p.PVentaIVA,
                        StoreText(p.CodigoB), StoreText(user)});
        });
        transaction.commit();
        if (key)
            *key = stored;
    } catch (const DatabaseError&) {
        // Another station may have stored the same name first.
        if (NameTaken(p.Producto, QString()))
            return kTaken;
        throw;
    }
    return {};
}

QString Update(const Product& p, const QString& chosenName)
{
    auto& db = TDataModule1::instance();
    try {
        WriteTransaction transaction(db);
        if (p.Producto != chosenName && NameTaken(p.Producto, p.IdProducto))
            return kTaken;
        const SqlRows stored =
            db.query(QStringLiteral("SELECT IdCategoria FROM Productos WHERE IdProducto=?"), {p.IdProducto});
        if (stored.isEmpty())
            return QStringLiteral("El Producto ya no esta Registrado");
        db.execute(QStringLiteral("UPDATE Productos SET IdCategoria=?, Marca=?, Producto=?, Presentacion=?, UMedida=?, "
                                  "StockM=?, PCompra=?, PVenta=?, PVentaIVA=?, CodigoB=? WHERE IdProducto=?"),
                   {p.IdCategoria, StoreText(p.Marca), StoreText(p.Producto), StoreText(p.Presentacion),
                    StoreText(p.UMedida), p.StockM, p.PCompra, p.PVenta, p.PVentaIVA, StoreText(p.CodigoB), p.IdProducto});
        if (stored.integer(0) != p.IdCategoria) {
            // Sales reports read a product's category from its purchase lines and supply reports from
            // its delivery lines: every line table follows, or old history drops out of the category.
            for (const QString& statement : CategoryRewriteStatements())
                db.execute(statement, {p.IdCategoria, p.IdProducto});
        }
        transaction.commit();
    } catch (const DatabaseError&) {
        if (NameTaken(p.Producto, p.IdProducto))
            return kTaken;
        throw;
    }
    return {};
}

bool SetEnabled(const QString& id, bool enabled)
{
    return TDataModule1::instance().execute(QStringLiteral("UPDATE Productos SET Estado=? WHERE IdProducto=?"),
                                            {enabled ? 1 : 0, id})
           > 0;
}

QString Remove(const QString& id)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    // Checked under the write lock: another station may have sold it since the list showed it.
    if (HistoryRows::Any({QStringLiteral("DetalleV"), QStringLiteral("DetalleC"), QStringLiteral("DetalleEI")},
                         QStringLiteral("IdProducto"), id))
        return QStringLiteral("El Producto tiene ventas, compras o entregas registradas: eliminarlo cambiaria los "
                              "reportes. Para dejar de usarlo, desactivelo (quite la marca de la columna E)");
    db.execute(QStringLiteral("DELETE FROM Productos WHERE IdProducto=?"), {id});
    transaction.commit();
    return {};
}

QStringList CategoryRewriteStatements()
{
    return {QStringLiteral("UPDATE DetalleV SET IdCategoria=? WHERE IdProducto=?"),
            QStringLiteral("UPDATE DetalleC SET IdCategoria=? WHERE IdProducto=?"),
            QStringLiteral("UPDATE DetalleEI SET IdCategoria=? WHERE IdProducto=?")};
}

}
