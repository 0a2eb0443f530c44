#include "ShopFixture.h"

#include "data/Formats.h"
#include "reports/ReportQueries.h"
#include "tax/BookQueries.h"

#include <QSqlQuery>
#include <QtTest>

Q_DECLARE_METATYPE(Statement)

// Every statement of the books and reports starts from its date range, whatever the filter, and
// reaches lines only through the rows of that range: a shop's years of history are never read.
class TstReportPlans : public QObject {
    Q_OBJECT
private slots:
    void plansStartFromTheDateRange_data()
    {
        QTest::addColumn<Statement>("statement");
        QTest::addColumn<QString>("start");
        const QDate from(2026, 1, 1), to(2026, 1, 31);
        const QVariantList month{"2026-01-01", "2026-02-01"};
        QTest::newRow("sales book") << Statement{BookQueries::SalesStatement(), month} << "Ventas USING INDEX Ventas_FechaV";
        QTest::newRow("purchases book") << Statement{BookQueries::PurchasesStatement(), month}
                                        << "Compras USING INDEX Compras_FechaC";
        const QList<QPair<const char*, ItemFilter>> filters{
            {"all", {}}, {"category", {1, {}}}, {"category and item", {1, "P000000001"}}, {"item", {0, "P000000001"}}};
        for (const auto& [name, filter] : filters) {
            QTest::addRow("sales, %s", name)
                << ReportQueries::ProductTable(1, from, to, filter) << "V USING INDEX Ventas_FechaV";
            QTest::addRow("deliveries, %s", name)
                << ReportQueries::ProductTable(6, from, to, filter) << "E USING INDEX EntregaI_FechaE";
            QTest::addRow("purchases, %s", name)
                << ReportQueries::PurchaseTable(1, from, to, filter) << "C USING INDEX Compras_FechaC";
        }
        // The credit sales of the range, through the index of credit sales by date.
        QTest::newRow("debtors") << ReportQueries::SalesByPaymentForm(from, to, {}, 2, true)
                                 << "Ventas USING INDEX Ventas_Credito (FormaP=? AND Estado=? AND FechaV>? AND FechaV<?)";
        QTest::newRow("debtors of a client") << ReportQueries::SalesByPaymentForm(from, to, "4567890", 2, false)
                                             << "Ventas USING INDEX Ventas_NitCIFecha (NitCI=? AND FechaV>? AND FechaV<?)";
        QTest::newRow("debtors' lines") << ReportQueries::LinesOfSales(from, to, {}, 2)
                                        << "V USING INDEX Ventas_Credito (FormaP=? AND Estado=? AND FechaV>? AND FechaV<?)";
        QTest::newRow("a client's lines") << ReportQueries::LinesOfSales(from, to, "4567890", 2)
                                          << "V USING INDEX Ventas_NitCIFecha (NitCI=? AND FechaV>? AND FechaV<?)";
        QTest::newRow("services") << ReportQueries::ServiceTable(from, to) << "C USING INDEX Compras_FechaC";
    }
    void plansStartFromTheDateRange()
    {
        QFETCH(Statement, statement);
        QFETCH(QString, start);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        QSqlQuery q(shop.db().connection());
        QVERIFY(q.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + statement.sql));
        for (const QVariant& v : statement.values)
            q.addBindValue(v);
        QVERIFY(q.exec());
        QStringList steps;
        while (q.next())
            steps << q.value(3).toString();
        QVERIFY2(steps.value(0).startsWith("SEARCH " + start), qPrintable(steps.join(" / ")));
        for (const QString& step : steps) {
            QVERIFY2(!step.startsWith("SCAN"), qPrintable(step));
            // Lines are reached by their header's key, never by product over all years.
            QVERIFY2(!step.contains("DetalleV_Producto") && !step.contains("DetalleC_Producto")
                         && !step.contains("DetalleEI_Producto"),
                     qPrintable(step));
        }
    }
};

QTEST_MAIN(TstReportPlans)
#include "tst_reportplans.moc"
