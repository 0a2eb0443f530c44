#pragma once
#include "printing/ReportBand.h"
#include "printing/ReportPageSetup.h"
#include "printing/ReportTable.h"

#include <QHash>
#include <QVector>
#include <functional>

// One banded report: page, title, base font and bands (title once at the start, column header
// at the top of every page, detail once per row, sub-detail once per detail row of a second
// source, master footer after each master row's sub-detail rows, summary once at the end).
//
// Detail rows come either from the window that shows the report (reset callback, then the row
// callback before every detail band until it answers false) or from a master table, whose rows
// feed the detail band's fields; the sub-detail band then prints the rows of the detail table the
// filter accepts for the current master row, or once with empty fields when none match and the
// band is marked to print when empty. A keyed detail table (a key column on each side) finds each
// master row's lines through an index instead of asking the filter about every detail row, so a
// long list of sales with their lines lays out in one pass.
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
    ReportBand masterFooterBand;  // master rows only: after the row's sub-detail rows
    ReportBand summaryBand;
    bool subDetailPrintsWhenEmpty = false;

    // Elements by their name, searched in every band. A name the report does not hold is a fault
    // of the code that fills it: std::out_of_range naming the report and the element.
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
    // The detail rows of a master row are those whose `detailKey` equals its `masterKey`
    // (compared as text, ignoring letter case like the database's keys), in detail table order.
    void setDetailTable(ReportTable detail, const QString& masterKey, const QString& detailKey);
    const ReportTable& masterTable() const { return m_master; }
    const ReportTable& detailTable() const { return m_detail; }
    const DetailFilter& detailFilter() const { return m_filter; }
    // The detail rows that go under one master row, by either way of matching.
    QVector<int> detailRowsOf(const ReportRow& master) const;

private:
    ResetCallback m_reset;
    RowCallback m_nextRow;
    ReportTable m_master;
    ReportTable m_detail;
    DetailFilter m_filter;
    QString m_masterKey;
    QHash<QString, QVector<int>> m_detailIndex;  // detail key -> its rows, when keyed
};
