#include "DatabaseRows.h"
#include "ShopFixture.h"

#include "app/ConsistencyCheck.h"
#include "app/ShopSimulator.h"
#include "data/SessionState.h"

#include <QHash>
#include <QtTest>

// Whole days run through the program's own operations: the books they leave pass the consistency
// check, the stock is what the stored trade says, the same seed gives the same shop, and a shop
// that cannot be simulated is refused before anything is written. On either engine.

namespace {

QStringList problemLines(ShopFixture& shop)
{
    QStringList lines;
    for (const ConsistencyCheck::Problem& p : ConsistencyCheck::Check(shop.db().connection(), !shop.onServer()))
        lines << p.line();
    return lines;
}

// What a refused simulation must leave as it was, read through the gateway on either engine.
QStringList shopState(TDataModule1& db)
{
    QStringList state;
    for (const char* table : {"Caja", "Ventas", "DetalleV", "Compras", "DetalleC", "DetalleS", "EntregaI", "DetalleEI",
                              "SaldoV", "SaldoC", "Clientes"})
        state << QStringLiteral("%1 %2")
                     .arg(QLatin1String(table))
                     .arg(db.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).integer(0));
    const QStringList statements = {"SELECT IdCaja, IdVenta, IdCompra, IdProducto, IdEgreso, StockVD FROM Codigos",
                                    "SELECT NFactura FROM DatosC",
                                    "SELECT IdProducto, Ingreso, Egreso FROM Productos ORDER BY IdProducto"};
    return state + StatementRows(db, statements);
}

QHash<QString, double> stockOf(TDataModule1& db)
{
    QHash<QString, double> stock;
    for (SqlRows r = db.query(QStringLiteral("SELECT IdProducto, Ingreso-Egreso FROM Productos")); !r.atEnd(); r.next())
        stock.insert(r.text(0), r.number(1));
    return stock;
}

// What the stored trade moved for each item: valid purchases in, valid sales and deliveries out.
QHash<QString, double> movedBy(TDataModule1& db)
{
    QHash<QString, double> moved;
    const QStringList statements = {
        "SELECT IdProducto, SUM(CEntrante) FROM DetalleC GROUP BY IdProducto",
        "SELECT D.IdProducto, -SUM(D.Cantidad) FROM DetalleV D, Ventas V WHERE D.IdVenta=V.IdVenta AND V.Estado='V' "
        "GROUP BY D.IdProducto",
        "SELECT D.IdProducto, -SUM(D.Cantidad) FROM DetalleEI D, EntregaI E WHERE D.IdEntrega=E.IdEntrega "
        "AND E.Estado='V' GROUP BY D.IdProducto",
    };
    for (const QString& sql : statements)
        for (SqlRows r = db.query(sql); !r.atEnd(); r.next())
            moved[r.text(0)] += r.number(1);
    return moved;
}

SimulationOptions days(int count, int salesPerDay, const QDate& from, quint64 seed)
{
    SimulationOptions options;
    options.days = count;
    options.salesPerDay = salesPerDay;
    options.from = from;
    options.seed = seed;
    return options;
}

}

