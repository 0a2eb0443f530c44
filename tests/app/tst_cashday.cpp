#include "ShopFixture.h"

#include "app/SettingsFile.h"
#include "app/UIniciarS.h"
#include "app/UPrincipal.h"
#include "cash/UCaja.h"
#include "cash/URCajaDiaria.h"
#include "data/SessionState.h"
#include "printing/RecordingReportPreview.h"
#include "printing/RecordingTicketSink.h"
#include "printing/TicketSinkSeam.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace {

QWidget* openChild(TFPrincipal& window, const QString& objectName)
{
    for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == objectName)
            return sub->widget();
    return nullptr;
}

void fill(QWidget* window, const char* field, const QString& text)
{
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(field));
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void press(QWidget* window, const char* button)
{
    auto* found = window->findChild<QPushButton*>(QString::fromLatin1(button));
    QVERIFY(found);
    QTest::mouseClick(found, Qt::LeftButton);
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
        RecordingTicketSink tickets;
        RecordingReportPreview previews;
        TicketSinkSeam::install(&tickets);
        ReportPreview::install(&previews);

        TFPrincipal window;
        window.loginTimer()->stop();
        window.show();
        TFIniciarS* login = window.loginWindow();
        SessionState::current().LoginMode = TFIniciarS::LoginModeLogin;
        login->show();
        login->findChild<QLineEdit*>(QStringLiteral("edtServer"))->setText(shop.databasePath());
        login->findChild<QLineEdit*>(QStringLiteral("edtUser"))->setText(QStringLiteral("admin"));
        login->findChild<QLineEdit*>(QStringLiteral("edtPassword"))->setText(QStringLiteral("admin"));
        QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("BAceptar")), Qt::LeftButton);
        QCOMPARE(SessionState::current().UserLogin, QStringLiteral("admin"));

        // Abrir Caja: the opening window, then the session.
        window.command(QStringLiteral("J1"))->trigger();
        QWidget* cash = openChild(window, QStringLiteral("FCaja"));
        QVERIFY(cash);
        QCOMPARE(cash->windowTitle(), QStringLiteral("Abrir CAJA"));
        fill(cash, "ESaldoI", QStringLiteral("200"));
        press(cash, "BAbrirC");
        QCOMPARE(shop.messages.infos.last(), QStringLiteral("La CAJA se abrio correctamente"));
        QCOMPARE(SessionState::current().CashOpen, 1);
        QCOMPARE(window.statusPanel(1)->text(), QStringLiteral("CVF Zelto [09/12/2026]"));
        QTRY_VERIFY(!openChild(window, QStringLiteral("FCaja")));

        // Abrir Caja again tops the open session up.
        window.command(QStringLiteral("J1"))->trigger();
        cash = openChild(window, QStringLiteral("FCaja"));
        QVERIFY(cash);
        QCOMPARE(cash->windowTitle(), QStringLiteral("Actualizar Apertura de CAJA"));
        fill(cash, "ESaldoI", QStringLiteral("50"));
        press(cash, "BAbrirC");
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
        fill(cash, "EEfectivo", QStringLiteral("265"));
        fill(cash, "ETraspaso", QStringLiteral("200"));
        press(cash, "BCerrarC");
        QCOMPARE(shop.messages.infos.last(), QStringLiteral("La CAJA se cerro correctamente"));
        QCOMPARE(shop.programEnd.requests, 1);
        QCOMPARE(tickets.jobs.size(), 1);
        QVERIFY(tickets.jobs[0].describe().contains(
            QStringLiteral("6,%1 FALTANTE                           10.00").arg(38 * tickets.lineHeight() + 85)));

        // Reporte de Caja Diaria lists the closed session and reprints it.
        window.command(QStringLiteral("J3"))->trigger();
        QWidget* daily = openChild(window, QStringLiteral("FRCajaDiaria"));
        QVERIFY(daily);
        auto* list = qobject_cast<TFRCajaDiaria*>(daily);
        QVERIFY(list);
        list->VecCCellClick(0, TFRCajaDiaria::ColImprimir);
        QCOMPARE(previews.shown.size(), 1);

        TicketSinkSeam::install(nullptr);
        ReportPreview::install(nullptr);
    }
};

QTEST_MAIN(TstCashDay)
#include "tst_cashday.moc"
