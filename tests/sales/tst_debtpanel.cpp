#include "DebtShop.h"
#include "PrintCapture.h"
#include "WindowDriver.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "data/MainStatus.h"
#include "sales/ui/DebtPanel.h"
#include "sales/Instalment.h"
#include "sales/ui/USaldarD.h"
#include "widgets/DataGrid.h"
#include "widgets/WindowStatusBar.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <memory>

Q_DECLARE_METATYPE(DebtSide)

namespace {

const QString kCarlosName = QStringLiteral("CARLOS O'BRIEN ROCA");

// The shop of DebtShop with MARIA's credit sale V000000001 of 9 December (68, 20 down), CARLOS's
// V000000002 of the open session (30, nothing down), and the credit purchase P000000001 from
// ANDINA of 9 December (100, 40 down); the window's lists stand on 2026.
struct DebtWindow {
    DebtShop d;
    PrintCapture print;

    DebtWindow()
    {
        d.credit(DebtSide::Sales, "V000000001", d.earlier, QDate(2026, 12, 9), 68, 20);
        d.credit(DebtSide::Sales, "V000000002", d.open, QDate(2026, 12, 10), 30, 0, "3344556", kCarlosName);
        d.credit(DebtSide::Purchases, "P000000001", d.earlier, QDate(2026, 12, 9), 100, 40);
        SessionState::current().ListYear = 2026;
    }

    std::unique_ptr<TFSaldarD> open(DebtSide side)
    {
        SessionState::current().WindowMode = side == DebtSide::Sales ? 3 : 5;
        auto window = std::make_unique<TFSaldarD>();
        window->show();
        return window;
    }
};

struct Controls {
    const char *list, *year, *search, *order, *date, *nit, *name, *total, *paid, *owed, *amount, *pay;
    const char *hList, *hYear, *hOrder, *hDate, *hAmount, *hPaymentDate, *annul;
};
const Controls kSales{"VecD",     "EAnio",    "EBuscar",  "ENOrden",    "EFechaV",  "ENitCI", "ECliente",
                      "ETotalF",  "ETotalE",  "ESaldo",   "EAmortizar", "SBSaldar", "VecHS",  "EAnio2",
                      "ENOrden2", "EFechaV2", "ETotalA2", "EFechaA2",   "SBAnular2"};
const Controls kPurchases{"VecP",     "EAnioP",     "EBuscarP", "ENOrdenC",    "EFechaC",   "ENitCIP", "ENombreP",
                          "ETotalP",  "EEfectivoP", "ESaldoP",  "EAmortizarP", "SBSaldarP", "VecHP",   "EAnio3",
                          "ENOrden3", "EFechaC3",   "ETotalA3", "EFechaA3",    "SBAnular3"};
const Controls& ControlsOf(DebtSide side) { return side == DebtSide::Sales ? kSales : kPurchases; }

DataGrid* Grid(const QWidget& w, const char* name) { return Drive::control<DataGrid>(w, name); }

QStringList Listed(const QWidget& w, const char* list)
{
    QStringList names;
    for (int row = 0; row < Grid(w, list)->rowCount(); ++row)
        names << Grid(w, list)->cell(DebtPanel::DNombre, row);
    return names;
}

// The shown columns' titles in their order on screen.
QStringList Visible(const DataGrid* grid)
{
    QStringList headers;
    for (int place = 0; place < grid->columnCount(); ++place) {
        const int column = grid->horizontalHeader()->logicalIndex(place);
        if (!grid->isColumnHidden(column))
            headers << grid->horizontalHeaderItem(column)->text();
    }
    return headers;
}

void Choose(const QWidget& w, const char* list, const QString& key, int keyColumn)
{
    const int row = Grid(w, list)->findRow(keyColumn, key);
    if (row < 0)
        qFatal("%s is not in %s", qPrintable(key), list);
    Drive::clickCell(w, list, row, DebtPanel::DNombre);
}

}

