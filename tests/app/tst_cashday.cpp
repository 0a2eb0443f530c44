#include "LoginDriver.h"
#include "PrintCapture.h"
#include "ShopFixture.h"
#include "WindowDriver.h"

#include "app/SettingsFile.h"
#include "app/ui/UPrincipal.h"
#include "cash/ui/URCajaDiaria.h"
#include "data/SessionState.h"

#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

namespace {

QWidget* openChild(TFPrincipal& window, const QString& objectName)
{
    for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == objectName)
            return sub->widget();
    return nullptr;
}

}

// A cashier's day through the real main window and the real cash windows its commands open.
class TstCashDay : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(SettingsFile::writePath()); }

    void openTopUpCloseAndReprint()
    {
        ShopFixture shop;
        PrintCapture print;

        TFPrincipal window;
        window.loginTimer()->stop();
        window.show();
        LogInThroughWindow(*window.loginWindow(), shop.databasePath());
        QCOMPARE(SessionState::current().UserLogin, QStringLiteral("admin"));

        // Abrir Caja: the opening window, then the session.
        window.command(QStringLiteral("J1"))->trigger();
        QWidget* cash = openChild(window, QStringLiteral("FCaja"));
        QVERIFY(cash);
        QCOMPARE(cash->windowTitle(), QStringLiteral("Abrir CAJA"));
        Drive::type(*cash, "ESaldoI", QStringLiteral("200"));
        Drive::click(*cash, "BAbrirC");
        QCOMPARE(shop.messages.infos.last(), QStringLiteral("La CAJA se abrio correctamente"));
        QCOMPARE(SessionState::current().CashOpen, 1);
        QCOMPARE(window.statusPanel(1)->text(), QStringLiteral("CVF Zelto [09/12/2026]"));
        QTRY_VERIFY(!openChild(window, QStringLiteral("FCaja")));

        // Abrir Caja again tops the open session up.
        window.command(QStringLiteral("J1"))->trigger();
        cash = openChild(window, QStringLiteral("FCaja"));
        QVERIFY(cash);
        QCOMPARE(cash->windowTitle(), QStringLiteral("Actualizar Apertura de CAJA"));
        Drive::type(*cash, "ESaldoI", QStringLiteral("50"));
        Drive::click(*cash, "BAbrirC");
        QCOMPARE(shop.db().query(QStringLiteral("SELECT CInicial FROM Caja WHERE Estado=1")).amount(0), 250.0);
        QTRY_VERIFY(!openChild(window, QStringLiteral("FCaja")));

        // A cash sale, booked as the register stores it.
        shop.db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, TotalF, TotalE, FormaP, IdCaja) "
                                         "VALUES('V000000001', '2026-12-09', 25, 25, 1, ?)"),
                          {SessionState::current().CashSessionId});

        // Cerrar Caja: the closing window; the count is 10 short.
        window.command(QStringLiteral("J2"))->trigger();
        cash = openChild(window, QStringLiteral("FCaja"));
        QVERIFY(cash);
        QCOMPARE(cash->windowTitle(), QStringLiteral("Cerrar CAJA"));
        Drive::type(*cash, "EEfectivo", QStringLiteral("265"));
        Drive::type(*cash, "ETraspaso", QStringLiteral("200"));
        Drive::click(*cash, "BCerrarC");
        QCOMPARE(shop.messages.infos.last(), QStringLiteral("La CAJA se cerro correctamente"));
        QCOMPARE(shop.programEnd.requests, 1);
        QCOMPARE(print.tickets.jobs.size(), 1);
        QVERIFY(print.tickets.jobs[0].describe().contains(
            QStringLiteral("6,%1 FALTANTE                           10.00").arg(38 * print.tickets.lineHeight() + 85)));

        // Reporte de Caja Diaria lists the closed session and reprints it.
        window.command(QStringLiteral("J3"))->trigger();
        QWidget* daily = openChild(window, QStringLiteral("FRCajaDiaria"));
        QVERIFY(daily);
        Drive::clickCell(*daily, "VecC", 0, TFRCajaDiaria::ColImprimir);
        QCOMPARE(print.previews.shown.size(), 1);
        QCOMPARE(print.label("LTitulo"), QStringLiteral("CIERRE DE CAJA [C000000001]"));
        QCOMPARE(print.label("Lsf"), QStringLiteral("10.00"));
    }
};

QTEST_MAIN(TstCashDay)
#include "tst_cashday.moc"
