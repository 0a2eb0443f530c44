#pragma once
#include "printing/ReportPreview.h"

// Qt's print preview: the user prints from it, or saves the report as a PDF file. The report is
// laid out afresh for every rendering the dialog asks for, so each copy starts from the first row.
class DialogReportPreview : public ReportPreview {
public:
    void showComposite(const QList<ReportDefinition*>& reports) override;
};
