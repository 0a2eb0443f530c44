#include "ReportShop.h"
#include "WindowDriver.h"

#include "data/MainStatus.h"
#include "printing/RecordingReportPreview.h"
#include "printing/URCaja.h"
#include "reports/ui/URCompras.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QtTest>

namespace {

const QString Coca = "P000000001", Leche = "P000000008", Harina = "P000000013", Azucar = "P000000014";

void setRange(QWidget& window, const char* from, const char* to, const QDate& a, const QDate& b)
{
    Drive::control<QDateEdit>(window, from)->setDate(a);
    Drive::control<QDateEdit>(window, to)->setDate(b);
}

QString label(ReportDefinition& report, const char* name) { return report.label(QLatin1String(name))->text(); }

}

class TstURCompras : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ReportPreview::install(&m_preview);
        m_preview = RecordingReportPreview();
    }
    void cleanup() { ReportPreview::install(nullptr); }

    void purchaseTable_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::newRow("supplies: range edges in, two unit costs two rows, deleted purchase out")
            << 11 << "TODAS LAS CATEGORIA"
            << "TODOS LOS INSUMOS"
            << QList<QStringList>{{"1", "10", "AZUCAR GRANULADA 50KG", "KILO", "5.60", "56.00"},
                                  {"2", "4", "HARINA DE TRIGO 50KG", "KILO", "2.50", "10.00"},
                                  {"3", "6", "HARINA DE TRIGO 50KG", "KILO", "3.00", "18.00"}};
        QTest::newRow("one supply") << 11 << "TODAS LAS CATEGORIA"
                                    << "HARINA DE TRIGO 50KG"
                                    << QList<QStringList>{{"1", "4", "HARINA DE TRIGO 50KG", "KILO", "2.50", "10.00"},
                                                          {"2", "6", "HARINA DE TRIGO 50KG", "KILO", "3.00", "18.00"}};
        QTest::newRow("category: the stored line category counts")
            << 11 << "HARINAS"
            << "TODOS LOS INSUMOS"
            << QList<QStringList>{{"1", "4", "HARINA DE TRIGO 50KG", "KILO", "2.50", "10.00"},
                                  {"2", "6", "HARINA DE TRIGO 50KG", "KILO", "3.00", "18.00"}};
        QTest::newRow("products") << 10 << "TODAS LAS CATEGORIA"
                                  << "TODOS LOS PRODUCTOS"
                                  << QList<QStringList>{{"1", "24", "COCA COLA 2L", "UNIDAD", "9.50", "228.00"},
                                                        {"2", "12", "LECHE PIL 1L", "UNIDAD", "5.50", "66.00"}};
        QTest::newRow("category and item")
            << 10 << "LACTEOS"
            << "LECHE PIL 1L" << QList<QStringList>{{"1", "12", "LECHE PIL 1L", "UNIDAD", "5.50", "66.00"}};
    }
    void purchaseTable()
    {
        QFETCH(int, mode);
        QFETCH(QString, category);
        QFETCH(QString, item);
        QFETCH(QList<QStringList>, rows);
        ReportShop r;
        r.purchase("P000000101", "2026-01-01", 2, {{Harina, 4, 2.5}});
        r.purchase("P000000102", "2026-01-31", 2, {{Harina, 6, 3}, {Azucar, 10, 5.6}});
        r.purchase("P000000103", "2026-02-01", 2, {{Harina, 50, 2.5}});
        r.purchase("P000000104", "2026-01-15", 2, {{Harina, 99, 2.5}});
        r.shop.db().execute("DELETE FROM Compras WHERE IdCompra = 'P000000104'");
        // A line stored under another category than the supply has now.
        r.purchase("P000000105", "2026-01-20", 2, {{Harina, 7, 2.5}});
        r.shop.db().execute("UPDATE DetalleC SET IdCategoria = 24 WHERE IdCompra = 'P000000105'");
        if (category == "TODAS LAS CATEGORIA")
            r.shop.db().execute("DELETE FROM Compras WHERE IdCompra = 'P000000105'");
        r.purchase("P000000106", "2026-01-10", 1, {{Coca, 24, 9.5}, {Leche, 12, 5.5}});
        SessionState::current().WindowMode = mode;
        TFRCompras window;
        setRange(window, "DTFechaI", "DTFechaF", QDate(2026, 1, 1), QDate(2026, 1, 31));
        Drive::choose(window, "CBCategoria", category);
        Drive::choose(window, "CBProductos", item);
        QVERIFY(!Drive::enabled(window, "SBReporte"));
        Drive::click(window, "SBGenerar");
        QCOMPARE(GridRows(Drive::control<DataGrid>(window, "VecC"), 6), rows);
        QVERIFY(Drive::enabled(window, "SBReporte"));
        QVERIFY(r.shop.messages.all.isEmpty());
    }

    void servicesGroupByExactConcept()
    {
        ReportShop r;
        r.services("P000000201", "2026-01-05", {{"LUZ", 1, 120.5}, {"AGUA", 1, 40}});
        r.services("P000000202", "2026-01-20", {{"Luz", 1, 30}, {"LUZ", 2, 100}});
        r.services("P000000203", "2026-02-20", {{"LUZ", 1, 999}});
        SessionState::current().WindowMode = 12;
        TFRCompras window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Consulta Compra de Servicios"));
        QVERIFY(!Drive::enabled(window, "SBReporteS"));
        setRange(window, "DTFechaIS", "DTFechaFS", QDate(2026, 1, 1), QDate(2026, 1, 31));
        Drive::click(window, "SBGenerarS");
        DataGrid* grid = Drive::control<DataGrid>(window, "VecS");
        QCOMPARE(GridRows(grid, 4),
                 (QList<QStringList>{{"1", "1", "AGUA", "40.00"}, {"2", "3", "LUZ", "220.50"}, {"3", "1", "Luz", "30.00"}}));
        QCOMPARE(grid->footerText(3), QStringLiteral("290.50"));
        Drive::click(window, "SBReporteS");
        QCOMPARE(m_preview.shown.size(), 1);
        QCOMPARE(m_preview.shown.at(0).title, QStringLiteral("Reporte Compra de Sericios"));
        ReportDefinition& report = TFRCaja::instance().QRServicios();
        QCOMPARE(label(report, "LFechaS"), QStringLiteral("Desde: 01/01/2026 Hasta: 31/01/2026"));
        QCOMPARE(label(report, "LTotalS"), QStringLiteral("290.50"));
        QCOMPARE(label(report, "LFechaSI"), QStringLiteral("Fecha y Hora de Impresión: 09/12/2026 10:30:00"));
        const QStringList texts = m_preview.shown.at(0).allTexts();
        QVERIFY(texts.contains("REPORTE COMPRA DE SERVICIOS"));
        QVERIFY(texts.contains("Luz") && texts.contains("220.50"));
    }

    void printedRangeIsTheLastGenerated()
    {
        ReportShop r;
        r.purchase("P000000101", "2026-01-10", 1, {{Coca, 24, 9.5}});
        SessionState::current().WindowMode = 10;
        TFRCompras window;
        setRange(window, "DTFechaI", "DTFechaF", QDate(2026, 1, 1), QDate(2026, 1, 31));
        Drive::click(window, "SBGenerar");
        setRange(window, "DTFechaI", "DTFechaF", QDate(2026, 3, 1), QDate(2026, 3, 31));
        QVERIFY(Drive::enabled(window, "SBReporte"));  // dates do not disable it
        Drive::click(window, "SBReporte");
        ReportDefinition& report = TFRCaja::instance().QRReporteI();
        QCOMPARE(m_preview.shown.at(0).title, QStringLiteral("Reporte de Compras"));
        QCOMPARE(label(report, "LRFechas"), QStringLiteral("Desde: 01/01/2026 Hasta: 31/01/2026"));
        QCOMPARE(label(report, "LTituloCV"), QStringLiteral("REPORTE COMPRAS DE PRODUCTOS"));
        QCOMPARE(label(report, "LProdin"), QStringLiteral("Producto:"));
        QCOMPARE(label(report, "LTotalCV"), QStringLiteral("Total Compras Bs.:"));
        QCOMPARE(label(report, "LTotalI"), QStringLiteral("228.00"));
        QCOMPARE(label(report, "LCategoria"), QStringLiteral("TODAS LAS CATEGORIA"));
        Drive::choose(window, "CBProductos", "COCA COLA 2L");
        QVERIFY(!Drive::enabled(window, "SBReporte"));  // a filter does
    }

    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("operation");
        QTest::newRow("products") << 10 << "Consulta Compra de Productos a la Venta"
                                  << "Consulta Compras de Productos"
                                  << "Operacion: Consulta Compra de productos a la Venta";
        QTest::newRow("supplies") << 11 << "Consulta Compra de Insumos (Materia Prima)"
                                  << "Consulta Compras de Insumos"
                                  << "Operacion: Consulta Compra de Insumos";
        QTest::newRow("services") << 12 << "Consulta Compra de Servicios"
                                  << "Consulta Compras de Servicios"
                                  << "Operacion: Consulta Compra de Servicios";
    }
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, status);
        QFETCH(QString, operation);
        ReportShop r;
        SessionState::current().WindowMode = mode;
        TFRCompras window;
        SessionState::current().WindowMode = 1;  // another command meanwhile: the window keeps its mode
        QCOMPARE(window.mode(), mode);
        QCOMPARE(window.windowTitle(), caption);
        QCOMPARE(Drive::control<QLabel>(window, "LEstado")->text(), status);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(MainStatus::text(3), operation);
        QCOMPARE(Drive::visible(window, "PCompraServ"), mode == 12);
        QCOMPARE(Drive::visible(window, "PCompras"), mode != 12);
    }

    // Not a check: the windows and their printouts for a person to look at.
    void snapshots()
    {
        const QByteArray dir = qgetenv("CVI_SAMPLE_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SAMPLE_DIR to write the purchase report pictures");
        const QString folder = QString::fromLocal8Bit(dir);
        ReportShop r;
        r.purchase("P000000101", "2026-01-01", 2, {{Harina, 4, 2.5}, {Azucar, 10, 5.6}});
        r.purchase("P000000102", "2026-01-31", 2, {{Harina, 6, 3}});
        r.purchase("P000000103", "2026-01-10", 1, {{Coca, 24, 9.5}, {Leche, 12, 5.5}});
        r.services("P000000201", "2026-01-05", {{"LUZ", 1, 120.5}, {"AGUA", 1, 40}, {"Luz", 1, 30}});
        for (int mode : {10, 11, 12}) {
            SessionState::current().WindowMode = mode;
            TFRCompras window;
            const bool services = mode == 12;
            setRange(window, services ? "DTFechaIS" : "DTFechaI", services ? "DTFechaFS" : "DTFechaF", QDate(2026, 1, 1),
                     QDate(2026, 1, 31));
            Drive::click(window, services ? "SBGenerarS" : "SBGenerar");
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.grab().save(folder + QStringLiteral("/compras-%1.png").arg(mode)));
            Drive::click(window, services ? "SBReporteS" : "SBReporte");
            QCOMPARE(m_preview.writePdf(int(m_preview.shown.size()) - 1, folder + QStringLiteral("/compras-%1.pdf").arg(mode)),
                     QString());
        }
    }

private:
    RecordingReportPreview m_preview;
};

QTEST_MAIN(TstURCompras)
#include "tst_urcompras.moc"
