#include "ShopFixture.h"
#include "WindowDriver.h"

#include "app/PermissionTable.h"
#include "app/SettingsFile.h"
#include "app/ui/UIniciarS.h"
#include "app/ui/UPrincipal.h"
#include "app/ui/WindowClasses.h"
#include "app/ui/WindowDispatcher.h"
#include "data/SessionState.h"
#include "masterdata/ui/UUsuarios.h"
#include "printing/ui/InstalledPrinters.h"
#include "tax/ui/UDatosF.h"
#include "widgets/DataGrid.h"

#include <QCheckBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSet>
#include <QTabWidget>
#include <QtTest>

namespace {

// The main window over the demo shop, logged in through its own login window.
struct Main {
    explicit Main(ShopFixture& shop) : shop(shop)
    {
        InstalledPrinters::install([] { return QStringList{"Termica"}; });
        window.loginTimer()->stop();
        SessionState::current().AppFolder = shop.folder();
        window.show();
    }
    ~Main() { InstalledPrinters::install({}); }

    void login(const QString& user, const QString& password)
    {
        TFIniciarS* login = window.loginWindow();
        SessionState::current().LoginMode = TFIniciarS::LoginModeLogin;
        login->show();
        Drive::control<QLineEdit>(*login, "edtServer")->setText(shop.databasePath());
        Drive::control<QLineEdit>(*login, "edtUser")->setText(user);
        Drive::control<QLineEdit>(*login, "edtPassword")->setText(password);
        Drive::click(*login, "BAceptar");
    }

    QWidget* child(const QString& windowClass) const
    {
        QMdiSubWindow* sub = window.dispatcher()->findWindow(windowClass);
        return sub ? sub->widget() : nullptr;
    }

    QSet<QString> enabledPermissionCommands() const
    {
        QSet<QString> enabled;
        for (const QString& code : PermissionTable::commands())
            if (window.command(code)->isEnabled())
                enabled << code;
        return enabled;
    }

    ShopFixture& shop;
    TFPrincipal window;
};

}

class TstAdminWindows : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(SettingsFile::writePath()); }

    void commandsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("H2") << "H2" << WindowClass::Users << 1 << "Usuarios del Sistema";
        QTest::newRow("H6") << "H6" << WindowClass::Users << 2 << "Parametros de Configuración";
        QTest::newRow("H3") << "H3" << WindowClass::Dosages << 1 << "Gestionar Dosificaciones";
        QTest::newRow("H4") << "H4" << WindowClass::Dosages << 2 << "Gestionar Datos Contribuyente";
        QTest::newRow("H5") << "H5" << WindowClass::Dosages << 3 << "Certificacion Codigo de Control";
    }
    void commandsOpenTheirWindows()
    {
        QFETCH(QString, command);
        QFETCH(QString, windowClass);
        QFETCH(int, mode);
        QFETCH(QString, caption);
        ShopFixture shop;
        Main main(shop);
        main.login("admin", "admin");
        main.window.command(command)->trigger();
        QWidget* opened = main.child(windowClass);
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(), caption);
        QCOMPARE(main.window.dispatcher()->findWindow(windowClass)->y(), 10);
        if (auto* users = qobject_cast<TFUsuarios*>(opened))
            QCOMPARE(users->adminMode(), mode);
        else
            QCOMPARE(qobject_cast<TFDatosF*>(opened)->dataMode(), mode);
        QVERIFY(shop.messages.all.isEmpty());
    }

    // A user created and given two rights in the users window, then logged in: exactly the two
    // commands are his.
    void newUserGetsTheRightsTicked()
    {
        ShopFixture shop;
        Main main(shop);
        main.login("admin", "admin");
        main.window.command("H2")->trigger();
        QWidget* users = main.child(WindowClass::Users);
        QVERIFY(users);
        Drive::click(*users, "SBNuevo");
        Drive::type(*users, "ELogin", "rosa");
        Drive::type(*users, "EClave1", "clave");
        Drive::type(*users, "EClave2", "clave");
        Drive::type(*users, "ENombre", "rosa flores");
        Drive::type(*users, "EOcupacion", "almacen");
        Drive::click(*users, "SBInsertar");
        auto* list = Drive::control<DataGrid>(*users, "Vec0");
        list->goToRow(list->findRow(1, "ROSA"));
        Drive::control<QCheckBox>(*users, "CBC4")->setChecked(true);
        Drive::control<QCheckBox>(*users, "CBS1")->setChecked(true);
        Drive::click(*users, "SBActualizarN");
        QVERIFY(shop.messages.errors.isEmpty());

        main.window.command("A2")->trigger();
        main.login("rosa", "clave");
        QCOMPARE(SessionState::current().UserLogin, QStringLiteral("rosa"));
        QCOMPARE(main.enabledPermissionCommands(), (QSet<QString>{"C4", "S1"}));
    }

    // "Abrir Caja" without the taxpayer's address: the taxpayer window first, then the cash
    // window as soon as the data is saved, without logging in again.
    void openCashAfterCompletingTheTaxpayerData()
    {
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE DatosC SET DireccionM=''"));
        Main main(shop);
        main.login("admin", "admin");
        main.window.command("J1")->trigger();
        QCOMPARE(shop.messages.infos.size(), 1);
        QVERIFY(!main.child(WindowClass::Cash));
        QWidget* taxpayer = main.child(WindowClass::Dosages);
        QVERIFY(taxpayer);
        QCOMPARE(qobject_cast<TFDatosF*>(taxpayer)->dataMode(), 2);

        Drive::type(*taxpayer, "EDireccionM", "AV. ARCE 100");
        Drive::click(*taxpayer, "SBGuardarD");
        QWidget* cash = main.child(WindowClass::Cash);
        QVERIFY(cash);
        QCOMPARE(cash->windowTitle(), QStringLiteral("Abrir CAJA"));
        QTRY_VERIFY(!main.child(WindowClass::Dosages));  // "Abrir Caja" closes the others
        QVERIFY(!main.window.loginWindow()->isVisible());
        Drive::click(*cash, "BAbrirC");
        QCOMPARE(shop.messages.infos.last(), QStringLiteral("La CAJA se abrio correctamente"));
        QCOMPARE(SessionState::current().CashOpen, 1);

        // Saving the taxpayer data later, from its own command, opens nothing else.
        main.window.command("H4")->trigger();
        taxpayer = main.child(WindowClass::Dosages);
        QVERIFY(taxpayer);
        Drive::click(*taxpayer, "SBGuardarD");
        QVERIFY(!main.child(WindowClass::Cash));
    }

    // The biggest of them inside the main window, to see that it fits the frame.
    void snapshots()
    {
        const QByteArray dir = qgetenv("CVI_SNAPSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to write the main window with the users window open");
        ShopFixture shop;
        Main main(shop);
        main.login("admin", "admin");
        main.window.command("H2")->trigger();
        Drive::control<QTabWidget>(*main.child(WindowClass::Users), "PCUsuarios")->setCurrentIndex(1);
        QVERIFY(main.window.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/principal-usuarios.png")));
    }
};

QTEST_MAIN(TstAdminWindows)
#include "tst_adminwindows.moc"
