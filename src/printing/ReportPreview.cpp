#include "printing/ReportPreview.h"

#include "printing/DialogReportPreview.h"

namespace {
DialogReportPreview g_dialog;
ReportPreview* g_current = &g_dialog;
}

ReportPreview& ReportPreview::current() { return *g_current; }

void ReportPreview::install(ReportPreview* preview) { g_current = preview ? preview : &g_dialog; }
