#pragma once
#include "printing/ReportBand.h"
#include "printing/ReportPageSetup.h"
#include "printing/ReportTable.h"

#include <functional>

// One banded report: page, title, base font and bands (title once at the start, column header
// at the top of every page, detail once per row, sub-detail once per detail row of a second
// source, summary once at the end).
//
// Detail rows come either from the window that shows the report (reset callback, then the row
// callback before every detail band until it answers false) or from a master table, whose rows
// feed the detail band's fields; the sub-detail band then prints the rows of the detail table the
// filter accepts for the current master row, or once with empty fields when none match and the
// band is marked to print when empty.
class ReportDefinition {
public:
    using ResetCallback = std::function<void()>;
    using RowCallback = std::function<bool()>;
    using DetailFilter = std::function<bool(const ReportRow& master, const ReportRow& detail)>;

    QString title;
    ReportPageSetup page;
    QString fontFamily = QStringLiteral("Arial");
    int fontPixels = 13;

    ReportBand titleBand;
    ReportBand columnHeaderBand;
    ReportBand detailBand;
    ReportBand subDetailBand;
    ReportBand summaryBand;
    bool subDetailPrintsWhenEmpty = false;

    // Elements by their name, searched in every band; nullptr (and a warning) for an unknown name.
    ReportElement* element(const QString& name) const;
    ReportElement* label(const QString& name) const { return element(name); }
    ReportElement* memo(const QString& name) const { return element(name); }
    ReportElement* image(const QString& name) const { return element(name); }

    void setRowCallbacks(ResetCallback reset, RowCallback nextRow);
    void clearRowCallbacks();
    const ResetCallback& resetCallback() const { return m_reset; }
    const RowCallback& rowCallback() const { return m_nextRow; }

    void setMasterTable(ReportTable master) { m_master = std::move(master); }
    void setDetailTable(ReportTable detail, DetailFilter filter);
    const ReportTable& masterTable() const { return m_master; }
    const ReportTable& detailTable() const { return m_detail; }
    const DetailFilter& detailFilter() const { return m_filter; }

private:
    ResetCallback m_reset;
    RowCallback m_nextRow;
    ReportTable m_master;
    ReportTable m_detail;
    DetailFilter m_filter;
};
