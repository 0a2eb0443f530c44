#pragma once
#include "SalesShop.h"

#include "sales/PaymentForms.h"

// Sales stored the way the register stores them, in the open session of a SalesShop or in an
// earlier one: the demo shop's products and its client MARIA QUISPE CONDORI.
namespace SaleHistory {

inline const QString kMaria = QStringLiteral("4567890");
inline const QString kMariaName = QStringLiteral("MARIA QUISPE CONDORI");
inline const QString kCoca = QStringLiteral("P000000001");   // COCA COLA 2L, 12.5
inline const QString kFanta = QStringLiteral("P000000002");  // FANTA NARANJA 2L, 12
inline const QString kLeche = QStringLiteral("P000000008");  // LECHE PIL 1L, 7

inline QString Sell(SaleInput in)
{
    const SaleCommitResult r = SaleCommit::Commit(in);
    if (!r.stored())
        qFatal("the sale was refused: %s", qPrintable(r.message));
    return r.record.SaleId;
}

// Two COCA COLA 2L for cash, with or without invoice.
inline QString SellTwoCocas(int voucher = 1, const QString& name = kMariaName)
{
    return Sell(SalesShop::sale(PaymentForms::Cash, voucher, "30", kMaria, name,
                                {SalesShop::line(kCoca, "2", "12.5", "COCA COLA 2L")}));
}

// Three lines: 2 COCA COLA 2L, 1 LECHE PIL 1L, 3 FANTA NARANJA 2L (68.00), on credit with 20 paid.
inline QString SellThreeLinesOnCredit()
{
    return Sell(SalesShop::sale(PaymentForms::Credit, 0, "20", kMaria, kMariaName,
                                {SalesShop::line(kCoca, "2", "12.5", "COCA COLA 2L"),
                                 SalesShop::line(kLeche, "1", "7", "LECHE PIL 1L", 3),
                                 SalesShop::line(kFanta, "3", "12", "FANTA NARANJA 2L")}));
}

// Closes the open session as the closing leaves it and opens the next one on `date`.
inline QString NextSession(SalesShop& s, const QDate& date)
{
    s.db().execute(QStringLiteral("UPDATE Caja SET Estado=0 WHERE IdCaja=?"), {s.session});
    s.session = s.shop.openCashSession(date);
    return s.session;
}

inline double Egreso(SalesShop& s, const QString& product)
{
    return s.db().query(QStringLiteral("SELECT Egreso FROM Productos WHERE IdProducto=?"), {product}).number(0);
}

}
