#include "FailingTrigger.h"
#include "SecondStation.h"
#include "ShopFixture.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "purchases/InventoryCount.h"
#include "purchases/StockLists.h"

#include <QtTest>

namespace {

// The demo shop's drinks (category 1) with counters set for the count: COCA COLA 2L 20 in, 5 out
// (stock 15); FANTA NARANJA 2L 10 in, 12 out (stock -2); AGUA VITAL 600ML 7.5 in (a stock with
// decimals); CERVEZA PACENA 620ML as the demo shop has it (72 in).
struct CountShop {
    ShopFixture shop;
    QList<ListedStock> listed;

    CountShop()
    {
        shop.login();
        shop.db().execute("UPDATE Productos SET Ingreso=20, Egreso=5 WHERE Producto='COCA COLA 2L'");
        shop.db().execute("UPDATE Productos SET Ingreso=10, Egreso=12 WHERE Producto='FANTA NARANJA 2L'");
        shop.db().execute("UPDATE Productos SET Ingreso=7.5, Egreso=0 WHERE Producto='AGUA VITAL 600ML'");
        generate();
    }
    // What "GENERAR" lists for the drinks.
    void generate()
    {
        listed.clear();
        StockFilter drinks;
        drinks.categoryId = 1;
        for (const StockItem& item : StockLists::Items(drinks))
            listed << ListedStock{item.productId, item.name, item.ingreso, item.egreso};
    }
    // The count rows: every item counted as listed unless `typed` names it.
    QList<CountedStock> counted(const QHash<QString, QString>& typed) const
    {
        QList<CountedStock> rows;
        for (const ListedStock& item : listed) {
            const QString stock = Formats::General(item.stock());
            rows << CountedStock{item, stock, typed.value(item.name, stock)};
        }
        return rows;
    }
    // "name in/out" of every drink, in list order.
    QStringList counters()
    {
        QStringList texts;
        for (SqlRows r = shop.db().query("SELECT Producto, Ingreso, Egreso FROM Productos WHERE IdCategoria=1 "
                                         "ORDER BY Producto");
             !r.atEnd(); r.next())
            texts << QStringLiteral("%1 %2/%3").arg(r.text(0), Formats::General(r.number(1)), Formats::General(r.number(2)));
        return texts;
    }
    QStringList untouched{"AGUA VITAL 600ML 7.5/0", "CERVEZA PACENA 620ML 72/0", "COCA COLA 2L 20/5",
                          "FANTA NARANJA 2L 10/12"};
};

InventoryResult Apply(const QString& operation, CountShop& c, const QHash<QString, QString>& typed = {},
                      const InventoryCount::Progress& progress = {})
{
    if (operation == "count")
        return InventoryCount::Count(c.counted(typed), progress);
    if (operation == "roll-over")
        return InventoryCount::RollOver(c.listed, progress);
    return InventoryCount::Reset(c.listed, progress);
}

}

