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
};

QTEST_MAIN(TstStockMoves)
#include "tst_stockmoves.moc"
