#include "SecondStation.h"
#include "ShopFixture.h"
#include "WindowDriver.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "data/DatabaseCreator.h"
#include "sales/DispatchQueue.h"
#include "sales/ui/UPilaP.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QMdiArea>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace {

// Orders as the order-taking side leaves them: the order, then its lines under IdIngreso.
struct Orders {
    ShopFixture shop;

    Orders() { shop.login(); }

    void order(const QString& id, const QString& time, const QString& client, int dispatched = 0,
               const QString& estado = QStringLiteral("V"))
    {
        shop.db().execute("INSERT INTO Ingresos(IdIngreso, HoraV, Cliente, Obs, Despachado, Estado) "
                          "VALUES(?, ?, ?, ?, ?, ?)",
                          {id, time, client, "OBS " + client, dispatched, estado});
    }
    void line(const QString& order, double quantity, const QString& name, int unit, double price)
    {
        shop.db().execute("INSERT INTO DetalleV(Cantidad, IdCategoria, IdProducto, Producto, CodUMedida, PrecioU, "
                          "PrecioT, ControlStock, IdIngreso) VALUES(?, 1, 'P000000001', ?, ?, ?, ?, 1, ?)",
                          {quantity, name, unit, price, quantity * price, order});
    }
    int dispatched(const QString& id)
    {
        return int(shop.db().query("SELECT Despachado FROM Ingresos WHERE IdIngreso=?", {id}).integer(0));
    }
};

DataGrid* Queue(const QWidget& w) { return Drive::control<DataGrid>(w, "VecV"); }
DataGrid* Lines(const QWidget& w) { return Drive::control<DataGrid>(w, "Vec1"); }

QStringList Column(const DataGrid* grid, int column)
{
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells << grid->cell(column, row);
    return cells;
}

void Fire(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

}

class TstUPilaP : public QObject {
    Q_OBJECT
private slots:
    // Only valid orders still waiting are listed, by IdIngreso.
    void queue()
    {
        Orders o;
        o.order("I000000003", "09:05:30", "MESA 3");
        o.order("I000000001", "14:20:00", "MESA 1");
        o.order("I000000002", "10:00:00", "MESA 2", 1);
        o.order("I000000004", "11:00:00", "MESA 4", 0, "A");
        TFPilaP w;
        w.show();
        w.loadQueue();
        QCOMPARE(w.windowTitle(), QStringLiteral("Pila de Pedidos en Espera"));
        QCOMPARE(Column(Queue(w), TFPilaP::OIdIngreso), (QStringList{"I000000001", "I000000003"}));
        QCOMPARE(Column(Queue(w), TFPilaP::ONumero), (QStringList{"1", "2"}));
        QCOMPARE(Column(Queue(w), TFPilaP::OOrden), (QStringList{"000000001", "000000003"}));
        QCOMPARE(Column(Queue(w), TFPilaP::OHora), (QStringList{"14:20", "09:05"}));
        QVERIFY(!Drive::enabled(w, "SBDespachar"));
        QCOMPARE(Drive::control<QToolButton>(w, "SBDespachar")->text(), QStringLiteral(" D E S P A C H A R"));
        QCOMPARE(Drive::control<QToolButton>(w, "SBActualizar")->text(), QStringLiteral(" ACTUALIZAR"));
        QVERIFY(o.shop.messages.all.isEmpty());
    }

    void choosingAnOrderShowsItsLines()
    {
        Orders o;
        o.order("I000000001", "14:20:00", "MESA 1");
        o.line("I000000001", 2, "COCA COLA 2L", 0, 12.5);
        o.line("I000000001", 1.5, "QUESO", 4, 30);
        o.line("I000000001", 1, "SERVILLETAS", 7, 2);
        TFPilaP w;
        w.show();
        w.loadQueue();
        Drive::clickCell(w, "VecV", 0, TFPilaP::OOrden);
        QCOMPARE(w.shownOrder(), QStringLiteral("I000000001"));
        QCOMPARE(Column(Lines(w), TFPilaP::LCantidad), (QStringList{"2", "1.5", "1"}));
        QCOMPARE(Column(Lines(w), TFPilaP::LProducto), (QStringList{"COCA COLA 2L", "QUESO", "SERVILLETAS"}));
        QCOMPARE(Column(Lines(w), TFPilaP::LUnidad), (QStringList{"UNIDAD", "KILO", ""}));
        QCOMPARE(Column(Lines(w), TFPilaP::LPrecioU), (QStringList{"12.50", "30.00", "2.00"}));
        QCOMPARE(Column(Lines(w), TFPilaP::LPrecioT), (QStringList{"25.00", "45.00", "2.00"}));
        QCOMPARE(Column(Lines(w), TFPilaP::LIdProducto), QStringList(3, "P000000001"));
        QCOMPARE(Column(Lines(w), TFPilaP::LControlStock), QStringList(3, "1"));
        QCOMPARE(Drive::text(w, "ECliente"), QStringLiteral("MESA 1"));
        QCOMPARE(Drive::text(w, "EObs"), QStringLiteral("OBS MESA 1"));
        QVERIFY(Drive::enabled(w, "SBDespachar"));
    }

