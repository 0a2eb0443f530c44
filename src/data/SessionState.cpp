#include "data/SessionState.h"

namespace {
SessionState g_session;
}

SessionState& SessionState::current() { return g_session; }

void SessionState::reset() { g_session = SessionState(); }

QString CutToWidth(const QString& text, int width) { return text.left(width); }
