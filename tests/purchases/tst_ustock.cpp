#include "PrintCapture.h"
#include "SecondStation.h"
#include "ShopFixture.h"
#include "WindowDriver.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "printing/ReportLayouter.h"
#include "printing/URCaja.h"
#include "purchases/ui/StockCountPanel.h"
#include "purchases/ui/StockGrid.h"
#include "purchases/ui/StockQueryPanel.h"
#include "purchases/ui/UStock.h"
#include "widgets/WindowStatusBar.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <memory>

namespace {

// The demo shop with the administrator logged in (no cash session: the stock window needs none)
// and counters set: COCA COLA 2L 20 in, 5 out (stock 15); FANTA NARANJA 2L 10 in, 12 out (stock
// -2, fuchsia); AGUA VITAL 600ML none (stock 0, fuchsia too). PAN MARRAQUETA is disabled.
struct StockWindow {
    ShopFixture shop;
    PrintCapture print;
    std::unique_ptr<TFCompras> window;

    explicit StockWindow(int mode, const std::function<void(TDataModule1&)>& prepare = {})
    {
        shop.login();
        SessionState::current().WorkDate = QDate(2026, 12, 9);
        shop.db().execute("UPDATE Productos SET Ingreso=20, Egreso=5 WHERE Producto='COCA COLA 2L'");
        shop.db().execute("UPDATE Productos SET Ingreso=10, Egreso=12 WHERE Producto='FANTA NARANJA 2L'");
        shop.db().execute("UPDATE Productos SET Ingreso=0, Egreso=0 WHERE Producto='AGUA VITAL 600ML'");
        shop.db().execute("UPDATE Productos SET Estado=0 WHERE Producto='PAN MARRAQUETA'");
        if (prepare)
            prepare(shop.db());
        window = std::make_unique<TFCompras>(mode);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the stock window did not become the active window");
    }

    StockGrid* grid() const { return qobject_cast<StockListPanel*>(window->panel())->grid(); }
    QComboBox* combo(const char* name) const { return Drive::control<QComboBox>(*window, name); }
    void choose(const char* name, const QString& entry) { Drive::choose(*window, name, entry); }
    void click(const char* name) { Drive::click(*window, name); }
    QStringList column(int col) const
    {
        QStringList values;
        for (int row = 0; row < grid()->rowCount(); ++row)
            values << grid()->cell(col, row);
        return values;
    }
    QStringList entries(const char* name) const
    {
        QStringList texts;
        for (int i = 0; i < combo(name)->count(); ++i)
            texts << combo(name)->itemText(i);
        return texts;
    }
    int rowOf(const QString& item) const { return grid()->findRow(StockGrid::CProducto, item); }
    QString counters(const QString& item)
    {
        const SqlRows r = shop.db().query("SELECT Ingreso, Egreso FROM Productos WHERE Producto=?", {item});
        return Formats::General(r.number(0)) + '/' + Formats::General(r.number(1));
    }
    // Types a count into the row's "Fisico" cell as the cashier does: the first digit opens the
    // cell's editor, Enter keeps what was typed (without it the editor stays open).
    void typeCount(const QString& item, const QString& typed, bool enter = true)
    {
        StockGrid* vec = grid();
        vec->setFocus();
        vec->goToRow(rowOf(item));
        QTest::keyClick(vec, typed.at(0).toLatin1());
        QLineEdit* editor = nullptr;
        for (QLineEdit* open : vec->viewport()->findChildren<QLineEdit*>())
            if (open->isVisible())
                editor = open;
        if (!editor)
            qFatal("typing on the count did not open its editor (row %d, focus %d, active %d)", rowOf(item), vec->hasFocus(),
                   window->isActiveWindow());
        QTest::keyClicks(editor, typed.mid(1));
        if (enter)
            QTest::keyClick(editor, Qt::Key_Return);
        // The editor hands its text over once the events are seen to, and goes.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QStringList Visible(const DataGrid* grid)
{
    QStringList headers;
    for (int column = 0; column < grid->columnCount(); ++column)
        if (!grid->isColumnHidden(column))
            headers << grid->horizontalHeaderItem(column)->text();
    return headers;
}

}

class TstUStock : public QObject {
    Q_OBJECT
private slots:
    void opening_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("activated");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QString>("firstItem");
        QTest::addColumn<QString>("firstCategory");
        const QStringList query{"#", "Producto", "U. Medida", "Min/S", "Ingreso", "Egreso", "Stock"};
        const QStringList count{"#", "Producto", "U. Medida", "Inicial", "Egreso", "Stock", "Fisico"};
        QTest::newRow("20") << 20 << "Consultar Stock de Productos"
                            << "Inventario/Stock Productos"
                            << "Operacion: Consultar Stock de Productos"
                            << "Operacion: Consultar Stock Productos"
                            << "PInventario" << query << "TODOS LOS PRODUCTOS"
                            << "BEBIDAS";
        QTest::newRow("21") << 21 << "Consultar Stock de Insumos"
                            << "Inventario/Stock Insumos"
                            << "Operacion: Consultar Stock de Insumos"
                            << "Operacion: Consultar Stock Insumos"
                            << "PInventario" << query << "TODOS LOS INSUMOS"
                            << "HARINAS";
        QTest::newRow("30") << 30 << "Arqueo Inventario de Productos"
                            << "Inventario Productos"
                            << "Operacion: Arqueo Inventario de Productos"
                            << "Operacion: Arqueo Inventario de Productos"
                            << "PArqueo" << count << "TODOS LOS PRODUCTOS"
                            << "BEBIDAS";
        QTest::newRow("31") << 31 << "Arqueo Inventario de Insumos"
                            << "Inventario Insumos"
                            << "Operacion: Arqueo Inventario de Insumos"
                            << "Operacion: Arqueo Inventario de Insumos"
                            << "PArqueo" << count << "TODOS LOS INSUMOS"
                            << "HARINAS";
    }
    void opening()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, status);
        QFETCH(QString, created);
        QFETCH(QString, activated);
        QFETCH(QString, panel);
        QFETCH(QStringList, columns);
        QFETCH(QString, firstItem);
        QFETCH(QString, firstCategory);
        ShopFixture shop;
        shop.login();
        TFCompras window(mode);
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(Drive::control<WindowStatusBar>(window, "SBar1")->caption(), status);
        QCOMPARE(MainStatus::text(3), created);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QCOMPARE(MainStatus::text(3), activated);
        QCOMPARE(window.panel()->objectName(), panel);

