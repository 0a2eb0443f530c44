#include "ProgramFiles.h"
#include "PrintCapture.h"
#include "SaleHistory.h"
#include "WindowDriver.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowClasses.h"
#include "app/ui/WindowDispatcher.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "sales/SaleAnnulment.h"
#include "sales/ui/SalesManagementPanel.h"
#include "sales/ui/USaldarD.h"
#include "tax/InvoiceQr.h"
#include "widgets/DataGrid.h"
#include "widgets/StatusShape.h"
#include "widgets/UBuscar2.h"

#include "QrDecoder.h"
#include "SaleSamples.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QToolButton>
#include <memory>

using namespace SaleHistory;

namespace {

const QString kCarlos = QStringLiteral("3344556");
const QString kCarlosName = QStringLiteral("CARLOS O'BRIEN ROCA");

// The demo shop after two days: on 9 December (a closed session) V000000001, MARIA's invoice of
// two COCA COLA 2L; V000000002, CARLOS's note of one FANTA NARANJA 2L; V000000003, MARIA's credit
// sale of three lines; on 10 December, the open session, V000000004 to CARLOS.
struct Shop {
    SalesShop s;
    PrintCapture print;
    QString earlierSession;

    explicit Shop(const std::function<void(Shop&)>& beforeTheNextDay = {})
    {
        SellTwoCocas();
        Sell(SalesShop::sale(PaymentForms::Cash, 0, "20", kCarlos, kCarlosName,
                             {SalesShop::line(kFanta, "1", "12", "FANTA NARANJA 2L")}));
        SellThreeLinesOnCredit();
        if (beforeTheNextDay)
            beforeTheNextDay(*this);
        earlierSession = s.session;
        NextSession(s, QDate(2026, 12, 10));
        Sell(SalesShop::sale(PaymentForms::Cash, 0, "20", kCarlos, kCarlosName,
                             {SalesShop::line(kCoca, "1", "12.5", "COCA COLA 2L")}));
        SessionState::current().ListYear = 2026;
        SessionState::current().WindowMode = 4;
        ProgramFiles::copyPicturesInto(s.shop.folder());
    }

    std::unique_ptr<TFSaldarD> open()
    {
        auto window = std::make_unique<TFSaldarD>();
        window->show();
        return window;
    }
};

DataGrid* List(const QWidget& w) { return Drive::control<DataGrid>(w, "VecV"); }
DataGrid* Lines(const QWidget& w) { return Drive::control<DataGrid>(w, "Vec1"); }

// The list as "IdVenta Cliente" rows, top down.
QStringList Listed(const QWidget& w)
{
    QStringList rows;
    DataGrid* list = List(w);
    for (int row = 0; row < list->rowCount(); ++row)
        rows << list->cell(SalesManagementPanel::VIdVenta, row) + ' ' + list->cell(SalesManagementPanel::VCliente, row);
    return rows;
}

void Choose(const QWidget& w, const QString& saleId)
{
    const int row = List(w)->findRow(SalesManagementPanel::VIdVenta, saleId);
    if (row < 0)
        qFatal("sale %s is not listed", qPrintable(saleId));
    Drive::clickCell(w, "VecV", row, SalesManagementPanel::VCliente);
}

// Every element of that name on the first page of the last preview, top down.
QStringList Column(const PrintCapture& print, const QString& name)
{
    QStringList texts;
    for (const PlacedElement& item : print.previews.shown.last().pages.first().items)
        if (item.name == name)
            texts << item.text;
    return texts;
}

QStringList Texts(const TicketJob& job)
{
    QStringList texts;
    for (const TicketMark& mark : job.marks)
        texts << mark.text;
    return texts;
}

}

