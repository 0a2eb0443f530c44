#include "ShopFixture.h"

#include "app/SettingsFile.h"
#include "app/ui/UIniciarS.h"
#include "app/ui/UPrincipal.h"
#include "data/SessionState.h"
#include "masterdata/ui/UBusquedas.h"
#include "masterdata/ui/UListarProd.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace {

void login(TFPrincipal& window, const ShopFixture& shop)
{
    TFIniciarS* login = window.loginWindow();
    SessionState::current().LoginMode = TFIniciarS::LoginModeLogin;
    login->show();
    login->findChild<QLineEdit*>(QStringLiteral("edtServer"))->setText(shop.databasePath());
    login->findChild<QLineEdit*>(QStringLiteral("edtUser"))->setText(QStringLiteral("admin"));
    login->findChild<QLineEdit*>(QStringLiteral("edtPassword"))->setText(QStringLiteral("admin"));
    QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("BAceptar")), Qt::LeftButton);
}

QList<QMdiSubWindow*> childrenNamed(const TFPrincipal& window, const QString& objectName)
{
    QList<QMdiSubWindow*> found;
    for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == objectName)
            found << sub;
    return found;
}

}

// The master-data commands of the main window open their windows and panels.
class TstMasterCommands : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(SettingsFile::writePath()); }

    void commandsOpenTheirPanels_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("top");
        QTest::newRow("S1 Gestionar Almacen") << "S1"
                                              << "FProductosC"
                                              << "Gestionar Almacen"
                                              << "TSProductos" << 20;
        QTest::newRow("V7 Gestionar Clientes") << "V7"
                                               << "FProveedores"
                                               << "Clientes"
                                               << "PClientes" << 10;
        QTest::newRow("V8 Comprobantes") << "V8"
                                         << "FProveedores"
                                         << "Comprobantes de Venta"
                                         << "PComprobanteV" << 10;
        QTest::newRow("C10 Gestionar Proveedores") << "C10"
                                                   << "FProveedores"
                                                   << "Proveedores"
                                                   << "PProveedores" << 10;
        QTest::newRow("C11 Comprobantes") << "C11"
                                          << "FProveedores"
                                          << "Comprobantes de Compra"
                                          << "PComprobanteC" << 10;
    }
    void commandsOpenTheirPanels()
    {
        QFETCH(QString, code);
        QFETCH(QString, window);
        QFETCH(QString, panel);
        ShopFixture shop;
        TFPrincipal main;
        main.loginTimer()->stop();
        main.show();
        login(main, shop);
        SessionState::current().AppFolder = shop.folder();
        QVERIFY(main.command(code)->isEnabled());
        main.command(code)->trigger();
        const QList<QMdiSubWindow*> opened = childrenNamed(main, window);
        QCOMPARE(opened.size(), 1);
        QTEST(opened[0]->widget()->windowTitle(), "caption");
        QTEST(opened[0]->y(), "top");
        QWidget* shown = opened[0]->widget()->findChild<QWidget*>(panel);
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QVERIFY2(shop.messages.all.isEmpty(), qPrintable(shop.messages.all.join('|')));
    }

    // One suppliers/clients window at a time: another of its commands replaces it.
    void anotherModeReplacesTheWindow()
    {
        ShopFixture shop;
        TFPrincipal main;
        main.loginTimer()->stop();
        main.show();
        login(main, shop);
        main.command(QStringLiteral("V7"))->trigger();
        main.command(QStringLiteral("C11"))->trigger();
        QTRY_COMPARE(childrenNamed(main, QStringLiteral("FProveedores")).size(), 1);
        QCOMPARE(childrenNamed(main, QStringLiteral("FProveedores"))[0]->widget()->windowTitle(),
                 QStringLiteral("Comprobantes de Compra"));
        main.command(QStringLiteral("S1"))->trigger();
        main.command(QStringLiteral("S1"))->trigger();
        QCOMPARE(childrenNamed(main, QStringLiteral("FProductosC")).size(), 1);
    }

    // The pickers exist once, made by the main window, for every window that calls them.
    void thePickersLiveWithTheMainWindow()
    {
        ShopFixture shop;
        {
            TFPrincipal main;
            main.loginTimer()->stop();
            QVERIFY(TFBusquedas::shared());
            QVERIFY(TFListarProd::shared());
            QCOMPARE(TFBusquedas::shared()->parent(), &main);
            QCOMPARE(TFListarProd::shared()->parent(), &main);
        }
        QVERIFY(!TFBusquedas::shared());
        QVERIFY(!TFListarProd::shared());
    }
};

QTEST_MAIN(TstMasterCommands)
#include "tst_mastercommands.moc"
