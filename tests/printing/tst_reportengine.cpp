#include "printing/RecordingReportPreview.h"
#include "printing/ReportDefinition.h"
#include "printing/ReportLogo.h"

#include "RecordingMessages.h"
#include "data/SessionState.h"

#include <QElapsedTimer>
#include <QtTest>
#include <stdexcept>

namespace {
// A small report fed either by a row callback (label "Row") or by master/detail tables.
struct Fixture {
    ReportDefinition report;
    Fixture()
    {
        report.title = "PRUEBA";
        report.titleBand.height = 40;
        report.titleBand.addLabel("Title", "TITULO", QRect(0, 0, 300, 20));
        report.columnHeaderBand.height = 20;
        report.columnHeaderBand.addLabel("Head", "ENCABEZADO", QRect(0, 0, 300, 20));
        report.detailBand.height = 20;
        report.detailBand.addLabel("Row", QString(), QRect(0, 0, 300, 20));
        report.subDetailBand.height = 20;
        report.subDetailBand.addField("Item", "Producto", QRect(20, 0, 200, 20));
        report.subDetailBand.addField("Price", "Precio", QRect(220, 0, 80, 20), "0.00");
        report.summaryBand.height = 30;
        report.summaryBand.addLabel("End", "RESUMEN", QRect(0, 0, 300, 20));
    }
};

// The window side of a report: a counter over its own rows.
struct RowSource {
    QStringList rows;
    int counter = 0;
    int resets = 0;
    void feed(ReportDefinition& report)
    {
        report.setRowCallbacks(
            [this] {
                counter = 0;
                ++resets;
            },
            [this, &report] {
                if (counter >= rows.size())
                    return false;
                report.label("Row")->setText(rows.at(counter++));
                return true;
            });
    }
};

QStringList Numbered(const QString& prefix, int count)
{
    QStringList rows;
    for (int i = 1; i <= count; ++i)
        rows << QStringLiteral("%1 %2").arg(prefix).arg(i);
    return rows;
}
}