class TstUSaldarD : public QObject {
    Q_OBJECT
private slots:
    void opening()
    {
        Shop shop;
        auto w = shop.open();
        QCOMPARE(w->windowTitle(), QStringLiteral("Gestionar Ventas"));
        QCOMPARE(w->mode(), 4);
        QVERIFY(Drive::visible(*w, "PBuscarV"));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Gestionar Ventas"));
        QCOMPARE(Drive::text(*w, "EAnioV"), QStringLiteral("2026"));
        auto* vouchers = Drive::control<QComboBox>(*w, "CBComprobante");
        QCOMPARE(vouchers->count(), 3);
        QCOMPARE(vouchers->currentIndex(), 1);
        QCOMPARE(Drive::control<QComboBox>(*w, "CBFormaP")->count(), 4);
        QVERIFY(!Drive::enabled(*w, "SBAnular"));
        QVERIFY(!Drive::enabled(*w, "SBImprimir"));
        QCOMPARE(Drive::control<QToolButton>(*w, "SBImprimir")->text(), QStringLiteral("I M P R I M I R"));
        QCOMPARE(Drive::control<QToolButton>(*w, "SBuscar2")->toolTip(), QStringLiteral("Buscar Factura"));
        // A client's many sales are told apart by date, order and total, shown after the name.
        QStringList shown;
        for (int place = 0; place < List(*w)->columnCount(); ++place) {
            const int column = List(*w)->horizontalHeader()->logicalIndex(place);
            if (!List(*w)->isColumnHidden(column))
                shown << List(*w)->horizontalHeaderItem(column)->text();
        }
        QCOMPARE(shown, (QStringList{"Nº", "Cliente", "Fecha", "Orden", "Total"}));

        // Before any window set the list year, the clock's year is listed.
        SessionState::current().ListYear = 0;
        auto fresh = shop.open();
        QCOMPARE(Drive::text(*fresh, "EAnioV"), QStringLiteral("2026"));
        QCOMPARE(List(*fresh)->rowCount(), 3);
    }

    // The year's sales of earlier sessions, by client and newest first; annulled ones stay, under
    // the name they now carry.
    void yearList_data()
    {
        QTest::addColumn<bool>("sessionOpen");
        QTest::addColumn<bool>("annulFirst");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("the open session's sales are absent")
            << true << false
            << QStringList{"V000000002 " + kCarlosName, "V000000003 " + kMariaName, "V000000001 " + kMariaName};
        QTest::newRow("no open session: all of the year")
            << false << false
            << QStringList{"V000000004 " + kCarlosName, "V000000002 " + kCarlosName, "V000000003 " + kMariaName,
                           "V000000001 " + kMariaName};
        QTest::newRow("an annulled sale under ANULADO")
            << true << true << QStringList{"V000000001 ANULADO", "V000000002 " + kCarlosName, "V000000003 " + kMariaName};
    }
    void yearList()
    {
        QFETCH(bool, sessionOpen);
        QFETCH(bool, annulFirst);
        QFETCH(QStringList, listed);
        Shop shop([annulFirst](Shop&) {
            if (annulFirst)
                QVERIFY(SaleAnnulment::Annul(QStringLiteral("V000000001")).annulled);
        });
        if (!sessionOpen)
            SessionState::current().CashOpen = 0;
        auto w = shop.open();
        QCOMPARE(Listed(*w), listed);
        DataGrid* list = List(*w);
        for (int row = 0; row < list->rowCount(); ++row) {
            QCOMPARE(list->cell(SalesManagementPanel::VNumero, row), QString::number(row + 1));
            const bool annulled = list->cell(SalesManagementPanel::VEstado, row) == "A";
            QCOMPARE(list->cellColor(SalesManagementPanel::VCliente, row) == SalesManagementPanel::AnnulledMark, annulled);
            QCOMPARE(list->cellColor(SalesManagementPanel::VNumero, row) == SalesManagementPanel::AnnulledMark, annulled);
        }
        const int invoice = list->findRow(SalesManagementPanel::VIdVenta, "V000000001");
        QCOMPARE(list->cell(SalesManagementPanel::VNroFact, invoice), QStringLiteral("1"));
        QCOMPARE(list->cell(SalesManagementPanel::VNitCI, invoice), annulFirst ? "0" : kMaria);
    }

