#pragma once
#include <QPageSize>

class QPainter;
struct TicketJob;

// The roll a ticket is laid out for: its unit is the dot of a roll printer (1/203 inch) whatever
// the device it finally reaches, its paper 80 mm wide and as long as the ticket.
namespace TicketRoll {

constexpr int DotsPerInch = 203;
constexpr double WidthMm = 80.0;
// Paper fed after the last line, so the cutter does not cut through it.
constexpr int BottomMarginDots = 40;

// h of the ticket arithmetic on a roll printer: "Yy" in the ticket font at 203 dpi.
int lineHeight();
// A page `widthMm` wide and long enough for `job` (never shorter than 40 mm).
QPageSize page(const TicketJob& job, int lineHeight, double widthMm = WidthMm);
// Draws `job` on `painter`, whose device may have any resolution: the painter is scaled so one
// ticket unit is one roll dot, and the font sized so that it still prints at its 8 points.
void paint(QPainter& painter, const TicketJob& job, int lineHeight);

}
