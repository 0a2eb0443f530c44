#include "DebtShop.h"
#include "FailingTrigger.h"
#include "SecondStation.h"

#include "cash/CashClosing.h"
#include "data/DatabaseError.h"
#include "sales/DebtLists.h"
#include "sales/Instalment.h"
#include "sales/InstalmentAnnulment.h"
#include "sales/SaleAnnulment.h"

#include <QSqlQuery>

Q_DECLARE_METATYPE(DebtSide)

namespace {

const QString kSale = QStringLiteral("V000000001");
const QString kPurchase = QStringLiteral("P000000001");

QString KeyOf(DebtSide side) { return side == DebtSide::Sales ? kSale : kPurchase; }

InstalmentResult Pay(DebtSide side, const QString& amount, const QString& key = {})
{
    return Instalment::Pay(InstalmentInput::fromSession(side, key.isEmpty() ? KeyOf(side) : key, amount));
}

bool Listed(DebtSide side, const QString& key, int year = 2026)
{
    for (SqlRows r = DebtLists::Debts(side, year); !r.atEnd(); r.next())
        if (r.text(0) == key)
            return true;
    return false;
}

// The open session's cash figures of the side: cash at the time of the sale (purchase), payments
// of earlier credits, credit still owed.
QString Figures(DebtShop& d, DebtSide side)
{
    const ClosingFigures f = CashClosing::Calculate(d.open, 0, 0, 0);
    const bool sales = side == DebtSide::Sales;
    return QStringLiteral("%1 %2 %3")
        .arg(Formats::Money(sales ? f.VentasEf : f.ComprasEf), Formats::Money(sales ? f.VentasCr : f.ComprasCr),
             Formats::Money(sales ? f.PCobrar : f.PPagar));
}

}