class TestShopSimulator : public QObject {
    Q_OBJECT
private slots:
    void simulatedDaysKeepTheBooks()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        // Every item at its minimum: suppliers come every day.
        shop.db().execute("UPDATE Productos SET Ingreso=StockM");
        const QHash<QString, double> before = stockOf(shop.db());
        SimulationSummary summary;
        QStringList progress;
        const QString refusal =
            ShopSimulator::Run(days(4, 40, QDate(2026, 12, 1), 5), &summary, [&](const QString& line) { progress << line; });
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal));

        QCOMPARE(problemLines(shop), QStringList());
        QCOMPARE(summary.refusedSales, 0);
        QCOMPARE(summary.days, 4);
        QCOMPARE(summary.closings, 4);
        QCOMPARE(progress.filter(QStringLiteral("Dia ")).size(), 4);
        const SqlRows sessions = shop.db().query("SELECT COUNT(*), MIN(Fecha), MAX(Fecha), SUM(Estado) FROM Caja");
        QCOMPARE(sessions.integer(0), 4);
        QCOMPARE(sessions.text(1), "2026-12-01");
        QCOMPARE(sessions.text(2), "2026-12-04");
        QCOMPARE(sessions.integer(3), 0);

        // The summary says what was stored.
        QCOMPARE(shop.db().query("SELECT COUNT(*) FROM Ventas").integer(0), qint64(summary.sales));
        QCOMPARE(summary.sales, 160);
        QCOMPARE(shop.db().query("SELECT COUNT(*) FROM Ventas WHERE Comprobante=1").integer(0), qint64(summary.invoices));
        QCOMPARE(shop.db().query("SELECT COUNT(*) FROM Ventas WHERE Estado='A'").integer(0), qint64(summary.annulledSales));
        QCOMPARE(shop.db().query("SELECT COUNT(*) FROM Compras").integer(0),
                 qint64(summary.purchases - summary.deletedPurchases));
        QCOMPARE(shop.db().query("SELECT COUNT(*) FROM EntregaI").integer(0), qint64(summary.deliveries));
        QCOMPARE(shop.db().query("SELECT COUNT(*) FROM EntregaI WHERE Estado='A'").integer(0),
                 qint64(summary.annulledDeliveries));

        // A shop's every kind of trade took place.
        QCOMPARE(shop.db().query("SELECT COUNT(DISTINCT FormaP) FROM Ventas").integer(0), 4);
        QCOMPARE(shop.db().query("SELECT COUNT(DISTINCT Comprobante) FROM Ventas").integer(0), 3);
        QVERIFY(summary.invoices > 0);
        QVERIFY(summary.annulledSales > 0);
        QVERIFY(shop.db().query("SELECT COUNT(*) FROM Compras WHERE Comprobante=1").integer(0) > 0);
        QVERIFY(shop.db().query("SELECT COUNT(*) FROM Compras WHERE Comprobante<>1").integer(0) > 0);
        QVERIFY(summary.deliveries > 0);
        QVERIFY(shop.db().query("SELECT COUNT(*) FROM Caja WHERE SobFal<>0").integer(0) > 0);
        // Clients paid their credit sales and the shop its suppliers, some in a later session
        // (a payment row that session's closing counted), none beyond what was owed (the check).
        QVERIFY(summary.clientPayments > 0);
        QVERIFY(shop.db().query("SELECT COUNT(*) FROM SaldoV").integer(0) > 0);
        QVERIFY(shop.db().query("SELECT COUNT(*) FROM Ventas WHERE FormaP=2 AND TotalE>0").integer(0) > 0);

        // Every item's stock is its starting stock moved by exactly the stored trade.
        const QHash<QString, double> after = stockOf(shop.db());
        const QHash<QString, double> moved = movedBy(shop.db());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(qFuzzyCompare(1 + after.value(it.key()), 1 + it.value() + moved.value(it.key())),
                     qPrintable(QStringLiteral("%1: %2 + %3 != %4")
                                    .arg(it.key())
                                    .arg(it.value())
                                    .arg(moved.value(it.key()))
                                    .arg(after.value(it.key()))));
    }

    // A shop buys before it runs out: whatever the shelves start with, no item is sold or handed
    // out below nothing, and the books still add up.
    void neverSellsWhatItDoesNotHave_data()
    {
        QTest::addColumn<QString>("start");
        QTest::newRow("every item at its minimum") << "UPDATE Productos SET Ingreso=StockM, Egreso=0";
        QTest::newRow("empty shelves") << "UPDATE Productos SET Ingreso=0, Egreso=0";
    }
    void neverSellsWhatItDoesNotHave()
    {
        QFETCH(QString, start);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.db().execute(start);
        SimulationSummary summary;
        const QString refusal = ShopSimulator::Run(days(3, 80, QDate(2026, 12, 1), 7), &summary);
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
        QCOMPARE(summary.refusedSales, 0);
        QCOMPARE(problemLines(shop), QStringList());
        QCOMPARE(shop.db().query("SELECT COUNT(*) FROM Ventas").integer(0), 240);
        const SqlRows short_ = shop.db().query("SELECT Producto, Ingreso-Egreso FROM Productos WHERE Ingreso-Egreso<0");
        QVERIFY2(short_.isEmpty(), qPrintable(short_.text(0) + QLatin1Char(' ') + short_.text(1)));
    }

    void theSameSeedGivesTheSameShop()
    {
        auto simulate = [](quint64 seed) {
            ShopFixture shop(true, ShopFixture::Place::File);
            ShopSimulator::Run(days(2, 30, QDate(2026, 12, 1), seed), nullptr);
            // Every shop is made with an identity of its own; the trade is what must repeat.
            shop.db().execute(QStringLiteral("UPDATE Codigos SET IdTienda=''"));
            shop.db().close();
            return AllRows(shop.databasePath());
        };
        const QStringList first = simulate(11);
        QVERIFY(first.filter(QStringLiteral("Ventas|")).size() == 60);
        QCOMPARE(simulate(11), first);
        QVERIFY(simulate(12) != first);
    }

    // The day of an open session goes on in it; the days after open their own. The last day may
    // be left open with its trade.
    void goesOnInTheOpenSessionOfItsDay()
    {
        ShopFixture shop;
        shop.login();
        const QString open = shop.openCashSession(QDate(2026, 12, 5), 100);
        SimulationOptions options = days(2, 10, QDate(), 5);
        options.closeLastDay = false;
        SimulationSummary summary;
        QVERIFY(ShopSimulator::Run(options, &summary).isEmpty());
        QCOMPARE(summary.first, QDate(2026, 12, 5));
        const SqlRows sessions = shop.db().query("SELECT IdCaja, Fecha, Estado FROM Caja ORDER BY IdCaja");
        QCOMPARE(sessions.count(), 2);
        QCOMPARE(sessions.text(0), open);
        QCOMPARE(sessions.integer(2), 0);
        QCOMPARE(shop.db().query("SELECT COUNT(*) FROM Ventas WHERE IdCaja=?", {open}).integer(0), 10);
        QCOMPARE(shop.db().query("SELECT Fecha, Estado FROM Caja WHERE IdCaja<>?", {open}).text(0), "2026-12-06");
        QCOMPARE(shop.db().query("SELECT Estado FROM Caja WHERE IdCaja<>?", {open}).integer(0), 1);
        QCOMPARE(problemLines(shop), QStringList());
    }

    void refusesAShopItCannotTrade_data()
    {
        QTest::addColumn<QStringList>("prepare");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no active dosage") << QStringList{"UPDATE Dosificaciones SET Estado=0"} << QDate(2026, 12, 1)
                                          << "No hay una Dosificacion activa";
        QTest::newRow("nothing to sell") << QStringList{"UPDATE Productos SET Estado=0"} << QDate(2026, 12, 1)
                                         << "No hay productos a la venta";
        QTest::newRow("an open session of another date")
            << QStringList{"INSERT INTO Caja(IdCaja, Fecha, CInicial) VALUES('C000000001', '2026-12-05', 0)",
                           "UPDATE Codigos SET IdCaja=1"}
            << QDate(2026, 12, 7) << "Hay una CAJA abierta del 05/12/2026";
        QTest::newRow("the day of the latest session")
            << QStringList{"INSERT INTO Caja(IdCaja, Fecha, CInicial, Estado) VALUES('C000000001', '2026-12-05', 0, 0)",
                           "UPDATE Codigos SET IdCaja=1"}
            << QDate(2026, 12, 5) << "La Caja ya ha sido abierta y cerrada en esa Fecha";
        QTest::newRow("before the latest session")
            << QStringList{"INSERT INTO Caja(IdCaja, Fecha, CInicial, Estado) VALUES('C000000001', '2026-12-05', 0, 0)",
                           "UPDATE Codigos SET IdCaja=1"}
            << QDate(2026, 12, 1) << "No se puede Abrir Caja en fechas anteriores";
    }
    void refusesAShopItCannotTrade()
    {
        QFETCH(QStringList, prepare);
        QFETCH(QDate, from);
        QFETCH(QString, refusal);
        ShopFixture shop;
        for (const QString& sql : prepare)
            shop.db().execute(sql);
        const QStringList before = shopState(shop.db());
        SimulationSummary summary;
        const QString said = ShopSimulator::Run(days(2, 10, from, 1), &summary);
        QVERIFY2(said.startsWith(refusal), qPrintable(said));
        QCOMPARE(summary.days, 0);
        QCOMPARE(shopState(shop.db()), before);
    }
};

QTEST_GUILESS_MAIN(TestShopSimulator)
#include "tst_shopsimulator.moc"
