#include "SecondStation.h"
#include "ShopFixture.h"

#include "cash/CashClosing.h"
#include "cash/CashOpening.h"
#include "cash/ClosingTicket.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/SessionState.h"

#include <QtTest>

namespace {

// Rows booked against a session the way sales, purchases and payments store them.
struct Booking {
    ShopFixture& shop;
    int sales = 0, purchases = 0;

    QString sale(const QString& caja, int formaP, double totalF, double totalE, double saldo, const char* estado = "V")
    {
        const QString id = QStringLiteral("V%1").arg(++sales, 9, 10, QLatin1Char('0'));
        shop.db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, Estado, TotalF, TotalE, Saldo, FormaP, IdCaja) "
                                         "VALUES(?, '2026-12-09', ?, ?, ?, ?, ?, ?)"),
                          {id, QString::fromLatin1(estado), totalF, totalE, saldo, formaP, caja});
        return id;
    }
    QString purchase(const QString& caja, int formaP, double totalF, double totalE, double saldo, const char* estado = "V")
    {
        const QString id = QStringLiteral("P%1").arg(++purchases, 9, 10, QLatin1Char('0'));
        shop.db().execute(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, Estado, TotalF, TotalE, Saldo, FormaP, IdCaja) "
                                         "VALUES(?, '2026-12-09', ?, ?, ?, ?, ?, ?)"),
                          {id, QString::fromLatin1(estado), totalF, totalE, saldo, formaP, caja});
        return id;
    }
    void salePayment(const QString& caja, const QString& sale, double amount, int estado = 1)
    {
        shop.db().execute(
            QStringLiteral("INSERT INTO SaldoV(TotalE, IdVenta, IdCaja, FechaR, Estado) VALUES(?, ?, ?, '2026-12-09', ?)"),
            {amount, sale, caja, estado});
    }
    void purchasePayment(const QString& caja, const QString& purchase, double amount)
    {
        shop.db().execute(QStringLiteral("INSERT INTO SaldoC(TotalE, IdCompra, IdCaja, FechaR) VALUES(?, ?, ?, '2026-12-09')"),
                          {amount, purchase, caja});
    }
};

}

class TstCashSession : public QObject {
    Q_OBJECT
private slots:
    void firstOpeningOnAnEmptyTable()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.login();
        shop.db().execute(QStringLiteral("UPDATE Codigos SET StockVD='N'"));
        QCOMPARE(CashOpening::LatestBalance(), 0.0);
        QCOMPARE(CashOpening::CheckDate(QDate(2001, 1, 1)), QString());
        QCOMPARE(CashOpening::Open(QDate(2026, 12, 9), 50, QStringLiteral("admin")), QString());

