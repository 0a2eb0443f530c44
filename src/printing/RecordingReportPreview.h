#pragma once
#include "printing/ReportDocument.h"
#include "printing/ReportPreview.h"

// Keeps every preview the code under test shows, laid out at the moment it was shown (as the
// dialog would first render it), for tests to read or write to PDF.
class RecordingReportPreview : public ReportPreview {
public:
    void showComposite(const QList<ReportDefinition*>& reports) override;

    QList<ReportDocument> shown;
    // The reports of each preview, as handed over.
    QList<QList<ReportDefinition*>> reports;

    // Writes one shown preview to a PDF file; an empty return means written.
    QString writePdf(int index, const QString& filePath) const;
};
