#pragma once
#include <QList>

class ReportDefinition;

// Shows filled reports in a modal preview and returns once it is closed. The window program
// installs Qt's print preview (printing/ui/DialogReportPreview) at start; tests install a
// RecordingReportPreview. Until one is installed a report has nowhere to go, and saying so is
// all a preview request does.
class ReportPreview {
public:
    virtual ~ReportPreview() = default;
    // Several reports (or one twice) chained into one preview, each starting on a new page.
    virtual void showComposite(const QList<ReportDefinition*>& reports) = 0;
    void show(ReportDefinition& report) { showComposite({&report}); }

    static ReportPreview& current();
    // Installs a preview; nullptr puts back the one that only says it has nowhere to show. The
    // caller keeps ownership.
    static void install(ReportPreview* preview);
};
