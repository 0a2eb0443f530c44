#pragma once

// The parameters row of Codigos: invoicing on or off, roll or letter printing, the ticket
// printer's position in InstalledPrinters::names() (-1 for none).
struct SystemParameters {
    int invoicingEnabled = 0; // Facturar
    int printFormat = 0;      // ImprimirTC: 0 roll ticket, 1 letter
    int printerIndex = -1;    // Parametro1

    // Writes the row, then puts the values into the session; throws DatabaseError, and then the
    // session keeps its values.
    void save() const;
};
