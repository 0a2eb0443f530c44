#include "printing/TicketSinkSeam.h"

#include "printing/SystemTicketSink.h"

namespace {
TicketSink* g_installed = nullptr;

TicketSink& SystemSink()
{
    static SystemTicketSink sink;
    return sink;
}
}

namespace TicketSinkSeam {

TicketSink& current() { return g_installed ? *g_installed : SystemSink(); }

void install(TicketSink* sink) { g_installed = sink; }

}
