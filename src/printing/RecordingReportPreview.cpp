#include "printing/RecordingReportPreview.h"

#include "printing/ReportLayouter.h"
#include "printing/ReportPainter.h"

void RecordingReportPreview::showComposite(const QList<ReportDefinition*>& reports)
{
    this->reports.append(reports);
    shown.append(ReportLayouter::layout(reports));
}

QString RecordingReportPreview::writePdf(int index, const QString& filePath) const
{
    return ReportPainter::writePdf(shown.value(index), filePath);
}