        const SessionState& s = SessionState::current();
        QCOMPARE(s.CashSessionId, QStringLiteral("C000000001"));
        QCOMPARE(s.CashOpen, 1);
        QCOMPARE(s.CashInitialAmount, 50.0);
        SqlRows row = shop.db().query(QStringLiteral("SELECT IdCaja, Fecha, CInicial, Cajero, Estado FROM Caja"));
        QCOMPARE(row.count(), 1);
        QCOMPARE(row.date(1), QDate(2026, 12, 9));
        QCOMPARE(row.amount(2), 50.0);
        QCOMPARE(row.text(3), QStringLiteral("admin"));
        QCOMPARE(row.integer(4), 1);
        QCOMPARE(shop.db().query(QStringLiteral("SELECT StockVD FROM Codigos")).text(0), QStringLiteral("S"));
        QCOMPARE(shop.db().query(QStringLiteral("SELECT IdCaja FROM Codigos")).integer(0), 1);
    }

    void openingDates_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("same date as the latest session")
            << QDate(2026, 12, 9) << "La Caja ya ha sido abierta y cerrada en esa Fecha";
        QTest::newRow("earlier date") << QDate(2026, 12, 8)
                                      << "No se puede Abrir Caja en fechas anteriores a la ultima apertura realizada";
        QTest::newRow("next day") << QDate(2026, 12, 10) << "";
    }
    void openingDates()
    {
        QFETCH(QDate, date);
        QFETCH(QString, refusal);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.db().execute(
            QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, Saldo, Estado) VALUES('C000000001', '2026-12-09', 120.5, 0)"));
        shop.db().execute(QStringLiteral("UPDATE Codigos SET IdCaja=1"));

        QCOMPARE(CashOpening::CheckDate(date), refusal);
        QCOMPARE(CashOpening::Open(date, 10, QStringLiteral("admin")), refusal);
        SqlRows rows = shop.db().query(QStringLiteral("SELECT IdCaja, CInicial FROM Caja ORDER BY IdCaja"));
        QCOMPARE(rows.count(), refusal.isEmpty() ? 2 : 1);
        if (refusal.isEmpty()) {
            rows.next();
            QCOMPARE(rows.text(0), QStringLiteral("C000000002"));
            QCOMPARE(rows.amount(1), 130.5);  // what the till kept plus what was added
        }
    }

    void openingWhileAnotherStationHasASessionOpenIsRefused()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        QCOMPARE(CashOpening::Open(QDate(2026, 12, 9), 0, QStringLiteral("otro")), QString());
        SessionState::current().CashOpen = 0;  // this station never saw it
        QVERIFY(CashOpening::Open(QDate(2026, 12, 10), 0, QStringLiteral("admin"))
                    .startsWith(QStringLiteral("Ya existe una CAJA abierta")));
        QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Caja")).integer(0), 1);
    }

    // The top-up adds to what the row holds, which another station may have raised meanwhile.
    void topUpAddsToTheStoredBalance_data()
    {
        QTest::addColumn<int>("estado");
        QTest::addColumn<double>("added");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<double>("stored");
        QTest::newRow("zero keeps the balance") << 1 << 0.0 << "" << 150.0;
        QTest::newRow("cents stay exact") << 1 << 25.1 << "" << 175.1;
        QTest::newRow("closed meanwhile") << 0 << 25.0
                                          << "La CAJA C000000001 ya no esta abierta; no se actualizo el Saldo Inicial"
                                          << 150.0;
    }
    void topUpAddsToTheStoredBalance()
    {
        QFETCH(int, estado);
        QFETCH(double, added);
        QFETCH(QString, refusal);
        QFETCH(double, stored);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const QString id = shop.openCashSession(QDate(2026, 12, 9), 100);
        shop.db().execute(QStringLiteral("UPDATE Caja SET CInicial=150.0, Estado=?"), {estado});
        QCOMPARE(CashOpening::AddToInitialAmount(id, added), refusal);
        QCOMPARE(shop.db().query(QStringLiteral("SELECT CInicial FROM Caja")).amount(0), stored);
        QCOMPARE(SessionState::current().CashInitialAmount, refusal.isEmpty() ? stored : 100.0);
    }

    // Another station books a cash sale while the figures are being read. The pre-report reads
    // one snapshot (the sale lands but is not half counted); the closing holds the write lock
    // (the sale has to wait), so what it stores agrees with the rows.
    void figuresComeFromOneStateOfTheFile_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::newRow("pre-report") << false;
        QTest::newRow("closing") << true;
    }
    void figuresComeFromOneStateOfTheFile()
    {
        QFETCH(bool, closing);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const QString caja = shop.openCashSession(QDate(2026, 12, 9), 100);
        Booking book{shop};
        book.sale(caja, 1, 30, 30, 0);
        SecondStation other(shop.databasePath());
        QVERIFY2(other.ok(), qPrintable(other.error()));
        QString otherSale = QStringLiteral("not tried");
        const auto sellElsewhere = [&](int position) {
            if (position == 2)  // VentasEf is read, NVentasEf not yet
                otherSale = other.execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, TotalF, TotalE, FormaP, IdCaja) "
                                                         "VALUES('V000000099', '2026-12-09', 30, 30, 1, ?)"),
                                          {caja});
        };

        ClosingFigures f;
        if (closing)
            QCOMPARE(CashClosing::Close(caja, 130, 0, &f, sellElsewhere), QString());
        else
            f = CashClosing::Calculate(caja, 100, 130, 0, sellElsewhere);

        QCOMPARE(f.VentasEf, 30.0);
        QCOMPARE(f.NVentasEf, 1);
        QCOMPARE(f.SobFal, 0.0);
        SqlRows rows = shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Ventas WHERE IdCaja=?"), {caja});
        if (closing) {
            QVERIFY2(otherSale.contains(QStringLiteral("locked")), qPrintable(otherSale));
            QCOMPARE(rows.integer(0), 1);
            SqlRows stored =
                shop.db().query(QStringLiteral("SELECT VentasEf, NVentasEf, Estado FROM Caja WHERE IdCaja=?"), {caja});
            QCOMPARE(stored.amount(0), 30.0);
            QCOMPARE(stored.integer(1), 1);
            QCOMPARE(stored.integer(2), 0);
        } else {
            QCOMPARE(otherSale, QString());
            QCOMPARE(rows.integer(0), 2);
        }
        QCOMPARE(shop.db().transactionDepth(), 0);
    }

    // Each case books a few rows and checks the figures they move; all others must stay 0.
    void figures_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<QVariantMap>("expected");
        QTest::newRow("cash sale") << 0 << QVariantMap{{"VentasEf", 30.0}, {"NVentasEf", 1}, {"SobFal", 0.0}};
        QTest::newRow("credit sale: down payment is cash, the rest is owed")
            << 1 << QVariantMap{{"VentasEf", 40.0}, {"PCobrar", 60.0}, {"NVentasCr", 1}, {"SobFal", 0.0}};
        QTest::newRow("payment of an older credit sale") << 2 << QVariantMap{{"VentasCr", 25.0}, {"SobFal", 0.0}};
        QTest::newRow("card, cheque and free sales stay out of the cash")
            << 3 << QVariantMap{{"VentasDo", 80.0}, {"NVentasDo", 1}, {"NVentasSC", 1}, {"SobFal", 0.0}};
        QTest::newRow("receipt purchase paid with more cash counts what left the till, not the change")
            << 4 << QVariantMap{{"ComprasEf", 45.1}, {"NComprasEf", 2}, {"SobFal", 0.0}};
        QTest::newRow("credit purchase and a payment on an older one")
            << 5
            << QVariantMap{{"ComprasEf", 10.0}, {"ComprasCr", 5.0}, {"PPagar", 20.0}, {"NComprasCr", 1}, {"SobFal", 0.0}};
        QTest::newRow("annulled rows are only counted")
            << 6 << QVariantMap{{"NVentasA", 1}, {"NComprasA", 1}, {"SobFal", 0.0}};
        QTest::newRow("cheque and free purchases stay out of the cash")
            << 7 << QVariantMap{{"ComprasDo", 70.0}, {"NComprasDo", 1}, {"NComprasSC", 1}, {"SobFal", 0.0}};
        QTest::newRow("shortage") << 8 << QVariantMap{{"VentasEf", 30.0}, {"NVentasEf", 1}, {"SobFal", -12.5}};
        QTest::newRow("surplus") << 9 << QVariantMap{{"VentasEf", 30.0}, {"NVentasEf", 1}, {"SobFal", 3.0}};
        QTest::newRow("cents that do not add up in binary")
            << 10 << QVariantMap{{"VentasEf", 0.3}, {"NVentasEf", 3}, {"SobFal", 0.0}};
    }
    void figures()
    {
        QFETCH(int, scenario);
        QFETCH(QVariantMap, expected);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.db().execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, Estado) VALUES('C000000001', '2026-12-08', 0)"));
        shop.db().execute(QStringLiteral("UPDATE Codigos SET IdCaja=1"));
        const QString old = QStringLiteral("C000000001");
        const QString caja = shop.openCashSession(QDate(2026, 12, 9), 100);
        Booking book{shop};
        double cashIn = 0, cashOut = 0, counted = 0;
        switch (scenario) {
        case 0:
            book.sale(caja, 1, 30, 30, 0);
            cashIn = 30;
            break;
        case 1:
            book.sale(caja, 2, 100, 40, 60);
            cashIn = 40;
            break;
        case 2: {
            const QString credit = book.sale(old, 2, 100, 40, 60);
            book.salePayment(caja, credit, 25);
            book.salePayment(caja, credit, 7, 0);  // not valid: never summed
            cashIn = 25;
            break;
        }
        case 3:
            book.sale(caja, 3, 80, 80, 0);
            book.sale(caja, 0, 15, 0, 0);
            break;
        case 4:
            book.purchase(caja, 1, 45, 50, 5);
            book.purchase(caja, 1, 0.1, 0.3, 0.2);
            cashOut = 45.1;
            break;
        case 5: {
            book.purchase(caja, 2, 30, 10, 20);
            const QString older = book.purchase(old, 2, 40, 0, 40);
            book.purchasePayment(caja, older, 5);
            cashOut = 15;
            break;
        }
        case 6:
            book.sale(caja, 1, 30, 30, 0, "A");
            book.purchase(caja, 1, 20, 20, 0, "A");
            break;
        case 7:
            book.purchase(caja, 3, 70, 70, 0);
            book.purchase(caja, 0, 9, 0, 0);
            break;
        case 8:
            book.sale(caja, 1, 30, 30, 0);
            cashIn = 30;
            counted = -12.5;
            break;
        case 9:
            book.sale(caja, 1, 30, 30, 0);
            cashIn = 30;
            counted = 3;
            break;
        case 10:
            for (int i = 0; i < 3; ++i)
                book.sale(caja, 1, 0.1, 0.1, 0);
            cashIn = 0.3;
            break;
        }
        counted += 100 + cashIn - cashOut;

        QList<int> bar;
        const ClosingFigures f = CashClosing::Calculate(caja, 100, counted, 0, [&](int position) { bar << position; });
        QCOMPARE(bar.size(), 20);
        QCOMPARE(bar.first(), 2);
        QCOMPARE(bar.last(), 21);

        const QVariantMap actual{{"VentasEf", f.VentasEf},     {"VentasCr", f.VentasCr},     {"VentasDo", f.VentasDo},
                                 {"PCobrar", f.PCobrar},       {"NVentasEf", f.NVentasEf},   {"NVentasCr", f.NVentasCr},
                                 {"NVentasDo", f.NVentasDo},   {"NVentasSC", f.NVentasSC},   {"NVentasA", f.NVentasA},
                                 {"ComprasEf", f.ComprasEf},   {"ComprasCr", f.ComprasCr},   {"ComprasDo", f.ComprasDo},
                                 {"PPagar", f.PPagar},         {"NComprasEf", f.NComprasEf}, {"NComprasCr", f.NComprasCr},
                                 {"NComprasDo", f.NComprasDo}, {"NComprasSC", f.NComprasSC}, {"NComprasA", f.NComprasA},
                                 {"SobFal", f.SobFal}};
        for (auto it = actual.begin(); it != actual.end(); ++it)
            QVERIFY2(qFuzzyCompare(1 + it.value().toDouble(), 1 + expected.value(it.key(), 0).toDouble()),
                     qPrintable(QStringLiteral("%1 = %2").arg(it.key(), it.value().toString())));
    }

    void storingClosesTheSessionAndRollsTheStockOver()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const QString caja = shop.openCashSession(QDate(2026, 12, 9), 100);
        Booking book{shop};
        book.sale(caja, 1, 30, 30, 0);
        shop.db().execute(QStringLiteral("UPDATE Productos SET Ingreso=10, Egreso=3"));
        shop.db().execute(QStringLiteral("UPDATE Productos SET Estado=0 WHERE IdProducto='P000000002'"));

        const ClosingFigures f = CashClosing::Calculate(caja, 100, 117.5, 50, {});
        CashClosing::Store(caja, f);

        SqlRows row = shop.db().query(QStringLiteral("SELECT * FROM Caja WHERE IdCaja=?"), {caja});
        QCOMPARE(row.amount(QStringLiteral("VentasEf")), 30.0);
        QCOMPARE(row.amount(QStringLiteral("Traspaso")), 50.0);
        QCOMPARE(row.amount(QStringLiteral("Saldo")), 67.5);
        QCOMPARE(row.amount(QStringLiteral("SobFal")), -12.5);
        QCOMPARE(row.integer(QStringLiteral("NVentasEf")), 1);
        QCOMPARE(row.integer(QStringLiteral("Estado")), 0);
        QCOMPARE(
            shop.db().query(QStringLiteral("SELECT Ingreso, Egreso FROM Productos WHERE IdProducto='P000000001'")).number(0),
            7.0);
        QCOMPARE(
            shop.db().query(QStringLiteral("SELECT Ingreso, Egreso FROM Productos WHERE IdProducto='P000000001'")).number(1),
            0.0);
        QCOMPARE(shop.db().query(QStringLiteral("SELECT Egreso FROM Productos WHERE IdProducto='P000000002'")).number(0), 3.0);

        // A second closing of the same session (another station) changes nothing.
        shop.db().execute(QStringLiteral("UPDATE Productos SET Egreso=1"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, CashClosing::Store(caja, f));
        QCOMPARE(CashClosing::Close(caja, 117.5, 50, nullptr),
                 QStringLiteral("La CAJA %1 ya no esta abierta; no se guardo el cierre").arg(caja));
        QCOMPARE(shop.db().query(QStringLiteral("SELECT Egreso FROM Productos WHERE IdProducto='P000000001'")).number(0), 1.0);
        QCOMPARE(shop.db().query(QStringLiteral("SELECT Saldo FROM Caja WHERE IdCaja=?"), {caja}).amount(0), 67.5);
    }

    // The whole ticket, line by line, with h = 10.
    void closingTicketRows()
    {
        ClosingTicketData data;
        ClosingFigures& f = data.figures;
        f.InitialAmount = 100;
        f.VentasEf = 250.5;
        f.VentasCr = 20;
        f.VentasDo = 80;
        f.PCobrar = 60;
        f.NVentasEf = 5;
        f.NVentasCr = 1;
        f.NVentasDo = 1;
        f.NVentasSC = 2;
        f.NVentasA = 1;
        f.ComprasEf = 45;
        f.ComprasCr = 5;
        f.ComprasDo = 1234.5;
        f.PPagar = 20;
        f.NComprasEf = 1;
        f.NComprasCr = 1;
        f.NComprasDo = 1;
        f.NComprasSC = 0;
        f.NComprasA = 12345;
        f.CountedCash = 308;
        f.Traspaso = 200;
        f.Saldo = 108;
        f.SobFal = -12.5;
        data.taxpayerName = QStringLiteral("COMERCIAL LA ESQUINA");
        data.workDate = QDate(2026, 12, 9);
        data.cashier = QStringLiteral("admin");
        data.printed = QDateTime(QDate(2026, 12, 9), QTime(20, 5, 7));

        const QStringList dash{QString(40, QLatin1Char('-'))};
        const QString header = QStringLiteral("CONCEPTO                 VENTAS  COMPRAS");
        const QVector<ClosingTicketRow> expected{
            {15, "COMERCIAL LA ESQUINA"},
            {30, "CIERRE DE CAJA [09/12/2026]"},
            {65, "       RESUMEN DE VENTAS Y COMPRAS      "},
            {75, dash[0]},
            {85, header},
            {95, dash[0]},
            {105, "SALDO INICIAL            100.00     0.00"},
            {115, "CONTADO                  250.50    45.00"},
            {125, "C/P POR CREDITO           20.00     5.00"},
            {135, "TARJETA o CHEQUE          80.00  1234.50"},
            {145, "                   ---------------------"},
            {155, "SUBTOTAL                 370.50    50.00"},
            {165, "                   ---------------------"},
            {175, "TOTAL(Ventas-Compras)             320.50"},
            {205, "    RESUMEN DEUDAS VENTAS Y COMPRAS     "},
            {220, dash[0]},
            {230, header},
            {240, dash[0]},
            {250, "DEUDAS                    60.00    20.00"},
            {280, "     ESTADISTICAS VENTAS Y COMPRAS      "},
            {295, dash[0]},
            {305, header},
            {315, dash[0]},
            {325, "CONTADO                           5    1"},
            {335, "C/P POR CREDITO                   1    1"},
            {345, "TARJETA o CHEQUE                  1    1"},
            {355, "SIN COSTO-GRATIS                  2    0"},
            {365, "TOTAL                             9    3"},
            {375, "ANULADOS                          112345"},
            {405, dash[0]},
            {415, "             CIERRE DE CAJA             "},
            {425, dash[0]},
            {435, "TOTAL EFECTIVO                    308.00"},
            {445, "TOTAL TRASPASO                    200.00"},
            {455, "SALDO                             108.00"},
            {465, "FALTANTE                           12.50"},
            {525, "----------------------"},
            {535, "admin"},
            {545, "NOTA: Las Ventas y Compras por TARJETA o"},
            {555, "CHEQUE no suman ni restan en el EFECTIVO"},
            {565, "Fecha: 09/12/2026 Hora: 20:05:07"},
        };
        const QVector<ClosingTicketRow> rows = ClosingTicketRows(data, 10);
        QCOMPARE(rows.size(), expected.size());
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].y, expected[i].y);
            QCOMPARE(rows[i].text, expected[i].text);
        }
    }

    void rowsKeepTheFortyColumns_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("amounts") << ClosingTwoFigureRow("CONTADO", "1.00", "2.00", 9)
                                 << "CONTADO                    1.00     2.00";
        QTest::newRow("counts") << ClosingTwoFigureRow("TOTAL", "12", "3", 5) << "TOTAL                            12    3";
        QTest::newRow("figures wider than the row are not cut")
            << ClosingTwoFigureRow("TARJETA o CHEQUE", "123456789.00", "1234567890.00", 9)
            << "TARJETA o CHEQUE123456789.001234567890.00";
        QTest::newRow("one figure") << ClosingOneFigureRow("SALDO", "0.00") << "SALDO                               0.00";
    }
    void rowsKeepTheFortyColumns()
    {
        QFETCH(QString, row);
        QFETCH(QString, expected);
        QCOMPARE(row, expected);
        if (expected.size() <= 40)
            QCOMPARE(row.size(), 40);
    }

    void exactTillHasNoDifferenceLine()
    {
        ClosingTicketData data;
        data.figures.CountedCash = 10;
        data.figures.Saldo = 10;
        const QVector<ClosingTicketRow> rows = ClosingTicketRows(data, 10);
        QCOMPARE(rows.size(), 40);
        QCOMPARE(rows[35].text.left(5), QStringLiteral("-----"));
        QCOMPARE(rows[35].y, 37 * 10 + 85 + 4 * 10 + 20);
        for (const auto& row : rows)
            QVERIFY(!row.text.startsWith(QStringLiteral("FALTANTE")) && !row.text.startsWith(QStringLiteral("SOBRANTE")));
    }

    // Every figure reads through the session's covering index, never a scan of the sales.
    void figureQueriesUseTheSessionIndex()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        if (shop.onServer())
            QSKIP("query plans are checked on the file; a server plans by its own statistics");
        for (const QString& sql : CashClosing::FigureStatements()) {
            SqlRows plan = shop.db().query(QStringLiteral("EXPLAIN QUERY PLAN ") + sql,
                                           sql.count(QLatin1Char('?')) == 2 ? QVariantList{"C1", "V"} : QVariantList{"C1"});
            QString detail;
            for (; !plan.atEnd(); plan.next())
                detail += plan.text(QStringLiteral("detail")) + QLatin1Char(';');
            QVERIFY2(detail.contains(QStringLiteral("USING COVERING INDEX")), qPrintable(sql + " -> " + detail));
        }
    }
};

QTEST_GUILESS_MAIN(TstCashSession)
#include "tst_cashsession.moc"
