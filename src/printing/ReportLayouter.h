#pragma once
#include "printing/ReportDocument.h"

class ReportBand;
class ReportDefinition;
struct ReportRow;

// Lays filled reports out into pages. Each report starts on a new page; its reset callback runs
// first, so every layout (each preview, each printed copy) starts from the first row. Bands that
// do not fit below the last one go to the next page, under the column header band.
class ReportLayouter {
public:
    static ReportDocument layout(const QList<ReportDefinition*>& reports);

private:
    void addReport(const ReportDefinition& report);
    void addRows(const ReportDefinition& report);
    void addMasterDetailRows(const ReportDefinition& report);
    void placeBand(const ReportDefinition& report, const ReportBand& band, const ReportRow& row);
    void placeElements(const ReportDefinition& report, const ReportBand& band, const ReportRow& row);
    void startPage(const ReportDefinition& report);

    ReportDocument m_document;
    double m_y = 0;
    double m_left = 0;
    double m_bottom = 0;
};
