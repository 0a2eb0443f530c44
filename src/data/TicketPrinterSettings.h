#pragma once
#include <QString>

// How the shop's tickets reach a thermal printer driven directly (Codigos.ImpresoraDirecta,
// PaginaCodigos, AbrirCajon). An empty address leaves the tickets to the installed printer chosen
// by SessionState::TicketPrinterIndex.
struct TicketPrinterSettings {
    QString directPrinter;   // a device file ("/dev/usb/lp0") or a network printer ("host:9100")
    int codePage = 850;      // 850 or 858: the printer's code page for the ticket's texts
    bool cashDrawer = true;  // a cash sale and a closing open the drawer hung on the printer

    bool isDirect() const { return !directPrinter.trimmed().isEmpty(); }

    // The settings of the shop in use (loaded with the session's parameters).
    static TicketPrinterSettings& current();
    static void reset();
};
