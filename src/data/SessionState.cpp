#include "data/SessionState.h"
#include "data/TicketPrinterSettings.h"

namespace {
SessionState g_session;
}

SessionState& SessionState::current() { return g_session; }

void SessionState::reset()
{
    g_session = SessionState();
    TicketPrinterSettings::reset();
}

QString CutToWidth(const QString& text, int width) { return text.left(width); }
