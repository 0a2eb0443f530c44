#include "PurchaseWindow.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "cash/CashClosing.h"
#include "data/MainStatus.h"
#include "purchases/StoredPurchases.h"
#include "widgets/WindowStatusBar.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>

namespace {

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

// What the buttons allow: REGISTRAR, +, ANULAR, print.
QString Buttons(const PurchaseWindow& w)
{
    QString state;
    for (const char* name : {"SBInsertarP", "SBListarP", "SBEliminarP", "SBImprimir"})
        state += Drive::enabled(*w.window, name) ? QLatin1Char('1') : QLatin1Char('0');
    return state;
}

void Snapshot(QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(window.grab().save(folder + QLatin1Char('/') + name));
}

}

class TstUCompras : public QObject {
    Q_OBJECT
private slots:
    void opening_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("listed");
        QTest::newRow("products") << 10 << "Compra de Productos para la Venta"
                                  << "Realizar Compra de Productos"
                                  << "Operacion: Gestionar Compra de Productos"
                                  << "P000000002";
        QTest::newRow("supplies") << 11 << "Compra de Insumos (Materia Prima)"
                                  << "Realizar Compra de Insumos"
                                  << "Operacion: Gestionar Compra de Insumos"
                                  << "P000000001";
    }
    void opening()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, status);
        QFETCH(QString, operation);
        QFETCH(QString, listed);
        PurchaseWindow w(mode, [](PurchaseShop& p) {
            PurchaseRegistration::RegisterGoods(PurchaseShop::receipt("10", PurchaseCodes::Supplies),
                                                {PurchaseShop::line("P000000013", "1", "10")});
            PurchaseRegistration::RegisterGoods(PurchaseShop::receipt(), {PurchaseShop::line("P000000001", "4", "40")});
            PurchaseRegistration::RegisterServices(PurchaseShop::receipt(), {{"1", "FLETE", "40"}});
            SessionState::current().WorkDate = QDate(2026, 12, 10);
            Q_UNUSED(p);
        });
        TFCompras& window = *w.window;
        QCOMPARE(window.metaObject()->className(), "TFCompras");
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(Drive::control<WindowStatusBar>(window, "SBar1")->caption(), status);
        QCOMPARE(MainStatus::text(3), operation);
        QVERIFY(Drive::visible(window, "PComprarP"));
        QCOMPARE(w.panel().state(), PurchasePanel::State::Browsing);
        QCOMPARE(Buttons(w), QStringLiteral("0010"));
        // Only the purchases of the window's kind; only the supplier shows.
        QCOMPARE(w.list()->rowCount(), 1);
        QCOMPARE(w.list()->cell(0, 0), listed);
        QCOMPARE(Visible(w.list()), (QStringList{"Proveedor", "Fecha", "Total"}));
        QCOMPARE(Visible(w.lines()),
                 (QStringList{"#", "Producto", "U. Medida", "C.Ini.", "C.Entr.", "Stock", "P.Unit.", "Total Bs.", ""}));
        QCOMPARE(w.combo("CBComprobante")->count(), 3);
        QCOMPARE(w.combo("CBComprobante")->currentText(), QStringLiteral("RECIBO"));
        QCOMPARE(w.combo("CBFormaP")->currentText(), QStringLiteral("EFECTIVO"));
        QCOMPARE(Drive::control<QDateEdit>(window, "DTFechaC")->date(), QDate(2026, 12, 10));
        QVERIFY(Drive::visible(window, "PRecibo"));
        QVERIFY(!Drive::visible(window, "PFactura"));
        QCOMPARE(w.label("LFechaRF"), QStringLiteral("Fecha del Recibo"));

        // Each activation names the operation again.
        MainStatus::setText(3, QStringLiteral("otra"));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QCOMPARE(MainStatus::text(3), operation);
    }

    // The purchase commands set PurchaseMode, the stock ones MasterMode; the window serves the
    // command that opened it whatever the other field holds.
    void theCommandThatOpensItDecidesTheMode_data()
    {
        QTest::addColumn<int>("leftMaster");
        QTest::addColumn<int>("leftPurchase");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::newRow("products after a stock query") << 20 << 0 << "C1"
                                                      << "Compra de Productos para la Venta";
        QTest::newRow("supplies after an inventory count") << 31 << 10 << "C2"
                                                           << "Compra de Insumos (Materia Prima)";
        QTest::newRow("products after supplies") << 0 << 11 << "C1"
                                                 << "Compra de Productos para la Venta";
    }
    void theCommandThatOpensItDecidesTheMode()
    {
        QFETCH(int, leftMaster);
        QFETCH(int, leftPurchase);
        QFETCH(QString, command);
        QFETCH(QString, caption);
        PurchaseShop p;
        TFPrincipal main;
        main.loginTimer()->stop();
        SessionState& s = SessionState::current();
        s.CashOpen = 1;  // the frame starts logged out
        s.MasterMode = leftMaster;
        s.PurchaseMode = leftPurchase;
        main.command(command)->setEnabled(true);
        main.command(command)->trigger();
        QMdiSubWindow* sub = main.mdiArea()->activeSubWindow();
        QVERIFY(sub);
        auto* window = qobject_cast<TFCompras*>(sub->widget());
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), caption);
        QVERIFY(qobject_cast<PurchasePanel*>(window->panel()));
        QCOMPARE(window->panel()->objectName(), QStringLiteral("PComprarP"));
        QCOMPARE(SessionState::current().MasterMode, leftMaster);
        QVERIFY(main.dispatcher()->isWired(QStringLiteral("C1")) && main.dispatcher()->isWired(QStringLiteral("C2")));
    }

    void enteringAndRegistering()
    {
        PurchaseWindow w;
        w.click("SBNuevoP");
        QCOMPARE(w.panel().state(), PurchasePanel::State::Entering);
        QCOMPARE(Buttons(w), QStringLiteral("1100"));
        w.supplier(PurchaseShop::Andina);
        QCOMPARE(w.field("EProveedor"), QString::fromLatin1(PurchaseShop::AndinaName));
        w.add("P000000001");
        w.add("P000000008");
        w.add("P000000001");  // already a line: not added twice
        QCOMPARE(w.column(PurchasePanel::LProducto), (QStringList{"COCA COLA 2L", "LECHE PIL 1L"}));
        QCOMPARE(w.column(PurchasePanel::LCIni), (QStringList{"48", "30"}));
        QCOMPARE(w.column(PurchasePanel::LCEntr), (QStringList{"0", "0"}));
        QCOMPARE(w.column(PurchasePanel::LPUnit), (QStringList{"9.5", "5.5"}));

        w.edit(0, "4|10");
        QCOMPARE(w.lines()->cell(PurchasePanel::LCEntr, 0), QStringLiteral("4"));
        QCOMPARE(w.lines()->cell(PurchasePanel::LStock, 0), QStringLiteral("52"));
        QCOMPARE(w.lines()->cell(PurchasePanel::LPUnit, 0), QStringLiteral("2.50"));
        QCOMPARE(w.lines()->cell(PurchasePanel::LTotal, 0), QStringLiteral("10"));
        w.edit(1, "2.5|17.45");
        QCOMPARE(w.lines()->cell(PurchasePanel::LStock, 1), QStringLiteral("32.5"));
        QCOMPARE(w.field("ETotalR"), QStringLiteral("27.45"));
        QCOMPARE(w.lines()->footerText(PurchasePanel::LTotal), QStringLiteral("27.45"));
        w.edit(1, "ESC");  // nothing changes
        QCOMPARE(w.lines()->cell(PurchasePanel::LCEntr, 1), QStringLiteral("2.5"));

        w.type("EEfectivoR", "30");
        QCOMPARE(w.label("LCoS"), QStringLiteral("Cambio:"));
        QCOMPARE(w.field("ESaldoR"), QStringLiteral("2.55"));
        w.type("ENRecibo", "778");
        w.click("SBInsertarP");
        QCOMPARE(w.p.shop.messages.all, QStringList{});

        SqlRows stored = w.p.row("SELECT IdCompra, NroFact, TotalF, TotalE, Saldo, FormaP, Inventario FROM Compras");
        QCOMPARE(stored.count(), 1);
        QCOMPARE(stored.text(0), QStringLiteral("P000000001"));
        QCOMPARE(stored.integer(1), 778);
        QCOMPARE(stored.amount(2), 27.45);
        QCOMPARE(stored.amount(3), 30.0);
        QCOMPARE(stored.amount(4), 2.55);
        QCOMPARE(stored.integer(5), 1);
        QCOMPARE(stored.integer(6), 1);
        QCOMPARE(w.p.intake("P000000001"), 52.0);
        QCOMPARE(w.p.intake("P000000008"), 32.5);
        // A receipt prints its voucher; the window is ready for the next purchase.
        QCOMPARE(w.print.previews.shown.size(), 1);
        QCOMPARE(w.list()->rowCount(), 1);
        QCOMPARE(w.list()->cell(StoredPurchases::ColProveedor, 0), QString::fromLatin1(PurchaseShop::AndinaName));
        QCOMPARE(w.panel().state(), PurchasePanel::State::Entering);
        QCOMPARE(w.lines()->rowCount(), 0);
        QCOMPARE(w.field("ENitCI"), QString());
        QCOMPARE(w.field("ETotalR"), QString());
    }

    void refusalsShowTheirMessageAndChooseTheLine()
    {
        PurchaseWindow w;
        w.enter({"P000000001|4|40", "P000000008|2|12"});
        w.add("P000000009");  // a third line left at quantity 0
        w.type("ENRecibo", "1");
        w.type("EEfectivoR", "52");
        const PurchaseState before = PurchaseState::read(w.p.db());
        w.click("SBInsertarP");
        QCOMPARE(w.p.shop.messages.infos, QStringList{"Revise la cantidad Entrante del Producto: YOGURT FRUTILLA 1L"});
        QCOMPARE(w.lines()->selectedRow(), 2);

        // A line removed after the question, and a NIT/CI no supplier has.
        w.p.shop.messages.clear();
        w.p.shop.messages.answerNext(false);
        Drive::clickCell(*w.window, "VecDP", 2, PurchasePanel::LBorrar);
        QCOMPARE(w.lines()->rowCount(), 3);
        Drive::clickCell(*w.window, "VecDP", 2, PurchasePanel::LBorrar);
        QCOMPARE(w.p.shop.messages.questions.last(),
                 qMakePair(QStringLiteral("Eliminar Producto"),
                           QStringLiteral("Esta seguro que quiere Eliminar el Producto a Entrar?...")));
        QCOMPARE(w.lines()->rowCount(), 2);
        w.supplier("999");
        QCOMPARE(w.p.shop.messages.infos, QStringList{"El Proveedor con ese Numero de Nit/CI no Existe"});
        QCOMPARE(w.field("EProveedor"), QString());
        w.click("SBInsertarP");
        QCOMPARE(w.p.shop.messages.infos.last(), QStringLiteral("Llene correctamente los Datos del Proveedor"));
        // A cash text of two points leaves the balance box empty: the receipt is not complete.
        w.supplier(PurchaseShop::Canasta);
        w.type("EEfectivoR", "5.2.1");
        w.click("SBInsertarP");
        QCOMPARE(w.p.shop.messages.infos.last(), QStringLiteral("Llene correctamente los Datos del Recibo"));
        QCOMPARE(PurchaseState::read(w.p.db()), before);
    }

    // The space bar in the NIT/CI, or the search button, picks a supplier: the list gives the
    // name, a choice made in the picker's search box leaves it to the lookup.
    void pickingASupplier_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("space bar, Enter on the list") << "space";
        QTest::newRow("search button, Enter in the search box") << "button";
    }
    void pickingASupplier()
    {
        QFETCH(QString, how);
        PurchaseWindow w;
        w.click("SBNuevoP");
        const bool fromList = how == "space";
        QTimer::singleShot(0, [fromList] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            auto* grid = Drive::control<DataGrid>(*dialog, "VecP");
            grid->goToRow(grid->findRow(TFBusquedas::ColNombre, QStringLiteral("DISTRIBUIDORA LA CANASTA")));
            Drive::key(*dialog, fromList ? "VecP" : "EBuscarP", Qt::Key_Return);
        });
        if (fromList)
            Drive::key(*w.window, "ENitCI", Qt::Key_Space);
        else
            w.click("SBBuscar");
        QCOMPARE(w.field("ENitCI"), QString::fromLatin1(PurchaseShop::Canasta));
        QCOMPARE(w.field("EProveedor"), QStringLiteral("DISTRIBUIDORA LA CANASTA"));
        QVERIFY(w.p.shop.messages.all.isEmpty());
    }

    void paymentFormsAndVoucherKinds_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("kindFree");
        QTest::addColumn<bool>("amounts");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("balanceCaption");
        QTest::addColumn<QString>("balance");
        QTest::newRow("free") << "SIN COSTO (Gratis)" << false << false << "0"
                              << "Saldo:"
                              << "40.00";
        QTest::newRow("cash") << "EFECTIVO" << true << true << "50"
                              << "Cambio:"
                              << "10.00";
        QTest::newRow("credit") << "CREDITO" << false << true << "15"
                                << "Saldo:"
                                << "25.00";
        QTest::newRow("cheque") << "CHEQUE/DEPOSITO" << true << true << "40"
                                << "Cambio:"
                                << "0.00";
    }
    void paymentFormsAndVoucherKinds()
    {
        QFETCH(QString, form);
        QFETCH(bool, kindFree);
        QFETCH(bool, amounts);
        QFETCH(QString, cash);
        QFETCH(QString, balanceCaption);
        QFETCH(QString, balance);
        PurchaseWindow w;
        w.enter({"P000000001|4|40"});
        w.choose("CBComprobante", "FACTURA/POLIZA (DUI)");
        QVERIFY(Drive::visible(*w.window, "PFactura") && !Drive::visible(*w.window, "PRecibo"));
        QCOMPARE(w.label("LFechaRF"), QStringLiteral("Fecha Factura o DUI"));
        QCOMPARE(w.field("ETotalF"), QStringLiteral("40.00"));

        w.choose("CBFormaP", form);
        QCOMPARE(w.combo("CBComprobante")->currentIndex(), 0);
        QVERIFY(Drive::visible(*w.window, "PRecibo") && !Drive::visible(*w.window, "PFactura"));
        QCOMPARE(w.combo("CBComprobante")->isEnabled(), kindFree);
        QCOMPARE(Drive::enabled(*w.window, "EEfectivoR"), amounts);
        if (amounts) {
            QCOMPARE(w.field("ETotalR"), QStringLiteral("40.00"));
            w.type("EEfectivoR", cash);
        } else {
            QCOMPARE(w.field("EEfectivoR"), QStringLiteral("0"));
            w.edit(0, "4|40");  // a line edit works the total out again
        }
        QCOMPARE(w.label("LCoS"), balanceCaption);
        QCOMPARE(w.field("ESaldoR"), balance);
    }

    void aStoredPurchaseIsShownNotEdited()
    {
        PurchaseWindow w(PurchasePanel::ProductsMode, [](PurchaseShop& p) {
            PurchaseHeaderInput credit = PurchaseShop::receipt("57.5");
            credit.paymentForm = PurchaseCodes::Credit;
            credit.receiptCash = QStringLiteral("20");
            PurchaseRegistration::RegisterGoods(credit, {PurchaseShop::line("P000000001", "4", "40", "", 47.6),
                                                         PurchaseShop::line("P000000008", "2.5", "17.5", "", 30)});
            PurchaseRegistration::RegisterGoods(PurchaseShop::invoice("40"), {PurchaseShop::line("P000000001", "4", "40")});
            Q_UNUSED(p);
        });
        QCOMPARE(w.list()->cell(StoredPurchases::ColIdCompra, 0), QStringLiteral("P000000002"));
        w.click("SBUltimo");  // the oldest, a credit receipt
        QCOMPARE(w.panel().state(), PurchasePanel::State::Viewing);
        QCOMPARE(w.panel().purchaseId(), QStringLiteral("P000000001"));
        QCOMPARE(Buttons(w), QStringLiteral("0011"));
        QVERIFY(!Drive::enabled(*w.window, "PDatosP"));
        QCOMPARE(w.field("ENitCI"), QString::fromLatin1(PurchaseShop::Andina));
        QCOMPARE(w.field("EProveedor"), QString::fromLatin1(PurchaseShop::AndinaName));
        QCOMPARE(w.combo("CBFormaP")->currentText(), QStringLiteral("CREDITO"));
        QCOMPARE(w.field("ENRecibo"), QStringLiteral("501"));
        QCOMPARE(w.field("ETotalR"), QStringLiteral("57.5"));
        QCOMPARE(w.field("EEfectivoR"), QStringLiteral("20"));
        QCOMPARE(w.field("ESaldoR"), QStringLiteral("37.5"));
        QCOMPARE(w.label("LCoS"), QStringLiteral("Saldo:"));
        QCOMPARE(w.column(PurchasePanel::LNumero), (QStringList{"1", "2"}));
        QCOMPARE(w.column(PurchasePanel::LCEntr), (QStringList{"4", "2.5"}));
        // A stored purchase shows its stock column in whole units.
        QCOMPARE(w.column(PurchasePanel::LStock), (QStringList{"52", "33"}));
        QCOMPARE(w.column(PurchasePanel::LPUnit), (QStringList{"10.00", "7.00"}));
        QCOMPARE(w.column(PurchasePanel::LIdCompra), (QStringList{"P000000001", "P000000001"}));
        // Clicks on the lines change nothing now.
        Drive::clickCell(*w.window, "VecDP", 0, PurchasePanel::LBorrar);
        QCOMPARE(w.lines()->rowCount(), 2);
        QVERIFY(w.p.shop.messages.all.isEmpty());

        w.click("SBAnterior");  // the invoice: shown, but it prints no voucher
        QCOMPARE(w.panel().purchaseId(), QStringLiteral("P000000002"));
        QVERIFY(Drive::visible(*w.window, "PFactura"));
        QCOMPARE(w.field("ENFactura"), QStringLiteral("123"));
        QCOMPARE(w.field("ENAutorizacion"), QStringLiteral("29040011007"));
        QCOMPARE(w.field("ECodigoC"), QStringLiteral("7B-F3-48-A8"));
        QCOMPARE(w.combo("CBTipoC")->currentIndex(), 1);
        QCOMPARE(Buttons(w), QStringLiteral("0010"));
        w.click("SBNuevoP");
        QCOMPARE(Buttons(w), QStringLiteral("1100"));
        w.click("SBPrimero");  // the first row, chosen again after a new entry
        QCOMPARE(w.panel().purchaseId(), QStringLiteral("P000000002"));
    }

    // Deleting takes back what the stored lines brought in, once, whichever window asks first.
    void deletionFromTwoWindows()
    {
        PurchaseWindow w(PurchasePanel::ProductsMode, [](PurchaseShop&) {
            PurchaseRegistration::RegisterGoods(
                PurchaseShop::receipt("57.5"),
                {PurchaseShop::line("P000000001", "4", "40"), PurchaseShop::line("P000000008", "2.5", "17.5")});
        });
        std::unique_ptr<TFCompras> other = PurchaseWindow::open(PurchasePanel::ProductsMode);
        w.click("SBPrimero");
        Drive::click(*other, "SBPrimero");
        // The grid of this window is edited meanwhile: the stored lines count, not the grid.
        w.lines()->setCell(PurchasePanel::LCEntr, 0, QStringLiteral("400"));

        w.p.shop.messages.answerNext(false);
        w.click("SBEliminarP");
        QCOMPARE(w.p.shop.messages.questions.last(),
                 qMakePair(QString(), QStringLiteral("Esta seguro que quiere eliminar el Registro?...")));
        QCOMPARE(w.p.count("SELECT COUNT(*) FROM Compras"), 1);
        QCOMPARE(w.lines()->rowCount(), 0);
        w.click("SBEliminarP");  // no lines shown: nothing to delete until it is chosen again
        QCOMPARE(w.p.shop.messages.questions.size(), 1);

        w.click("SBPrimero");
        w.click("SBEliminarP");
        QCOMPARE(w.p.count("SELECT COUNT(*) FROM Compras"), 0);
        QCOMPARE(w.p.intake("P000000001"), 48.0);
        QCOMPARE(w.p.intake("P000000008"), 30.0);
        QCOMPARE(w.panel().state(), PurchasePanel::State::Entering);
        QCOMPARE(w.list()->rowCount(), 0);

        Drive::click(*other, "SBEliminarP");
        QCOMPARE(w.p.shop.messages.infos,
                 QStringList{"La Compra P000000001 ya no existe, pudo ser eliminada en otra estacion; revise la lista"});
        QCOMPARE(w.p.intake("P000000001"), 48.0);
        QCOMPARE(w.p.intake("P000000008"), 30.0);
        QCOMPARE(Drive::control<DataGrid>(*other, "VecC")->rowCount(), 0);
    }

    // Purchases made in the window give the closing the figures of what left the till.
    void closingFiguresOfPurchasesMadeInTheWindow()
    {
        PurchaseWindow w;
        const auto registerOne = [&](const QString& form, const QString& item, const QString& cost, const QString& cash) {
            w.enter({item + "|1|" + cost});
            w.choose("CBFormaP", form);
            if (form != "SIN COSTO (Gratis)")
                w.type("EEfectivoR", cash);
            w.type("ENRecibo", "9");
            w.click("SBInsertarP");
        };
        registerOne("EFECTIVO", "P000000001", "80", "100");  // 20 of change
        registerOne("CREDITO", "P000000008", "50", "20");    // 30 owed
        registerOne("CHEQUE/DEPOSITO", "P000000009", "70", "70");
        registerOne("SIN COSTO (Gratis)", "P000000010", "0", "");
        QCOMPARE(w.p.shop.messages.all, QStringList{});
        QCOMPARE(w.p.count("SELECT COUNT(*) FROM Compras"), 4);

        const ClosingFigures f = CashClosing::Calculate(w.p.session, 500, 400, 0);
        QCOMPARE(f.ComprasEf, 100.0);  // 80 that bought goods and the down payment of 20
        QCOMPARE(f.ComprasCr, 0.0);
        QCOMPARE(f.ComprasDo, 70.0);
        QCOMPARE(f.PPagar, 30.0);
        QCOMPARE(f.NComprasEf, 1);
        QCOMPARE(f.NComprasCr, 1);
        QCOMPARE(f.NComprasDo, 1);
        QCOMPARE(f.NComprasSC, 1);
        QCOMPARE(f.SobFal, 0.0);
    }

    // Not a check: pictures of the window for a person to look at when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        if (qEnvironmentVariableIsEmpty("CVI_SNAPSHOT_DIR"))
            QSKIP("set CVI_SNAPSHOT_DIR to render the purchases window");
        {
            PurchaseWindow w(PurchasePanel::ProductsMode, [](PurchaseShop&) {
                PurchaseRegistration::RegisterGoods(PurchaseShop::receipt(), {PurchaseShop::line("P000000001", "4", "40")});
                PurchaseHeaderInput canasta = PurchaseShop::receipt("12");
                canasta.nitCi = QString::fromLatin1(PurchaseShop::Canasta);
                canasta.supplierName = QStringLiteral("DISTRIBUIDORA LA CANASTA");
                PurchaseRegistration::RegisterGoods(canasta, {PurchaseShop::line("P000000012", "24", "12")});
            });
            w.window->resize(w.window->sizeHint());
            w.enter({"P000000001|12|114", "P000000008|2.5|13.75", "P000000011|10|65"});
            w.type("EEfectivoR", "200");
            w.type("ENRecibo", "4512");
            Snapshot(*w.window, "compras-recibo.png");
            w.choose("CBComprobante", "FACTURA/POLIZA (DUI)");
            w.type("ENFactura", "1234");
            w.type("ENAutorizacion", "29040011007");
            w.type("ECodigoC", "7b-f3-48-a8");
            w.type("EExentos", "10");
            w.type("EDescuentos", "5.05");
            Snapshot(*w.window, "compras-factura.png");
            w.click("SBUltimo");
            Snapshot(*w.window, "compras-guardada.png");
        }
        PurchaseWindow supplies(PurchasePanel::SuppliesMode);
        supplies.enter({"P000000013|50|195", "P000000015|500|50"});
        Snapshot(*supplies.window, "compras-insumos.png");
    }
};

QTEST_MAIN(TstUCompras)
#include "tst_ucompras.moc"