    // A year is listed once it is whole and in range; anything else lists nothing and says nothing.
    void yearChange()
    {
        Shop shop;
        // A sale of the year before, in a session of its own.
        shop.s.db().execute("INSERT INTO Caja(IdCaja, Fecha, Estado) VALUES('C000000099', '2025-12-30', 0)");
        shop.s.db().execute("INSERT INTO Ventas(IdVenta, FechaV, NitCI, Cliente, TotalF, TotalE, IdCaja) "
                            "VALUES('V000000099', '2025-12-30', ?, ?, 9, 9, 'C000000099')",
                            {kMaria, kMariaName});
        auto w = shop.open();
        QCOMPARE(List(*w)->rowCount(), 3);
        Drive::type(*w, "EAnioV", "2025");
        QCOMPARE(Listed(*w), QStringList{"V000000099 " + kMariaName});
        QCOMPARE(SessionState::current().ListYear, 2025);
        for (const char* typed : {"20", "2017", "2101"}) {
            Drive::type(*w, "EAnioV", QString::fromLatin1(typed));
            QCOMPARE(List(*w)->rowCount(), 0);
            QCOMPARE(SessionState::current().ListYear, 2025);
        }
        Drive::type(*w, "EAnioV", "2x026");  // digits only
        QCOMPARE(Drive::text(*w, "EAnioV"), QStringLiteral("2026"));
        QCOMPARE(List(*w)->rowCount(), 3);
        QVERIFY(shop.s.shop.messages.all.isEmpty());
    }

    void choosingASale()
    {
        Shop shop([](Shop& sh) {
            sh.s.db().execute("UPDATE Clientes SET Empresa='EL SOL SRL' WHERE NitCI=?", {kMaria});
            sh.s.db().execute("UPDATE Ventas SET Obs='A DOMICILIO' WHERE IdVenta='V000000003'");
        });
        auto w = shop.open();
        Choose(*w, "V000000003");
        QCOMPARE(Drive::text(*w, "EIdVenta"), QStringLiteral("V000000003"));
        QCOMPARE(Drive::text(*w, "ENitC"), kMaria);
        QCOMPARE(Drive::text(*w, "ENombreC"), kMariaName);
        QCOMPARE(Drive::text(*w, "ETotal"), QStringLiteral("68.00"));
        QCOMPARE(Drive::text(*w, "EEfectivo"), QStringLiteral("20.00"));
        QCOMPARE(Drive::text(*w, "ECambio"), QStringLiteral("48.00"));
        QCOMPARE(Drive::text(*w, "EObs1"), QStringLiteral("A DOMICILIO"));
        QCOMPARE(Drive::control<QComboBox>(*w, "CBFormaP")->currentText(), QStringLiteral("CREDITO"));
        QCOMPARE(Drive::control<QComboBox>(*w, "CBComprobante")->currentIndex(), 0);
        QStringList lines;
        DataGrid* grid = Lines(*w);
        for (int row = 0; row < grid->rowCount(); ++row)
            lines << QStringList{grid->cell(0, row), grid->cell(4, row), grid->cell(6, row),
                                 grid->cell(8, row), grid->cell(9, row), grid->cell(SalesManagementPanel::LPVenta, row)}
                         .join(' ');
        QCOMPARE(lines, (QStringList{"2 COCA COLA 2L UNIDAD 12.50 25.00 12.50", "1 LECHE PIL 1L UNIDAD 7.00 7.00 7.00",
                                     "3 FANTA NARANJA 2L UNIDAD 12.00 36.00 12.00"}));
        QCOMPARE(Drive::control<StatusShape>(*w, "SEstado")->colour(), QColor(Qt::green));
        QVERIFY(Drive::enabled(*w, "SBAnular") && Drive::enabled(*w, "SBImprimir"));
        auto* panel = Drive::control<SalesManagementPanel>(*w, "PBuscarV");
        QCOMPARE(panel->chosenSale()->clientCompany, QStringLiteral("EL SOL SRL"));

        // The invoice carries its dosage: deadline and legend, the legend wrapped for the ticket.
        Choose(*w, "V000000001");
        const std::optional<StoredSale>& invoice = panel->chosenSale();
        QVERIFY(invoice && invoice->dosage);
        const SqlRows dosage = shop.s.row("SELECT FLimiteE, Leyenda FROM Dosificaciones WHERE Estado=1");
        QCOMPARE(invoice->dosage->deadline, dosage.date(0));
        QCOMPARE(invoice->voucher().invoiceLegendLines(), WrapText("LEY Nº 453: \"" + dosage.text(1) + "\"", 30));
    }

