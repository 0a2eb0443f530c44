#pragma once
#include <QList>

class ReportDefinition;

// Shows filled reports in a modal preview and returns once it is closed. The program shows Qt's
// print preview (DialogReportPreview); tests install a RecordingReportPreview.
class ReportPreview {
public:
    virtual ~ReportPreview() = default;
    // Several reports (or one twice) chained into one preview, each starting on a new page.
    virtual void showComposite(const QList<ReportDefinition*>& reports) = 0;
    void show(ReportDefinition& report) { showComposite({&report}); }

    static ReportPreview& current();
    // Installs a preview; nullptr puts the dialog back. The caller keeps ownership.
    static void install(ReportPreview* preview);
};
