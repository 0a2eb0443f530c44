#include "PrintCapture.h"
#include "SecondStation.h"
#include "ShopFixture.h"
#include "WindowDriver.h"

#include "cash/ClosingTicket.h"
#include "cash/ui/UCaja.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/ReadOnlyDatabase.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

// A shop with a logged-in administrator whose printing is caught.
struct CashShop {
    ShopFixture shop;
    PrintCapture print;

    CashShop() { shop.login(); }
    qint64 openSessions() { return shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Caja WHERE Estado=1")).integer(0); }

    // Closes the open session through the window: 100 counted, 40 taken out.
    void closeThroughTheWindow()
    {
        SessionState::current().CashMode = 1;
        TFCaja window;
        window.show();
        Drive::type(window, "EEfectivo", QStringLiteral("100"));
        Drive::type(window, "ETraspaso", QStringLiteral("40"));
        Drive::click(window, "BCerrarC");
    }
    QString backups() const { return shop.folder() + QStringLiteral("backups"); }
};

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

}

class TstUCaja : public QObject {
    Q_OBJECT
private slots:
    void firstOpening()
    {
        CashShop c;
        SessionState::current().CashMode = 0;
        TFCaja window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Abrir CAJA"));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Abrir Caja"));
        QCOMPARE(Drive::control<QLineEdit>(window, "ESaldoC")->text(), QStringLiteral("0"));
        QCOMPARE(Drive::control<QLineEdit>(window, "ESaldoT")->text(), QStringLiteral("0"));
        QVERIFY(Drive::control<QWidget>(window, "PAbrirC")->isVisible());
        QVERIFY(!Drive::control<QWidget>(window, "PCerrarC")->isVisible());

        Drive::type(window, "ESaldoI", QStringLiteral("15x0.5"));  // the letter never gets in
        QCOMPARE(Drive::control<QLineEdit>(window, "ESaldoT")->text(), QStringLiteral("150.5"));
        Drive::control<QDateEdit>(window, "DTFechaC")->setDate(QDate(2026, 12, 10));
        Drive::click(window, "BAbrirC");

        QCOMPARE(c.shop.messages.infos, QStringList{QStringLiteral("La CAJA se abrio correctamente")});
        SqlRows row = c.shop.db().query(QStringLiteral("SELECT IdCaja, Fecha, CInicial, Cajero FROM Caja WHERE Estado=1"));
        QCOMPARE(row.text(0), QStringLiteral("C000000001"));
        QCOMPARE(row.date(1), QDate(2026, 12, 10));
        QCOMPARE(row.amount(2), 150.5);
        QCOMPARE(row.text(3), QStringLiteral("admin"));
        QCOMPARE(SessionState::current().WorkDate, QDate(2026, 12, 10));
        QCOMPARE(SessionState::current().CashOpen, 1);
        QCOMPARE(MainStatus::text(1), QStringLiteral("CVF Zelto [10/12/2026]"));
        QVERIFY(!window.isVisible());
    }

    void refusedOpenings_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("message");
        QTest::newRow("same date") << QDate(2026, 12, 5) << "0"
                                   << "La Caja ya ha sido abierta y cerrada en esa Fecha";
        QTest::newRow("earlier date") << QDate(2026, 12, 1) << "0"
                                      << "No se puede Abrir Caja en fechas anteriores a la ultima apertura realizada";
        QTest::newRow("empty amount") << QDate(2026, 12, 9) << ""
                                      << "Seleccione y/o llene correctamente los datos requeridos";
    }
    void refusedOpenings()
    {
        QFETCH(QDate, date);
        QFETCH(QString, initial);
        QFETCH(QString, message);
        CashShop c;
        c.shop.db().execute(
            QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, Saldo, Estado) VALUES('C000000001', '2026-12-05', 80, 0)"));
        const QDate workDate(2026, 12, 20);
        SessionState::current().WorkDate = workDate;
        TFCaja window;
        window.show();
        QCOMPARE(Drive::control<QLineEdit>(window, "ESaldoC")->text(), QStringLiteral("80"));
        Drive::type(window, "ESaldoI", initial);
        Drive::control<QDateEdit>(window, "DTFechaC")->setDate(date);
        Drive::click(window, "BAbrirC");
        QCOMPARE(c.shop.messages.infos, QStringList{message});
        QCOMPARE(c.shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Caja")).integer(0), 1);
        QCOMPARE(SessionState::current().WorkDate, workDate);  // a refusal changes nothing
        QVERIFY(window.isVisible());
    }

    void update_data()
    {
        QTest::addColumn<QString>("added");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<double>("stored");
        QTest::newRow("zero keeps the balance") << "0" << true << 100.0;
        QTest::newRow("raise") << "20.25" << true << 120.25;
        QTest::newRow("answered no") << "20" << false << 100.0;
    }
    void update()
    {
        QFETCH(QString, added);
        QFETCH(bool, yes);
        QFETCH(double, stored);
        CashShop c;
        c.shop.openCashSession(QDate(2026, 12, 9), 100);
        TFCaja window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Actualizar Apertura de CAJA"));
        QVERIFY(!Drive::control<QDateEdit>(window, "DTFechaC")->isEnabled());
        QCOMPARE(Drive::control<QLineEdit>(window, "ESaldoC")->text(), QStringLiteral("100"));
        Drive::type(window, "ESaldoI", added);
        c.shop.messages.answerNext(yes);
        Drive::click(window, "BAbrirC");
        QCOMPARE(c.shop.messages.questions.size(), 1);
        QCOMPARE(c.shop.messages.questions[0].first, QStringLiteral("Caja"));
        QCOMPARE(c.shop.messages.questions[0].second, QStringLiteral("Esta Seguro de Actualizar el Saldo de Caja? "));
        QCOMPARE(c.shop.messages.infos,
                 yes ? QStringList{QStringLiteral("La CAJA se Actualizo Correctamente")} : QStringList{});
        QCOMPARE(c.shop.db().query(QStringLiteral("SELECT CInicial FROM Caja")).amount(0), stored);
        QCOMPARE(SessionState::current().CashInitialAmount, stored);
        QVERIFY(!window.isVisible());
    }

    // Two windows opened on the same balance (two stations, or one left open) both top it up.
    void staleWindowsBothTopUp()
    {
        CashShop c;
        c.shop.openCashSession(QDate(2026, 12, 9), 100);
        TFCaja first, second;
        first.show();
        second.show();
        Drive::type(first, "ESaldoI", QStringLiteral("10"));
        Drive::type(second, "ESaldoI", QStringLiteral("20"));
        Drive::click(first, "BAbrirC");
        Drive::click(second, "BAbrirC");
        QCOMPARE(c.shop.db().query(QStringLiteral("SELECT CInicial FROM Caja")).amount(0), 130.0);
        QCOMPARE(SessionState::current().CashInitialAmount, 130.0);
        QCOMPARE(c.shop.messages.infos, QStringList(2, QStringLiteral("La CAJA se Actualizo Correctamente")));
    }

    void topUpOfASessionClosedMeanwhileIsRefused()
    {
        CashShop c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9), 100);
        TFCaja window;
        window.show();
        c.shop.db().execute(QStringLiteral("UPDATE Caja SET Estado=0, SobFal=0"));  // another station closed it
        Drive::type(window, "ESaldoI", QStringLiteral("20"));
        Drive::click(window, "BAbrirC");
        QCOMPARE(c.shop.messages.infos,
                 QStringList{QStringLiteral("La CAJA %1 ya no esta abierta; no se actualizo el Saldo Inicial").arg(caja)});
        QCOMPARE(c.shop.db().query(QStringLiteral("SELECT CInicial FROM Caja")).amount(0), 100.0);
        QCOMPARE(SessionState::current().CashInitialAmount, 100.0);
    }

    // The window showed an empty till; another station opened and closed a session leaving 80.
    void openingTakesTheBalanceStoredAtThatMoment()
    {
        CashShop c;
        TFCaja window;
        window.show();
        QCOMPARE(Drive::text(window, "ESaldoC"), QStringLiteral("0"));
        SecondStation other(c.shop.databasePath());
        QVERIFY2(other.ok(), qPrintable(other.error()));
        QCOMPARE(other.execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial, Saldo, Estado) "
                                              "VALUES('C000000001', '2026-12-09', 50, 80, 0)")),
                 QString());
        QCOMPARE(other.execute(QStringLiteral("UPDATE Codigos SET IdCaja=1")), QString());

        Drive::control<QDateEdit>(window, "DTFechaC")->setDate(QDate(2026, 12, 10));
        Drive::type(window, "ESaldoI", QStringLiteral("20"));
        Drive::click(window, "BAbrirC");
        QCOMPARE(c.shop.messages.infos, QStringList{QStringLiteral("La CAJA se abrio correctamente")});
        SqlRows row = c.shop.db().query(QStringLiteral("SELECT IdCaja, CInicial FROM Caja WHERE Estado=1"));
        QCOMPARE(row.text(0), QStringLiteral("C000000002"));
        QCOMPARE(row.amount(1), 100.0);
        QCOMPARE(SessionState::current().CashInitialAmount, 100.0);
    }

    void openingWithoutTheTillsBalanceIsNotOffered()
    {
        CashShop c;
        c.shop.db().close();
        TFCaja window;
        QCOMPARE(c.shop.messages.errors.size(), 1);
        QVERIFY(!Drive::enabled(window, "BAbrirC"));
        QVERIFY(Drive::text(window, "ESaldoC").isEmpty());
    }

    void closingValidation_data()
    {
        QTest::addColumn<QString>("counted");
        QTest::addColumn<QString>("transfer");
        QTest::addColumn<QString>("message");
        QTest::newRow("no counted cash") << ""
                                         << "0"
                                         << "Inserte el Total Efectivo ingresado del Dia";
        QTest::newRow("no transfer") << "100"
                                     << ""
                                     << "Inserte Total Traspaso a realizar del Dia";
        QTest::newRow("transfer above the counted cash") << "100"
                                                         << "100.01"
                                                         << "Su Saldo no puede ser negativo, revise sus Datos";
    }
    void closingValidation()
    {
        QFETCH(QString, counted);
        QFETCH(QString, transfer);
        QFETCH(QString, message);
        CashShop c;
        c.shop.openCashSession(QDate(2026, 12, 9), 100);
        SessionState::current().CashMode = 1;
        TFCaja window;
        window.show();
        Drive::type(window, "EEfectivo", counted);
        Drive::type(window, "ETraspaso", transfer);
        for (const char* button : {"BCerrarC", "BReporteC"}) {
            c.shop.messages.clear();
            Drive::click(window, button);
            QCOMPARE(c.shop.messages.infos, QStringList{message});
        }
        QCOMPARE(c.openSessions(), 1);
        QCOMPARE(c.print.previews.shown.size(), 0);
        QCOMPARE(c.shop.programEnd.requests, 0);
    }

    void preReportButtonFollowsTheFifthCashRight_data()
    {
        QTest::addColumn<QString>("rights");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("allowed") << "11111" << true;
        QTest::newRow("not allowed") << "11110" << false;
        QTest::newRow("too short") << "1111" << false;
    }
    void preReportButtonFollowsTheFifthCashRight()
    {
        QFETCH(QString, rights);
        QFETCH(bool, enabled);
        CashShop c;
        SessionState::current().CashRights = rights;
        SessionState::current().CashMode = 1;
        TFCaja window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Cerrar CAJA"));
        QCOMPARE(Drive::control<QPushButton>(window, "BReporteC")->isEnabled(), enabled);
    }

    // The pre-report shows the report even when tickets are the print format, and stores nothing.
    void preReportNeverCloses()
    {
        CashShop c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9), 100);
        c.shop.db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, TotalF, TotalE, FormaP, IdCaja) "
                                           "VALUES('V000000001', '2026-12-09', 30, 30, 1, ?)"),
                            {caja});
        SessionState::current().PrintFormat = 0;
        SessionState::current().CashMode = 1;
        TFCaja window;
        window.show();
        Drive::type(window, "EEfectivo", QStringLiteral("117.5"));
        Drive::type(window, "ETraspaso", QStringLiteral("50"));
        QCOMPARE(Drive::control<QLineEdit>(window, "ESaldo")->text(), QStringLiteral("67.50"));
        Drive::click(window, "BReporteC");

        QCOMPARE(c.print.previews.shown.size(), 1);
        QCOMPARE(c.print.tickets.jobs.size(), 0);
        QCOMPARE(c.openSessions(), 1);
        QCOMPARE(c.shop.programEnd.requests, 0);
        QVERIFY(!Drive::control<QProgressBar>(window, "PBar1")->isVisible());
        QCOMPARE(c.print.label("LTitulo"), QStringLiteral("CIERRE DE CAJA [") + caja + QLatin1Char(']'));
        QCOMPARE(c.print.label("LVContado"), QStringLiteral("30.00"));
        QCOMPARE(c.print.label("LSFT"), QStringLiteral("Faltante"));
        QCOMPARE(c.print.label("Lsf"), QStringLiteral("12.50"));
        QCOMPARE(c.print.label("LFechaI"), QStringLiteral("Fecha y Hora de Impresión: 09/12/2026 10:30:00"));
        if (const QByteArray dir = qgetenv("CVI_SAMPLE_DIR"); !dir.isEmpty())
            QCOMPARE(c.print.previews.writePdf(0, QString::fromLocal8Bit(dir) + QStringLiteral("/cierre-de-caja.pdf")),
                     QString());
    }

    void closingPrintsTheTicketAndEndsTheProgram()
    {
        CashShop c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9), 100);
        SessionState::current().CashMode = 1;
        SessionState::current().PrintFormat = 0;
        TFCaja window;
        window.show();
        Drive::type(window, "EEfectivo", QStringLiteral("100"));
        Drive::type(window, "ETraspaso", QStringLiteral("40"));
        Drive::click(window, "BCerrarC");

        QCOMPARE(c.openSessions(), 0);
        QCOMPARE(c.shop.db().query(QStringLiteral("SELECT Saldo FROM Caja WHERE IdCaja=?"), {caja}).amount(0), 60.0);
        QCOMPARE(c.shop.messages.infos, QStringList{QStringLiteral("La CAJA se cerro correctamente")});
        QCOMPARE(SessionState::current().CashOpen, 0);
        QCOMPARE(c.shop.programEnd.requests, 1);
        QCOMPARE(c.print.previews.shown.size(), 0);
        QCOMPARE(Drive::control<QProgressBar>(window, "PBar1")->value(), 24);

        // The ticket as drawn: every row of the layout at its y, nothing else.
        QCOMPARE(c.print.tickets.jobs.size(), 1);
        const TicketJob& job = c.print.tickets.jobs[0];
        QCOMPARE(job.title, QStringLiteral("Cierre de Caja"));
        const int h = c.print.tickets.lineHeight();
        QVERIFY(h > 0);
        const SessionState& s = SessionState::current();
        ClosingTicketData data;
        data.figures.InitialAmount = 100;
        data.figures.CountedCash = 100;
        data.figures.Traspaso = 40;
        data.figures.Saldo = 60;
        data.taxpayerName = s.TaxpayerName;
        data.workDate = s.WorkDate;
        data.cashier = s.UserLogin;
        data.printed = c.shop.clock.now();
        QStringList expected;
        for (const ClosingTicketRow& row : ClosingTicketRows(data, h))
            expected << QStringLiteral("6,%1 %2").arg(row.y).arg(row.text);
        QCOMPARE(job.describe(), expected);
        QCOMPARE(job.marks.first().position.y(), 15);
        QCOMPARE(job.marks[1].text, QStringLiteral("CIERRE DE CAJA [09/12/2026]"));
    }

    void closingWithLetterFormatShowsTheReport()
    {
        CashShop c;
        c.shop.openCashSession(QDate(2026, 12, 9), 100);
        SessionState::current().CashMode = 1;
        SessionState::current().PrintFormat = 1;
        TFCaja window;
        window.show();
        Drive::type(window, "EEfectivo", QStringLiteral("100"));
        Drive::type(window, "ETraspaso", QStringLiteral("0"));
        Drive::click(window, "BCerrarC");
        QCOMPARE(c.openSessions(), 0);
        QCOMPARE(c.print.previews.shown.size(), 1);
        QCOMPARE(c.print.tickets.jobs.size(), 0);
        // An exact till leaves the last row of the report blank.
        QCOMPARE(c.print.label("LSFT"), QString());
        QCOMPARE(c.print.label("Lsf"), QString());
        QCOMPARE(c.shop.programEnd.requests, 1);
    }

    void aTicketThatFailsStillLeavesTheSessionClosed()
    {
        CashShop c;
        c.shop.openCashSession(QDate(2026, 12, 9), 100);
        SessionState::current().CashMode = 1;
        c.print.tickets.failNextBegin(QStringLiteral("La impresora no responde"));
        TFCaja window;
        window.show();
        Drive::type(window, "EEfectivo", QStringLiteral("100"));
        Drive::type(window, "ETraspaso", QStringLiteral("0"));
        Drive::click(window, "BCerrarC");
        QCOMPARE(c.shop.messages.errors, QStringList{QStringLiteral("La impresora no responde")});
        QCOMPARE(c.openSessions(), 0);
        QCOMPARE(c.shop.messages.infos, QStringList{QStringLiteral("La CAJA se cerro correctamente")});
        QCOMPARE(c.shop.programEnd.requests, 1);
    }

    // Another station topped the session up after this one logged in: the stored balance is the
    // one the closing compares the count with and prints.
    void closingUsesTheStoredOpeningBalance_data()
    {
        QTest::addColumn<int>("printFormat");
        QTest::newRow("ticket") << 0;
        QTest::newRow("letter report") << 1;
    }
    void closingUsesTheStoredOpeningBalance()
    {
        QFETCH(int, printFormat);
        CashShop c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9), 100);
        c.shop.db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, TotalF, TotalE, FormaP, IdCaja) "
                                           "VALUES('V000000001', '2026-12-09', 30, 30, 1, ?)"),
                            {caja});
        SecondStation other(c.shop.databasePath());
        QCOMPARE(other.execute(QStringLiteral("UPDATE Caja SET CInicial=150 WHERE IdCaja=?"), {caja}), QString());
        SessionState::current().CashMode = 1;
        SessionState::current().PrintFormat = printFormat;
        TFCaja window;
        window.show();
        Drive::type(window, "EEfectivo", QStringLiteral("180"));
        Drive::type(window, "ETraspaso", QStringLiteral("0"));
        Drive::click(window, "BCerrarC");

        QCOMPARE(c.shop.messages.infos, QStringList{QStringLiteral("La CAJA se cerro correctamente")});
        SqlRows row = c.shop.db().query(QStringLiteral("SELECT CInicial, SobFal, Estado FROM Caja WHERE IdCaja=?"), {caja});
        QCOMPARE(row.amount(0), 150.0);
        QCOMPARE(row.amount(1), 0.0);
        QCOMPARE(row.integer(2), 0);
        QCOMPARE(SessionState::current().CashInitialAmount, 150.0);
        if (printFormat == 0) {
            QCOMPARE(c.print.tickets.jobs.size(), 1);
            const QStringList lines = c.print.tickets.jobs[0].describe();
            QVERIFY(lines.filter(QStringLiteral("SALDO INICIAL            150.00     0.00")).size() == 1);
            QVERIFY(lines.filter(QStringLiteral("SOBRANTE")).isEmpty() && lines.filter(QStringLiteral("FALTANTE")).isEmpty());
        } else {
            QCOMPARE(c.print.label("LSaldoI"), QStringLiteral("150.00"));
            QCOMPARE(c.print.label("LSFT"), QString());
        }
    }

    void closingOfASessionClosedMeanwhileIsRefused()
    {
        CashShop c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9), 100);
        SessionState::current().CashMode = 1;
        TFCaja window;
        window.show();
        c.shop.db().execute(QStringLiteral("UPDATE Caja SET Estado=0, Saldo=55"));  // another station closed it
        Drive::type(window, "EEfectivo", QStringLiteral("100"));
        Drive::type(window, "ETraspaso", QStringLiteral("0"));
        Drive::click(window, "BCerrarC");
        QCOMPARE(c.shop.messages.infos,
                 QStringList{QStringLiteral("La CAJA %1 ya no esta abierta; no se guardo el cierre").arg(caja)});
        QCOMPARE(c.shop.db().query(QStringLiteral("SELECT Saldo FROM Caja")).amount(0), 55.0);
        QVERIFY(c.print.tickets.jobs.isEmpty());
        QCOMPARE(c.shop.programEnd.requests, 0);
        QVERIFY(!Drive::visible(window, "PBar1"));
    }

    // The pre-report shows what the closing would store: the stored opening balance included.
    void preReportUsesTheStoredOpeningBalance()
    {
        CashShop c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9), 100);
        c.shop.db().execute(QStringLiteral("UPDATE Caja SET CInicial=150 WHERE IdCaja=?"), {caja});
        SessionState::current().CashMode = 1;
        TFCaja window;
        window.show();
        Drive::type(window, "EEfectivo", QStringLiteral("150"));
        Drive::type(window, "ETraspaso", QStringLiteral("0"));
        Drive::click(window, "BReporteC");
        QCOMPARE(c.print.label("LSaldoI"), QStringLiteral("150.00"));
        QCOMPARE(c.print.label("LSFT"), QString());
        QCOMPARE(c.openSessions(), 1);
    }

    // The copy opens read-only and holds the session just closed, with its figures.
    void closingWritesACheckedCopyBesideTheDatabase()
    {
        CashShop c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9), 100);
        c.closeThroughTheWindow();
        QCOMPARE(c.shop.messages.infos, QStringList{QStringLiteral("La CAJA se cerro correctamente")});
        QCOMPARE(c.shop.messages.errors, QStringList());
        QCOMPARE(filesIn(c.backups()), QStringList{QStringLiteral("C000000001-2026-12-09.sqlite")});

        const ReadOnlyDatabase copy(c.backups() + QStringLiteral("/C000000001-2026-12-09.sqlite"));
        QList<QVariantList> rows;
        QString error;
        QVERIFY2(ReadRows(copy.connection(), QStringLiteral("SELECT Estado, Saldo, CInicial FROM Caja WHERE IdCaja=?"),
                          {caja}, &rows, &error),
                 qPrintable(error));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toInt(), 0);
        QCOMPARE(rows[0][1].toDouble(), 60.0);
        QCOMPARE(rows[0][2].toDouble(), 100.0);
    }

    // The till is counted and closed whatever happens to the copy; the cashier reads why it failed.
    void backupFailureLeavesTheClosingStored_data()
    {
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << true << "no se puede escribir en la carpeta";
        QTest::newRow("unplugged disk") << false << "no existe";
    }
    void backupFailureLeavesTheClosingStored()
    {
        QFETCH(bool, folderExists);
        QFETCH(QString, reason);
        CashShop c;
        const QString usb = c.shop.folder() + QStringLiteral("usb");
        if (folderExists) {
            QVERIFY(QDir().mkpath(usb));
            QVERIFY(QFile::setPermissions(usb, QFile::ReadOwner | QFile::ExeOwner));
        }
        c.shop.db().execute(QStringLiteral("UPDATE Codigos SET CarpetaCopias=?"), {usb});
        c.shop.openCashSession(QDate(2026, 12, 9), 100);
        c.closeThroughTheWindow();
        QFile::setPermissions(usb, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(c.openSessions(), 0);
        QCOMPARE(c.shop.messages.infos, QStringList{QStringLiteral("La CAJA se cerro correctamente")});
        QCOMPARE(c.shop.messages.errors.size(), 1);
        const QString message = c.shop.messages.errors[0];
        QVERIFY2(message.startsWith(QStringLiteral("No se pudo guardar la copia de seguridad: ")), qPrintable(message));
        QVERIFY2(message.contains(reason) && message.contains(QStringLiteral("El cierre de caja si quedo guardado")),
                 qPrintable(message));
        QCOMPARE(c.shop.programEnd.requests, 1);
        QCOMPARE(QFileInfo::exists(usb), folderExists);  // an unplugged disk's folder is never made here
        if (folderExists)
            QVERIFY(filesIn(usb).isEmpty());
        QVERIFY(!QFileInfo::exists(c.backups()));
    }

    // Thirty copies of the shop are kept: the closing of session 31 removes the copy written
    // first (session 1's), and nothing else.
    void thirtyFirstClosingRemovesTheOldestCopy()
    {
        CashShop c;
        QVERIFY(QDir().mkpath(c.backups()));
        QStringList before{QStringLiteral("notas.txt")};
        QFile(c.backups() + QStringLiteral("/notas.txt")).open(QIODevice::WriteOnly);
        const QDateTime written(QDate(2026, 11, 1), QTime(22, 0));
        for (int session = 1; session <= 30; ++session) {
            before << QStringLiteral("C%1-2026-11-%2.sqlite")
                          .arg(session, 9, 10, QLatin1Char('0'))
                          .arg(session, 2, 10, QLatin1Char('0'));
            QFile copy(c.backups() + QLatin1Char('/') + before.last());
            QVERIFY(QFile::copy(c.shop.databasePath(), copy.fileName()));
            QVERIFY(copy.open(QIODevice::ReadWrite));
            QVERIFY(copy.setFileTime(written.addDays(session - 1), QFileDevice::FileModificationTime));
        }
        c.shop.db().execute(QStringLiteral("UPDATE Codigos SET IdCaja=30"));
        QCOMPARE(c.shop.openCashSession(QDate(2026, 12, 9), 100), QStringLiteral("C000000031"));
        c.closeThroughTheWindow();

        QCOMPARE(c.shop.messages.errors, QStringList());
        QStringList expected = before.mid(2);
        expected << QStringLiteral("C000000031-2026-12-09.sqlite") << QStringLiteral("notas.txt");
        QCOMPARE(filesIn(c.backups()), expected);
    }

    void snapshots()
    {
        const QByteArray dir = qgetenv("CVI_SAMPLE_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SAMPLE_DIR to write the cash window's pictures");
        CashShop c;
        for (int mode : {0, 1}) {
            SessionState::current().CashMode = mode;
            TFCaja window;
            window.show();
            QVERIFY(window.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/caja-%1.png").arg(mode)));
        }
    }
};

QTEST_MAIN(TstUCaja)
#include "tst_ucaja.moc"
