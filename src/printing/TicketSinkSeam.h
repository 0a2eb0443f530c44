#pragma once

class TicketSink;

// Where TicketDocument draws. The program uses SystemTicketSink; tests install a
// RecordingTicketSink (or script InstalledPrinters and keep the SystemTicketSink).
namespace TicketSinkSeam {
TicketSink& current();
// Installs a sink; nullptr puts the system's back. The caller keeps ownership.
void install(TicketSink* sink);
}
