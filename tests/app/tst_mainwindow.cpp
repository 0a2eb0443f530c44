#include "LoginDriver.h"
#include "ShopFixture.h"
#include "WindowDriver.h"

#include "app/ui/CommandIcons.h"
#include "app/SettingsFile.h"
#include "app/ui/UAcercaDe.h"
#include "app/ui/UIniciarS.h"
#include "app/ui/ULogo.h"
#include "app/ui/UPrincipal.h"
#include "app/ui/WindowClasses.h"
#include "app/ui/WindowDispatcher.h"
#include "app/PermissionTable.h"
#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "widgets/UnsavedWork.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSet>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

// A child window that holds unsaved work or not.
class HeldWork : public QWidget, public UnsavedWork {
public:
    explicit HeldWork(bool held) : m_held(held)
    {
        setObjectName(QStringLiteral("HeldWork"));
        setWindowTitle(QStringLiteral("Registrar Ventas"));
        setFocusPolicy(Qt::StrongFocus);
    }
    bool holdsUnsavedWork() const override { return m_held; }

private:
    bool m_held;
};

// The main window over a fresh shop; the automatic login is left to the tests that want it.
struct MainWindow {
    explicit MainWindow(ShopFixture& shop) : shop(shop)
    {
        window.loginTimer()->stop();
        SessionState::current().AppFolder = shop.folder();
        window.setCalculatorPrograms({shop.folder() + QStringLiteral("no-calculator")});
    }

    // Logs in through the login window, as the user would.
    void login(const QString& salesRights = QString())
    {
        if (!salesRights.isNull()) {
            shop.db().execute(QStringLiteral("UPDATE Usuario SET M1=?, M2='', M3='', M4='', M5=''"), {salesRights});
        }
        LogInThroughWindow(*window.loginWindow(), shop.databasePath());
    }

    // A stand-in child window for a class whose real window is built elsewhere.
    void fake(const QString& windowClass)
    {
        window.dispatcher()->registerWindow(windowClass, [windowClass] {
            auto* child = new QWidget;
            child->setObjectName(windowClass);
            child->resize(300, 200);
            return child;
        });
    }
    int openCount(const QString& windowClass) const
    {
        int count = 0;
        for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
            count += sub->widget()->objectName() == windowClass;
        return count;
    }
    QSet<QString> enabledPermissionCommands() const
    {
        QSet<QString> enabled;
        for (const QString& code : PermissionTable::commands())
            if (window.command(code)->isEnabled())
                enabled << code;
        return enabled;
    }
    QToolButton* button(int bar, const QString& code) const
    {
        return qobject_cast<QToolButton*>(window.toolBar(bar)->widgetForAction(window.command(code)));
    }

    ShopFixture& shop;
    TFPrincipal window;
};

