#include "printing/RecordingReportPreview.h"
#include "printing/URCaja.h"

#include <QtTest>

namespace {
using Row = QStringList;  // Nro, Cantidad, Producto, U. Medida, C/Unitario, Total

// What a report window does: a counter over its grid rows, copied into the detail labels.
struct ReportWindow {
    QList<Row> grid;
    int counter = 0;
    void feed(ReportDefinition& report)
    {
        report.setRowCallbacks([this] { counter = 0; },
                               [this, &report] {
                                   if (counter >= grid.size())
                                       return false;
                                   const Row& row = grid.at(counter++);
                                   const QStringList names = {"LNro",    "LCantidad",  "LProducto",
                                                              "LUnidad", "LCUnitario", "LTotal"};
                                   for (int c = 0; c < names.size(); ++c)
                                       report.label(names.at(c))->setText(row.value(c));
                                   return true;
                               });
    }
};

QList<Row> SevenRows()
{
    return {{"1", "3", "COCA COLA 2L", "BOTELLA", "12.50", "37.50"},
            {"2", "10", "PAN MARRAQUETA", "UNIDAD", "0.50", "5.00"},
            {"3", "2.5", "AZUCAR BLANCA", "KILO", "8.00", "20.00"},
            {"4", "1", "ACEITE FINO 1L", "BOTELLA", "16.00", "16.00"},
            {"5", "4", "LECHE PIL", "BOLSA", "6.00", "24.00"},
            {"6", "12", "HUEVO", "UNIDAD", "1.00", "12.00"},
            {"7", "1", "ARROZ GRANO DE ORO 5KG", "BOLSA", "45.00", "45.00"}};
}

QStringList Names(const ReportDocument& doc, const QString& name)
{
    QStringList texts;
    for (const LaidOutPage& page : doc.pages)
        for (const PlacedElement& item : page.items)
            if (item.name == name)
                texts << item.text;
    return texts;
}
}