class TstReportEngine : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ReportPreview::install(&m_preview);
        m_preview = RecordingReportPreview();
    }
    void cleanup() { ReportPreview::install(nullptr); }

    // A filling that names an element the layout does not hold stops at once, naming both, instead
    // of writing through nothing.
    void unknownElementNameIsRefused()
    {
        ReportDefinition report;
        report.title = QStringLiteral("PRUEBA");
        report.titleBand.addLabel(QStringLiteral("LTitulo"), QString(), QRect(0, 0, 100, 16));
        QVERIFY(report.label(QStringLiteral("LTitulo")));
        try {
            report.label(QStringLiteral("LTitul0"));
            QFAIL("an unknown element name was accepted");
        } catch (const std::out_of_range& e) {
            QCOMPARE(QString::fromStdString(e.what()), QStringLiteral("report PRUEBA has no element named LTitul0"));
        }
    }

    void secondPreviewStartsFromTheFirstRow()
    {
        Fixture f;
        RowSource source{{"A", "B", "C"}};
        source.feed(f.report);
        ReportPreview::current().show(f.report);
        ReportPreview::current().show(f.report);
        const QStringList expected = {"TITULO", "ENCABEZADO", "A", "B", "C", "RESUMEN"};
        QCOMPARE(m_preview.shown.size(), 2);
        QCOMPARE(m_preview.shown.at(0).allTexts(), expected);
        QCOMPARE(m_preview.shown.at(1).allTexts(), expected);
        QCOMPARE(source.resets, 2);
    }

    void noRowsGiveTitleAndSummaryOnly()
    {
        Fixture f;
        RowSource source;
        source.feed(f.report);
        ReportPreview::current().show(f.report);
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.pageCount(), 1);
        QCOMPARE(doc.allTexts(), QStringList({"TITULO", "ENCABEZADO", "RESUMEN"}));
        QVERIFY(!doc.pages.first().find("Row"));
    }

    void twoWindowsFeedingOneReportPrintTheirOwnRows()
    {
        Fixture f;
        RowSource sales{{"VENTA 1", "VENTA 2"}};
        RowSource purchases{{"COMPRA 1"}};
        sales.feed(f.report);
        ReportPreview::current().show(f.report);
        purchases.feed(f.report);
        ReportPreview::current().show(f.report);
        QCOMPARE(m_preview.shown.at(0).allTexts(), QStringList({"TITULO", "ENCABEZADO", "VENTA 1", "VENTA 2", "RESUMEN"}));
        QCOMPARE(m_preview.shown.at(1).allTexts(), QStringList({"TITULO", "ENCABEZADO", "COMPRA 1", "RESUMEN"}));
    }

    void rowsFlowOntoFollowingPages()
    {
        Fixture f;
        RowSource source{Numbered("FILA", 150)};
        source.feed(f.report);
        ReportPreview::current().show(f.report);
        const ReportDocument& doc = m_preview.shown.first();
        QVERIFY(doc.pageCount() >= 3);

        QStringList printedRows;
        for (int p = 0; p < doc.pageCount(); ++p) {
            const LaidOutPage& page = doc.pages.at(p);
            const QRectF content = page.setup.contentPixels();
            QCOMPARE(page.texts().count("TITULO"), p == 0 ? 1 : 0);
            QCOMPARE(page.texts().count("ENCABEZADO"), 1);
            QCOMPARE(page.texts().count("RESUMEN"), p == doc.pageCount() - 1 ? 1 : 0);
            for (const PlacedElement& item : page.items) {
                QVERIFY2(item.rect.bottom() <= content.bottom() + 0.01, qPrintable(item.text));
                QVERIFY(item.rect.top() >= content.top() - 0.01);
                if (item.name == "Row")
                    printedRows << item.text;
            }
        }
        QCOMPARE(printedRows, source.rows);
    }

    void compositeChainsTheSameReportTwice()
    {
        Fixture f;
        RowSource source{{"A", "B"}};
        source.feed(f.report);
        ReportPreview::current().showComposite({&f.report, &f.report});
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.pageCount(), 2);
        const QStringList copy = {"TITULO", "ENCABEZADO", "A", "B", "RESUMEN"};
        QCOMPARE(doc.texts(0), copy);
        QCOMPARE(doc.texts(1), copy);
        QCOMPARE(source.resets, 2);
    }

    void subDetailRowsFollowTheirMaster_data()
    {
        QTest::addColumn<bool>("printWhenEmpty");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("skips an empty master")
            << false << QStringList({"TITULO", "ENCABEZADO", "V1", "PAN", "1.50", "LECHE", "6.00", "V3", "RESUMEN"});
        QTest::newRow("prints once when empty")
            << true << QStringList({"TITULO", "ENCABEZADO", "V1", "PAN", "1.50", "LECHE", "6.00", "V3", "RESUMEN"});
    }
    void subDetailRowsFollowTheirMaster()
    {
        QFETCH(bool, printWhenEmpty);
        QFETCH(QStringList, expected);
        Fixture f;
        f.report.detailBand.addField("Sale", "IdVenta", QRect(0, 0, 100, 20));
        f.report.detailBand.find("Row")->setText(QString());
        f.report.setMasterTable(ReportTable({"IdVenta"}, {{"V1"}, {"V3"}}));
        f.report.setDetailTable(
            ReportTable({"IdVenta", "Producto", "Precio"}, {{"V1", "PAN", 1.5}, {"V2", "QUESO", 9}, {"V1", "LECHE", 6}}),
            [](const ReportRow& master, const ReportRow& detail) {
                return master.value("IdVenta") == detail.value("idventa");
            });
        f.report.subDetailPrintsWhenEmpty = printWhenEmpty;
        ReportPreview::current().show(f.report);
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.allTexts(), expected);
        int subDetailBands = 0;
        for (const PlacedElement& item : doc.pages.first().items)
            subDetailBands += item.name == "Item";
        QCOMPARE(subDetailBands, printWhenEmpty ? 3 : 2);
    }

    void keyedDetailAndAFooterAfterEachMastersLines_data()
    {
        QTest::addColumn<bool>("keyed");
        QTest::newRow("keyed") << true;
        QTest::newRow("filtered") << false;
    }
    void keyedDetailAndAFooterAfterEachMastersLines()
    {
        QFETCH(bool, keyed);
        Fixture f;
        f.report.detailBand.find("Row")->setText(QString());
        f.report.detailBand.addField("Sale", "IdVenta", QRect(0, 0, 100, 20));
        f.report.masterFooterBand.height = 20;
        f.report.masterFooterBand.addField("Owed", "Saldo", QRect(0, 0, 100, 20), "0.00");
        f.report.setMasterTable(ReportTable({"IdVenta", "Saldo"}, {{"V1", 7.5}, {"V2", 0}, {"V3", 3}}));
        const ReportTable lines({"IdVenta", "Producto", "Precio"},
                                {{"V3", "PAN", 1.5}, {"v1", "QUESO", 9}, {"V1", "LECHE", 6}, {"V9", "SAL", 1}});
        if (keyed)
            f.report.setDetailTable(lines, "IdVenta", "IdVenta");
        else
            f.report.setDetailTable(lines, [](const ReportRow& master, const ReportRow& detail) {
                return master.value("IdVenta").toString().compare(detail.value("IdVenta").toString(), Qt::CaseInsensitive)
                       == 0;
            });
        ReportPreview::current().show(f.report);
        QCOMPARE(m_preview.shown.first().allTexts(),
                 QStringList({"TITULO", "ENCABEZADO", "V1", "QUESO", "9.00", "LECHE", "6.00", "7.50", "V2", "0.00", "V3",
                              "PAN", "1.50", "3.00", "RESUMEN"}));
    }

    void keyedDetailOfManySalesLaysOutAtOnce()
    {
        Fixture f;
        QVector<QVariantList> sales, lines;
        for (int i = 0; i < 3000; ++i) {
            sales.append({QStringLiteral("V%1").arg(i)});
            lines.append({QStringLiteral("V%1").arg(i), "PAN", 1.0});
            lines.append({QStringLiteral("V%1").arg(i), "LECHE", 2.0});
        }
        f.report.setMasterTable(ReportTable({"IdVenta"}, sales));
        f.report.setDetailTable(ReportTable({"IdVenta", "Producto", "Precio"}, lines), "IdVenta", "IdVenta");
        QElapsedTimer timer;
        timer.start();
        ReportPreview::current().show(f.report);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(m_preview.shown.first().allTexts().count("LECHE"), 3000);
    }

    void pageSizes_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QSizeF>("millimetres");
        using P = ReportPageSetup::Paper;
        QTest::newRow("letter") << int(P::Letter) << false << QSizeF(215.9, 279.4);
        QTest::newRow("legal") << int(P::Legal) << false << QSizeF(215.9, 355.6);
        QTest::newRow("letter small") << int(P::LetterSmall) << false << QSizeF(215.9, 279.4);
        QTest::newRow("216 x 140") << int(P::HalfLetter216x140) << false << QSizeF(216, 140);
        QTest::newRow("letter landscape") << int(P::Letter) << true << QSizeF(279.4, 215.9);
    }
    void pageSizes()
    {
        QFETCH(int, paper);
        QFETCH(bool, landscape);
        QFETCH(QSizeF, millimetres);
        ReportPageSetup setup;
        setup.paper = ReportPageSetup::Paper(paper);
        setup.orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        setup.marginsMm = QMarginsF(10, 15, 10, 15);
        const QSizeF pixels = setup.paperPixels();
        QVERIFY(qAbs(pixels.width() - millimetres.width() * 96 / 25.4) < 1.5);
        QVERIFY(qAbs(pixels.height() - millimetres.height() * 96 / 25.4) < 1.5);
        const QRectF content = setup.contentPixels();
        QVERIFY(qAbs(content.left() - 10 * 96 / 25.4) < 0.01);
        QVERIFY(qAbs(content.top() - 15 * 96 / 25.4) < 0.01);
        QVERIFY(qAbs(content.width() - (millimetres.width() - 20) * 96 / 25.4) < 1.5);
    }

    void renderedPdfHasOnePagePerLaidOutPage()
    {
        Fixture f;
        RowSource source{Numbered("FILA", 80)};
        source.feed(f.report);
        ReportPreview::current().show(f.report);
        QTemporaryDir dir;
        const QString path = dir.filePath("r.pdf");
        QCOMPARE(m_preview.writePdf(0, path), QString());
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        QCOMPARE(int(QString::fromLatin1(bytes).count(page)), m_preview.shown.first().pageCount());
    }

    void logoFallsBackThenFails_data()
    {
        QTest::addColumn<bool>("company");
        QTest::addColumn<bool>("generic");
        QTest::addColumn<int>("expectedWidth");  // 0: no logo, an error instead
        QTest::newRow("company logo first") << true << true << 30;
        QTest::newRow("generic logo as fallback") << false << true << 20;
        QTest::newRow("neither: error") << false << false << 0;
    }
    void logoFallsBackThenFails()
    {
        QFETCH(bool, company);
        QFETCH(bool, generic);
        QFETCH(int, expectedWidth);
        QTemporaryDir app;
        QDir(app.path()).mkdir("img");
        if (company)
            QVERIFY(QImage(30, 10, QImage::Format_RGB32).save(app.filePath("img/logoempresa.jpg")));
        if (generic)
            QVERIFY(QImage(20, 10, QImage::Format_RGB32).save(app.filePath("img/logo.jpg")));
        SessionState::current().AppFolder = app.path() + "/";
        RecordingMessages messages;
        MessageSeam::install(&messages);
        Fixture f;
        ReportElement& logo = f.report.titleBand.addImage("Logo", QRect(0, 0, 100, 40));
        const bool loaded = ReportLogo::loadInto(&logo);
        MessageSeam::install(nullptr);
        SessionState::reset();
        QCOMPARE(loaded, expectedWidth != 0);
        QCOMPARE(logo.image().width(), expectedWidth);
        QCOMPARE(messages.errors.size(), expectedWidth ? 0 : 1);
        if (!expectedWidth)
            QVERIFY(messages.errors.first().contains("logo.jpg"));
    }

private:
    RecordingReportPreview m_preview;
};

QTEST_MAIN(TstReportEngine)
#include "tst_reportengine.moc"
