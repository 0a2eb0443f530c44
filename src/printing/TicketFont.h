#pragma once
#include <QFont>

class QPaintDevice;

// The one font of every ticket: "Courier New", bold, 8 points. Where the computer lacks it the
// system's fixed-pitch font takes its place (Liberation Mono keeps Courier New's widths).
namespace TicketFont {

QFont font();
// h of the ticket arithmetic: the height of "Yy" in the ticket font, in the device's units.
int lineHeight(QPaintDevice* device);

}