    void annulFromManagement()
    {
        Shop shop;
        auto w = shop.open();
        Choose(*w, "V000000001");
        const QStringList session = [&] {
            QStringList cells;
            const SqlRows r = shop.s.row("SELECT * FROM Caja WHERE IdCaja=?", {shop.earlierSession});
            for (int c = 0; c < r.columnCount(); ++c)
                cells << r.text(c);
            return cells;
        }();
        const ShopState before = ShopState::read(shop.s.db());
        shop.s.shop.messages.answerNext(false);
        Drive::click(*w, "SBAnular");
        QCOMPARE(shop.s.shop.messages.questions.size(), 1);
        QCOMPARE(shop.s.shop.messages.questions.first(),
                 qMakePair(QStringLiteral("Anular Venta"), QStringLiteral("Esta Seguro de querer Anular esta Venta? ")));
        QCOMPARE(ShopState::read(shop.s.db()), before);

        const double stock = shop.s.stock(kCoca);
        Drive::click(*w, "SBAnular");
        QCOMPARE(shop.s.shop.messages.infos, QStringList{"Venta Anulada Correctamente"});
        QCOMPARE(shop.s.stock(kCoca), stock + 2);
        QCOMPARE(Listed(*w).first(), QStringLiteral("V000000001 ANULADO"));
        QCOMPARE(Drive::text(*w, "ENombreC"), QStringLiteral("ANULADO"));
        QCOMPARE(Drive::text(*w, "ETotal"), QStringLiteral("0.00"));
        auto* shape = Drive::control<StatusShape>(*w, "SEstado");
        QCOMPARE(shape->colour(), QColor(Qt::red));
        QCOMPARE(shape->toolTip(), QStringLiteral("Venta Anulada"));
        QVERIFY(!Drive::enabled(*w, "SBAnular") && !Drive::enabled(*w, "SBImprimir"));
        QCOMPARE(List(*w)->currentRow(), 0);
        const SqlRows r = shop.s.row("SELECT * FROM Caja WHERE IdCaja=?", {shop.earlierSession});
        for (int c = 0; c < r.columnCount(); ++c)
            QCOMPARE(r.text(c), session.at(c));
    }

    // Two windows on one sale (two counters, or a screen left open): the second annulment is told
    // and the stock comes back once.
    void secondWindowAnnulsOnce()
    {
        Shop shop;
        auto first = shop.open();
        auto second = shop.open();
        Choose(*first, "V000000003");
        Choose(*second, "V000000003");
        const double coca = shop.s.stock(kCoca), leche = shop.s.stock(kLeche), fanta = shop.s.stock(kFanta);
        Drive::click(*first, "SBAnular");
        Drive::click(*second, "SBAnular");
        QCOMPARE(shop.s.shop.messages.infos, (QStringList{"Venta Anulada Correctamente", "La Venta ya fue Anulada"}));
        QCOMPARE(shop.s.stock(kCoca), coca + 2);
        QCOMPARE(shop.s.stock(kLeche), leche + 1);
        QCOMPARE(shop.s.stock(kFanta), fanta + 3);
        QCOMPARE(Drive::control<StatusShape>(*second, "SEstado")->colour(), QColor(Qt::red));
    }

