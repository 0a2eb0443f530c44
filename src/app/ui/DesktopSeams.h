#pragma once
#include "app/ui/DesktopOpener.h"
#include "printing/ui/DialogReportPreview.h"
#include "printing/ui/SystemTicketSink.h"
#include "widgets/DialogMessages.h"
#include "widgets/QtFileDialogs.h"

// The window program's answers to every seam of the lower layers: real message boxes, file
// dialogs, the print preview, the ticket printer and the desktop's file opener. Installed for as
// long as the object lives; the lower layers fall back to their windowless defaults afterwards.
class DesktopSeams {
public:
    DesktopSeams();
    ~DesktopSeams();
    DesktopSeams(const DesktopSeams&) = delete;
    DesktopSeams& operator=(const DesktopSeams&) = delete;

private:
    DialogMessages m_messages;
    QtFileDialogs m_fileDialogs;
    DialogReportPreview m_preview;
    SystemTicketSink m_tickets;
    DesktopOpener m_desktop;
};