    void unitNamesAndTimes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("unit");
        QTest::newRow("0") << 0 << "UNIDAD";
        QTest::newRow("1") << 1 << "CAJA";
        QTest::newRow("2") << 2 << "DOCENA";
        QTest::newRow("3") << 3 << "LITRO";
        QTest::newRow("4") << 4 << "KILO";
        QTest::newRow("5") << 5 << "GRAMO";
        QTest::newRow("6") << 6 << "";
        QTest::newRow("-1") << -1 << "";
    }
    void unitNamesAndTimes()
    {
        QFETCH(int, code);
        QFETCH(QString, unit);
        QCOMPARE(DispatchQueue::UnitName(code), unit);
    }

    void shortTimes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("hh:mm:ss") << "14:20:59"
                                  << "14:20";
        QTest::newRow("one-digit hour") << "9:05:30"
                                        << "09:05";
        QTest::newRow("date and time") << "1899-12-30 08:15:00"
                                       << "08:15";
        QTest::newRow("no time") << ""
                                 << "";
    }
    void shortTimes()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(DispatchQueue::ShortTime(stored), shown);
    }

    // A dispatched order leaves the queue at once; its lines stay shown until another is chosen.
    void dispatching()
    {
        Orders o;
        o.order("I000000001", "14:20:00", "MESA 1");
        o.order("I000000002", "14:30:00", "MESA 2");
        o.line("I000000001", 2, "COCA COLA 2L", 0, 12.5);
        TFPilaP w;
        w.show();
        w.loadQueue();
        Drive::clickCell(w, "VecV", 0, TFPilaP::OOrden);
        Drive::click(w, "SBDespachar");
        QCOMPARE(o.dispatched("I000000001"), 1);
        QCOMPARE(o.dispatched("I000000002"), 0);
        QCOMPARE(Column(Queue(w), TFPilaP::OIdIngreso), QStringList{"I000000002"});
        QCOMPARE(Column(Lines(w), TFPilaP::LProducto), QStringList{"COCA COLA 2L"});
        QCOMPARE(Drive::text(w, "ECliente"), QStringLiteral("MESA 1"));
        QVERIFY(!Drive::enabled(w, "SBDespachar"));
        QCOMPARE(o.shop.db().query("SELECT COUNT(*) FROM DetalleV WHERE IdIngreso='I000000001'").integer(0), 1);
    }

    // The queue read again between choosing and dispatching (the timer, another counter adding an
    // order in front): the order whose lines are shown is the one dispatched.
    void refreshBetweenChoiceAndDispatch()
    {
        Orders o;
        o.order("I000000002", "14:20:00", "MESA 2");
        o.order("I000000003", "14:30:00", "MESA 3");
        TFPilaP w;
        w.show();
        w.loadQueue();
        Drive::clickCell(w, "VecV", 1, TFPilaP::OOrden);  // MESA 3
        SecondStation other(o.shop.databasePath());
        QCOMPARE(other.execute("INSERT INTO Ingresos(IdIngreso, HoraV, Cliente) VALUES('I000000001', '14:40:00', 'MESA 1')"),
                 QString());
        Fire(w.refreshTimer());
        QCOMPARE(Column(Queue(w), TFPilaP::OIdIngreso), (QStringList{"I000000001", "I000000002", "I000000003"}));
        QCOMPARE(Drive::text(w, "ECliente"), QStringLiteral("MESA 3"));  // a refresh keeps the order shown
        QVERIFY(Drive::enabled(w, "SBDespachar"));
        Drive::click(w, "SBDespachar");
        QCOMPARE(o.dispatched("I000000003"), 1);
        QCOMPARE(o.dispatched("I000000002"), 0);
        QCOMPARE(o.dispatched("I000000001"), 0);
    }

    void emptyQueue()
    {
        Orders o;
        TFPilaP w;
        w.show();
        w.loadQueue();
        QCOMPARE(Queue(w)->rowCount(), 0);
        QVERIFY(!Drive::enabled(w, "SBDespachar"));
        w.SBDespacharClick();
        QVERIFY(o.shop.messages.all.isEmpty());
    }

    // Every minute the queue is read again; choosing in either list starts the minute afresh, and
    // the window closed reads nothing more.
    void refreshTimer()
    {
        Orders o;
        o.order("I000000001", "14:20:00", "MESA 1");
        o.line("I000000001", 1, "COCA COLA 2L", 0, 12.5);
        TFPilaP w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTimer* timer = w.refreshTimer();
        QCOMPARE(timer->interval(), 60000);
        QVERIFY(timer->isActive());
        QCOMPARE(Queue(w)->rowCount(), 1);  // read when the window came to the front

        o.order("I000000002", "14:30:00", "MESA 2");
        Fire(timer);
        QCOMPARE(Queue(w)->rowCount(), 2);

        // A choice in either list starts the minute again (stopped first, so the start is seen).
        timer->stop();
        Drive::clickCell(w, "VecV", 0, TFPilaP::OOrden);
        QVERIFY(timer->isActive());
        timer->stop();
        Drive::clickCell(w, "Vec1", 0, TFPilaP::LProducto);
        QVERIFY(timer->isActive());

        o.order("I000000003", "14:40:00", "MESA 3");
        Drive::click(w, "SBActualizar");
        QCOMPARE(Queue(w)->rowCount(), 3);
        w.close();
        QVERIFY(!timer->isActive());
    }

    // The demo shop the program prepares holds two waiting orders with their lines.
    void demoShopHasTwoWaitingOrders()
    {
        Orders o;
        const QString path = o.shop.folder() + "demo-orders.sqlite";
        NewDatabaseOptions options;
        options.demo = true;
        options.waitingOrders = true;
        QCOMPARE(DatabaseCreator::create(path, options), QString());
        TDataModule1::instance().close();
        QCOMPARE(TDataModule1::instance().open(path), QString());
        const QList<DispatchQueue::Order> waiting = DispatchQueue::Waiting();
        QCOMPARE(waiting.size(), 2);
        for (const DispatchQueue::Order& order : waiting) {
            const QList<DispatchQueue::Line> lines = DispatchQueue::Lines(order.id);
            QCOMPARE(lines.size(), 2);
            for (const DispatchQueue::Line& line : lines)
                QVERIFY(!line.product.isEmpty() && line.lineTotal == line.quantity * line.unitPrice);
        }
        // Their lines belong to no sale.
        QCOMPARE(TDataModule1::instance().query("SELECT COUNT(*) FROM DetalleV WHERE IdVenta IS NOT NULL").integer(0), 0);
    }

    // "Entregas" shows the queue modally and frees it once it is closed.
    void entregasShowsTheQueue()
    {
        Orders o;
        o.order("I000000001", "14:20:00", "MESA 1");
        TFPrincipal main;
        main.loginTimer()->stop();
        QVERIFY(main.dispatcher()->isWired("V9"));
        QPointer<QWidget> shown;
        int listed = -1;
        QTimer::singleShot(0, [&] {
            shown = QApplication::activeModalWidget();
            QVERIFY(shown);
            listed = Queue(*shown)->rowCount();
            shown->close();
        });
        main.command("V9")->setEnabled(true);
        main.command("V9")->trigger();
        QCOMPARE(listed, 1);
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
        QTRY_VERIFY(!shown);
    }

    // Not a check: a picture for a person to look at when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the dispatch queue");
        Orders o;
        o.order("I000000001", "10:15:00", "MESA 4");
        o.order("I000000002", "10:40:00", "JUAN CARLOS ROJAS");
        o.line("I000000001", 2, "COCA COLA 2L", 0, 12.5);
        o.line("I000000001", 6, "PAN MARRAQUETA", 0, 0.5);
        o.line("I000000001", 1.5, "QUESO CRIOLLO", 4, 30);
        TFPilaP w;
        w.show();
        w.loadQueue();
        Drive::clickCell(w, "VecV", 0, TFPilaP::OOrden);
        QVERIFY(w.grab().save(folder + "/pila-pedidos.png"));
    }
};

QTEST_MAIN(TstUPilaP)
#include "tst_upilap.moc"
