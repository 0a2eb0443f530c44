#pragma once

class TicketSink;

// Where TicketDocument draws. The window program installs the system's sink
// (printing/ui/SystemTicketSink) at start; tests install a RecordingTicketSink. Until one is
// installed every ticket fails before anything is drawn.
namespace TicketSinkSeam {
TicketSink& current();
// Installs a sink; nullptr puts back the one that refuses. The caller keeps ownership.
void install(TicketSink* sink);
}
