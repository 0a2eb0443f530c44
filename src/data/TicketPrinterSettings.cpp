#include "data/TicketPrinterSettings.h"

TicketPrinterSettings& TicketPrinterSettings::current()
{
    static TicketPrinterSettings settings;
    return settings;
}

void TicketPrinterSettings::reset() { current() = TicketPrinterSettings(); }
