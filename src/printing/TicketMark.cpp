#include "printing/TicketMark.h"

QString TicketMark::describe() const
{
    if (isImage())
        return QStringLiteral("image %1,%2 %3x%4").arg(position.x()).arg(position.y()).arg(image.width()).arg(image.height());
    return QStringLiteral("%1,%2 %3").arg(position.x()).arg(position.y()).arg(text);
}

QStringList TicketJob::describe() const
{
    QStringList lines;
    for (const TicketMark& mark : marks)
        lines << mark.describe();
    return lines;
}

int TicketJob::bottom(int lineHeight) const
{
    int lowest = 0;
    for (const TicketMark& mark : marks) {
        const int end = mark.isImage() ? mark.imageRect().bottom() + 1 : mark.position.y() + lineHeight;
        lowest = qMax(lowest, end);
    }
    return lowest;
}
