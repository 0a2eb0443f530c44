#include "printing/TicketPainter.h"

#include "printing/TicketFont.h"
#include "printing/TicketMark.h"

#include <QPainter>

namespace TicketPainter {

void paint(QPainter& painter, const TicketJob& job, int lineHeight)
{
    painter.setFont(TicketFont::font());
    painter.setPen(Qt::black);
    for (const TicketMark& mark : job.marks) {
        if (mark.isImage()) {
            painter.drawImage(mark.position, mark.image);
            continue;
        }
        // y is the top of the line; long texts run past the paper edge rather than wrap.
        const QRect line(mark.position, QSize(1, lineHeight));
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                         mark.text);
    }
}

}
