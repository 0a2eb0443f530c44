#include "purchases/DeliveryAnnulment.h"

#include "data/StockMoves.h"
#include "data/UDataModule.h"

const QString DeliveryAnnulment::AlreadyAnnulled = QStringLiteral("La Entrega ya fue Anulada");

QString DeliveryAnnulment::Annul(const QString& deliveryId)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    const SqlRows header = db.query(QStringLiteral("SELECT Estado FROM EntregaI WHERE IdEntrega=?"), {deliveryId});
    if (header.isEmpty())
        return QStringLiteral("No existe Venta con ese Nº de Orden");
    if (header.text(0).compare(QLatin1String("V"), Qt::CaseInsensitive) != 0)
        return AlreadyAnnulled;

    // The stock comes back from the lines as stored, not as some window shows them.
    const SqlRows lines =
        db.query(QStringLiteral("SELECT IdProducto, Cantidad FROM DetalleEI WHERE IdEntrega=? AND Estado='V'"), {deliveryId});
    db.execute(QStringLiteral("UPDATE EntregaI SET Estado='A', NitCI='0', Cliente='ANULADO' WHERE IdEntrega=?"), {deliveryId});
    db.execute(QStringLiteral("UPDATE DetalleEI SET Estado='A' WHERE IdEntrega=?"), {deliveryId});
    for (SqlRows r = lines; !r.atEnd(); r.next()) {
        // A supply deleted since has no stock to take it back.
        if (r.number(1) > 0)
            StockMoves::ReturnOutflow(r.text(0), r.number(1));
    }
    transaction.commit();
    return {};
}
