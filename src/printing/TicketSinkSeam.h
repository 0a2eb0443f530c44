#pragma once

class TicketSink;

// Where TicketDocument draws. The program uses SystemTicketSink; tests install a
// RecordingTicketSink (or a SystemTicketSink with a scripted printer list).
namespace TicketSinkSeam {
TicketSink& current();
// Installs a sink; nullptr puts the system's back. The caller keeps ownership.
void install(TicketSink* sink);
}