int modeOf(const QString& name)
{
    const SessionState& s = SessionState::current();
    if (name == QLatin1String("WindowMode"))
        return s.WindowMode;
    if (name == QLatin1String("PurchaseMode"))
        return s.PurchaseMode;
    if (name == QLatin1String("MasterMode"))
        return s.MasterMode;
    if (name == QLatin1String("CashMode"))
        return s.CashMode;
    if (name == QLatin1String("DataMode"))
        return s.DataMode;
    if (name == QLatin1String("AdminMode"))
        return s.AdminMode;
    return -1;
}

}

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(SettingsFile::writePath()); }

    void beforeLogin()
    {
        ShopFixture shop;
        MainWindow main(shop);
        QCOMPARE(main.window.windowTitle(), QStringLiteral("Control de Ventas e Inventarios "));
        QVERIFY(main.enabledPermissionCommands().isEmpty());
        QVERIFY(main.window.command(QStringLiteral("A1"))->isEnabled());
        QVERIFY(!main.window.command(QStringLiteral("A2"))->isEnabled());
        QVERIFY(!main.window.command(QStringLiteral("A3"))->isEnabled());
        QVERIFY(main.window.command(QStringLiteral("A8"))->isEnabled());
        QCOMPARE(main.window.statusPanel(1)->text(), QStringLiteral("CVI Zelto v.1.0"));
        QCOMPARE(main.window.statusPanel(3)->text(), QStringLiteral("Operación:"));
        QCOMPARE(main.window.statusPanel(5)->text(), QStringLiteral("Usuario:"));
        QCOMPARE(main.window.statusPanel(7)->text(), QStringLiteral("Tipo:"));
        const SessionState& s = SessionState::current();
        QCOMPARE(s.WorkDate, QDate(2026, 12, 9));
        QCOMPARE(s.ListYear, 2026);
        QCOMPARE(s.SalesListGroup, 1);
        QCOMPARE(s.SupplyListGroup, 17);
        QCOMPARE(s.LoginMode, 20);
    }

    void rightsEnableTheirCommands_data()
    {
        QTest::addColumn<QStringList>("rights");  // M1..M5
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("one then nineteen zeros") << QStringList{"10000000000000000000", "", "", "", ""} << QStringList{"V1"};
        QTest::newRow("short string") << QStringList{"01", "1", "", "", ""} << QStringList{"V2", "C1"};
        QTest::newRow("characters other than 1") << QStringList{"2x1", "", "", "", ""} << QStringList{"V3"};
        QTest::newRow("cash position 5 is no command") << QStringList{"", "", "", "00001", ""} << QStringList{};
        QTest::newRow("last positions") << QStringList{"000000001", "00000000001", "000001", "001", "00000001"}
                                        << QStringList{"V9", "C11", "H6", "J3", "S8"};
        QTest::newRow("everything") << QStringList{"11111111111111111111", "11111111111111111111", "111111", "11111",
                                                   "11111111"}
                                    << PermissionTable::commands();
    }
    void rightsEnableTheirCommands()
    {
        QFETCH(QStringList, rights);
        QFETCH(QStringList, enabled);
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE Usuario SET M1=?, M2=?, M3=?, M4=?, M5=?"),
                          {rights[0], rights[1], rights[2], rights[3], rights[4]});
        MainWindow main(shop);
        main.login();
        QCOMPARE(main.enabledPermissionCommands(), QSet<QString>(enabled.cbegin(), enabled.cend()));
        QVERIFY(!main.window.command(QStringLiteral("A1"))->isEnabled());
        QVERIFY(main.window.command(QStringLiteral("A2"))->isEnabled());
        QVERIFY(!main.window.command(QStringLiteral("A3"))->isEnabled());  // "Nuevo" has nothing to do
        QCOMPARE(main.window.windowTitle(), QStringLiteral("CVI Zelto [Mayores informes al: 61524390 ; 64417725]"));
        QCOMPARE(main.window.statusPanel(5)->text(), QStringLiteral("ADMINISTRADOR"));
        QCOMPARE(main.window.statusPanel(7)->text(), QStringLiteral("ADMIN"));
    }

    void onlyTheAllowedToolButtonWorks()
    {
        ShopFixture shop;
        shop.openCashSession(QDate(2026, 12, 9), 100);
        MainWindow main(shop);
        main.fake(WindowClass::Sales);
        main.fake(WindowClass::Debts);
        main.window.show();
        main.login(QStringLiteral("10000000000000000000"));

        QToolButton* sell = main.button(1, QStringLiteral("V1"));
        QToolButton* collect = main.button(1, QStringLiteral("V2"));
        QCOMPARE(sell->toolTip(), QStringLiteral("Realizar Ventas"));
        QCOMPARE(collect->toolTip(), QStringLiteral("Cobrar Deudas"));
        QTest::mouseClick(collect, Qt::LeftButton);
        QCOMPARE(main.openCount(WindowClass::Debts), 0);
        QTest::mouseClick(sell, Qt::LeftButton);
        QCOMPARE(main.openCount(WindowClass::Sales), 1);
        QVERIFY(shop.messages.all.isEmpty());
    }

    void closeDisablesEverythingAgain()
    {
        ShopFixture shop;
        MainWindow main(shop);
        main.fake(WindowClass::SalesReport);
        main.login();
        main.window.command(QStringLiteral("V4"))->trigger();
        QCOMPARE(main.openCount(WindowClass::SalesReport), 1);

        main.window.command(QStringLiteral("A2"))->trigger();
        QCOMPARE(main.window.mdiArea()->subWindowList().size(), 0);
        QVERIFY(main.enabledPermissionCommands().isEmpty());
        QVERIFY(main.window.command(QStringLiteral("A1"))->isEnabled());
        QVERIFY(!main.window.command(QStringLiteral("A2"))->isEnabled());
        QVERIFY(!shop.db().isOpen());
        QVERIFY(main.window.statusPanel(5)->text().isEmpty());
        QVERIFY(main.window.statusPanel(7)->text().isEmpty());
    }

    void salesGate_data()
    {
        QTest::addColumn<int>("cashOpen");
        QTest::addColumn<QString>("store");
        QTest::addColumn<int>("invoicing");
        QTest::addColumn<bool>("dosage");
        QTest::addColumn<int>("daysLeft");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("opens");
        const QString expired =
            QStringLiteral("La Fecha Limite de Facturacion ha Vencido el %1 por tanto no puede seguir Facturando");
        const QString warning = QStringLiteral("La Fecha Limite de Facturacion Vence en %1 Dia(s) [%2]");
        QTest::newRow("cash closed") << 0 << "S" << 1 << true << 100 << QStringList{"La CAJA no esta Abierta"} << false;
        QTest::newRow("store closed before invoicing")
            << 1 << "N" << 0 << false << 100 << QStringList{"Almacen cerrado ya no puede seguir vendiendo"} << false;
        QTest::newRow("invoicing off, no dosage") << 1 << "S" << 0 << false << -30 << QStringList{} << true;
        QTest::newRow("no dosage") << 1 << "S" << 1 << false << 100
                                   << QStringList{"No existe Dosificación de Facturas, antes Dosifique para poder Facturar..."}
                                   << false;
        QTest::newRow("six days left, no warning") << 1 << "S" << 1 << true << 6 << QStringList{} << true;
        QTest::newRow("five days left") << 1 << "S" << 1 << true << 5 << QStringList{warning.arg(5).arg("14/12/2026")} << true;
        QTest::newRow("deadline today") << 1 << "S" << 1 << true << 0
                                        << QStringList{warning.arg(0).arg("09/12/2026"), expired.arg("09/12/2026")} << false;
        QTest::newRow("deadline passed") << 1 << "S" << 1 << true << -3
                                         << QStringList{warning.arg(-3).arg("06/12/2026"), expired.arg("06/12/2026")}
                                         << false;
    }
    void salesGate()
    {
        QFETCH(int, cashOpen);
        QFETCH(QString, store);
        QFETCH(int, invoicing);
        QFETCH(bool, dosage);
        QFETCH(int, daysLeft);
        QFETCH(QStringList, messages);
        QFETCH(bool, opens);
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE Codigos SET StockVD=?"), {store});
        MainWindow main(shop);
        main.fake(WindowClass::Sales);
        shop.login();
        SessionState& s = SessionState::current();
        s.CashOpen = cashOpen;
        s.InvoicingEnabled = invoicing;
        s.DosageId = dosage ? s.DosageId : 0;
        s.InvoiceDeadline = s.WorkDate.addDays(daysLeft);

        main.window.dispatcher()->run(QStringLiteral("V1"));
        QCOMPARE(shop.messages.infos, messages);
        QCOMPARE(main.openCount(WindowClass::Sales), opens ? 1 : 0);
    }

    void cashGate_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("value");
        QTest::newRow("V2 cobrar deudas") << "V2" << WindowClass::Debts << "WindowMode" << 3;
        QTest::newRow("C1 compra de productos") << "C1" << WindowClass::Purchases << "PurchaseMode" << 10;
        QTest::newRow("C2 compra de insumos") << "C2" << WindowClass::Purchases << "PurchaseMode" << 11;
        QTest::newRow("C3 compra de servicios") << "C3" << WindowClass::Supplies << "WindowMode" << 22;
        QTest::newRow("C4 pagar deudas") << "C4" << WindowClass::Debts << "WindowMode" << 5;
        QTest::newRow("S2 egreso de insumos") << "S2" << WindowClass::Supplies << "WindowMode" << 20;
    }
    void cashGate()
    {
        QFETCH(QString, code);
        QFETCH(QString, windowClass);
        QFETCH(QString, mode);
        QFETCH(int, value);
        ShopFixture shop;
        MainWindow main(shop);
        main.fake(windowClass);
        shop.login();
        main.window.dispatcher()->run(code);
        QCOMPARE(shop.messages.infos, QStringList{QStringLiteral("La CAJA no esta Abierta")});
        QCOMPARE(main.openCount(windowClass), 0);
        QCOMPARE(modeOf(mode), 0);

        shop.messages.clear();
        SessionState::current().CashOpen = 1;
        main.window.dispatcher()->run(code);
        QVERIFY(shop.messages.all.isEmpty());
        QCOMPARE(main.openCount(windowClass), 1);
        QCOMPARE(modeOf(mode), value);
    }

    // A command whose window class has no window yet does nothing at all: not even its gate runs.
    void unwiredCommandDoesNothing()
    {
        ShopFixture shop;
        MainWindow main(shop);
        main.login();
        bool gateAsked = false;
        main.window.dispatcher()->addRoute(QStringLiteral("X1"), CommandRoute{QStringLiteral("TFSinVentana"),
                                                                              Placement::Fresh,
                                                                              10,
                                                                              &SessionState::WindowMode,
                                                                              3,
                                                                              CloseAll::Never,
                                                                              [&gateAsked] { return gateAsked = true; },
                                                                              {}});
        QVERIFY(!main.window.dispatcher()->isWired(QStringLiteral("X1")));
        main.window.dispatcher()->run(QStringLiteral("X1"));
        QVERIFY(!gateAsked);
        QVERIFY(shop.messages.all.isEmpty());
        QCOMPARE(SessionState::current().WindowMode, 0);
        QVERIFY(main.window.mdiArea()->subWindowList().isEmpty());
    }

    void openCashNeedsTheTaxpayerData_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("mayEditTaxpayer");
        QTest::addColumn<QString>("opened");
        QTest::newRow("complete") << "AV. 6 DE AGOSTO" << true << WindowClass::Cash;
        QTest::newRow("no address") << "" << true << WindowClass::Dosages;
        QTest::newRow("no address, no right to edit") << "" << false << QString();
    }
    void openCashNeedsTheTaxpayerData()
    {
        QFETCH(QString, address);
        QFETCH(bool, mayEditTaxpayer);
        QFETCH(QString, opened);
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE DatosC SET DireccionM=?"), {address});
        shop.db().execute(QStringLiteral("UPDATE Usuario SET M3=?, M4='1'"),
                          {mayEditTaxpayer ? QStringLiteral("0001") : QStringLiteral("0000")});
        MainWindow main(shop);
        main.fake(WindowClass::Cash);
        main.fake(WindowClass::Dosages);
        main.fake(WindowClass::Products);
        main.login();
        main.window.command(QStringLiteral("S1"))->setEnabled(true);
        main.window.command(QStringLiteral("S1"))->trigger();

        SessionState::current().CashMode = 7;
        main.window.command(QStringLiteral("J1"))->trigger();
        const QStringList expected =
            address.isEmpty()
                ? QStringList{QStringLiteral("Complete los Datos del Contribuyente (Ciudad, Actividad Economica y Direccion) "
                                             "antes de abrir la Caja")}
                : QStringList{};
        QCOMPARE(shop.messages.infos, expected);
        QCOMPARE(main.openCount(WindowClass::Cash), opened == WindowClass::Cash ? 1 : 0);
        QCOMPARE(main.openCount(WindowClass::Dosages), opened == WindowClass::Dosages ? 1 : 0);
        if (opened == WindowClass::Cash) {
            QCOMPARE(SessionState::current().CashMode, 0);
            QCOMPARE(main.openCount(WindowClass::Products), 0);  // closed first
        }
        if (opened == WindowClass::Dosages)
            QCOMPARE(SessionState::current().DataMode, 2);
    }

    void closeCashWithoutSession()
    {
        ShopFixture shop;
        MainWindow main(shop);
        main.fake(WindowClass::Cash);
        main.fake(WindowClass::SalesReport);
        main.login();
        main.window.dispatcher()->run(QStringLiteral("V4"));
        main.window.dispatcher()->run(QStringLiteral("J2"));
        QCOMPARE(main.window.mdiArea()->subWindowList().size(), 0);
        QCOMPARE(shop.messages.infos, QStringList{QStringLiteral("La Caja no esta Abierta")});

        SessionState::current().CashOpen = 1;
        main.window.dispatcher()->run(QStringLiteral("J2"));
        QCOMPARE(main.openCount(WindowClass::Cash), 1);
        QCOMPARE(SessionState::current().CashMode, 1);
    }

    void placements()
    {
        ShopFixture shop;
        MainWindow main(shop);
        main.window.show();
        main.fake(WindowClass::Debts);
        main.fake(WindowClass::Products);
        main.fake(WindowClass::Purchases);
        main.login();
        WindowDispatcher* d = main.window.dispatcher();

        // Fresh: the open window of the class makes way for a new one.
        d->run(QStringLiteral("V3"));
        QPointer<QMdiSubWindow> first = d->findWindow(WindowClass::Debts);
        QVERIFY(first);
        QCOMPARE(first->y(), 10);
        d->run(QStringLiteral("V3"));
        QTRY_VERIFY(!first);
        QCOMPARE(main.openCount(WindowClass::Debts), 1);

        // Single: the open window comes to the front.
        d->run(QStringLiteral("S1"));
        QMdiSubWindow* products = d->findWindow(WindowClass::Products);
        QCOMPARE(products->y(), 20);
        d->run(QStringLiteral("V3"));
        d->run(QStringLiteral("S1"));
        QCOMPARE(d->findWindow(WindowClass::Products), products);
        QCOMPARE(main.window.mdiArea()->activeSubWindow(), products);
        QCOMPARE(main.window.mdiArea()->subWindowList().size(), 2);

        // Close all, last opened first, before the stock query opens.
        QStringList closed;
        QStringList lastFirst;
        for (QMdiSubWindow* sub : main.window.mdiArea()->subWindowList(QMdiArea::CreationOrder)) {
            lastFirst.prepend(sub->widget()->objectName());
            connect(sub->widget(), &QObject::destroyed, this,
                    [&closed, name = sub->widget()->objectName()] { closed << name; });
        }
        QCOMPARE(lastFirst, (QStringList{WindowClass::Debts, WindowClass::Products}));  // the debts window was renewed
        d->run(QStringLiteral("S5"));
        QTRY_COMPARE(closed, lastFirst);
        QCOMPARE(main.window.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(SessionState::current().MasterMode, 20);
    }

    void calculatorAndHelpMissing()
    {
        ShopFixture shop;
        MainWindow main(shop);
        main.window.command(QStringLiteral("A7"))->trigger();
        main.window.command(QStringLiteral("Y1"))->trigger();
        QCOMPARE(shop.messages.plains, (QStringList{QStringLiteral("No es posible ejecutar la Calculadora"),
                                                    QStringLiteral("No es posible abrir el Fichero de Ayuda")}));
    }

    // Without a browser the help page cannot open itself: the message says where it is.
    void helpWithoutABrowserSaysWhereItIs()
    {
        ShopFixture shop;
        MainWindow main(shop);
        QFile page(shop.folder() + QStringLiteral("ayuda.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        shop.desktop.opens = false;
        main.window.command(QStringLiteral("Y1"))->trigger();
        QCOMPARE(shop.messages.plains,
                 QStringList{QStringLiteral("No es posible abrir el Fichero de Ayuda: ábralo con un navegador en\n")
                             + QDir::toNativeSeparators(shop.folder() + QStringLiteral("ayuda.html"))});
    }

    // Escape and Ctrl+F4 close the active child window; one holding unsaved work asks first. When
    // no child window is left the operation panel shows its caption again.
    void keysCloseTheActiveWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<int>("left");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false << 0;
        QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << int(Qt::ControlModifier) << false << 0;
        QTest::newRow("Escape, unsaved, stays") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true << 1;
        QTest::newRow("Ctrl+F4, unsaved, stays") << int(Qt::Key_F4) << int(Qt::ControlModifier) << true << 1;
    }
    void keysCloseTheActiveWindow()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, unsaved);
        QFETCH(int, left);
        ShopFixture shop;
        MainWindow main(shop);
        main.window.dispatcher()->registerWindow(WindowClass::Products, [unsaved] { return new HeldWork(unsaved); });
        main.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        main.window.dispatcher()->run(QStringLiteral("S1"));
        MainStatus::setText(3, QStringLiteral("Operacion: Gestionar Almacen"));
        shop.messages.answerNext(false);
        main.window.mdiArea()->activeSubWindow()->widget()->setFocus();
        QTest::keyClick(main.window.mdiArea()->activeSubWindow()->widget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(main.openCount(QStringLiteral("HeldWork")), left);
        QCOMPARE(shop.messages.questions.size(), unsaved ? 1 : 0);
        QCOMPARE(main.window.statusPanel(3)->text(),
                 left ? QStringLiteral("Operacion: Gestionar Almacen") : QStringLiteral("Operación:"));
        QCOMPARE(shop.programEnd.requests, 0);
    }

    void helpPageIsInstalledBesideTheProgram()
    {
        QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/ayuda.html")));
    }

    void viewTogglesBars_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("bar");
        QTest::newRow("operations") << "VR4"
                                    << "ToolB1";
        QTest::newRow("reports") << "VR5"
                                 << "ToolB2";
        QTest::newRow("utilities") << "VR6"
                                   << "ToolB3";
        QTest::newRow("status") << "VR7"
                                << "SBar1";
        QTest::newRow("control") << "VR8"
                                 << "ControlBar";
    }
    void viewTogglesBars()
    {
        QFETCH(QString, code);
        QFETCH(QString, bar);
        ShopFixture shop;
        MainWindow main(shop);
        main.window.show();
        QAction* toggle = main.window.command(code);
        QWidget* widget = Drive::control(main.window, qPrintable(bar));
        QVERIFY(toggle->isChecked());
        QVERIFY(widget->isVisible());
        toggle->trigger();
        QVERIFY(!toggle->isChecked());
        QVERIFY(!widget->isVisible());
        toggle->trigger();
        QVERIFY(toggle->isChecked() && widget->isVisible());
    }

    // Ctrl+X is "Cortar" only: a text field with the focus cuts, and away from text fields the key
    // does nothing. "Salir" has Ctrl+Q.
    void ctrlXCutsAndNeverQuits()
    {
        ShopFixture shop;
        MainWindow main(shop);
        main.window.dispatcher()->registerWindow(WindowClass::Products, [] {
            auto* field = new QLineEdit(QStringLiteral("COCA COLA"));
            field->setObjectName(QStringLiteral("EProducto"));
            return field;
        });
        main.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&main.window));
        main.window.command(QStringLiteral("S1"))->setEnabled(true);
        main.window.command(QStringLiteral("S1"))->trigger();
        auto* field = Drive::control<QLineEdit>(main.window, "EProducto");
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(field->text().isEmpty());
        QCOMPARE(shop.programEnd.requests, 0);

        field->setText(QStringLiteral("PIL"));
        field->selectAll();
        main.window.command(QStringLiteral("E2"))->trigger();  // Copiar from the menu
        field->clear();
        main.window.command(QStringLiteral("E3"))->trigger();  // Pegar
        QCOMPARE(field->text(), QStringLiteral("PIL"));

        main.window.mdiArea()->setFocus();
        QTest::keyClick(&main.window, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(shop.programEnd.requests, 0);
        QVERIFY(main.window.isVisible());
        QTest::keyClick(&main.window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(shop.programEnd.requests, 1);
    }

    // Leaving ("Salir", or "Cerrar" the session) while a window holds work not stored asks first;
    // "No" keeps the program and the window, "Sí" leaves. Windows without such work let it go
    // without a question.
    void leavingAsksWhileWorkIsUnsaved_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("Salir, nothing held") << "A8" << false << false << 0 << true;
        QTest::newRow("Salir, held, stays") << "A8" << true << false << 1 << false;
        QTest::newRow("Salir, held, leaves") << "A8" << true << true << 1 << true;
        QTest::newRow("Cerrar, held, stays") << "A2" << true << false << 1 << false;
        QTest::newRow("Cerrar, held, leaves") << "A2" << true << true << 1 << true;
    }
    void leavingAsksWhileWorkIsUnsaved()
    {
        QFETCH(QString, command);
        QFETCH(bool, unsaved);
        QFETCH(bool, answer);
        QFETCH(int, questions);
        QFETCH(bool, leaves);
        ShopFixture shop;
        MainWindow main(shop);
        main.window.dispatcher()->registerWindow(WindowClass::Products, [unsaved] { return new HeldWork(unsaved); });
        main.window.show();
        main.window.dispatcher()->run(QStringLiteral("S1"));
        QCOMPARE(main.openCount(QStringLiteral("HeldWork")), 1);
        shop.messages.answerNext(answer);
        main.window.command(command)->setEnabled(true);
        main.window.command(command)->trigger();
        QCOMPARE(shop.messages.questions.size(), questions);
        if (questions)
            QVERIFY(shop.messages.questions.first().second.contains(QStringLiteral("Registrar Ventas")));
        QCOMPARE(shop.programEnd.requests, command == QLatin1String("A8") && leaves ? 1 : 0);
        QTRY_COMPARE(main.openCount(QStringLiteral("HeldWork")), leaves ? 0 : 1);
    }

    void childWindowsWriteTheStatusBar()
    {
        ShopFixture shop;
        MainWindow main(shop);
        MainStatus::setText(3, QStringLiteral("Operacion: Registrar Ventas"));
        QCOMPARE(main.window.statusPanel(3)->text(), QStringLiteral("Operacion: Registrar Ventas"));
    }

    void loginOpensItselfAfterStart()
    {
        ShopFixture shop;
        MainWindow main(shop);
        main.window.show();
        bool shown = false;
        QTimer::singleShot(100, this, [&] {
            shown = main.window.loginWindow()->isVisible();
            main.window.loginWindow()->reject();
        });
        main.window.loginTimer()->setInterval(10);
        main.window.loginTimer()->start();
        QTRY_VERIFY(shown);
        QCOMPARE(SessionState::current().LoginMode, 20);
    }

    void secondCopyRestoresTheMinimisedWindow()
    {
        ShopFixture shop;
        MainWindow main(shop);
        main.window.showMinimized();
        QVERIFY(main.window.isMinimized());
        main.window.bringToFront();
        QVERIFY(!main.window.isMinimized());
        QVERIFY(main.window.isVisible());
    }

    // Not a check: renders the windows for a person to look at when CVI_SNAPSHOT_DIR is set.
    // A picture for every command but the view toggles, each its own, drawn from the compiled-in
    // theme; the tool bars show the same icons as the menus.
    void everyCommandHasItsOwnIcon()
    {
        ShopFixture shop;
        MainWindow main(shop);
        QSet<QString> pictures;
        for (QAction* action : main.window.findChildren<QAction*>()) {
            const QString code = action->objectName();
            if (code.isEmpty() || action->menu())
                continue;
            if (action->isCheckable()) {
                QVERIFY2(action->icon().isNull(), qPrintable(code));
                continue;
            }
            QVERIFY2(!CommandIcons::resourceFor(code).isEmpty(), qPrintable(code));
            QVERIFY2(!action->icon().pixmap(24, 24).isNull(), qPrintable(code));
            pictures << CommandIcons::resourceFor(code);
        }
        QCOMPARE(pictures.size(), CommandIcons::commands().size());
        QVERIFY(!CommandIcons::program().pixmap(48, 48).isNull());
        for (int bar = 1; bar <= 3; ++bar)
            for (QAction* action : main.window.toolBar(bar)->actions())
                if (!action->isSeparator())
                    QVERIFY2(main.button(bar, action->objectName())->icon().cacheKey() == action->icon().cacheKey(),
                             qPrintable(action->objectName()));
    }

    // The window a command opens carries the command's icon in its title bar, whichever command of
    // a shared window class opened it.
    void openedWindowShowsTheCommandsIcon_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("V4") << "V4";
        QTest::newRow("V5") << "V5";
    }
    void openedWindowShowsTheCommandsIcon()
    {
        QFETCH(QString, code);
        ShopFixture shop;
        MainWindow main(shop);
        main.login();
        main.fake(WindowClass::SalesReport);
        main.window.command(code)->trigger();
        QMdiSubWindow* opened = main.window.mdiArea()->activeSubWindow();
        QVERIFY(opened);
        QCOMPARE(opened->windowIcon().cacheKey(), main.window.command(code)->icon().cacheKey());
    }

    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the windows");
        QDir().mkpath(folder);
        ShopFixture shop;
        shop.openCashSession(QDate(2026, 12, 9), 200);
        MainWindow main(shop);
        main.window.show();
        SessionState::current().LoginMode = TFIniciarS::LoginModeLogin;
        main.window.loginWindow()->show();
        TFIniciarS& login = *main.window.loginWindow();
        Drive::control<QLineEdit>(login, "edtServer")->setText(shop.databasePath());
        Drive::type(login, "edtUser", QStringLiteral("admin"));
        Drive::type(login, "edtPassword", QStringLiteral("admin"));
        QTest::qWait(50);
        QVERIFY(main.window.loginWindow()->grab().save(folder + QStringLiteral("/login.png")));
        main.login();
        QTest::qWait(50);
        QVERIFY(main.window.grab().save(folder + QStringLiteral("/main.png")));
        main.window.command(QStringLiteral("H6"))->trigger();
        QTest::qWait(50);
        QVERIFY(main.window.grab().save(folder + QStringLiteral("/main-parametros.png")));
        main.window.dispatcher()->closeAll();
        SessionState::current().LoginMode = TFIniciarS::LoginModePassword;
        main.window.loginWindow()->show();
        QTest::qWait(50);
        QVERIFY(main.window.loginWindow()->grab().save(folder + QStringLiteral("/password.png")));
        main.window.loginWindow()->hide();

        TFLogo logo(shop.folder());
        logo.timer()->setInterval(60000);
        logo.show();
        QVERIFY(logo.grab().save(folder + QStringLiteral("/splash.png")));
        TFAcercaDe about;
        about.show();
        QVERIFY(about.grab().save(folder + QStringLiteral("/about.png")));
    }

    void splashClosesWhenItsTimerFires()
    {
        ShopFixture shop;
        TFLogo logo(shop.folder());
        QVERIFY(!logo.showsPicture());
        QCOMPARE(logo.size(), QSize(500, 300));
        QCOMPARE(logo.timer()->interval(), 3000);
        logo.timer()->setInterval(10);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(logo.exec(), int(QDialog::Accepted));
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(!logo.isVisible());
    }

    void splashShowsTheShopLogo()
    {
        ShopFixture shop;
        QDir(shop.folder()).mkpath(QStringLiteral("img"));
        QImage picture(200, 120, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(shop.folder() + QStringLiteral("img/logo.jpg")));
        TFLogo logo(shop.folder());
        QVERIFY(logo.showsPicture());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
