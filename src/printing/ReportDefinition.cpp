#include "printing/ReportDefinition.h"

#include <QDebug>

ReportElement* ReportDefinition::element(const QString& name) const
{
    for (const ReportBand* band : {&titleBand, &columnHeaderBand, &detailBand, &subDetailBand, &summaryBand})
        if (ReportElement* found = band->find(name))
            return found;
    qWarning() << "report" << title << "has no element named" << name;
    return nullptr;
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
}
