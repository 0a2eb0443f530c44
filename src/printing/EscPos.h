#pragma once
#include <QByteArray>
#include <QString>

struct TicketJob;

// The commands of a thermal printer that speaks ESC/POS, and a whole ticket in them: text lines in
// the printer's code page at the ticket's positions, the QR symbol through the printer's own QR
// command, a cut at the end, and the cash-drawer pulse when the ticket asks for it.
namespace EscPos {

constexpr char ESC = 0x1b;
constexpr char GS = 0x1d;
constexpr char DLE = 0x10;

// The printer's status query (DLE EOT 1): a printer that is there answers one byte.
QByteArray statusQuery();
// `text` in code page 850 or 858 (858 is 850 with the euro sign); a character neither has is "?".
QByteArray encodeText(const QString& text, int codePage);
// Model 2 symbol of `data` (its UTF-8 bytes), error level M, modules sized so the symbol is about
// `widthDots` wide, centred, then printed.
QByteArray qrSymbol(const QString& data, int widthDots);
// Module size (1..16 dots) for a symbol of `data` about `widthDots` wide.
int qrModuleSize(const QString& data, int widthDots);
// Feeds the paper past the cutter and cuts it.
QByteArray cut();
// A pulse on the drawer's pin 2.
QByteArray drawerPulse();

// The whole ticket, `lineHeight` being the ticket's h in roll dots; the drawer pulse comes with it
// when the job asks for it and `cashDrawer` allows it.
QByteArray ticket(const TicketJob& job, int lineHeight, int codePage, bool cashDrawer);

}
