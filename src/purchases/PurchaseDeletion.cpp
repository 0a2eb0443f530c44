#include "purchases/PurchaseDeletion.h"

#include "data/StockMoves.h"
#include "data/UDataModule.h"

namespace PurchaseDeletion {

QString Delete(const QString& purchaseId)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    // The stored lines, read under the write lock: what the purchase brought in, whatever a
    // window shows of it.
    const SqlRows lines =
        db.query(QStringLiteral("SELECT IdProducto, CEntrante FROM DetalleC WHERE IdCompra=? ORDER BY IdDetalleC"),
                 {purchaseId});
    // Its lines (goods or services) and its payments go with it.
    if (db.execute(QStringLiteral("DELETE FROM Compras WHERE IdCompra=?"), {purchaseId}) != 1)
        return QStringLiteral("La Compra %1 ya no existe, pudo ser eliminada en otra estacion; revise la lista")
            .arg(purchaseId);
    for (SqlRows line = lines; !line.atEnd(); line.next()) {
        // A line of nothing moved nothing; an item deleted since has no stock to take back.
        if (line.number(1) > 0)
            StockMoves::RemoveIntake(line.text(0), line.number(1));
    }
    transaction.commit();
    return {};
}

}
