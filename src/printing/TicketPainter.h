#pragma once

class QPainter;
struct TicketJob;

// Draws a recorded ticket on any painter whose device units are the ticket's units.
namespace TicketPainter {
void paint(QPainter& painter, const TicketJob& job, int lineHeight);
}