        const bool counting = panel == "PArqueo";
        auto* grid = Drive::control<DataGrid>(window, counting ? "VecS" : "VecI");
        QCOMPARE(Visible(grid), columns);
        QCOMPARE(grid->rowCount(), 0);
        const char* names[3][3] = {{"CBCategoria", "CBMarcas", "CBProductos"}, {"CBCategoriaS", "CBMarca", "CBProducto"}};
        const auto combo = [&](int which) { return Drive::control<QComboBox>(window, names[counting][which]); };
        QCOMPARE(combo(0)->currentText(), QStringLiteral("TODAS LAS CATEGORIAS"));
        QCOMPARE(combo(0)->count(), 9);
        QCOMPARE(combo(0)->itemText(1), firstCategory);
        QCOMPARE(combo(1)->currentText(), QStringLiteral("TODAS LAS MARCAS"));
        QCOMPARE(combo(1)->count(), 11);
        QCOMPARE(combo(2)->currentText(), firstItem);
        QCOMPARE(combo(2)->count(), mode % 10 == 1 ? 4 : 13);
        for (const char* button : {"SBPrimero", "SBAnterior", "SBSiguiente", "SBUltimo"})
            QVERIFY(Drive::control<QWidget>(window, button));
        if (counting) {
            QCOMPARE(Drive::control<QAbstractButton>(window, "SBGenerar")->text(), QStringLiteral("GENERAR"));
            QCOMPARE(Drive::control<QAbstractButton>(window, "SBArquear")->text(), QStringLiteral("ARQUEAR STOCK"));
            QCOMPARE(Drive::control<QAbstractButton>(window, "SBActualizarI")->text(), QStringLiteral(" ACTUALIZAR INICIAL"));
            QCOMPARE(Drive::control<QAbstractButton>(window, "SBReiniciarS")->text(), QStringLiteral(" REINICIAR STOCK"));
        } else {
            QCOMPARE(Drive::control<QAbstractButton>(window, "SBGenerarI")->text(), QStringLiteral("GENERAR"));
            QVERIFY(!Drive::enabled(window, "SBReporteI"));
        }
        // Typed letters neither type nor jump to an entry.
        combo(0)->setFocus();
        QTest::keyClicks(combo(0), "LAC");
        QCOMPARE(combo(0)->currentIndex(), 0);
    }

    // Each stock command opens the purchases window in its own mode, whatever the purchase
    // commands left in PurchaseMode, and needs no open cash session.
    void commandsOpenTheirMode_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("panel");
        QTest::newRow("S5") << "S5" << 20 << "PInventario";
        QTest::newRow("S6") << "S6" << 21 << "PInventario";
        QTest::newRow("S7") << "S7" << 30 << "PArqueo";
        QTest::newRow("S8") << "S8" << 31 << "PArqueo";
    }
    void commandsOpenTheirMode()
    {
        QFETCH(QString, command);
        QFETCH(int, mode);
        QFETCH(QString, panel);
        ShopFixture shop;
        shop.login();
        TFPrincipal main;
        main.loginTimer()->stop();
        SessionState::current().PurchaseMode = 11;
        // An open purchase window of another mode is closed first.
        main.command("C2")->setEnabled(true);
        SessionState::current().CashOpen = 1;
        main.command("C2")->trigger();
        SessionState::current().CashOpen = 0;
        QVERIFY(main.dispatcher()->isWired(command));
        main.command(command)->setEnabled(true);
        main.command(command)->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        auto* window = qobject_cast<TFCompras*>(main.mdiArea()->subWindowList().first()->widget());
        QVERIFY(window);
        QCOMPARE(window->mode(), mode);
        QCOMPARE(window->panel()->objectName(), panel);
        QCOMPARE(SessionState::current().MasterMode, mode);
        QCOMPARE(shop.messages.all, QStringList());
    }

    // The lists by filter state. The category at position i is id i among products and i + 16
    // among supplies; a name with an apostrophe filters like any other.
    void lists_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("brand");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("listed");
        const QString all = "TODAS LAS CATEGORIAS", anyBrand = "TODAS LAS MARCAS", products = "TODOS LOS PRODUCTOS",
                      supplies = "TODOS LOS INSUMOS";
        QTest::newRow("every product") << 20 << all << anyBrand << products << QStringList{}
                                       << QStringList{"AGUA VITAL 600ML",    "CERVEZA PACENA 620ML", "COCA COLA 2L",
                                                      "FANTA NARANJA 2L",    "ACEITE FINO 1L",       "AZUCAR 1KG",
                                                      "FIDEO TALLARIN 400G", "GALLETA D'ONOFRIO",    "LECHE PIL 1L",
                                                      "YOGURT FRUTILLA 1L",  "DETERGENTE OLA 900G",  "CHOCOLATE ARCOR 100G"};
        QTest::newRow("third category") << 20 << "LACTEOS" << anyBrand << products
                                        << QStringList{"LECHE PIL 1L", "YOGURT FRUTILLA 1L"}
                                        << QStringList{"LECHE PIL 1L", "YOGURT FRUTILLA 1L"};
        QTest::newRow("second supply category is 18")
            << 21 << "AZUCARES" << anyBrand << supplies << QStringList{"AZUCAR GRANULADA 50KG"}
            << QStringList{"AZUCAR GRANULADA 50KG"};
        QTest::newRow("brand of products")
            << 20 << all << "PIL" << products << QStringList{"AGUA VITAL 600ML", "LECHE PIL 1L", "YOGURT FRUTILLA 1L"}
            << QStringList{"AGUA VITAL 600ML", "LECHE PIL 1L", "YOGURT FRUTILLA 1L"};
        QTest::newRow("brand of supplies only")
            << 21 << all << "LA ESPANOLA" << supplies << QStringList{"HARINA D'ORO 25KG", "HARINA DE TRIGO 50KG"}
            << QStringList{"HARINA D'ORO 25KG", "HARINA DE TRIGO 50KG"};
        QTest::newRow("category and brand") << 20 << "LACTEOS"
                                            << "PIL"
                                            << "YOGURT FRUTILLA 1L" << QStringList{"LECHE PIL 1L", "YOGURT FRUTILLA 1L"}
                                            << QStringList{"YOGURT FRUTILLA 1L"};
        QTest::newRow("item alone") << 30 << all << anyBrand << "COCA COLA 2L" << QStringList{} << QStringList{"COCA COLA 2L"};
        QTest::newRow("brand with an apostrophe")
            << 20 << all << "D'ONOFRIO" << products << QStringList{"GALLETA D'ONOFRIO"} << QStringList{"GALLETA D'ONOFRIO"};
        QTest::newRow("name with an apostrophe")
            << 31 << "HARINAS" << anyBrand << "HARINA D'ORO 25KG" << QStringList{"HARINA D'ORO 25KG", "HARINA DE TRIGO 50KG"}
            << QStringList{"HARINA D'ORO 25KG"};
    }
    void lists()
    {
        QFETCH(int, mode);
        QFETCH(QString, category);
        QFETCH(QString, brand);
        QFETCH(QString, item);
        QFETCH(QStringList, items);
        QFETCH(QStringList, listed);
        StockWindow w(mode, [](TDataModule1& db) {
            db.execute("INSERT INTO Marcas(Marca) VALUES('D''ONOFRIO')");
            db.execute("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Marca, Producto) "
                       "VALUES('P000000101', 1, 2, 'D''ONOFRIO', 'GALLETA D''ONOFRIO')");
            db.execute("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Marca, Producto) "
                       "VALUES('P000000102', 2, 17, 'LA ESPANOLA', 'HARINA D''ORO 25KG')");
        });
        const bool counting = mode >= 30;
        const char* categoryList = counting ? "CBCategoriaS" : "CBCategoria";
        const char* brandList = counting ? "CBMarca" : "CBMarcas";
        const char* itemList = counting ? "CBProducto" : "CBProductos";
        w.choose(categoryList, category);
        w.choose(brandList, brand);
        if (!items.isEmpty())
            QCOMPARE(w.entries(itemList).mid(1), items);
        w.choose(itemList, item);
        w.click(counting ? "SBGenerar" : "SBGenerarI");
        QCOMPARE(w.column(StockGrid::CProducto), listed);
        QCOMPARE(w.column(StockGrid::CNro).last(), QString::number(listed.size()));
        QCOMPARE(w.grid()->selectedRow(), 0);
        QVERIFY(!Drive::control<QProgressBar>(*w.window, "PBar1")->isVisible());
        QCOMPARE(Drive::control<QProgressBar>(*w.window, "PBar1")->maximum(), listed.size());
        QCOMPARE(w.shop.messages.all, QStringList());
    }

    // Every item column is carried; a stock not above zero is fuchsia.
    void rowsAndColours()
    {
        StockWindow w(30);
        w.choose("CBCategoriaS", "BEBIDAS");
        w.click("SBGenerar");
        const int coca = w.rowOf("COCA COLA 2L");
        QStringList cells;
        for (int column = StockGrid::CNro; column <= StockGrid::CFisico; ++column)
            cells << w.grid()->cell(column, coca);
        QCOMPARE(cells, (QStringList{"3", "P000000001", "1", "COCA COLA", "COCA COLA 2L", "BOTELLA PET 2 LITROS", "UNIDAD",
                                     "6", "9.5", "12.5", "12.5", "7751234000011", "20", "5", "15", "15"}));
        const struct {
            const char* item;
            const char* stock;
            bool fuchsia;
        } expected[] = {{"FANTA NARANJA 2L", "-2", true},
                        {"AGUA VITAL 600ML", "0", true},
                        {"COCA COLA 2L", "15", false},
                        {"CERVEZA PACENA 620ML", "72", false}};
        for (const auto& e : expected) {
            const int row = w.rowOf(e.item);
            QCOMPARE(w.grid()->cell(StockGrid::CStock, row), QString::fromLatin1(e.stock));
            QCOMPARE(w.grid()->cellColor(StockGrid::CStock, row) == QColor(255, 0, 255), e.fuchsia);
        }
    }

    // "REPORTE" works on a generated list only and prints every row of it.
    void report()
    {
        StockWindow w(21);
        QVERIFY(!Drive::enabled(*w.window, "SBReporteI"));
        w.click("SBGenerarI");
        QVERIFY(Drive::enabled(*w.window, "SBReporteI"));
        w.choose("CBMarcas", "GUABIRA");
        QVERIFY(!Drive::enabled(*w.window, "SBReporteI"));
        w.click("SBGenerarI");
        w.choose("CBProductos", "AZUCAR GRANULADA 50KG");
        QVERIFY(!Drive::enabled(*w.window, "SBReporteI"));
        w.choose("CBProductos", "TODOS LOS INSUMOS");
        w.click("SBGenerarI");
        w.shop.clock.moment = QDateTime(QDate(2026, 12, 10), QTime(8, 5, 0));
        w.click("SBReporteI");
        QCOMPARE(w.print.previews.shown.size(), 1);
        const ReportDocument& report = w.print.previews.shown.first();
        QCOMPARE(report.title, QStringLiteral("Stock de Insumos"));
        QCOMPARE(w.print.label("LTituloS"), QStringLiteral("REPORTE STOCK DE INSUMOS[09/12/2026]"));
        QCOMPARE(w.print.label("LInsupr"), QStringLiteral("Insumo:"));
        QCOMPARE(w.print.label("LCategoriaS"), QStringLiteral("TODAS LAS CATEGORIAS"));
        QCOMPARE(w.print.label("LMarcaS"), QStringLiteral("GUABIRA"));
        QCOMPARE(w.print.label("LProductoI"), QStringLiteral("TODOS LOS INSUMOS"));
        QCOMPARE(w.print.label("LFechaIS"), QStringLiteral("Fecha y Hora de Impresión: 10/12/2026 08:05:00"));
        QStringList rows;
        for (const PlacedElement& e : report.pages.first().items)
            if (e.name == "LNroS" || e.name == "LProductoS" || e.name == "LMinS" || e.name == "LStockS")
                rows << e.text;
        QCOMPARE(rows, (QStringList{"1", "AZUCAR GRANULADA 50KG", "50", "100"}));
        // The form holds the rows it printed, not the window: laid out again once the window is
        // gone, it prints the same rows.
        w.window.reset();
        QStringList again;
        const ReportDocument redone = ReportLayouter::layout({&TFRCaja::instance().QRReporteS()});
        for (const PlacedElement& e : redone.pages.first().items)
            if (e.name == "LNroS" || e.name == "LProductoS" || e.name == "LMinS" || e.name == "LStockS")
                again << e.text;
        QCOMPARE(again, rows);
    }

    // Not a check: the stock report of every product, for a person to look at.
    void sampleReportPdf()
    {
        const QString dir = qEnvironmentVariable("CVI_SAMPLE_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SAMPLE_DIR to write the stock report");
        StockWindow w(20);
        w.click("SBGenerarI");
        w.click("SBReporteI");
        QCOMPARE(w.print.previews.writePdf(0, dir + "/reporte-stock.pdf"), QString());
    }

    // The count through the window: typed in the "Fisico" column, stored after the question, shown
    // as the counter would read it.
    void countThroughTheWindow()
    {
        StockWindow w(30);
        w.choose("CBCategoriaS", "BEBIDAS");
        w.click("SBGenerar");
        w.typeCount("COCA COLA 2L", "12");
        w.typeCount("FANTA NARANJA 2L", "x4");  // a letter types nothing
        const int coca = w.rowOf("COCA COLA 2L"), fanta = w.rowOf("FANTA NARANJA 2L");
        QCOMPARE(w.grid()->cell(StockGrid::CFisico, coca), QStringLiteral("12"));
        QCOMPARE(w.grid()->cell(StockGrid::CFisico, fanta), QStringLiteral("4"));

        w.shop.messages.answerNext(false);
        w.click("SBArquear");
        QCOMPARE(w.counters("COCA COLA 2L"), QStringLiteral("20/5"));
        // The last count typed is counted even while its cell is still being edited.
        w.typeCount("AGUA VITAL 600ML", "9", false);
        w.click("SBArquear");
        QCOMPARE(w.shop.messages.questions.last(),
                 (QPair<QString, QString>{"Arquear Stock", "Esta Operación actualizara el Stock del Sistema con el Fisico "
                                                           "existente, desea continuar? "}));
        QCOMPARE(w.counters("COCA COLA 2L"), QStringLiteral("20/8"));
        QCOMPARE(w.counters("FANTA NARANJA 2L"), QStringLiteral("10/6"));
        QCOMPARE(w.counters("CERVEZA PACENA 620ML"), QStringLiteral("72/0"));
        QCOMPARE(w.counters("AGUA VITAL 600ML"), QStringLiteral("0/-9"));
        QCOMPARE(w.grid()->cell(StockGrid::CEgreso, coca), QStringLiteral("8.00"));
        QCOMPARE(w.grid()->cell(StockGrid::CStock, coca), QStringLiteral("12"));
        QCOMPARE(w.grid()->cell(StockGrid::CStock, fanta), QStringLiteral("4"));
        QVERIFY(!w.grid()->cellColor(StockGrid::CStock, fanta).isValid());
        QCOMPARE(w.grid()->cell(StockGrid::CEgreso, w.rowOf("CERVEZA PACENA 620ML")), QStringLiteral("0"));
        QCOMPARE(w.shop.messages.infos + w.shop.messages.errors, QStringList());

        // Roll-over and reset go on from what the count stored, without generating again.
        w.click("SBActualizarI");
        QCOMPARE(w.shop.messages.questions.last().first, QStringLiteral("Actualizar Inicial de Stock"));
        QCOMPARE(w.counters("COCA COLA 2L"), QStringLiteral("12/0"));
        QCOMPARE(w.grid()->cell(StockGrid::CIngreso, coca), QStringLiteral("12"));
        QCOMPARE(w.grid()->cell(StockGrid::CEgreso, coca), QStringLiteral("0"));
        QCOMPARE(w.grid()->cell(StockGrid::CFisico, coca), QStringLiteral("12"));
        w.click("SBReiniciarS");
        QCOMPARE(w.shop.messages.questions.last(),
                 (QPair<QString, QString>{"Reiniciar Stock", "Esta operacion colocara en CERO el Stock, desea continuar? "}));
        QCOMPARE(w.counters("COCA COLA 2L"), QStringLiteral("0/0"));
        QCOMPARE(w.counters("CERVEZA PACENA 620ML"), QStringLiteral("0/0"));
        QCOMPARE(w.counters("LECHE PIL 1L"), QStringLiteral("30/0"));
        QCOMPARE(w.column(StockGrid::CStock), QStringList(4, "0"));
        QCOMPARE(w.grid()->cellColor(StockGrid::CStock, coca), QColor(255, 0, 255));
        QCOMPARE(w.shop.messages.infos + w.shop.messages.errors, QStringList());
    }

    // A sale at another counter after "GENERAR" refuses the count with a message; the list and
    // the stock stay as they were.
    void countAfterAnotherStationsSale()
    {
        StockWindow w(30);
        w.choose("CBCategoriaS", "BEBIDAS");
        w.click("SBGenerar");
        w.typeCount("COCA COLA 2L", "12");
        SecondStation other(w.shop.databasePath());
        QCOMPARE(other.execute("UPDATE Productos SET Egreso=Egreso+1 WHERE Producto='COCA COLA 2L'"), QString());
        w.click("SBArquear");
        QCOMPARE(w.shop.messages.infos.size(), 1);
        QVERIFY(w.shop.messages.infos.first().startsWith("El stock de \"COCA COLA 2L\" cambio despues de GENERAR"));
        QCOMPARE(w.counters("COCA COLA 2L"), QStringLiteral("20/6"));
        QCOMPARE(w.counters("FANTA NARANJA 2L"), QStringLiteral("10/12"));
        QCOMPARE(w.grid()->cell(StockGrid::CEgreso, w.rowOf("COCA COLA 2L")), QStringLiteral("5"));
        QVERIFY(!Drive::control<QProgressBar>(*w.window, "PBar1")->isVisible());
    }

    // Nothing to count: no question, nothing written.
    void emptyListAsksNothing()
    {
        StockWindow w(31);
        for (const char* button : {"SBArquear", "SBActualizarI", "SBReiniciarS"})
            w.click(button);
        QCOMPARE(w.shop.messages.questions.size(), 0);
    }

    // The count panel's arrows walk its own list.
    void navigationMovesTheCountList()
    {
        StockWindow w(30);
        w.click("SBGenerar");
        const int last = w.grid()->rowCount() - 1;
        const struct {
            const char* button;
            int row;
        } steps[] = {{"SBUltimo", last}, {"SBSiguiente", last}, {"SBAnterior", last - 1},
                     {"SBPrimero", 0},   {"SBAnterior", 0},     {"SBSiguiente", 1}};
        for (const auto& step : steps) {
            w.click(step.button);
            QCOMPARE(w.grid()->selectedRow(), step.row);
        }
    }

    // Not a check: the query and count panels, for a person to look at.
    void snapshots()
    {
        const QString dir = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to write the stock window's pictures");
        for (int mode : {20, 31}) {
            StockWindow w(mode);
            w.click(mode == 20 ? "SBGenerarI" : "SBGenerar");
            if (mode == 31)
                w.typeCount("HARINA DE TRIGO 50KG", "240");
            QVERIFY(w.window->grab().save(dir + QStringLiteral("/stock-%1.png").arg(mode)));
        }
    }
};

QTEST_MAIN(TstUStock)
#include "tst_ustock.moc"
