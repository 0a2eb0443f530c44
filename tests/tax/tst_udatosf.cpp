#include "ShopFixture.h"
#include "WindowDriver.h"

#include "CaseFile.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "printing/ReportElement.h"
#include "printing/ReportLogo.h"
#include "tax/ControlCode.h"
#include "tax/ui/UDatosF.h"
#include "widgets/DataGrid.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

const QString kMissing = QStringLiteral("Inserte correctamente todos los Datos");
const QString kInserted =
    QStringLiteral("Dosificacion Introducida Correctamente, el sistema se cerrara para actualizar datos");
const QString kUpdated = QStringLiteral("Datos Actualizados Correctamente, el sistema se cerrara para actualizar datos");
const QString kNotUpdatable = QStringLiteral("Esta Dosificacion ya no es posible Actualizar, no insista");
const QString kBadInvoiceNumber = QStringLiteral("Inserte correctamente el Numero de Factura a Iniciar");

// The demo shop logged in as its administrator, at the head office or at branch 2.
struct TaxShop {
    ShopFixture shop;

    explicit TaxShop(int branch = 0)
    {
        shop.db().execute(QStringLiteral("UPDATE DatosC SET Sucursal=?"), {branch});
        shop.login();
    }

    std::unique_ptr<TFDatosF> open(int mode)
    {
        SessionState::current().DataMode = mode;
        auto window = std::make_unique<TFDatosF>();
        window->show();
        return window;
    }

    SqlRows dosages() { return shop.db().query(QStringLiteral("SELECT * FROM Dosificaciones ORDER BY IdDosificacion")); }
    qint64 count(const QString& sql) { return shop.db().query(sql).integer(0); }
};

void setMemo(QWidget& window, const char* name, const QString& text)
{
    auto* memo = Drive::control<QPlainTextEdit>(window, name);
    memo->setFocus();
    memo->selectAll();
    QTest::keyClick(memo, Qt::Key_Backspace);
    QTest::keyClicks(memo, text);
}

QString memo(QWidget& window, const char* name) { return Drive::control<QPlainTextEdit>(window, name)->toPlainText(); }

// A new dosage typed into a fresh tab.
void typeDosage(QWidget& window, const QString& authorization, const QString& key, const QString& deadline,
                const QString& legend)
{
    Drive::click(window, "SBBorrarDs");
    Drive::type(window, "ENAutorizacion", authorization);
    setMemo(window, "MDosificacion", key);
    Drive::type(window, "EFechaL", deadline);
    setMemo(window, "MLeyenda", legend);
}

void choose(QWidget& window, const char* grid, int row) { Drive::control<DataGrid>(window, grid)->goToRow(row); }

}