class TstDebtPanel : public QObject {
    Q_OBJECT
private slots:
    void opening_data()
    {
        QTest::addColumn<DebtSide>("side");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("3") << DebtSide::Sales << "Cobrar Deudas"
                           << "PSaldarD" << QStringList{"Saldar Deudas", "Historial Saldos Amortizados"}
                           << QStringList{kCarlosName, "MARIA QUISPE CONDORI"};
        QTest::newRow("5") << DebtSide::Purchases << "Pagar Deudas"
                           << "PPorPagar" << QStringList{"Pagar Deudas", "Historial Deudas Pagadas"}
                           << QStringList{"EMBOTELLADORA ANDINA SA"};
    }
    void opening()
    {
        QFETCH(DebtSide, side);
        QFETCH(QString, caption);
        QFETCH(QString, panel);
        QFETCH(QStringList, tabs);
        QFETCH(QStringList, listed);
        DebtWindow t;
        Instalment::Pay(InstalmentInput::fromSession(side, side == DebtSide::Sales ? "V000000001" : "P000000001", "5"));
        auto w = t.open(side);
        const Controls& n = ControlsOf(side);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(Drive::control<WindowStatusBar>(*w, "SBar1")->caption(), caption);
        QCOMPARE(MainStatus::text(3), "Operacion: " + caption);
        QCOMPARE(w->panel()->objectName(), panel);
        auto* tabWidget = Drive::control<QWidget>(*w, qPrintable(panel))->findChild<QTabWidget*>();
        QCOMPARE(tabWidget->count(), 2);
        QCOMPARE(tabWidget->tabText(0), tabs.at(0));
        QCOMPARE(tabWidget->tabText(1), tabs.at(1));
        QCOMPARE(Drive::text(*w, n.year), QStringLiteral("2026"));
        QCOMPARE(Drive::text(*w, n.hYear), QStringLiteral("2026"));
        const QString heading = side == DebtSide::Sales ? "Cliente" : "Proveedor";
        // One name owes or paid several times: date, number and amounts tell the rows apart.
        QCOMPARE(Visible(Grid(*w, n.list)), (QStringList{heading, "Fecha", "Nº", "Total", "Saldo"}));
        QCOMPARE(Visible(Grid(*w, n.hList)), (QStringList{heading, "Fecha", "Nº", "Monto"}));
        QCOMPARE(Listed(*w, n.list), listed);
        QCOMPARE(Grid(*w, n.hList)->rowCount(), 1);
        QVERIFY(!Drive::enabled(*w, n.pay));
        QVERIFY(!Drive::enabled(*w, n.annul));
        QCOMPARE(Drive::control<QAbstractButton>(*w, n.pay)->text(), QStringLiteral("SALDAR DEUDA"));
        QCOMPARE(Drive::control<QAbstractButton>(*w, n.annul)->text(), QStringLiteral(" A N U L A R"));
        QCOMPARE(Drive::control<QLineEdit>(*w, n.amount)->maxLength(), 12);
        if (side == DebtSide::Purchases)
            QVERIFY(!Drive::control<QWidget>(*w, "EObsP")->isVisibleTo(w.get()));
        QCOMPARE(t.d.shop.messages.all, QStringList());
    }

    // Both commands need the open cash session; each opens a fresh window in its own mode.
    void commands()
    {
        DebtWindow t;
        TFPrincipal main;
        main.loginTimer()->stop();
        SessionState& s = SessionState::current();
        for (const char* command : {"V2", "C4"}) {
            QVERIFY(main.dispatcher()->isWired(command));
            main.command(command)->setEnabled(true);
        }
        s.CashOpen = 0;
        main.command("V2")->trigger();
        QCOMPARE(t.d.shop.messages.infos, QStringList{"La CAJA no esta Abierta"});
        QCOMPARE(main.mdiArea()->subWindowList().size(), 0);
        s.CashOpen = 1;
        for (const auto& [command, mode] : {std::pair{"V2", 3}, std::pair{"C4", 5}, std::pair{"V2", 3}}) {
            main.command(command)->trigger();
            QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
            auto* window = qobject_cast<TFSaldarD*>(main.mdiArea()->subWindowList().first()->widget());
            QVERIFY(window);
            QCOMPARE(window->mode(), mode);
            QCOMPARE(s.WindowMode, mode);
        }
    }