class TstInstalments : public QObject {
    Q_OBJECT
private slots:
    void parseCents_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("cents");
        QTest::newRow("whole") << "12" << true << qint64(1200);
        QTest::newRow("one decimal") << "12.5" << true << qint64(1250);
        QTest::newRow("two decimals") << "0.05" << true << qint64(5);
        QTest::newRow("point first") << ".5" << true << qint64(50);
        QTest::newRow("point last") << "7." << true << qint64(700);
        QTest::newRow("zero") << "0" << true << qint64(0);
        QTest::newRow("two points") << "1.2.3" << false << qint64(0);
        QTest::newRow("a point") << "." << false << qint64(0);
        QTest::newRow("three decimals") << "1.005" << false << qint64(0);
        QTest::newRow("negative") << "-3" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
    }
    void parseCents()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, cents);
        qint64 parsed = -1;
        QCOMPARE(Instalment::ParseCents(text, &parsed), valid);
        if (valid)
            QCOMPARE(parsed, cents);
    }

    // Each instalment against the stored debt, its payment rows and what the open session's
    // closing counts: cash at the time (VentasEf / ComprasEf), payments of earlier credits
    // (VentasCr / ComprasCr) and what is still owed on its own credits (PCobrar / PPagar).
    void instalments_data()
    {
        QTest::addColumn<DebtSide>("side");
        QTest::addColumn<bool>("ofOpenSession");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("paid");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("debt");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("figures");
        const DebtSide sales = DebtSide::Sales, purchases = DebtSide::Purchases;
        const QString row = "%1|%2|C000000002|10/12/2026|admin|1";
        QTest::newRow("sale of an earlier session") << sales << false << 68.0 << 20.0 << QStringList{"10"} << "30.00|38.00|2|V"
                                                    << QStringList{row.arg("10.00", kSale)} << "0.00 10.00 0.00";
        QTest::newRow("sale of the open session") << sales << true << 68.0 << 20.0 << QStringList{"10"} << "30.00|38.00|2|V"
                                                  << QStringList{} << "30.00 0.00 38.00";
        QTest::newRow("the whole debt, open session")
            << sales << true << 68.0 << 20.0 << QStringList{"48"} << "68.00|0.00|1|V" << QStringList{} << "68.00 0.00 0.00";
        QTest::newRow("the whole debt, earlier session")
            << sales << false << 68.0 << 20.0 << QStringList{"48.00"} << "68.00|0.00|1|V"
            << QStringList{row.arg("48.00", kSale)} << "0.00 48.00 0.00";
        QTest::newRow("0.10 then 0.20 on 0.30")
            << sales << false << 0.3 << 0.0 << QStringList{"0.10", "0.20"} << "0.30|0.00|1|V"
            << QStringList{row.arg("0.10", kSale), row.arg("0.20", kSale)} << "0.00 0.30 0.00";
        QTest::newRow(".1 then 0.2 on 0.30, open session") << sales << true << 0.3 << 0.0 << QStringList{".1", "0.2"}
                                                           << "0.30|0.00|1|V" << QStringList{} << "0.30 0.00 0.00";
        QTest::newRow("nothing") << sales << false << 68.0 << 20.0 << QStringList{"0"} << "20.00|48.00|2|V"
                                 << QStringList{row.arg("0.00", kSale)} << "0.00 0.00 0.00";
        QTest::newRow("purchase of an earlier session")
            << purchases << false << 100.0 << 40.0 << QStringList{"25.5"} << "65.50|34.50|2|V"
            << QStringList{row.arg("25.50", kPurchase)} << "0.00 25.50 0.00";
        QTest::newRow("purchase of the open session") << purchases << true << 100.0 << 40.0 << QStringList{"25.5"}
                                                      << "65.50|34.50|2|V" << QStringList{} << "65.50 0.00 34.50";
        QTest::newRow("purchase paid off") << purchases << true << 100.0 << 40.0 << QStringList{"60"} << "100.00|0.00|1|V"
                                           << QStringList{} << "100.00 0.00 0.00";
    }
    void instalments()
    {
        QFETCH(DebtSide, side);
        QFETCH(bool, ofOpenSession);
        QFETCH(double, total);
        QFETCH(double, paid);
        QFETCH(QStringList, amounts);
        QFETCH(QString, debt);
        QFETCH(QStringList, rows);
        QFETCH(QString, figures);
        DebtShop d;
        d.credit(side, KeyOf(side), ofOpenSession ? d.open : d.earlier, QDate(2026, 12, ofOpenSession ? 10 : 9), total, paid);
        InstalmentResult last;
        for (const QString& amount : amounts) {
            last = Pay(side, amount);
            QVERIFY2(last.stored, qPrintable(last.message));
        }
        QCOMPARE(d.debt(side, KeyOf(side)), debt);
        QCOMPARE(d.payments(side), rows);
        QCOMPARE(Figures(d, side), figures);
        QCOMPARE(Listed(side, KeyOf(side)), debt.split('|').at(2) == "2");
        QCOMPARE(last.paymentRow, !ofOpenSession);

        // The voucher shows what the last instalment found and left.
        const InstalmentVoucher& v = last.voucher;
        QCOMPARE(v.purchase, side == DebtSide::Purchases);
        QCOMPARE(v.orderNumber, QStringLiteral("000000001"));
        QCOMPARE(v.date, QDate(2026, 12, ofOpenSession ? 10 : 9));
        QCOMPARE(v.paymentDate, QDate(2026, 12, 10));
        QCOMPARE(v.total, total);
        QCOMPARE(Formats::Money(v.paidBefore + v.amount), debt.split('|').at(0));
        QCOMPARE(Formats::Money(v.balance), debt.split('|').at(1));
        QCOMPARE(v.name, side == DebtSide::Sales ? QStringLiteral("MARIA QUISPE CONDORI")
                                                 : QStringLiteral("EMBOTELLADORA ANDINA SA"));
    }

    // Refused instalments say why and write nothing. "meanwhile" is what another counter did
    // after this window listed the debt (68 total, 20 down, 48 owed).
    void refusals_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("conversion");
        QTest::newRow("two points") << ""
                                    << "1.2.3"
                                    << "'1.2.3' no es un monto valido" << true;
        QTest::newRow("a point") << ""
                                 << "."
                                 << "'.' no es un monto valido" << true;
        QTest::newRow("three decimals") << ""
                                        << "1.005"
                                        << "'1.005' no es un monto valido" << true;
        QTest::newRow("above the debt") << ""
                                        << "48.01"
                                        << "El monto a amortizar (48.01) es mayor que el saldo de la deuda (48.00)" << false;
        QTest::newRow("paid off meanwhile") << "pay 48"
                                            << "10"
                                            << "La deuda de la venta con Nº de Orden 000000001 ya fue saldada" << false;
        QTest::newRow("partly paid meanwhile")
            << "pay 40"
            << "10"
            << "El monto a amortizar (10.00) es mayor que el saldo de la deuda (8.00)" << false;
        QTest::newRow("sale annulled meanwhile") << "annul"
                                                 << "10"
                                                 << "La venta con Nº de Orden 000000001 fue anulada" << false;
        QTest::newRow("session closed meanwhile") << "close"
                                                  << "10"
                                                  << "La CAJA no esta Abierta" << false;
    }
    void refusals()
    {
        QFETCH(QString, meanwhile);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(bool, conversion);
        DebtShop d;
        d.credit(DebtSide::Sales, kSale, d.earlier, QDate(2026, 12, 9), 68, 20);
        if (meanwhile.startsWith("pay"))
            QVERIFY(Pay(DebtSide::Sales, meanwhile.mid(4)).stored);
        else if (meanwhile == "annul")
            QVERIFY(SaleAnnulment::Annul(kSale).annulled);
        else if (meanwhile == "close") {
            SecondStation other(d.shop.databasePath());
            QCOMPARE(other.execute("UPDATE Caja SET Estado=0 WHERE IdCaja=?", {d.open}), QString());
        }
        const QStringList before = d.state();
        const InstalmentResult result = Pay(DebtSide::Sales, amount);
        QVERIFY(!result.stored);
        QVERIFY2(result.message.startsWith(message), qPrintable(result.message));
        QCOMPARE(result.conversionError, conversion);
        QCOMPARE(d.state(), before);
    }

    void unknownDebtIsRefused()
    {
        DebtShop d;
        const InstalmentResult result = Pay(DebtSide::Purchases, "10", "P000000099");
        QCOMPARE(result.message, QStringLiteral("La compra con Nº de Orden 000000099 ya no existe; no se registro el pago."));
    }

    // The payment row refused by the engine after the debt was updated: the debt stays as it was.
    void refusedPaymentRowLeavesTheDebt_data()
    {
        QTest::addColumn<DebtSide>("side");
        QTest::newRow("sale") << DebtSide::Sales;
        QTest::newRow("purchase") << DebtSide::Purchases;
    }
    void refusedPaymentRowLeavesTheDebt()
    {
        QFETCH(DebtSide, side);
        DebtShop d;
        d.credit(side, KeyOf(side), d.earlier, QDate(2026, 12, 9), 68, 20);
        CreateFailingTrigger(d.db(), QStringLiteral("BEFORE INSERT ON %1").arg(QLatin1String(TablesOf(side).payments)));
        const QStringList before = d.state();
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Pay(side, "10"));
        QCOMPARE(d.state(), before);
        QCOMPARE(d.db().transactionDepth(), 0);
    }

    // The payment that settled a debt, annulled: the debt is open and listed again and the open
    // session's closing no longer counts the payment. Annulled again (a second window, a stale
    // screen), it is refused: the amount went back once.
    void annulmentGivesTheAmountBackOnce_data()
    {
        QTest::addColumn<DebtSide>("side");
        QTest::newRow("sale") << DebtSide::Sales;
        QTest::newRow("purchase") << DebtSide::Purchases;
    }
    void annulmentGivesTheAmountBackOnce()
    {
        QFETCH(DebtSide, side);
        DebtShop d;
        d.credit(side, KeyOf(side), d.earlier, QDate(2026, 12, 9), 68, 20);
        QVERIFY(Pay(side, "8").stored);
        QVERIFY(Pay(side, "40").stored);
        QCOMPARE(d.debt(side, KeyOf(side)), QStringLiteral("68.00|0.00|1|V"));
        QVERIFY(!Listed(side, KeyOf(side)));
        QCOMPARE(Figures(d, side), QStringLiteral("0.00 48.00 0.00"));

        const qint64 settling = d.lastPaymentId(side);
        const InstalmentAnnulment::Result first = InstalmentAnnulment::Annul(side, settling, d.open);
        QVERIFY2(first.annulled, qPrintable(first.message));
        QCOMPARE(d.debt(side, KeyOf(side)), QStringLiteral("28.00|40.00|2|V"));
        QVERIFY(Listed(side, KeyOf(side)));
        QCOMPARE(d.payments(side).size(), 1);
        QCOMPARE(Figures(d, side), QStringLiteral("0.00 8.00 0.00"));

        const InstalmentAnnulment::Result second = InstalmentAnnulment::Annul(side, settling, d.open);
        QVERIFY(!second.annulled);
        QCOMPARE(second.message, QStringLiteral("Esta amortización ya fue anulada; no se cambio nada."));
        QCOMPARE(d.debt(side, KeyOf(side)), QStringLiteral("28.00|40.00|2|V"));
    }

    // An annulled sale keeps its payment rows; annulling one would make its paid amount negative
    // and reopen a debt nobody owes.
    void paymentOfAnAnnulledSaleStays()
    {
        DebtShop d;
        d.credit(DebtSide::Sales, kSale, d.earlier, QDate(2026, 12, 9), 68, 20);
        QVERIFY(Pay(DebtSide::Sales, "10").stored);
        QVERIFY(SaleAnnulment::Annul(kSale).annulled);
        const QStringList before = d.state();
        const InstalmentAnnulment::Result result =
            InstalmentAnnulment::Annul(DebtSide::Sales, d.lastPaymentId(DebtSide::Sales), d.open);
        QVERIFY(!result.annulled);
        QCOMPARE(result.message,
                 QStringLiteral("La venta con Nº de Orden 000000001 fue anulada: su amortización no se puede anular."));
        QCOMPARE(d.state(), before);
        QCOMPARE(d.debt(DebtSide::Sales, kSale), QStringLiteral("0.00|0.00|2|A"));
    }

    // A payment of a session closed since keeps counting in the figures that session stored.
    void closedSessionKeepsItsFigures()
    {
        DebtShop d;
        d.credit(DebtSide::Sales, kSale, d.earlier, QDate(2026, 12, 9), 68, 20);
        QVERIFY(Pay(DebtSide::Sales, "10").stored);
        const qint64 payment = d.lastPaymentId(DebtSide::Sales);
        ClosingFigures closed;
        QCOMPARE(CashClosing::Close(d.open, 10, 0, &closed), QString());
        QCOMPARE(closed.VentasCr, 10.0);
        // A window left open on the closed session annuls nothing.
        QCOMPARE(InstalmentAnnulment::Annul(DebtSide::Sales, payment, d.open).message,
                 QStringLiteral("La CAJA no esta Abierta"));
        const QString next = d.shop.openCashSession(QDate(2026, 12, 11));
        QVERIFY(InstalmentAnnulment::Annul(DebtSide::Sales, payment, next).annulled);
        QCOMPARE(d.debt(DebtSide::Sales, kSale), QStringLiteral("20.00|48.00|2|V"));
        QCOMPARE(d.db().query("SELECT VentasCr FROM Caja WHERE IdCaja=?", {d.open}).amount(0), 10.0);
    }

    // A debt lists under the year of its sale, a payment under the year it was made.
    void yearsOfDebtsAndPayments()
    {
        DebtShop d;
        d.credit(DebtSide::Sales, kSale, d.earlier, QDate(2019, 12, 30), 68, 20);
        d.db().execute("UPDATE Caja SET Fecha='2020-01-02' WHERE IdCaja=?", {d.open});
        SessionState::current().WorkDate = QDate(2020, 1, 2);
        QVERIFY(Pay(DebtSide::Sales, "10").stored);
        QVERIFY(Listed(DebtSide::Sales, kSale, 2019));
        QVERIFY(!Listed(DebtSide::Sales, kSale, 2020));
        QCOMPARE(DebtLists::Payments(DebtSide::Sales, 2019).count(), 0);
        SqlRows paid = DebtLists::Payments(DebtSide::Sales, 2020);
        QCOMPARE(paid.count(), 1);
        QCOMPARE(paid.text(3), QStringLiteral("MARIA QUISPE CONDORI"));
        QCOMPARE(paid.date(1), QDate(2020, 1, 2));
        QCOMPARE(paid.date(5), QDate(2019, 12, 30));
    }

    // The year lists start from their date through an index, whatever the years stored.
    void yearListsUseTheirIndexes_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("start");
        QTest::newRow("debts of clients")
            << DebtLists::DebtsStatement(DebtSide::Sales) << DebtLists::DebtsValues(2026)
            << "SEARCH Ventas USING INDEX Ventas_Credito (FormaP=? AND Estado=? AND FechaV>? AND FechaV<?)";
        QTest::newRow("debts to suppliers")
            << DebtLists::DebtsStatement(DebtSide::Purchases) << DebtLists::DebtsValues(2026)
            << "SEARCH Compras USING INDEX Compras_Credito (FormaP=? AND Estado=? AND FechaC>? AND FechaC<?)";
        QTest::newRow("payments received") << DebtLists::PaymentsStatement(DebtSide::Sales) << DebtLists::PaymentsValues(2026)
                                           << "SEARCH S USING INDEX SaldoV_FechaR (FechaR>? AND FechaR<?)";
        QTest::newRow("payments made") << DebtLists::PaymentsStatement(DebtSide::Purchases) << DebtLists::PaymentsValues(2026)
                                       << "SEARCH S USING INDEX SaldoC_FechaR (FechaR>? AND FechaR<?)";
    }
    void yearListsUseTheirIndexes()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, values);
        QFETCH(QString, start);
        DebtShop d;
        if (d.shop.onServer())
            QSKIP("the server plans by its own statistics; the file's plan is checked");
        QSqlQuery q(d.db().connection());
        QVERIFY(q.prepare("EXPLAIN QUERY PLAN " + sql));
        for (const QVariant& v : values)
            q.addBindValue(v);
        QVERIFY(q.exec());
        QStringList steps;
        while (q.next())
            steps << q.value(3).toString();
        QVERIFY2(steps.value(0) == start, qPrintable(steps.join(" / ")));
        for (const QString& step : steps)
            QVERIFY2(!step.startsWith("SCAN"), qPrintable(steps.join(" / ")));
    }
};

QTEST_MAIN(TstInstalments)
#include "tst_instalments.moc"
