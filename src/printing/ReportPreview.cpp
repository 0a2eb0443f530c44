#include "printing/ReportPreview.h"

#include "data/MessageSeam.h"

namespace {

class NoReportPreview : public ReportPreview {
public:
    void showComposite(const QList<ReportDefinition*>&) override
    {
        MessageSeam::current().error(QStringLiteral("No hay vista previa de reportes en este programa."));
    }
};

NoReportPreview g_none;
ReportPreview* g_current = &g_none;

}

ReportPreview& ReportPreview::current() { return *g_current; }

void ReportPreview::install(ReportPreview* preview) { g_current = preview ? preview : &g_none; }