    // Choosing, typing, paying: the fields as listed, the button as the amount allows, the
    // question, the ticket after the commit and the lists afresh.
    void collecting_data()
    {
        QTest::addColumn<DebtSide>("side");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("above");
        QTest::newRow("client") << DebtSide::Sales << "V000000001" << QStringList{"000000001", "09 de diciembre de 2026",
                                                                                  "4567890",   "MARIA QUISPE CONDORI",
                                                                                  "68.00",     "20.00",
                                                                                  "48.00"}
                                << "Saldar Deuda"
                                << "30.00|38.00|2|V"
                                << "48.01";
        QTest::newRow("supplier") << DebtSide::Purchases << "P000000001"
                                  << QStringList{"000000001",  "09 de diciembre de 2026",
                                                 "1023456027", "EMBOTELLADORA ANDINA SA",
                                                 "100.00",     "40.00",
                                                 "60.00"}
                                  << "Pagar Deuda"
                                  << "50.00|50.00|2|V"
                                  << "60.01";
    }
    void collecting()
    {
        QFETCH(DebtSide, side);
        QFETCH(QString, key);
        QFETCH(QStringList, fields);
        QFETCH(QString, title);
        QFETCH(QString, stored);
        QFETCH(QString, above);
        DebtWindow t;
        auto w = t.open(side);
        const Controls& n = ControlsOf(side);
        Choose(*w, n.list, key, DebtPanel::DId);
        QStringList shown;
        for (const char* field : {n.order, n.date, n.nit, n.name, n.total, n.paid, n.owed})
            shown << Drive::text(*w, field);
        QCOMPARE(shown, fields);
        if (side == DebtSide::Sales)
            QCOMPARE(Drive::text(*w, "EObsD"), QStringLiteral("ENTREGA EL LUNES"));

        Drive::type(*w, n.amount, above);  // a cent more than owed
        QVERIFY(!Drive::enabled(*w, n.pay));
        Drive::type(*w, n.amount, "10");
        QVERIFY(Drive::enabled(*w, n.pay));
        t.d.shop.messages.answerNext(false);
        Drive::click(*w, n.pay);
        QCOMPARE(t.d.debt(side, key), fields.at(5) + '|' + fields.at(6) + "|2|V");
        QCOMPARE(t.print.tickets.jobs.size(), 0);

        Drive::click(*w, n.pay);
        QCOMPARE(t.d.shop.messages.questions.last(),
                 (QPair<QString, QString>{title, "Esta Seguro de Amortizar esta Deuda?..."}));
        QCOMPARE(t.d.debt(side, key), stored);
        QCOMPARE(t.print.tickets.jobs.size(), 1);
        QCOMPARE(t.print.tickets.jobs.first().title, QStringLiteral("Ticket Amortizacion"));
        QCOMPARE(t.d.shop.messages.infos + t.d.shop.messages.errors, QStringList());
        // Ready for the next one: nothing chosen, the payment in the history.
        for (const char* field : {n.search, n.order, n.date, n.nit, n.name, n.total, n.paid, n.owed, n.amount})
            QCOMPARE(Drive::text(*w, field), QString());
        QVERIFY(!Drive::enabled(*w, n.pay));
        QCOMPARE(Grid(*w, n.hList)->rowCount(), 1);
        QCOMPARE(Grid(*w, n.hList)->cell(DebtPanel::PTotalE, 0), QStringLiteral("10.00"));
    }

