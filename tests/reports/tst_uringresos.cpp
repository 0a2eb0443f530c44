#include "ReportShop.h"
#include "SheetReader.h"
#include "WindowDriver.h"

#include "data/MainStatus.h"
#include "masterdata/ui/UBusquedas.h"
#include "printing/RecordingReportPreview.h"
#include "printing/UReporteI.h"
#include "printing/URCaja.h"
#include "reports/ui/URIngresos.h"

#include <QComboBox>
#include <QApplication>
#include <QDateEdit>
#include <QTimer>
#include <QtTest>

namespace {

using Line = ReportShop::Line;
const QString Coca = "P000000001", Aceite = "P000000005", Leche = "P000000008", Pan = "P000000012", Harina = "P000000013",
              Bolsa = "P000000015";

void setRange(QWidget& window, const char* from, const char* to, const QDate& a, const QDate& b)
{
    Drive::control<QDateEdit>(window, from)->setDate(a);
    Drive::control<QDateEdit>(window, to)->setDate(b);
}

// January 2026: Coca Cola at two prices, milk, bread; an annulled sale; sales outside the month.
void january(ReportShop& r)
{
    r.sale("V000000001", "2026-01-01", {{Coca, 2, 12.5}, {Pan, 10, 0.5}});
    r.sale("V000000002", "2026-01-31", {{Coca, 1, 13}, {Leche, 3, 7}}, 2);
    r.sale("V000000003", "2026-01-15", {{Coca, 5, 12.5, "A"}});
    r.sale("V000000004", "2025-12-31", {{Leche, 1, 7}});
    r.sale("V000000005", "2026-02-01", {{Leche, 1, 7}});
}

QString label(ReportDefinition& report, const char* name) { return report.label(QLatin1String(name))->text(); }

}