class TstUDatosF : public QObject {
    Q_OBJECT
private slots:
    void captionsAndStatus_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("panel");
        QTest::newRow("dosages") << 1 << "Gestionar Dosificaciones"
                                 << "PDosificaciones";
        QTest::newRow("taxpayer") << 2 << "Gestionar Datos Contribuyente"
                                  << "PDatosC";
        QTest::newRow("certification") << 3 << "Certificacion Codigo de Control"
                                       << "PCodigoC";
    }
    void captionsAndStatus()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, panel);
        TaxShop t;
        auto window = t.open(mode);
        QCOMPARE(window->windowTitle(), caption);
        QVERIFY(Drive::visible(*window, panel.toLatin1().constData()));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);
        QCOMPARE(MainStatus::text(3), QStringLiteral("Gestionar Dosificacion/Contribuyente"));
    }

    // The newest 30, with the registration date's month in words and the active one marked.
    void listShowsTheLatestThirty()
    {
        TaxShop t;
        for (int i = 1; i <= 34; ++i)
            t.shop.db().execute(QStringLiteral("INSERT INTO Dosificaciones(FechaR, NAutorizacion, FLimiteE, Estado) "
                                               "VALUES(?, ?, '2027-03-31', 0)"),
                                {Formats::IsoDate(QDate(2026, 1, 1).addDays(i)), QString::number(1000 + i)});
        t.shop.db().execute(
            QStringLiteral("UPDATE Dosificaciones SET Estado=CASE WHEN NAutorizacion='1034' THEN 1 ELSE 0 END"));
        auto window = t.open(1);
        auto* grid = Drive::control<DataGrid>(*window, "VecDo");
        QCOMPARE(grid->rowCount(), 30);
        QCOMPARE(grid->cell(0, 0), QStringLiteral("1"));
        QCOMPARE(grid->cell(1, 0), QStringLiteral("04/feb/2026"));
        QVERIFY(grid->isChecked(2, 0));
        QVERIFY(!grid->isChecked(2, 1));
        QCOMPARE(grid->cell(1, 29), QStringLiteral("06/ene/2026"));
        QVERIFY(!Drive::enabled(*window, "SBActualizarDo"));
        QVERIFY(!Drive::enabled(*window, "SBInsertarDo"));

        choose(*window, "VecDo", 0);
        QCOMPARE(Drive::text(*window, "ENAutorizacion"), QStringLiteral("1034"));
        QCOMPARE(Drive::text(*window, "EFechaL"), QStringLiteral("31/03/2027"));
        QVERIFY(Drive::enabled(*window, "SBActualizarDo"));
        QVERIFY(!Drive::enabled(*window, "SBInsertarDo"));
    }

    // The address group shows and writes the branch's own data at a branch, the head office's
    // (from the taxpayer data, not editable) at the head office.
    void insertAtHeadOfficeAndBranch_data()
    {
        QTest::addColumn<int>("branch");
        QTest::newRow("head office") << 0;
        QTest::newRow("branch") << 2;
    }
    void insertAtHeadOfficeAndBranch()
    {
        QFETCH(int, branch);
        TaxShop t(branch);
        const int previous = SessionState::current().DosageId;
        auto window = t.open(1);
        QCOMPARE(Drive::control<QLabel>(*window, "LCiudad")->text(),
                 branch ? QStringLiteral("Ciudad Sucursal") : QStringLiteral("Ciudad Casa Matriz"));
        QVERIFY(Drive::visible(*window, "ECiudad"));
        QCOMPARE(Drive::enabled(*window, "ECiudad"), branch != 0);
        QCOMPARE(Drive::enabled(*window, "EDireccion"), branch != 0);
        // A listed row with an old head-office address was looked at first.
        t.shop.db().execute(QStringLiteral("UPDATE Dosificaciones SET TelefonoM='1', DireccionM='VIEJA', CiudadM='X'"));
        window = t.open(1);
        choose(*window, "VecDo", 0);

        typeDosage(*window, QStringLiteral("29040011008"), QStringLiteral("  A'b\"c$d%e\\f  "), QStringLiteral("31/12/2027"),
                   QStringLiteral("ley de prueba"));
        if (branch) {
            Drive::type(*window, "EDireccion", QStringLiteral("C. COMERCIO 10"));
            Drive::type(*window, "ETelefono", QStringLiteral("2-233445"));
            Drive::type(*window, "ECiudad", QStringLiteral("EL ALTO"));
        }
        Drive::click(*window, "SBInsertarDo");

        QCOMPARE(t.shop.messages.questions.size(), 1);
        QCOMPARE(t.shop.messages.questions[0].second,
                 QStringLiteral("Esta seguro que quiere Insertar los Datos de DOSIFICACION?..."));
        QCOMPARE(t.shop.messages.infos, QStringList{kInserted});
        QCOMPARE(t.shop.programEnd.requests, 1);
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM Dosificaciones WHERE Estado=1")), 1);
        SqlRows rows = t.dosages();
        rows.seek(rows.count() - 1);
        QCOMPARE(rows.integer(12), 1);
        QCOMPARE(rows.text(1), QStringLiteral("2026-12-09"));  // the business date
        QCOMPARE(rows.text(2), QStringLiteral("29040011008"));
        QCOMPARE(rows.text(3), QStringLiteral("A'b\"c$d%e\\f"));  // as typed, trimmed at its ends only
        QCOMPARE(rows.text(4), QStringLiteral("2027-12-31"));
        QCOMPARE(rows.text(5), QStringLiteral("LEY DE PRUEBA"));
        const QStringList own = branch ? QStringList{"2-233445", "C. COMERCIO 10", "EL ALTO"}
                                       : QStringList{"2245678", "AV. 6 DE AGOSTO NRO 1234", "LA PAZ"};
        QCOMPARE((QStringList{rows.text(6), rows.text(7), rows.text(8)}), own);
        QCOMPARE((QStringList{rows.text(9), rows.text(10), rows.text(11)}),
                 (QStringList{"2245678", "AV. 6 DE AGOSTO NRO 1234", "LA PAZ"}));
        const SessionState& s = SessionState::current();
        QVERIFY(s.DosageId != previous);
        QCOMPARE(s.DosageKey, QStringLiteral("A'b\"c$d%e\\f"));
        QCOMPARE(s.InvoiceDeadline, QDate(2027, 12, 31));
    }

    void insertRefusals_data()
    {
        QTest::addColumn<QString>("authorization");
        QTest::addColumn<QString>("deadline");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("error");
        QTest::newRow("no legend") << "123"
                                   << "31/12/2027"
                                   << ""
                                   << "EL ALTO" << kMissing << "";
        QTest::newRow("no deadline") << "123"
                                     << ""
                                     << "LEY"
                                     << "EL ALTO" << kMissing << "";
        QTest::newRow("no branch city") << "123"
                                        << "31/12/2027"
                                        << "LEY"
                                        << "" << kMissing << "";
        QTest::newRow("no such day") << "123"
                                     << "31/02/2026"
                                     << "LEY"
                                     << "EL ALTO"
                                     << ""
                                     << "'31/02/2026' no es una fecha valida (DD/MM/AAAA)";
        QTest::newRow("month first") << "123"
                                     << "1/13/2026"
                                     << "LEY"
                                     << "EL ALTO"
                                     << ""
                                     << "'1/13/2026' no es una fecha valida (DD/MM/AAAA)";
        QTest::newRow("year first") << "123"
                                    << "2026/01/01"
                                    << "LEY"
                                    << "EL ALTO"
                                    << ""
                                    << "'2026/01/01' no es una fecha valida (DD/MM/AAAA)";
        QTest::newRow("letters in the number") << "12AB"
                                               << "31/12/2027"
                                               << "LEY"
                                               << "EL ALTO"
                                               << ""
                                               << "'12AB' no es un Numero de Autorizacion valido: solo puede tener digitos";
    }
    void insertRefusals()
    {
        QFETCH(QString, authorization);
        QFETCH(QString, deadline);
        QFETCH(QString, legend);
        QFETCH(QString, city);
        QFETCH(QString, info);
        QFETCH(QString, error);
        TaxShop t(2);
        const QString key = SessionState::current().DosageKey;
        auto window = t.open(1);
        typeDosage(*window, QString(), QStringLiteral("KEY"), deadline, legend);
        // Set, not typed: the field's key filter would keep the letters out.
        Drive::control<QLineEdit>(*window, "ENAutorizacion")->setText(authorization);
        Drive::type(*window, "ECiudad", city);
        Drive::click(*window, "SBInsertarDo");
        QCOMPARE(t.shop.messages.infos, info.isEmpty() ? QStringList() : QStringList{info});
        QCOMPARE(t.shop.messages.errors, error.isEmpty() ? QStringList() : QStringList{error});
        QVERIFY(t.shop.messages.questions.isEmpty());
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM Dosificaciones")), 1);
        QCOMPARE(SessionState::current().DosageKey, key);
        QCOMPARE(t.shop.programEnd.requests, 0);
    }

    // Retiring the active dosage and inserting the new one happen together, or not at all.
    void failedInsertKeepsTheActiveDosage_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("fails");
        QTest::newRow("answered no") << false << false;
        QTest::newRow("the insert fails") << true << true;
    }
    void failedInsertKeepsTheActiveDosage()
    {
        QFETCH(bool, answer);
        QFETCH(bool, fails);
        TaxShop t;
        if (fails)
            t.shop.db().execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Dosificaciones "
                                               "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
        const SessionState before = SessionState::current();
        auto window = t.open(1);
        typeDosage(*window, QStringLiteral("555"), QStringLiteral("NEWKEY"), QStringLiteral("31/12/2027"),
                   QStringLiteral("LEY"));
        t.shop.messages.answerNext(answer);
        Drive::click(*window, "SBInsertarDo");
        QCOMPARE(t.shop.messages.errors, fails ? QStringList{QStringLiteral("disco lleno")} : QStringList());
        QVERIFY(t.shop.messages.infos.isEmpty());
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM Dosificaciones WHERE Estado=1")), 1);
        QCOMPARE(t.count(QStringLiteral("SELECT IdDosificacion FROM Dosificaciones WHERE Estado=1")), before.DosageId);
        QCOMPARE(SessionState::current().DosageKey, before.DosageKey);
        QCOMPARE(SessionState::current().AuthorizationNumber, before.AuthorizationNumber);
        QCOMPARE(t.shop.programEnd.requests, 0);
    }

    // Correcting the active dosage: the branch writes its own address and the head office's from
    // the taxpayer data; the head office writes its address fields as its own.
    void updateActiveDosage_data()
    {
        QTest::addColumn<int>("branch");
        QTest::addColumn<QStringList>("expected");  // TelefonoS..CiudadM; the head office keeps the branch's
        QTest::newRow("head office") << 0 << QStringList{"2245678", "AV. 6 DE AGOSTO NRO 1234", "LA PAZ", "999", "AV. NUEVA",
                                                         "COBIJA"};
        QTest::newRow("branch") << 2 << QStringList{"777",   "C. NUEVA 5", "VIACHA", "2245678", "AV. 6 DE AGOSTO NRO 1234",
                                                    "LA PAZ"};
    }
    void updateActiveDosage()
    {
        QFETCH(int, branch);
        QFETCH(QStringList, expected);
        TaxShop t(branch);
        // The dosage row's head-office columns differ from the taxpayer data until rewritten.
        t.shop.db().execute(QStringLiteral("UPDATE Dosificaciones SET TelefonoM='1', DireccionM='VIEJA', CiudadM='X'"));
        auto window = t.open(1);
        choose(*window, "VecDo", 0);
        Drive::type(*window, "EFechaL", QStringLiteral("15/06/2027"));
        setMemo(*window, "MLeyenda", QStringLiteral("NUEVA LEYENDA"));
        if (branch) {
            Drive::type(*window, "ETelefono", QStringLiteral("777"));
            Drive::type(*window, "EDireccion", QStringLiteral("C. NUEVA 5"));
            Drive::type(*window, "ECiudad", QStringLiteral("VIACHA"));
        } else {
            // Not editable here: they show the row's head-office columns, which the statement rewrites.
            QCOMPARE(Drive::text(*window, "EDireccion"), QStringLiteral("VIEJA"));
            Drive::control<QLineEdit>(*window, "ETelefono")->setText(QStringLiteral("999"));
            Drive::control<QLineEdit>(*window, "EDireccion")->setText(QStringLiteral("AV. NUEVA"));
            Drive::control<QLineEdit>(*window, "ECiudad")->setText(QStringLiteral("COBIJA"));
        }
        Drive::click(*window, "SBActualizarDo");
        QCOMPARE(t.shop.messages.infos, QStringList{kUpdated});
        QCOMPARE(t.shop.programEnd.requests, 1);
        SqlRows row = t.dosages();
        QCOMPARE(row.text(4), QStringLiteral("2027-06-15"));
        QCOMPARE(row.text(5), QStringLiteral("NUEVA LEYENDA"));
        QStringList stored;
        for (int column = 6; column <= 11; ++column)
            stored << row.text(column);
        QCOMPARE(stored, expected);
        QCOMPARE(SessionState::current().InvoiceDeadline, QDate(2027, 6, 15));
    }

    void updateRefusedForAnInactiveDosage_data()
    {
        QTest::addColumn<bool>("retiredMeanwhile");
        QTest::newRow("a replaced dosage") << false;
        QTest::newRow("replaced by another station since the list was read") << true;
    }
    void updateRefusedForAnInactiveDosage()
    {
        QFETCH(bool, retiredMeanwhile);
        TaxShop t;
        t.shop.db().execute(QStringLiteral("INSERT INTO Dosificaciones(FechaR, NAutorizacion, Dosificacion, FLimiteE, "
                                           "Leyenda, Estado) VALUES('2025-01-01', '111', 'OLD', '2025-12-31', 'LEY', 0)"));
        auto window = t.open(1);
        choose(*window, "VecDo", retiredMeanwhile ? 1 : 0);  // newest first: row 0 is the old one
        if (retiredMeanwhile)
            t.shop.db().execute(QStringLiteral("UPDATE Dosificaciones SET Estado=0"));
        setMemo(*window, "MLeyenda", QStringLiteral("CAMBIO"));
        Drive::click(*window, "SBActualizarDo");
        QCOMPARE(t.shop.messages.infos, QStringList{kNotUpdatable});
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM Dosificaciones WHERE Leyenda='CAMBIO'")), 0);
        QCOMPARE(t.shop.programEnd.requests, 0);
    }

    void invoiceNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<qint64>("next");
        QTest::newRow("empty") << "" << kBadInvoiceNumber << qint64(1);
        QTest::newRow("zero") << "0" << kBadInvoiceNumber << qint64(1);
        QTest::newRow("two zeros") << "00" << kBadInvoiceNumber << qint64(1);
        QTest::newRow("issued under the active dosage")
            << "149"
            << "La factura Numero 149 ya fue emitida con la Dosificacion actual: el Numero de Factura a Iniciar debe "
               "ser mayor a 149"
            << qint64(1);
        QTest::newRow("next free") << "150"
                                   << "" << qint64(150);
        QTest::newRow("leading zero") << "0151"
                                      << "" << qint64(151);
    }
    void invoiceNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(qint64, next);
        TaxShop t;
        const QString session = t.shop.openCashSession(QDate(2026, 12, 9));
        // Invoices 149 under the active dosage and 900 under an older one.
        t.shop.db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, NroFact, IdCaja, IdDosificacion) "
                                           "VALUES('V000000001', '2026-12-09', 149, ?, ?), "
                                           "('V000000002', '2026-12-09', 900, ?, 99)"),
                            {session, SessionState::current().DosageId, session});
        auto window = t.open(1);
        QCOMPARE(Drive::text(*window, "ENumeroF"), QStringLiteral("1"));
        Drive::type(*window, "ENumeroF", typed);
        Drive::click(*window, "SBActualizarF");
        QCOMPARE(ReadInvoiceCounter(), next);
        if (refusal.isEmpty()) {
            QCOMPARE(t.shop.messages.questions.value(0).first, QStringLiteral("Numero de Factura"));
            QCOMPARE(t.shop.messages.infos,
                     QStringList{"Numero de Factura Actualizado Correctamente, el sistema se cerrara para actualizar datos"});
            QCOMPARE(t.shop.programEnd.requests, 1);
        } else {
            QVERIFY(t.shop.messages.questions.isEmpty());
            QCOMPARE(t.shop.messages.infos, QStringList{refusal});
            QCOMPARE(t.shop.programEnd.requests, 0);
        }
    }

    void taxpayerSaved()
    {
        TaxShop t;
        auto window = t.open(2);
        QCOMPARE(Drive::text(*window, "ENIT"), QStringLiteral("1000000010"));
        QCOMPARE(Drive::text(*window, "ESucursal"), QStringLiteral("CASA MATRIZ"));
        QVERIFY(Drive::control<QLineEdit>(*window, "ERazonS")->isReadOnly());
        QCOMPARE(Drive::text(*window, "EPropietario"), QStringLiteral("JUAN PEREZ MAMANI"));
        QSignalSpy saved(window.get(), &TFDatosF::taxpayerSaved);

        const QString activity = QStringLiteral("COMERCIO ").repeated(9).left(80);
        setMemo(*window, "MActividadE", activity);
        QCOMPARE(memo(*window, "MActividadE"), activity);
        Drive::type(*window, "EDireccionM", QStringLiteral("  C. JUNIN 5 "));
        Drive::type(*window, "ECiudadM", QStringLiteral("ORURO"));
        Drive::type(*window, "ETelefonoM", QStringLiteral("52-12345"));
        Drive::click(*window, "SBGuardarD");

        QCOMPARE(t.shop.messages.infos, QStringList{"Datos Actualizados Correctamente"});
        SqlRows row =
            t.shop.db().query(QStringLiteral("SELECT Propietario, TelefonoM, DireccionM, CiudadM, ActividadE FROM DatosC"));
        QCOMPARE(row.text(0), QStringLiteral("JUAN PEREZ MAMANI"));
        QCOMPARE(row.text(1), QStringLiteral("52-12345"));
        QCOMPARE(row.text(2), QStringLiteral("C. JUNIN 5"));
        QCOMPARE(row.text(3), QStringLiteral("ORURO"));
        QCOMPARE(row.text(4), activity.left(50));
        const SessionState& s = SessionState::current();
        QCOMPARE(s.EconomicActivity, activity.left(50));
        QCOMPARE(s.HeadOfficeAddress, QStringLiteral("C. JUNIN 5"));
        QCOMPARE(s.HeadOfficeCity, QStringLiteral("ORURO"));
        QCOMPARE(s.HeadOfficePhone, QStringLiteral("52-12345"));
        QCOMPARE(saved.count(), 1);
        QCOMPARE(t.shop.programEnd.requests, 0);  // the taxpayer data takes effect at once
        // Nothing chosen: the shown stand-in is not written as the shop's logo.
        QVERIFY(!QFile::exists(t.shop.folder() + "img/logoempresa.jpg"));
    }

    void taxpayerRefusedOrFailed_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("fails");
        QTest::newRow("no address") << "EDireccionM" << false;
        QTest::newRow("no city") << "ECiudadM" << false;
        QTest::newRow("no activity") << "MActividadE" << false;
        QTest::newRow("the write fails") << "" << true;
    }
    void taxpayerRefusedOrFailed()
    {
        QFETCH(QString, field);
        QFETCH(bool, fails);
        TaxShop t;
        if (fails)
            t.shop.db().execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON DatosC "
                                               "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
        auto window = t.open(2);
        QSignalSpy saved(window.get(), &TFDatosF::taxpayerSaved);
        Drive::type(*window, "ECiudadM", QStringLiteral("SUCRE"));
        if (field == QLatin1String("MActividadE"))
            setMemo(*window, "MActividadE", QString());
        else if (!field.isEmpty())
            Drive::type(*window, field.toLatin1().constData(), QStringLiteral("   "));
        Drive::click(*window, "SBGuardarD");
        if (fails)
            QCOMPARE(t.shop.messages.errors, QStringList{"disco lleno"});
        else
            QCOMPARE(t.shop.messages.infos, QStringList{"Inserte correctamente los Datos Requeridos *"});
        QCOMPARE(t.shop.messages.questions.size(), fails ? 1 : 0);
        QCOMPARE(t.shop.db().query(QStringLiteral("SELECT CiudadM FROM DatosC")).text(0), QStringLiteral("LA PAZ"));
        QCOMPARE(SessionState::current().HeadOfficeCity, QStringLiteral("LA PAZ"));
        QCOMPARE(saved.count(), 0);
    }

    // The chosen picture is stretched to 296 x 206 and becomes the logo the letter-size forms print.
    void logoSavedWhereTheReportsReadIt()
    {
        TaxShop t;
        const QString chosen = t.shop.folder() + "elegido.png";
        QImage picture(100, 50, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(chosen));
        auto window = t.open(2);
        t.shop.files.paths << chosen;
        QTest::mouseClick(Drive::control<QLabel>(*window, "Logo"), Qt::LeftButton);
        QVERIFY(t.shop.files.requests.value(0).endsWith("|Imagen JPEG (*.jpg *.jpeg)"));
        Drive::click(*window, "SBGuardarD");
        QVERIFY(t.shop.messages.errors.isEmpty());

        const QImage saved(t.shop.folder() + "img/logoempresa.jpg", "JPEG");
        QCOMPARE(saved.size(), QSize(296, 206));
        QVERIFY(qAbs(QColor(saved.pixel(148, 103)).red() - 255) < 8);
        ReportElement logo(ReportElement::Kind::Image, QStringLiteral("Logo"), QRect(0, 0, 100, 70));
        QVERIFY(ReportLogo::loadInto(&logo));
        QCOMPARE(logo.image().size(), QSize(296, 206));
    }

    void certificationReproducesTheAuthorityCases()
    {
        QFile file(AuthorityCaseFile());
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text),
                 qPrintable(QStringLiteral("The authority's case file is missing: ") + file.fileName()));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        TaxShop t;
        auto window = t.open(3);
        // Every 250th case, each typed into the fields as the taxpayer would.
        for (int i = 0; i < lines.size(); i += 250) {
            const QStringList f = lines[i].trimmed().split(QLatin1Char('|'));
            const QDate date = QDate::fromString(f[3], QStringLiteral("yyyy/MM/dd"));
            Drive::click(*window, "SBBorrerCC");
            Drive::type(*window, "EAutorizacionC", f[0]);
            setMemo(*window, "MDosificacionC", f[5]);
            Drive::type(*window, "ENFacturaC", f[1]);
            Drive::type(*window, "ECIC", f[2]);
            Drive::type(*window, "EFechaC", Formats::Date(date));
            Drive::type(*window, "EMontoC", f[4]);  // with its decimal comma
            Drive::click(*window, "SBGenerarCC");
            QVERIFY2(t.shop.messages.all.isEmpty(), qPrintable(t.shop.messages.all.join(" / ")));
            QCOMPARE(Drive::text(*window, "ECodigoC"), f[10]);
        }
    }

    void certificationRefusals_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty amount") << "EMontoC"
                                      << ""
                                      << "LLENE CORRECTAMENTE TODOS LOS DATOS"
                                      << "";
        QTest::newRow("empty NIT") << "ECIC"
                                   << ""
                                   << "LLENE CORRECTAMENTE TODOS LOS DATOS"
                                   << "";
        QTest::newRow("no such day") << "EFechaC"
                                     << "30/02/2008"
                                     << ""
                                     << "'30/02/2008' no es una fecha valida (DD/MM/AAAA)";
        QTest::newRow("two points") << "EMontoC"
                                    << "1.2.3"
                                    << ""
                                    << "'1.2.3' no es un valor numerico valido";
        QTest::newRow("letters in the NIT") << "ECIC"
                                            << "12A4"
                                            << ""
                                            << "El NIT/CI debe contener solo digitos";
    }
    void certificationRefusals()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, info);
        QFETCH(QString, error);
        TaxShop t;
        auto window = t.open(3);
        Drive::type(*window, "EAutorizacionC", QStringLiteral("7904006306693"));
        setMemo(*window, "MDosificacionC", QStringLiteral("zZ7Z]xssKqkEf_6K9uH(EcV+%x+u[Cca9T%+_$kiLjT8(zr3T9b5Fx2xG-D+_EBS"));
        Drive::type(*window, "ENFacturaC", QStringLiteral("876814"));
        Drive::type(*window, "ECIC", QStringLiteral("1665979"));
        Drive::type(*window, "EFechaC", QStringLiteral("19/05/2008"));
        Drive::type(*window, "EMontoC", QStringLiteral("35958.6"));
        Drive::click(*window, "SBGenerarCC");
        QCOMPARE(Drive::text(*window, "ECodigoC"), QStringLiteral("7B-F3-48-A8"));
        // Set, not typed: the key filters would keep most of these out.
        Drive::control<QLineEdit>(*window, field.toLatin1().constData())->setText(value);
        Drive::click(*window, "SBGenerarCC");
        QCOMPARE(t.shop.messages.infos, info.isEmpty() ? QStringList() : QStringList{info});
        QCOMPARE(t.shop.messages.errors, error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(Drive::text(*window, "ECodigoC"), QString());
    }

    void certificationRoundsHalfUp()
    {
        TaxShop t;
        auto window = t.open(3);
        Drive::type(*window, "EAutorizacionC", QStringLiteral("29040011007"));
        setMemo(*window, "MDosificacionC", QStringLiteral("9rCB7Sv4X29d)5k7N%3ab89p-3(5[A"));
        Drive::type(*window, "ENFacturaC", QStringLiteral("1503"));
        Drive::type(*window, "ECIC", QStringLiteral("4189179011"));
        Drive::type(*window, "EFechaC", QStringLiteral("19/06/2007"));
        Drive::type(*window, "EMontoC", QStringLiteral("1000.5"));
        Drive::click(*window, "SBGenerarCC");
        const QString rounded = ControlCode::GenerateControlCode("1503", "4189179011", "20070619", "1001",
                                                                 "9rCB7Sv4X29d)5k7N%3ab89p-3(5[A", "29040011007");
        QCOMPARE(Drive::text(*window, "ECodigoC"), rounded);
        QVERIFY(rounded
                != ControlCode::GenerateControlCode("1503", "4189179011", "20070619", "1000",
                                                    "9rCB7Sv4X29d)5k7N%3ab89p-3(5[A", "29040011007"));
    }

    void snapshots()
    {
        const QByteArray dir = qgetenv("CVI_SNAPSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to write the pictures of the dosage and taxpayer window");
        TaxShop t;
        QDir(t.shop.folder()).mkpath("img");
        QImage logo(296, 206, QImage::Format_RGB32);
        logo.fill(QColor(30, 90, 150));
        QPainter painter(&logo);
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 28, QFont::Bold));
        painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("MI NEGOCIO"));
        painter.end();
        QVERIFY(logo.save(t.shop.folder() + "img/logoempresa.jpg"));
        for (int mode : {1, 2, 3}) {
            auto window = t.open(mode);
            if (mode == 1)
                choose(*window, "VecDo", 0);
            if (mode == 3) {
                Drive::type(*window, "EAutorizacionC", QStringLiteral("7904006306693"));
                setMemo(*window, "MDosificacionC",
                        QStringLiteral("zZ7Z]xssKqkEf_6K9uH(EcV+%x+u[Cca9T%+_$kiLjT8(zr3T9b5Fx2xG-D+_EBS"));
                Drive::type(*window, "ENFacturaC", QStringLiteral("876814"));
                Drive::type(*window, "ECIC", QStringLiteral("1665979"));
                Drive::type(*window, "EFechaC", QStringLiteral("19/05/2008"));
                Drive::type(*window, "EMontoC", QStringLiteral("35958,6"));
                Drive::click(*window, "SBGenerarCC");
            }
            QVERIFY(window->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/datosf-%1.png").arg(mode)));
        }
    }
};

QTEST_MAIN(TstUDatosF)
#include "tst_udatosf.moc"
