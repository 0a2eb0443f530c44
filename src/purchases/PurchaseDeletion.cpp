#include "purchases/PurchaseDeletion.h"

#include "data/Formats.h"
#include "data/StockMoves.h"
#include "data/UDataModule.h"

#include <QStringList>

namespace PurchaseDeletion {

namespace {

// The refusal naming the payments made on a purchase, or empty text when it has none. Its
// payouts are counted by the closing of the session they were paid in: deleting them with the
// purchase would leave that closing short of money that did go out.
QString PaymentsRefusal(TDataModule1& db, const QString& purchaseId)
{
    QStringList named;
    for (SqlRows p = db.query(QStringLiteral("SELECT IdSaldoC, FechaR, TotalE FROM SaldoC WHERE IdCompra=? "
                                             "ORDER BY IdSaldoC"),
                              {purchaseId});
         !p.atEnd(); p.next())
        named << QStringLiteral("Nº %1 del %2 por Bs. %3").arg(p.text(0), Formats::Date(p.date(1)), Formats::Money(p.amount(2)));
    if (named.isEmpty())
        return {};
    return QStringLiteral("La Compra %1 tiene pagos registrados (%2): anule primero los pagos y luego elimine la "
                          "compra")
        .arg(purchaseId, named.join(QStringLiteral(", ")));
}

}

QString Delete(const QString& purchaseId)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    // The stored lines, read under the write lock: what the purchase brought in, whatever a
    // window shows of it.
    const SqlRows lines = db.query(
        QStringLiteral("SELECT IdProducto, CEntrante FROM DetalleC WHERE IdCompra=? ORDER BY IdDetalleC"), {purchaseId});
    if (const QString refusal = PaymentsRefusal(db, purchaseId); !refusal.isEmpty())
        return refusal;
    // Its lines (goods or services) go with it.
    if (db.execute(QStringLiteral("DELETE FROM Compras WHERE IdCompra=?"), {purchaseId}) != 1)
        return QStringLiteral("La Compra %1 ya no existe, pudo ser eliminada en otra estacion; revise la lista").arg(purchaseId);
    for (SqlRows line = lines; !line.atEnd(); line.next()) {
        // A line of nothing moved nothing; an item deleted since has no stock to take back.
        if (line.number(1) > 0)
            StockMoves::RemoveIntake(line.text(0), line.number(1));
    }
    transaction.commit();
    return {};
}

}