    // A sale printed again from what was stored, in the voucher its print format and kind call for;
    // nothing is written.
    void reprint_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("sale");
        QTest::addColumn<QStringList>("tickets");
        QTest::addColumn<QString>("preview");
        QTest::newRow("roll, invoice") << 0 << "V000000001" << QStringList{"FACTURA"} << "";
        QTest::newRow("roll, credit note") << 0 << "V000000003" << QStringList{"Ticket Venta"} << "";
        QTest::newRow("letter, invoice") << 1 << "V000000001" << QStringList{} << "Imprimir Factura";
        QTest::newRow("letter, note") << 1 << "V000000002" << QStringList{} << "NOTA DE REMISION";
    }
    void reprint()
    {
        QFETCH(int, format);
        QFETCH(QString, sale);
        QFETCH(QStringList, tickets);
        QFETCH(QString, preview);
        Shop shop;
        SessionState& state = SessionState::current();
        // A new dosage is active now; the invoice prints under its own.
        const SqlRows own = shop.s.row("SELECT FLimiteE FROM Dosificaciones WHERE Estado=1");
        shop.s.db().execute("UPDATE Dosificaciones SET Estado=0");
        shop.s.db().execute("INSERT INTO Dosificaciones(FechaR, NAutorizacion, Dosificacion, FLimiteE, Leyenda) "
                            "VALUES('2026-12-10', '7904006306693', 'clave', '2027-06-30', 'OTRA LEYENDA')");
        shop.s.shop.login();
        QCOMPARE(state.AuthorizationNumber, QStringLiteral("7904006306693"));
        state.PrintFormat = format;
        state.UserLogin = QStringLiteral("ana");
        auto w = shop.open();
        Choose(*w, sale);
        const ShopState before = ShopState::read(shop.s.db());
        Drive::click(*w, "SBImprimir");
        QVERIFY2(shop.s.shop.messages.all.isEmpty(), qPrintable(shop.s.shop.messages.all.join('\n')));
        QCOMPARE(ShopState::read(shop.s.db()), before);
        QStringList titles;
        for (const TicketJob& job : shop.print.tickets.jobs)
            titles << job.title;
        QCOMPARE(titles, tickets);
        QCOMPARE(shop.print.previews.shown.size(), preview.isEmpty() ? 0 : 1);

        const SqlRows stored =
            shop.s.row("SELECT NroFact, FechaV, TotalF, CodigoC, NitCI FROM Ventas WHERE IdVenta=?", {sale});
        const QString qrText = BuildInvoiceQrText(state.TaxpayerNit, stored.integer(0), QStringLiteral("29040011007"),
                                                  stored.date(1), stored.amount(2), stored.text(3), stored.text(4));
        const QString deadline = Formats::Date(own.date(0));
        if (format == 0 && sale == "V000000001") {
            const QStringList texts = Texts(shop.print.tickets.jobs.first());
            QVERIFY(texts.contains("            FACTURA  ORIGINAL"));
            QVERIFY(texts.contains("    AUTORIZACION Nº: 29040011007"));
            QVERIFY(texts.contains("FECHA LIMITE DE EMISION: " + deadline));
            QVERIFY(texts.contains("GRACIAS POR SU PREFERENCIA... 1"));
            const TicketMark* qr = nullptr;
            for (const TicketMark& mark : shop.print.tickets.jobs.first().marks)
                if (!mark.image.isNull())
                    qr = &mark;
            QVERIFY(qr);
            QCOMPARE(QrDecoder::Decode(qr->image), QStringList{qrText});
        } else if (format == 0) {
            const QStringList texts = Texts(shop.print.tickets.jobs.first());
            QCOMPARE(texts.mid(texts.size() - 4),
                     (QStringList{"                            TOTAL: 68.00", "                         EFECTIVO: 20.00",
                                  "                            SALDO: 48.00", "       GRACIAS POR SU PREFERENCIA"}));
        } else if (sale == "V000000001") {
            QCOMPARE(shop.print.previews.shown.first().pageCount(), 1);
            QCOMPARE(shop.print.label("LNroAut"), QStringLiteral("AUTORIZACION Nº: 29040011007"));
            QCOMPARE(shop.print.label("LFechaL"), "Fecha Límite de Emisión: " + deadline);
            QCOMPARE(shop.print.label("LFichaC"), QStringLiteral("ID/Cajero: 1/ana"));
            QCOMPARE(Column(shop.print, "LDescripcion").mid(0, 2), (QStringList{"COCA COLA 2L", ""}));
            const PlacedElement* qr = shop.print.previews.shown.first().pages.first().find("ImageQR");
            QCOMPARE(QrDecoder::Decode(qr->image), QStringList{qrText});
        } else {
            QCOMPARE(shop.print.previews.shown.first().pageCount(), 1);
            QCOMPARE(shop.print.label("LNOrden"), QStringLiteral("Nº: V000000002"));
            QCOMPARE(Column(shop.print, "LProducto").mid(0, 2), (QStringList{"FANTA NARANJA 2L", ""}));
        }
    }

    // A sale of eight lines (more than the register's cart allows, as an order may hold) prints its
    // first seven on the letter invoice and no observation row.
    void eightLinesOnTheLetterInvoice()
    {
        Shop shop([](Shop&) {
            QList<SaleLine> lines;
            for (int i = 1; i <= 8; ++i)
                lines << SalesShop::line(QStringLiteral("P%1").arg(i, 9, 10, QLatin1Char('0')), "1", "1");
            SaleInput in = SalesShop::sale(PaymentForms::Cash, 1, "8", kMaria, kMariaName, lines);
            in.observation = QStringLiteral("NO VA");
            Sell(in);
        });
        SessionState::current().PrintFormat = 1;
        auto w = shop.open();
        Choose(*w, "V000000004");
        Drive::click(*w, "SBImprimir");
        QCOMPARE(shop.print.previews.shown.size(), 1);
        const QStringList rows = Column(shop.print, "LDescripcion");
        QCOMPARE(rows.size(), 7);
        QVERIFY(!rows.contains("NO VA") && !rows.contains(""));
    }

    void searchOpensModeTwo()
    {
        Shop shop;
        SessionState::current().ListYear = 2024;
        auto w = shop.open();
        auto* panel = Drive::control<SalesManagementPanel>(*w, "PBuscarV");
        Drive::click(*w, "SBuscar2");  // an empty list has nothing to search
        QVERIFY(!panel->searchDialog()->isVisible());

        Drive::type(*w, "EAnioV", "2026");
        Drive::click(*w, "SBuscar2");
        TFBuscar2* search = panel->searchDialog();
        QVERIFY(search->isVisible());
        QCOMPARE(search->mode(), SearchDialogMode::SalesManagement);
        QCOMPARE(search->windowTitle(), QStringLiteral("Buscar Registros"));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operación: Buscando Registros"));
        search->setOption(TFBuscar2::ByName);
        search->setSearchText(QStringLiteral("carlos"));
        QVERIFY(search->findNext());
        QCOMPARE(List(*w)->cell(SalesManagementPanel::VIdVenta, List(*w)->currentRow()), QStringLiteral("V000000002"));
        QCOMPARE(Drive::text(*w, "EIdVenta"), QStringLiteral("V000000002"));  // choosing it by search shows it
        search->setOption(TFBuscar2::ByNumber);
        search->setSearchText(QStringLiteral("1"));
        QVERIFY(search->findNext());
        QCOMPARE(List(*w)->cell(SalesManagementPanel::VIdVenta, List(*w)->currentRow()), QStringLiteral("V000000001"));
        search->setOption(TFBuscar2::ByNitCI);
        search->setSearchText(kCarlos);
        QVERIFY(search->findNext());
        QCOMPARE(List(*w)->cell(SalesManagementPanel::VIdVenta, List(*w)->currentRow()), QStringLiteral("V000000002"));
    }

    // "Gestionar Ventas" opens the window in mode 4 without a cash gate.
    void gestionarVentasCommand()
    {
        Shop shop;
        SessionState::current().CashOpen = 0;
        TFPrincipal main;
        main.loginTimer()->stop();
        main.setGeometry(0, 0, 1366, 768);  // a frame with room below the window's top
        main.show();
        SessionState::current().WindowMode = 0;
        QVERIFY(main.dispatcher()->isWired("V3"));
        main.command("V3")->setEnabled(true);
        main.command("V3")->trigger();
        QMdiSubWindow* sub = main.mdiArea()->activeSubWindow();
        QVERIFY(sub);
        auto* window = qobject_cast<TFSaldarD*>(sub->widget());
        QVERIFY(window);
        QCOMPARE(window->mode(), 4);
        QCOMPARE(SessionState::current().WindowMode, 4);
        QCOMPARE(sub->y(), 10);
        QCOMPARE(Listed(*window).size(), 4);  // no open session: the whole year
        QVERIFY(shop.s.shop.messages.all.isEmpty());
        main.command("V3")->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
    }

    // Not a check: pictures for a person to look at when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render sales management");
        Shop shop([](Shop&) { QVERIFY(SaleAnnulment::Annul(QStringLiteral("V000000002")).annulled); });
        auto w = shop.open();
        w->resize(w->sizeHint());
        Choose(*w, "V000000003");
        QVERIFY(w->grab().save(folder + "/gestionar-ventas.png"));
        Choose(*w, "V000000002");
        QVERIFY(w->grab().save(folder + "/gestionar-ventas-anulada.png"));
        Drive::click(*w, "SBuscar2");
        auto* panel = Drive::control<SalesManagementPanel>(*w, "PBuscarV");
        panel->searchDialog()->setSearchText(QStringLiteral("MARIA"));
        QVERIFY(panel->searchDialog()->grab().save(folder + "/buscar-ventas.png"));

        // Inside the main window, as "Gestionar Ventas" places it.
        TFPrincipal main;
        main.loginTimer()->stop();
        main.show();
        main.command("V3")->setEnabled(true);
        main.command("V3")->trigger();
        QVERIFY(main.grab().save(folder + "/principal-gestionar-ventas.png"));
    }
};

QTEST_MAIN(TstUSaldarD)
#include "tst_usaldard.moc"