class TstURIngresos : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ReportPreview::install(&m_preview);
        m_preview = RecordingReportPreview();
    }
    void cleanup() { ReportPreview::install(nullptr); }

    void productTable_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QList<QStringList>>("rows");
        const QStringList coca1{"1", "2", "COCA COLA 2L", "UNIDAD", "12.50", "25.00"};
        QTest::newRow("everything: one row per price, annulled lines out, range edges in")
            << "TODAS LAS CATEGORIAS"
            << "TODOS LOS PRODUCTOS"
            << QList<QStringList>{coca1,
                                  {"2", "1", "COCA COLA 2L", "UNIDAD", "13.00", "13.00"},
                                  {"3", "3", "LECHE PIL 1L", "UNIDAD", "7.00", "21.00"},
                                  {"4", "10", "PAN MARRAQUETA", "UNIDAD", "0.50", "5.00"}};
        QTest::newRow("category only") << "BEBIDAS"
                                       << "TODOS LOS PRODUCTOS"
                                       << QList<QStringList>{coca1, {"2", "1", "COCA COLA 2L", "UNIDAD", "13.00", "13.00"}};
        QTest::newRow("product only") << "TODAS LAS CATEGORIAS"
                                      << "LECHE PIL 1L"
                                      << QList<QStringList>{{"1", "3", "LECHE PIL 1L", "UNIDAD", "7.00", "21.00"}};
        QTest::newRow("category and product: lines of the product's category only")
            << "LACTEOS"
            << "LECHE PIL 1L" << QList<QStringList>{{"1", "3", "LECHE PIL 1L", "UNIDAD", "7.00", "21.00"}};
    }
    void productTable()
    {
        QFETCH(QString, category);
        QFETCH(QString, product);
        QFETCH(QList<QStringList>, rows);
        ReportShop r;
        january(r);
        // A line stored under another category than the product's.
        r.shop.db().execute("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) "
                            "VALUES(4, ?, 7, 28, 'V000000001', 8)",
                            {Leche});
        if (product == "TODOS LOS PRODUCTOS" || category != "LACTEOS")
            r.shop.db().execute("DELETE FROM DetalleV WHERE IdCategoria = 8");
        SessionState::current().WindowMode = 1;
        TFRIngresos window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Reporte de Ventas"));
        setRange(window, "DTFechaI", "DTFechaF", QDate(2026, 1, 1), QDate(2026, 1, 31));
        Drive::choose(window, "CBCategoria", category);
        Drive::choose(window, "CBProductos", product);
        QVERIFY(!Drive::enabled(window, "SBReporte"));
        Drive::click(window, "SBGenerar2");
        DataGrid* grid = Drive::control<DataGrid>(window, "VecI");
        QCOMPARE(GridRows(grid, 6), rows);
        QCOMPARE(grid->selectedRow(), 0);
        QVERIFY(Drive::enabled(window, "SBReporte"));
        QVERIFY(r.shop.messages.all.isEmpty());
    }

    void categoryMovedToTheOtherInventory()
    {
        ReportShop r;
        r.sale("V000000001", "2026-01-10", {{Aceite, 1, 16.5}, {Leche, 2, 7}});
        r.shop.db().execute("UPDATE Categorias SET Inventario = 2 WHERE IdCategoria = 2");  // ABARROTES
        SessionState::current().WindowMode = 1;
        TFRIngresos window;
        auto* categories = Drive::control<QComboBox>(window, "CBCategoria");
        QCOMPARE(categories->itemText(2), QStringLiteral("LACTEOS"));  // second in the list, id 3
        setRange(window, "DTFechaI", "DTFechaF", QDate(2026, 1, 1), QDate(2026, 1, 31));
        Drive::choose(window, "CBCategoria", "LACTEOS");
        QCOMPARE(Drive::control<QComboBox>(window, "CBProductos")->count(), 3);  // first + milk + yogurt
        Drive::click(window, "SBGenerar2");
        QCOMPARE(GridRows(Drive::control<DataGrid>(window, "VecI"), 3), (QList<QStringList>{{"1", "2", "LECHE PIL 1L"}}));
    }

    void newCategoryReloadsTheProducts()
    {
        ReportShop r;
        SessionState::current().WindowMode = 1;
        TFRIngresos window;
        auto* products = Drive::control<QComboBox>(window, "CBProductos");
        QCOMPARE(products->itemText(0), QStringLiteral("TODOS LOS PRODUCTOS"));
        QCOMPARE(products->count(), 13);  // every product for sale
        Drive::choose(window, "CBProductos", "PAN MARRAQUETA");
        Drive::choose(window, "CBCategoria", "LACTEOS");
        QCOMPARE(products->currentIndex(), 0);
        QCOMPARE(products->count(), 3);
    }

    void deliveriesOfOneSupply()
    {
        ReportShop r;
        r.delivery("E000000001", "2026-01-05", Harina, 5);
        r.delivery("E000000002", "2026-01-20", Harina, 7.5);
        r.delivery("E000000003", "2026-01-21", Harina, 100, "A");
        r.delivery("E000000004", "2026-01-22", Bolsa, 50);
        SessionState::current().WindowMode = 6;
        TFRIngresos window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Reporte Entrega de Insumos"));
        QCOMPARE(Drive::control<QComboBox>(window, "CBProductos")->itemText(0), QStringLiteral("TODOS LOS INSUMOS"));
        setRange(window, "DTFechaI", "DTFechaF", QDate(2026, 1, 1), QDate(2026, 1, 31));
        Drive::choose(window, "CBProductos", "HARINA DE TRIGO 50KG");
        Drive::click(window, "SBGenerar2");
        QCOMPARE(GridRows(Drive::control<DataGrid>(window, "VecI"), 6),
                 (QList<QStringList>{{"1", "12.5", "HARINA DE TRIGO 50KG", "KILO", "0", "0"}}));
    }

    void anyChangeDisablesTheReport()
    {
        ReportShop r;
        january(r);
        SessionState::current().WindowMode = 1;
        TFRIngresos window;
        const std::function<void()> changes[] = {
            [&] { Drive::control<QDateEdit>(window, "DTFechaI")->setDate(QDate(2026, 1, 2)); },
            [&] { Drive::control<QDateEdit>(window, "DTFechaF")->setDate(QDate(2026, 1, 30)); },
            [&] { Drive::choose(window, "CBCategoria", "BEBIDAS"); },
            [&] { Drive::choose(window, "CBProductos", "COCA COLA 2L"); },
        };
        for (const auto& change : changes) {
            Drive::click(window, "SBGenerar2");
            QVERIFY(Drive::enabled(window, "SBReporte"));
            change();
            QVERIFY(!Drive::enabled(window, "SBReporte"));
        }
        // Typed letters do not choose.
        Drive::choose(window, "CBCategoria", "TODAS LAS CATEGORIAS");
        QTest::keyClicks(Drive::control<QComboBox>(window, "CBCategoria"), "L");
        QCOMPARE(Drive::control<QComboBox>(window, "CBCategoria")->currentIndex(), 0);
    }

    void salesReportPrintsTheGrid()
    {
        ReportShop r;
        january(r);
        SessionState::current().WindowMode = 1;
        TFRIngresos window;
        setRange(window, "DTFechaI", "DTFechaF", QDate(2026, 1, 1), QDate(2026, 1, 31));
        Drive::click(window, "SBGenerar2");
        Drive::click(window, "SBReporte");
        Drive::click(window, "SBReporte");
        QCOMPARE(m_preview.shown.size(), 2);
        ReportDefinition& report = TFRCaja::instance().QRReporteI();
        QCOMPARE(m_preview.shown.at(0).title, QStringLiteral("Reporte de Ingresos"));
        QCOMPARE(label(report, "LTituloCV"), QStringLiteral("REPORTE DE VENTAS"));
        QCOMPARE(label(report, "LProdin"), QStringLiteral("Producto:"));
        QCOMPARE(label(report, "LTotalCV"), QStringLiteral("Total Ventas Bs.:"));
        QCOMPARE(label(report, "LTotalI"), QStringLiteral("64.00"));
        QCOMPARE(label(report, "LCategoria"), QStringLiteral("TODAS LAS CATEGORIAS"));
        QCOMPARE(label(report, "LProductoR"), QStringLiteral("TODOS LOS PRODUCTOS"));
        QCOMPARE(label(report, "LRFechas"), QStringLiteral("Desde: 01/01/2026 Hasta: 31/01/2026"));
        QCOMPARE(label(report, "LFechaImp"), QStringLiteral("Fecha y Hora de Impresión: 09/12/2026 10:30:00"));
        const QStringList texts = m_preview.shown.at(0).allTexts();
        QVERIFY(texts.contains("PAN MARRAQUETA"));
        QCOMPARE(texts.count("COCA COLA 2L"), 2);
        QCOMPARE(m_preview.shown.at(1).allTexts(), texts);  // the second preview starts again at row 1
    }

    void emptyTableReportsNothing()
    {
        ReportShop r;
        SessionState::current().WindowMode = 6;
        TFRIngresos window;
        Drive::click(window, "SBGenerar2");
        QCOMPARE(Drive::control<DataGrid>(window, "VecI")->rowCount(), 0);
        Drive::click(window, "SBReporte");
        QVERIFY(m_preview.shown.isEmpty());
    }

    void debtors_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("nit");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::newRow("credit: days from the sale to today")
            << "CREDITO"
            << ""
            << "ORDEN CRONOLOGICO"
            << QList<QStringList>{{"1", "01/12/2026", "4567890", "MARIA QUISPE", "25.00", "5.00", "20.00", "10"},
                                  {"2", "11/12/2026", "3344556", "CARLOS ROCA", "13.00", "0.00", "13.00", "0"}};
        QTest::newRow("by name") << "CREDITO"
                                 << ""
                                 << "NOMBRE"
                                 << QList<QStringList>{
                                        {"1", "11/12/2026", "3344556", "CARLOS ROCA", "13.00", "0.00", "13.00", "0"},
                                        {"2", "01/12/2026", "4567890", "MARIA QUISPE", "25.00", "5.00", "20.00", "10"}};
        QTest::newRow("cash sales have no days")
            << "EFECTIVO"
            << ""
            << "ORDEN CRONOLOGICO"
            << QList<QStringList>{{"1", "05/12/2026", "4567890", "MARIA QUISPE", "7.00", "7.00", "0.00", "0"}};
        QTest::newRow("one client") << "CREDITO"
                                    << "3344556"
                                    << "ORDEN CRONOLOGICO"
                                    << QList<QStringList>{
                                           {"1", "11/12/2026", "3344556", "CARLOS ROCA", "13.00", "0.00", "13.00", "0"}};
        QTest::newRow("unknown NIT/CI") << "CREDITO"
                                        << "999"
                                        << "ORDEN CRONOLOGICO" << QList<QStringList>{};
    }
    void debtors()
    {
        QFETCH(QString, form);
        QFETCH(QString, nit);
        QFETCH(QString, order);
        QFETCH(QList<QStringList>, rows);
        ReportShop r;
        r.shop.clock.moment = QDateTime(QDate(2026, 12, 11), QTime(18, 0));
        r.sale("V000000001", "2026-12-01", {{Coca, 2, 12.5}}, 2, "4567890", "MARIA QUISPE", 5);
        r.sale("V000000002", "2026-12-11", {{Coca, 1, 13}}, 2, "3344556", "CARLOS ROCA", 0);
        r.sale("V000000003", "2026-12-05", {{Leche, 1, 7}}, 1);
        r.sale("V000000004", "2026-12-06", {{Leche, 1, 7, "A"}}, 2);  // annulled
        r.sale("V000000005", "2026-10-01", {{Leche, 1, 7}}, 2);       // before the range
        SessionState::current().WindowMode = 2;
        TFRIngresos window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Reporte de Deudores"));
        QCOMPARE(Drive::control<QComboBox>(window, "CBFPago")->currentText(), QStringLiteral("CREDITO"));
        setRange(window, "FechaI", "FechaF", QDate(2026, 11, 11), QDate(2026, 12, 11));
        Drive::choose(window, "CBFPago", form);
        Drive::choose(window, "CBOrden", order);
        Drive::type(window, "ENitCI", nit);
        Drive::key(window, "ENitCI", Qt::Key_Return);
        DataGrid* grid = Drive::control<DataGrid>(window, "VecM");
        QCOMPARE(GridRows(grid, 8), rows);
        QVERIFY(Drive::enabled(window, "SBReporteM") && Drive::enabled(window, "SBExportarXLS"));
        if (rows.isEmpty()) {
            Drive::click(window, "SBReporteM");
            Drive::click(window, "SBExportarXLS");
            QVERIFY(m_preview.shown.isEmpty());
            QVERIFY(r.shop.files.requests.isEmpty());
        }
        Drive::type(window, "ENitCI", "1");
        QVERIFY(!Drive::enabled(window, "SBReporteM") && !Drive::enabled(window, "SBExportarXLS"));
    }

    // Space in the NIT/CI field opens the picker; Enter there takes its first row, which is the
    // one client that owes on credit, or the first client by name otherwise.
    void spaceInTheNitPicksAClient_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("picked");
        QTest::newRow("credit lists who owes") << "CREDITO"
                                               << "4567890";
        QTest::newRow("otherwise every client") << "EFECTIVO"
                                                << "3344556";
    }
    void spaceInTheNitPicksAClient()
    {
        QFETCH(QString, form);
        QFETCH(QString, picked);
        ReportShop r;
        r.sale("V000000001", "2026-12-01", {{Coca, 2, 12.5}}, 2, "4567890", "MARIA QUISPE", 5);
        TFBusquedas picker;
        TFBusquedas::setShared(&picker);
        SessionState::current().WindowMode = 2;
        TFRIngresos window;
        window.show();
        Drive::choose(window, "CBFPago", form);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            Drive::key(*dialog, "EBuscarC", Qt::Key_Return);
        });
        Drive::key(window, "ENitCI", Qt::Key_Space);
        TFBusquedas::setShared(nullptr);
        QCOMPARE(Drive::text(window, "ENitCI"), picked);
        QCOMPARE(Drive::control<QLineEdit>(window, "ENitCI")->selectedText(), picked);
    }

    void debtorsReportPrintsEachSaleWithItsLines()
    {
        ReportShop r;
        r.shop.clock.moment = QDateTime(QDate(2026, 12, 11), QTime(18, 0));
        r.sale("V000000001", "2026-12-01", {{Coca, 2, 12.5}, {Pan, 4, 0.5}}, 2, "4567890", "MARIA QUISPE", 5);
        r.sale("V000000002", "2026-12-11", {{Leche, 1, 13}}, 2, "3344556", "CARLOS ROCA", 0);
        r.sale("V000000003", "2026-12-05", {{Leche, 1, 7}}, 1);
        SessionState::current().WindowMode = 2;
        TFRIngresos window;
        setRange(window, "FechaI", "FechaF", QDate(2026, 12, 1), QDate(2026, 12, 11));
        Drive::click(window, "SBGenerarM");
        Drive::choose(window, "CBFPago", "EFECTIVO");  // changed after "GENERAR": nothing printed until the next
        Drive::click(window, "SBReporteM");
        QVERIFY(m_preview.shown.isEmpty());
        Drive::choose(window, "CBFPago", "CREDITO");
        Drive::click(window, "SBGenerarM");
        Drive::click(window, "SBReporteM");
        QCOMPARE(m_preview.shown.size(), 1);
        ReportDefinition& report = TFReporteI::instance().QRCreditos();
        QCOMPARE(m_preview.shown.at(0).title, QStringLiteral("REPORTE VENTAS A CREDITO"));
        QCOMPARE(label(report, "LTitulo"), QStringLiteral("REPORTE DE VENTAS: CREDITO"));
        QCOMPARE(label(report, "LRangoF"), QStringLiteral("Desde 01/12/2026 Hasta 11/12/2026"));
        QCOMPARE(label(report, "LTotalBs"), QStringLiteral("Total Deuda Bs.: 35.00"));
        QCOMPARE(report.memo("QRMDireccionR")->text(),
                 QString::fromUtf8("\nDirección:\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia"));
        QCOMPARE(label(report, "LFechaI"), QString::fromUtf8("Fecha/Hora de Impresión: 11/12/2026 18:00:00"));
        const QStringList texts = m_preview.shown.at(0).allTexts();
        const QStringList sale1{"CANTIDAD",
                                "PRODUCTO",
                                "C/UNITARIO",
                                "C/TOTAL",
                                "2",
                                "COCA COLA 2L",
                                "12.50",
                                "25.00",
                                "4",
                                "PAN MARRAQUETA",
                                "0.50",
                                "2.00",
                                "Cliente:",
                                "MARIA QUISPE - 4567890",
                                "Total Bs.:",
                                "27.00",
                                "Fecha de Entrega:",
                                "01/12/2026",
                                "Total Cancelado Bs.:",
                                "5.00",
                                "Dias de Mora:",
                                "10",
                                "Saldo Bs.:",
                                "22.00"};
        const qsizetype at = texts.indexOf("CANTIDAD");
        QVERIFY(at > 0);
        QCOMPARE(texts.mid(at, sale1.size()), sale1);
        QCOMPARE(texts.count("CANTIDAD"), 2);
        QVERIFY(!texts.contains("7.00"));  // the cash sale is not on it
    }

    void debtorsSpreadsheetReadBack()
    {
        ReportShop r;
        r.shop.clock.moment = QDateTime(QDate(2026, 12, 11), QTime(18, 0));
        r.sale("V000000001", "2026-12-01", {{Coca, 2, 12.5}}, 2, "4567890", "MARIA QUISPE", 5);
        SessionState::current().WindowMode = 2;
        TFRIngresos window;
        setRange(window, "FechaI", "FechaF", QDate(2026, 11, 11), QDate(2026, 12, 11));
        Drive::click(window, "SBGenerarM");
        const QString path = r.shop.folder() + "deudores.xlsx";
        r.shop.files.paths << path;
        Drive::click(window, "SBExportarXLS");
        QCOMPARE(r.shop.files.requests.value(0), r.shop.folder() + "Deudores_11112026_11122026.xlsx|Libro de Excel (*.xlsx)");
        QCOMPARE(r.shop.desktop.opened, QStringList{path});
        SheetReader sheet;
        QCOMPARE(sheet.read(path), QString());
        QCOMPARE(sheet.cell("A1").value.toString(), QStringLiteral("REPORTE DE INGRESOS"));
        QCOMPARE(sheet.cell("A2").value.toString(), QStringLiteral("Rango Fecha Desde 11/11/2026 Hata 11/12/2026"));
        const QStringList headings{"Nro",       "Fecha",        "NIT/CI",    "Nombre Cliente",
                                   "Total Bs.", "Efectivo Bs.", "Saldo Bs.", "Dias/Mora"};
        const double widths[] = {4, 12, 12, 30, 10, 10, 10, 10};
        for (int c = 0; c < 8; ++c) {
            const QString column(QChar('A' + c));
            QCOMPARE(sheet.cell(column + "4").value.toString(), headings.at(c));
            QVERIFY(sheet.cell(column + "4").bold && sheet.cell(column + "4").fill == "FFFFFF00");
            QCOMPARE(sheet.cell(column + "4").top, QStringLiteral("thin"));
            QCOMPARE(sheet.cell(column + "5").top, QStringLiteral("thin"));
            QVERIFY(sheet.cell(column + "6").bold);
            QCOMPARE(sheet.width(column), widths[c]);
        }
        QCOMPARE(sheet.cell("A5").type, QStringLiteral("n"));
        QCOMPARE(sheet.cell("B5").type, QStringLiteral("d"));
        QCOMPARE(sheet.cell("B5").value.toString(), QStringLiteral("2026-12-01"));
        QCOMPARE(sheet.cell("C5").type, QStringLiteral("s"));
        QCOMPARE(sheet.cell("E5").type, QStringLiteral("s"));  // the total as text, as the list always gave it
        QCOMPARE(sheet.cell("E5").value.toString(), QStringLiteral("25.00"));
        QCOMPARE(sheet.cell("G5").value.toDouble(), 20.0);
        QCOMPARE(sheet.cell("G5").format, QStringLiteral("0.00"));
        QCOMPARE(sheet.cell("H5").value.toDouble(), 10.0);
        QCOMPARE(sheet.cell("F5").align, QStringLiteral("left"));
    }

    void activationNamesTheReport_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("operation");
        QTest::newRow("sales") << 1 << "Operacion: Reporte y/o Informes de Ventas";
        QTest::newRow("deliveries") << 6 << "Operacion: Reporte Entrega de Insumos";
        QTest::newRow("debtors") << 2 << "Operacion: Reporte y/o Informes de Deudas";
    }
    void activationNamesTheReport()
    {
        QFETCH(int, mode);
        QFETCH(QString, operation);
        ReportShop r;
        SessionState::current().WindowMode = mode;
        TFRIngresos window;
        QCOMPARE(Drive::visible(window, "PReporteD"), false);  // not shown yet at all
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(MainStatus::text(3), operation);
        QCOMPARE(Drive::visible(window, "PReporteD"), mode == 2);
        QCOMPARE(Drive::visible(window, "PReporteI"), mode != 2);
    }

    // Not a check: the windows and their printouts for a person to look at.
    void snapshots()
    {
        const QByteArray dir = qgetenv("CVI_SAMPLE_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SAMPLE_DIR to write the sales report pictures");
        const QString folder = QString::fromLocal8Bit(dir);
        ReportShop r;
        r.shop.clock.moment = QDateTime(QDate(2026, 1, 31), QTime(18, 0));
        january(r);
        for (int n = 10; n < 40; ++n)
            r.sale(QStringLiteral("V0000000%1").arg(n), QStringLiteral("2026-01-%1").arg(n % 28 + 1, 2, 10, QChar('0')),
                   {{Coca, double(n % 4 + 1), 12.5}, {Leche, 2, 7}, {Pan, 6, 0.5}}, 2, QStringLiteral("45%1").arg(n),
                   QStringLiteral("CLIENTE NUMERO %1").arg(n), n % 3 * 5.0);
        r.delivery("E000000001", "2026-01-05", Harina, 5);
        r.delivery("E000000002", "2026-01-06", Bolsa, 150);
        for (int mode : {1, 6, 2}) {
            SessionState::current().WindowMode = mode;
            TFRIngresos window;
            const bool debtors = mode == 2;
            setRange(window, debtors ? "FechaI" : "DTFechaI", debtors ? "FechaF" : "DTFechaF", QDate(2026, 1, 1),
                     QDate(2026, 1, 31));
            Drive::click(window, debtors ? "SBGenerarM" : "SBGenerar2");
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.grab().save(folder + QStringLiteral("/ingresos-%1.png").arg(mode)));
            Drive::click(window, debtors ? "SBReporteM" : "SBReporte");
            QCOMPARE(m_preview.writePdf(int(m_preview.shown.size()) - 1, folder + QStringLiteral("/ingresos-%1.pdf").arg(mode)),
                     QString());
        }
        QVERIFY(m_preview.shown.last().pageCount() >= 2);
    }

private:
    RecordingReportPreview m_preview;
};

QTEST_MAIN(TstURIngresos)
#include "tst_uringresos.moc"