class TstURCaja : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ReportPreview::install(&m_preview);
        m_preview = RecordingReportPreview();
    }
    void cleanup() { ReportPreview::install(nullptr); }

    void reportsCarryTheirPagesAndTitles_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("title");
        QTest::addColumn<double>("margin");
        QTest::newRow("sales") << "QRReporteI"
                               << "REPORTE DE INGRESOS" << 15.0;
        QTest::newRow("stock") << "QRReporteS"
                               << "REPORTE STOCK" << 10.0;
        QTest::newRow("services") << "QRServicios"
                                  << "Reporte Compra de Sericios" << 15.0;
    }
    void reportsCarryTheirPagesAndTitles()
    {
        QFETCH(QString, report);
        QFETCH(QString, title);
        QFETCH(double, margin);
        TFRCaja form;
        const ReportDefinition& r = form.report(report);
        QCOMPARE(r.title, title);
        QVERIFY(r.page.paper == ReportPageSetup::Paper::Letter);
        QCOMPARE(r.page.orientation, QPageLayout::Portrait);
        QCOMPARE(r.page.marginsMm, QMarginsF(margin, margin, margin, margin));
        QCOMPARE(r.fontFamily, QStringLiteral("Arial"));
        QCOMPARE(r.fontPixels, 13);
    }

    void labelsAnswerToTheirNames_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("sales") << "QRReporteI"
                               << QStringList{"LTituloCV", "LCategoria", "LProdin", "LProductoR", "LRFechas",
                                              "LTotalCV",  "LTotalI",    "LNro",    "LCantidad",  "LProducto",
                                              "LUnidad",   "LCUnitario", "LTotal",  "LFechaImp"};
        QTest::newRow("stock") << "QRReporteS" << QStringList{"LTituloS", "LCategoriaS", "LMarcaS",  "LInsupr", "LProductoI",
                                                              "LNroS",    "LProductoS",  "LUnidadS", "LMinS",   "LInicialS",
                                                              "LEgresoS", "LStockS",     "LFechaIS"};
        QTest::newRow("services") << "QRServicios" << QStringList{"LFechaS",     "LTotalS",   "QRNroS",  "QRCantidadS",
                                                                  "QRConceptoS", "QRCTotalS", "LFechaSI"};
    }
    void labelsAnswerToTheirNames()
    {
        QFETCH(QString, report);
        QFETCH(QStringList, names);
        TFRCaja form;
        for (const QString& name : names)
            QVERIFY2(form.report(report).label(name), qPrintable(name));
    }

    void salesReportLayout()
    {
        TFRCaja form;
        ReportDefinition& r = form.QRReporteI();
        ReportElement* title = r.label("LTituloCV");
        QCOMPARE(title->text(), QStringLiteral("REPORTE DE VENTAS"));
        QCOMPARE(title->font.pixels, 21);
        QVERIFY(title->font.bold && title->font.underline);
        QVERIFY(title->alignment & Qt::AlignHCenter);
        QCOMPARE(r.label("LProdin")->text(), QStringLiteral("Producto:"));
        QVERIFY(r.label("LProdin")->alignment & Qt::AlignRight);
        QCOMPARE(r.label("LTotalCV")->text(), QStringLiteral("Total Ventas Bs.:"));
        QCOMPARE(r.label("LProductoR")->geometry().top(), 40);
        QCOMPARE(r.label("LTotalI")->geometry().top(), 58);
        QVERIFY(r.label("LNro")->alignment & Qt::AlignRight);
        QVERIFY(r.label("LUnidad")->alignment & Qt::AlignHCenter);
        QVERIFY(r.label("LProducto")->alignment & Qt::AlignLeft);
        QCOMPARE(r.label("LTotal")->geometry(), QRect(602, 1, 96, 16));
        QVERIFY(r.label("LTotal")->font.bold);
        QVERIFY(r.label("LFechaImp")->alignment & Qt::AlignRight);
    }

    void emptyGridShowsTitleAndSummaryOnly()
    {
        TFRCaja form;
        ReportWindow window;
        window.feed(form.QRReporteI());
        ReportPreview::current().show(form.QRReporteI());
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.pageCount(), 1);
        QVERIFY(Names(doc, "LNro").isEmpty());
        const QStringList texts = doc.allTexts();
        QCOMPARE(texts.first(), QStringLiteral("REPORTE DE VENTAS"));
        for (const char* heading : {"Nro.", "Cantidad", " Producto", "U. Medida", "C/Unitario", "Total Bs."})
            QVERIFY2(texts.contains(QString::fromUtf8(heading)), heading);
    }

    // The totals count every payment form, credit too: the print must not claim otherwise.
    void printNeverDisownsCredit_data()
    {
        QTest::addColumn<QString>("report");
        QTest::newRow("sales") << "QRReporteI";
        QTest::newRow("stock") << "QRReporteS";
        QTest::newRow("services") << "QRServicios";
    }
    void printNeverDisownsCredit()
    {
        QFETCH(QString, report);
        TFRCaja form;
        ReportWindow window;  // an empty grid still prints the summary band
        window.feed(form.report(report));
        ReportPreview::current().show(form.report(report));
        for (const QString& text : m_preview.shown.first().allTexts())
            QVERIFY2(!text.contains(QStringLiteral("Credito"), Qt::CaseInsensitive), qPrintable(text));
    }

    void twoReportWindowsEachPrintTheirOwnRows()
    {
        TFRCaja salesForm, supplyForm;
        ReportWindow sales{SevenRows().mid(0, 2)};
        ReportWindow supplies{SevenRows().mid(4, 3)};
        sales.feed(salesForm.QRReporteI());
        supplies.feed(supplyForm.QRReporteI());
        ReportPreview::current().show(supplyForm.QRReporteI());
        ReportPreview::current().show(salesForm.QRReporteI());
        QCOMPARE(Names(m_preview.shown.at(0), "LProducto"), QStringList({"LECHE PIL", "HUEVO", "ARROZ GRANO DE ORO 5KG"}));
        QCOMPARE(Names(m_preview.shown.at(1), "LProducto"), QStringList({"COCA COLA 2L", "PAN MARRAQUETA"}));
    }

    void unknownReportIsRefused()
    {
        TFRCaja form;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, form.report("QRNoExiste"));
    }

    // Writes the sample sales report (seven rows) to $CVI_SAMPLE_DIR (or a temporary folder).
    void sampleSalesReportPdf()
    {
        TFRCaja form;
        ReportDefinition& r = form.QRReporteI();
        ReportWindow window{SevenRows()};
        window.feed(r);
        r.label("LTituloCV")->setText("REPORTE DE VENTAS");
        r.label("LCategoria")->setText("TODAS LAS CATEGORIAS");
        r.label("LProductoR")->setText("TODOS LOS PRODUCTOS");
        r.label("LRFechas")->setText("Desde 01/12/2026 Hasta 09/12/2026");
        r.label("LTotalI")->setText("159.50");
        r.label("LFechaImp")->setText("Fecha y Hora de Impresion: 09/12/2026 10:30:00");
        ReportPreview::current().show(r);
        QCOMPARE(Names(m_preview.shown.first(), "LNro"), QStringList({"1", "2", "3", "4", "5", "6", "7"}));

        QTemporaryDir tmp;
        const QString folder =
            qEnvironmentVariableIsSet("CVI_SAMPLE_DIR") ? qEnvironmentVariable("CVI_SAMPLE_DIR") : tmp.path();
        const QString path = QDir(folder).filePath("sample-reporte-ingresos.pdf");
        QCOMPARE(m_preview.writePdf(0, path), QString());
        QVERIFY(QFileInfo(path).size() > 1000);
    }

private:
    RecordingReportPreview m_preview;
};

QTEST_MAIN(TstURCaja)
#include "tst_urcaja.moc"
