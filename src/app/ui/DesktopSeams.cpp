#include "app/ui/DesktopSeams.h"

#include "data/DesktopSeam.h"
#include "printing/TicketSinkSeam.h"

DesktopSeams::DesktopSeams()
{
    MessageSeam::install(&m_messages);
    FileDialogSeam::install(&m_fileDialogs);
    ReportPreview::install(&m_preview);
    TicketSinkSeam::install(&m_tickets);
    DesktopSeam::install(&m_desktop);
}

DesktopSeams::~DesktopSeams()
{
    DesktopSeam::install(nullptr);
    TicketSinkSeam::install(nullptr);
    ReportPreview::install(nullptr);
    FileDialogSeam::install(nullptr);
    MessageSeam::install(nullptr);
}
