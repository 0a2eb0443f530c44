#include "printing/ReportLayouter.h"

#include "printing/ReportDefinition.h"

namespace {
// A row callback that never answers "no more rows" must not hang the program.
constexpr int MaxRowsPerReport = 200000;
}

ReportDocument ReportLayouter::layout(const QList<ReportDefinition*>& reports)
{
    ReportLayouter layouter;
    if (!reports.isEmpty())
        layouter.m_document.title = reports.first()->title;
    for (const ReportDefinition* report : reports)
        layouter.addReport(*report);
    return layouter.m_document;
}

void ReportLayouter::addReport(const ReportDefinition& report)
{
    if (report.resetCallback())
        report.resetCallback()();
    m_document.pages.append(LaidOutPage{report.page, {}});
    const QRectF content = report.page.contentPixels();
    m_left = content.left();
    m_y = content.top();
    m_bottom = content.bottom();

    placeBand(report, report.titleBand, {});
    placeBand(report, report.columnHeaderBand, {});
    if (report.rowCallback())
        addRows(report);
    else
        addMasterDetailRows(report);
    placeBand(report, report.summaryBand, {});
}

void ReportLayouter::addRows(const ReportDefinition& report)
{
    for (int produced = 0; produced < MaxRowsPerReport && report.rowCallback()(); ++produced)
        placeBand(report, report.detailBand, {});
}

void ReportLayouter::addMasterDetailRows(const ReportDefinition& report)
{
    const ReportTable& master = report.masterTable();
    const ReportTable& detail = report.detailTable();
    for (int m = 0; m < master.count(); ++m) {
        const ReportRow masterRow{&master, m};
        placeBand(report, report.detailBand, masterRow);
        if (report.subDetailBand.present()) {
            const QVector<int> lines = report.detailRowsOf(masterRow);
            for (int d : lines)
                placeBand(report, report.subDetailBand, ReportRow{&detail, d});
            if (lines.isEmpty() && report.subDetailPrintsWhenEmpty)
                placeBand(report, report.subDetailBand, {});
        }
        placeBand(report, report.masterFooterBand, masterRow);
    }
}

void ReportLayouter::placeBand(const ReportDefinition& report, const ReportBand& band, const ReportRow& row)
{
    if (!band.present())
        return;
    const bool pageHasBands = m_y > report.page.contentPixels().top();
    if (pageHasBands && m_y + band.height > m_bottom) {
        startPage(report);
        if (&band != &report.columnHeaderBand)
            placeElements(report, report.columnHeaderBand, {});
    }
    placeElements(report, band, row);
}

void ReportLayouter::placeElements(const ReportDefinition& report, const ReportBand& band, const ReportRow& row)
{
    if (!band.present())
        return;
    LaidOutPage& page = m_document.pages.last();
    for (const auto& element : band.elements()) {
        PlacedElement placed;
        placed.kind = element->kind();
        placed.name = element->name();
        placed.rect = QRectF(element->geometry()).translated(m_left, m_y);
        placed.text = element->kind() == ReportElement::Kind::Field ? element->formatValue(row.value(element->field()))
                                                                    : element->text();
        placed.fontFamily = report.fontFamily;
        placed.font = element->font;
        if (placed.font.pixels <= 0)
            placed.font.pixels = report.fontPixels;
        placed.alignment = element->alignment;
        placed.image = element->image();
        placed.sides = element->sides;
        page.items.append(placed);
    }
    m_y += band.height;
}

void ReportLayouter::startPage(const ReportDefinition& report)
{
    m_document.pages.append(LaidOutPage{report.page, {}});
    m_y = report.page.contentPixels().top();
}
