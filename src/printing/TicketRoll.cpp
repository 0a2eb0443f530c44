#include "printing/TicketRoll.h"

#include "printing/TicketFont.h"
#include "printing/TicketMark.h"

#include <QImage>
#include <QPainter>
#include <QPaintDevice>

namespace TicketRoll {

int lineHeight()
{
    // A picture with the roll printer's resolution stands for the printer.
    QImage device(8, 8, QImage::Format_Mono);
    const int dotsPerMeter = qRound(DotsPerInch / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    return TicketFont::lineHeight(&device);
}

QPageSize page(const TicketJob& job, int lineHeight, double widthMm)
{
    const int lengthDots = job.bottom(lineHeight) + BottomMarginDots;
    const double lengthMm = lengthDots * 25.4 / DotsPerInch;
    return QPageSize(QSizeF(widthMm, qMax(lengthMm, 40.0)), QPageSize::Millimeter, QStringLiteral("Roll"),
                     QPageSize::ExactMatch);
}

void paint(QPainter& painter, const TicketJob& job, int lineHeight)
{
    const QPaintDevice* device = painter.device();
    const double scaleX = device ? device->logicalDpiX() / double(DotsPerInch) : 1.0;
    const double scaleY = device ? device->logicalDpiY() / double(DotsPerInch) : 1.0;
    QFont font = TicketFont::font();
    // The font's points are resolved at the device's resolution before the painter's scale
    // applies: shrink them by the same factor so the text keeps its size on paper.
    if (scaleY != 1.0)
        font.setPointSizeF(font.pointSizeF() / scaleY);
    painter.save();
    painter.scale(scaleX, scaleY);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The QR's modules stay sharp squares when a picture is enlarged.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const TicketMark& mark : job.marks) {
        if (mark.isImage()) {
            painter.drawImage(mark.position, mark.image);
            continue;
        }
        // y is the top of the line; long texts run past the paper edge rather than wrap.
        const QRect line(mark.position, QSize(1, lineHeight));
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, mark.text);
    }
    painter.restore();
}

}
