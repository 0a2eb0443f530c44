#include "ShopFixture.h"

#include "data/DatabaseError.h"
#include "data/StockMoves.h"

#include <QtTest>

// Every stock movement changes one column of one product by its quantity, refuses a quantity that
// is not above zero, and tells when the product is gone.
class TstStockMoves : public QObject {
    Q_OBJECT
private slots:
    void moves_data()
    {
        QTest::addColumn<QString>("move");
        QTest::addColumn<double>("ingreso");
        QTest::addColumn<double>("egreso");
        QTest::newRow("sale out") << "AddOutflow" << 48.0 << 2.5;
        QTest::newRow("annulled sale back") << "ReturnOutflow" << 48.0 << -2.5;
        QTest::newRow("purchase in") << "AddIntake" << 50.5 << 0.0;
        QTest::newRow("purchase removed") << "RemoveIntake" << 45.5 << 0.0;
    }
    void moves()
    {
        QFETCH(QString, move);
        QFETCH(double, ingreso);
        QFETCH(double, egreso);
        ShopFixture shop;
        const auto apply = [&](const QString& product, double quantity) {
            if (move == "AddOutflow")
                return StockMoves::AddOutflow(product, quantity);
            if (move == "ReturnOutflow")
                return StockMoves::ReturnOutflow(product, quantity);
            if (move == "AddIntake")
                return StockMoves::AddIntake(product, quantity);
            return StockMoves::RemoveIntake(product, quantity);
        };
        QVERIFY(apply("P000000001", 2.5));
        SqlRows row = shop.db().query("SELECT Ingreso, Egreso FROM Productos WHERE IdProducto='P000000001'");
        QCOMPARE(row.number(0), ingreso);
        QCOMPARE(row.number(1), egreso);
        QCOMPARE(shop.db().query("SELECT SUM(Ingreso), SUM(Egreso) FROM Productos WHERE IdProducto<>'P000000001'").number(1),
                 0.0);
        QVERIFY(!apply("P999999999", 1));
        for (double wrong : {0.0, -1.0, qQNaN()})
            QVERIFY_THROWS_EXCEPTION(DatabaseError, apply("P000000001", wrong));
    }

    // The count's movements set the counters from what is stored (Ingreso 20, Egreso 5 here), so a
    // second application changes nothing more.
    void countMoves_data()
    {
        QTest::addColumn<QString>("move");
        QTest::addColumn<double>("ingreso");
        QTest::addColumn<double>("egreso");
        QTest::newRow("counted 12") << "SetCountedStock" << 20.0 << 8.0;
        QTest::newRow("rolled over") << "RollOver" << 15.0 << 0.0;
        QTest::newRow("reset") << "ResetStock" << 0.0 << 0.0;
    }
    void countMoves()
    {
        QFETCH(QString, move);
        QFETCH(double, ingreso);
        QFETCH(double, egreso);
        ShopFixture shop;
        shop.db().execute("UPDATE Productos SET Ingreso=20, Egreso=5 WHERE IdProducto='P000000001'");
        const auto apply = [&](const QString& product) {
            if (move == "SetCountedStock")
                return StockMoves::SetCountedStock(product, 12);
            if (move == "RollOver")
                return StockMoves::RollOver(product);
            return StockMoves::ResetStock(product);
        };
        for (int time = 0; time < 2; ++time) {
            QVERIFY(apply("P000000001"));
            SqlRows row = shop.db().query("SELECT Ingreso, Egreso FROM Productos WHERE IdProducto='P000000001'");
            QCOMPARE(row.number(0), ingreso);
            QCOMPARE(row.number(1), egreso);
        }
        QCOMPARE(shop.db().query("SELECT Ingreso FROM Productos WHERE IdProducto='P000000002'").number(0), 36.0);
        QVERIFY(!apply("P999999999"));
    }

    void countBelowZeroIsRefused()
    {
        ShopFixture shop;
        for (double wrong : {-1.0, qQNaN()})
            QVERIFY_THROWS_EXCEPTION(DatabaseError, StockMoves::SetCountedStock("P000000001", wrong));
        QVERIFY(StockMoves::SetCountedStock("P000000001", 0));
        QCOMPARE(shop.db().query("SELECT Ingreso - Egreso FROM Productos WHERE IdProducto='P000000001'").number(0), 0.0);
    }
};

QTEST_MAIN(TstStockMoves)
#include "tst_stockmoves.moc"
