#include "app/CommandIcons.h"

#include <QPainter>
#include <QPixmap>

namespace CommandIcons {

QIcon badge(const QString& mark, const QColor& colour)
{
    QIcon icon;
    for (const int size : {24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(1, 1, size - 2, size - 2);
        QLinearGradient shade(box.topLeft(), box.bottomLeft());
        shade.setColorAt(0, colour.lighter(125));
        shade.setColorAt(1, colour.darker(115));
        p.setPen(QPen(colour.darker(150), 1));
        p.setBrush(shade);
        p.drawRoundedRect(box, size / 5.0, size / 5.0);
        QFont font(QStringLiteral("Verdana"));
        font.setBold(true);
        font.setPixelSize(mark.size() > 1 ? size * 9 / 24 : size * 13 / 24);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, mark);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}
