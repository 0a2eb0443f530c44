#pragma once
#include "data/TicketPrinterSettings.h"

// The parameters row of Codigos: invoicing on or off, roll or letter printing, the ticket
// printer's position in InstalledPrinters::names() (-1 for none), and the thermal printer driven
// directly instead (kept as they are unless given).
struct SystemParameters {
    int invoicingEnabled = 0;  // Facturar
    int printFormat = 0;       // ImprimirTC: 0 roll ticket, 1 letter
    int printerIndex = -1;     // Parametro1
    TicketPrinterSettings direct = TicketPrinterSettings::current();

    // Writes the row, then puts the values into the session; throws DatabaseError, and then the
    // session keeps its values.
    void save() const;
};