    // Text the field lets through that is no amount says so, asks nothing and writes nothing.
    void amountsThatAreNone_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char* typed : {"1.2.3", ".", "1.005"})
            QTest::newRow(typed) << QString::fromLatin1(typed);
    }
    void amountsThatAreNone()
    {
        QFETCH(QString, typed);
        DebtWindow t;
        auto w = t.open(DebtSide::Sales);
        Choose(*w, "VecD", "V000000001", DebtPanel::DId);
        Drive::type(*w, "EAmortizar", typed);
        QCOMPARE(Drive::text(*w, "EAmortizar"), typed);
        const QStringList before = t.d.state();
        Drive::click(*w, "SBSaldar");
        QCOMPARE(t.d.shop.messages.errors.size(), 1);
        QVERIFY(t.d.shop.messages.errors.first().startsWith("'" + typed + "' no es un monto valido"));
        QVERIFY(t.d.shop.messages.questions.isEmpty());
        QCOMPARE(t.d.state(), before);
    }

    // Two windows on one debt: the second, paying from what it listed, is refused and lists the
    // debt as it now is.
    void secondWindowIsRefused()
    {
        DebtWindow t;
        auto first = t.open(DebtSide::Sales);
        auto second = t.open(DebtSide::Sales);
        for (TFSaldarD* w : {first.get(), second.get()})
            Choose(*w, "VecD", "V000000001", DebtPanel::DId);
        Drive::type(*first, "EAmortizar", "48");
        Drive::click(*first, "SBSaldar");
        Drive::type(*second, "EAmortizar", "10");
        Drive::click(*second, "SBSaldar");
        QCOMPARE(t.d.shop.messages.infos,
                 QStringList{"La deuda de la venta con Nº de Orden 000000001 ya fue saldada; no se registro el pago."});
        QCOMPARE(t.d.debt(DebtSide::Sales, "V000000001"), QStringLiteral("68.00|0.00|1|V"));
        QCOMPARE(t.d.payments(DebtSide::Sales).size(), 1);
        QCOMPARE(Listed(*second, "VecD"), QStringList{kCarlosName});
        QCOMPARE(t.print.tickets.jobs.size(), 1);
    }

    // A ticket that cannot print says why; the instalment stays.
    void failedTicketKeepsThePayment()
    {
        DebtWindow t;
        auto w = t.open(DebtSide::Sales);
        Choose(*w, "VecD", "V000000002", DebtPanel::DId);
        Drive::type(*w, "EAmortizar", "30");
        t.print.tickets.failNextBegin("La impresora no responde");
        Drive::click(*w, "SBSaldar");
        QCOMPARE(t.d.shop.messages.errors, QStringList{"La impresora no responde"});
        QCOMPARE(t.d.debt(DebtSide::Sales, "V000000002"), QStringLiteral("30.00|0.00|1|V"));
        QCOMPARE(Listed(*w, "VecD"), QStringList{"MARIA QUISPE CONDORI"});
    }

    // With letter printing the voucher is the two copies on one Legal page.
    void letterVoucher()
    {
        DebtWindow t;
        SessionState::current().PrintFormat = 1;
        auto w = t.open(DebtSide::Purchases);
        Choose(*w, "VecP", "P000000001", DebtPanel::DId);
        Drive::type(*w, "EAmortizarP", "60");
        Drive::click(*w, "SBSaldarP");
        QCOMPARE(t.print.tickets.jobs.size(), 0);
        QCOMPARE(t.print.previews.shown.size(), 1);
        const ReportDocument& doc = t.print.previews.shown.first();
        QCOMPARE(doc.title, QStringLiteral("Nota de Remisión"));
        QCOMPARE(doc.pageCount(), 1);
        QVERIFY(doc.pages.first().setup.paper == ReportPageSetup::Paper::Legal);
        QStringList figures;
        for (const PlacedElement& e : doc.pages.first().items)
            if (e.name == "LTituloA" || e.name == "LSaldoVC" || e.name == "LCanceladoVC")
                figures << e.text;
        QCOMPARE(figures, (QStringList{"COMPROBANTE PAGOS POR COMPRA A CREDITO", "40.00", "0.00",
                                       "COMPROBANTE PAGOS POR COMPRA A CREDITO", "40.00", "0.00"}));
        QCOMPARE(Listed(*w, "VecP"), QStringList{});
    }

    // The history: a payment chosen shows its sale and its own date; annulling it reopens the debt.
    void annullingFromTheHistory()
    {
        DebtWindow t;
        QVERIFY(Instalment::Pay(InstalmentInput::fromSession(DebtSide::Sales, "V000000001", "48")).stored);
        auto w = t.open(DebtSide::Sales);
        QCOMPARE(Listed(*w, "VecD"), QStringList{kCarlosName});
        Choose(*w, "VecHS", "V000000001", DebtPanel::PId);
        QCOMPARE(Drive::text(*w, "ENOrden2"), QStringLiteral("000000001"));
        QCOMPARE(Drive::text(*w, "EFechaV2"), QStringLiteral("09 de diciembre de 2026"));
        QCOMPARE(Drive::text(*w, "ENitCI2"), QStringLiteral("4567890"));
        QCOMPARE(Drive::text(*w, "ECliente2"), QStringLiteral("MARIA QUISPE CONDORI"));
        QCOMPARE(Drive::text(*w, "ETotalA2"), QStringLiteral("48.00"));
        QCOMPARE(Drive::text(*w, "EFechaA2"), QStringLiteral("10 de diciembre de 2026"));
        QVERIFY(Drive::enabled(*w, "SBAnular2"));
        Drive::click(*w, "SBAnular2");
        QCOMPARE(t.d.shop.messages.questions.last(),
                 (QPair<QString, QString>{"Anular Amortización", "Esta Seguro de Anular esta Amortización?..."}));
        QCOMPARE(t.d.debt(DebtSide::Sales, "V000000001"), QStringLiteral("20.00|48.00|2|V"));
        QCOMPARE(Grid(*w, "VecHS")->rowCount(), 0);
        QCOMPARE(Listed(*w, "VecD"), (QStringList{kCarlosName, "MARIA QUISPE CONDORI"}));
        QCOMPARE(Drive::text(*w, "ENOrden2"), QString());
        QVERIFY(!Drive::enabled(*w, "SBAnular2"));
        QCOMPARE(t.d.shop.messages.infos + t.d.shop.messages.errors, QStringList());
    }

    // The search selects the first name holding the text; a year typed on one tab lists that
    // year there only and leaves the other tab as it was.
    void searchAndYears()
    {
        DebtWindow t;
        QVERIFY(Instalment::Pay(InstalmentInput::fromSession(DebtSide::Sales, "V000000001", "5")).stored);
        auto w = t.open(DebtSide::Sales);
        Drive::type(*w, "EBuscar", "brien");
        QCOMPARE(Drive::text(*w, "ECliente"), kCarlosName);
        Drive::type(*w, "EBuscar", "quisp");
        QCOMPARE(Drive::text(*w, "ECliente"), QStringLiteral("MARIA QUISPE CONDORI"));
        Drive::type(*w, "EBuscar", "xyz");  // no name holds it: the choice stays
        QCOMPARE(Drive::text(*w, "ECliente"), QStringLiteral("MARIA QUISPE CONDORI"));

        Choose(*w, "VecHS", "V000000001", DebtPanel::PId);
        Drive::type(*w, "EAmortizar", "3");
        Drive::type(*w, "EAnio", "2025");
        QCOMPARE(SessionState::current().ListYear, 2025);
        QCOMPARE(Grid(*w, "VecD")->rowCount(), 0);
        for (const char* field : {"EBuscar", "ENOrden", "ECliente", "ESaldo", "EAmortizar"})
            QCOMPARE(Drive::text(*w, field), QString());
        QVERIFY(!Drive::enabled(*w, "SBSaldar"));
        QCOMPARE(Drive::text(*w, "ENOrden2"), QStringLiteral("000000001"));
        QVERIFY(Drive::enabled(*w, "SBAnular2"));
        QCOMPARE(Grid(*w, "VecHS")->rowCount(), 1);

        Drive::type(*w, "EAnio2", "2025");
        QCOMPARE(Grid(*w, "VecHS")->rowCount(), 0);
        QCOMPARE(Drive::text(*w, "ENOrden2"), QString());
        Drive::type(*w, "EAnio", "2026");
        QCOMPARE(Grid(*w, "VecD")->rowCount(), 2);
    }

    // Not a check: both debt modes, the roll tickets and the letter voucher, for a person to look at.
    void snapshots()
    {
        const QString shots = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        const QString samples = qEnvironmentVariable("CVI_SAMPLE_DIR");
        if (shots.isEmpty() || samples.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR and CVI_SAMPLE_DIR to draw the debts window and its voucher");
        DebtWindow t;
        QVERIFY(Instalment::Pay(InstalmentInput::fromSession(DebtSide::Purchases, "P000000001", "25.5")).stored);
        auto collect = t.open(DebtSide::Sales);
        Choose(*collect, "VecD", "V000000001", DebtPanel::DId);
        Drive::type(*collect, "EAmortizar", "18.50");
        QVERIFY(collect->grab().save(shots + "/cobrar-deudas.png"));
        auto pay = t.open(DebtSide::Purchases);
        Drive::control<QTabWidget>(*pay, "PCPorPagar")->setCurrentIndex(1);
        Choose(*pay, "VecHP", "P000000001", DebtPanel::PId);
        QVERIFY(pay->grab().save(shots + "/pagar-deudas-historial.png"));

        SessionState::current().PrintFormat = 1;
        Drive::click(*collect, "SBSaldar");
        QCOMPARE(t.print.previews.writePdf(0, samples + "/comprobante-amortizacion.pdf"), QString());
    }
};

QTEST_MAIN(TstDebtPanel)
#include "tst_debtpanel.moc"
