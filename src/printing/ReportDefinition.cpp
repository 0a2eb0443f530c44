#include "printing/ReportDefinition.h"

#include <stdexcept>

ReportElement* ReportDefinition::element(const QString& name) const
{
    for (const ReportBand* band :
         {&titleBand, &columnHeaderBand, &detailBand, &subDetailBand, &masterFooterBand, &summaryBand})
        if (ReportElement* found = band->find(name))
            return found;
    throw std::out_of_range("report " + title.toStdString() + " has no element named " + name.toStdString());
}

void ReportDefinition::setRowCallbacks(ResetCallback reset, RowCallback nextRow)
{
    m_reset = std::move(reset);
    m_nextRow = std::move(nextRow);
}

void ReportDefinition::clearRowCallbacks()
{
    m_reset = {};
    m_nextRow = {};
}

void ReportDefinition::setDetailTable(ReportTable detail, DetailFilter filter)
{
    m_detail = std::move(detail);
    m_filter = std::move(filter);
    m_masterKey.clear();
    m_detailIndex.clear();
}

namespace {
QString KeyText(const QVariant& value) { return value.toString().toCaseFolded(); }
}

void ReportDefinition::setDetailTable(ReportTable detail, const QString& masterKey, const QString& detailKey)
{
    m_detail = std::move(detail);
    m_filter = {};
    m_masterKey = masterKey;
    m_detailIndex.clear();
    for (int row = 0; row < m_detail.count(); ++row)
        m_detailIndex[KeyText(m_detail.value(row, detailKey))].append(row);
}

QVector<int> ReportDefinition::detailRowsOf(const ReportRow& master) const
{
    if (!m_masterKey.isEmpty())
        return m_detailIndex.value(KeyText(master.value(m_masterKey)));
    QVector<int> rows;
    for (int d = 0; d < m_detail.count(); ++d)
        if (!m_filter || m_filter(master, ReportRow{&m_detail, d}))
            rows.append(d);
    return rows;
}