class TstInventoryCount : public QObject {
    Q_OBJECT
private slots:
    // The counted quantity becomes the stock through the outflow; rows whose typed text is the
    // listed stock text are left alone, any other text is written even when it means the same.
    void count_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("written");
        QTest::newRow("15 counted 12") << "COCA COLA 2L"
                                       << "12"
                                       << "COCA COLA 2L 20/8" << true;
        QTest::newRow("15 counted 18") << "COCA COLA 2L"
                                       << "18"
                                       << "COCA COLA 2L 20/2" << true;
        QTest::newRow("15 counted 0") << "COCA COLA 2L"
                                      << "0"
                                      << "COCA COLA 2L 20/20" << true;
        QTest::newRow("-2 counted 3") << "FANTA NARANJA 2L"
                                      << "3"
                                      << "FANTA NARANJA 2L 10/7" << true;
        QTest::newRow("as listed") << "COCA COLA 2L"
                                   << "15"
                                   << "COCA COLA 2L 20/5" << false;
        QTest::newRow("same value, other text") << "COCA COLA 2L"
                                                << "015"
                                                << "COCA COLA 2L 20/5" << true;
        QTest::newRow("whole number against decimals") << "AGUA VITAL 600ML"
                                                       << "8"
                                                       << "AGUA VITAL 600ML 7.5/-0.5" << true;
    }
    void count()
    {
        QFETCH(QString, item);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, written);
        CountShop c;
        QList<int> progress;
        const InventoryResult result = Apply("count", c, {{item, typed}}, [&](int row) { progress << row; });
        QVERIFY2(result.stored(), qPrintable(result.refusal));
        QStringList expected = c.untouched;
        for (QString& row : expected)
            if (row.startsWith(item + ' '))
                row = stored;
        QCOMPARE(c.counters(), expected);
        // Every row is walked, written or not; only the changed one says so.
        QCOMPARE(progress, (QList<int>{0, 1, 2, 3}));
        const int row =
            int(std::find_if(c.listed.begin(), c.listed.end(), [&](const ListedStock& l) { return l.name == item; })
                - c.listed.begin());
        QCOMPARE(result.written,
                 (QList<bool>{row == 0 && written, row == 1 && written, row == 2 && written, row == 3 && written}));
        QCOMPARE(Formats::General(result.items.at(row).stock()), Formats::General(typed.toDouble()));
    }

    // Only whole numbers of none or more units are counted; anything else refuses the whole count.
    void countRefusesWhatIsNoCount_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char* typed : {"-3", "1.5", "", "12a", "1234567890"})
            QTest::newRow(typed) << QString::fromLatin1(typed);
    }
    void countRefusesWhatIsNoCount()
    {
        QFETCH(QString, typed);
        CountShop c;
        const InventoryResult result = Apply("count", c, {{"COCA COLA 2L", "12"}, {"FANTA NARANJA 2L", typed}});
        QVERIFY(result.refusal.contains("\"FANTA NARANJA 2L\" debe ser un numero entero"));
        QCOMPARE(c.counters(), c.untouched);
    }

    void rollOverAndReset_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("roll-over") << "roll-over"
                                   << QStringList{"AGUA VITAL 600ML 7.5/0", "CERVEZA PACENA 620ML 72/0", "COCA COLA 2L 15/0",
                                                  "FANTA NARANJA 2L -2/0"};
        QTest::newRow("reset") << "reset"
                               << QStringList{"AGUA VITAL 600ML 0/0", "CERVEZA PACENA 620ML 0/0", "COCA COLA 2L 0/0",
                                              "FANTA NARANJA 2L 0/0"};
    }
    void rollOverAndReset()
    {
        QFETCH(QString, operation);
        QFETCH(QStringList, stored);
        CountShop c;
        // Another category is never touched.
        const QString milk = "SELECT Ingreso, Egreso FROM Productos WHERE Producto='LECHE PIL 1L'";
        c.shop.db().execute("UPDATE Productos SET Egreso=4 WHERE Producto='LECHE PIL 1L'");
        const InventoryResult result = Apply(operation, c);
        QVERIFY2(result.stored(), qPrintable(result.refusal));
        QCOMPARE(c.counters(), stored);
        QCOMPARE(result.written, (QList<bool>{true, true, true, true}));
        QCOMPARE(c.shop.db().query(milk).number(1), 4.0);
    }

    // A sale (or any movement) booked at another station after the list was generated refuses the
    // operation, naming the item; nothing at all is written. So does an item removed meanwhile.
    void changedSinceListedRefuses_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("refusal");
        const char* sale = "UPDATE Productos SET Egreso=Egreso+1 WHERE Producto='FANTA NARANJA 2L'";
        const char* purchase = "UPDATE Productos SET Ingreso=Ingreso+0.5 WHERE Producto='FANTA NARANJA 2L'";
        const char* removed = "DELETE FROM Productos WHERE Producto='FANTA NARANJA 2L'";
        const QString changed = "El stock de \"FANTA NARANJA 2L\" cambio despues de GENERAR";
        const QString gone = "\"FANTA NARANJA 2L\" ya no esta registrado";
        for (const char* operation : {"count", "roll-over", "reset"}) {
            QTest::addRow("%s after a sale", operation) << operation << sale << changed;
            QTest::addRow("%s after a purchase", operation) << operation << purchase << changed;
            QTest::addRow("%s after a removal", operation) << operation << removed << gone;
        }
    }
    void changedSinceListedRefuses()
    {
        QFETCH(QString, operation);
        QFETCH(QString, meanwhile);
        QFETCH(QString, refusal);
        CountShop c;
        SecondStation other(c.shop.databasePath());
        QVERIFY2(other.ok(), qPrintable(other.error()));
        QCOMPARE(other.execute(meanwhile), QString());
        const QStringList before = c.counters();
        const InventoryResult result = Apply(operation, c, {{"COCA COLA 2L", "12"}});
        QVERIFY2(result.refusal.startsWith(refusal), qPrintable(result.refusal));
        QVERIFY(result.refusal.endsWith("no se guardo ningun cambio."));
        QCOMPARE(c.counters(), before);
    }

    // The engine refusing one row's write leaves every row as it was, the rows before it too.
    void engineFailureWritesNothing_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char* operation : {"count", "roll-over", "reset"})
            QTest::newRow(operation) << operation;
    }
    void engineFailureWritesNothing()
    {
        QFETCH(QString, operation);
        CountShop c;
        CreateFailingTrigger(c.shop.db(), "BEFORE UPDATE ON Productos", "NEW.Producto='FANTA NARANJA 2L'");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Apply(operation, c, {{"COCA COLA 2L", "12"}, {"FANTA NARANJA 2L", "4"}}));
        QCOMPARE(c.counters(), c.untouched);
        QCOMPARE(c.shop.db().transactionDepth(), 0);
    }
};

QTEST_MAIN(TstInventoryCount)
#include "tst_inventorycount.moc"
