#include "widgets/GridIcons.h"

#include <QPainter>

namespace GridIcons {

QPixmap DeleteIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 30, 30), 2.5));
    painter.drawLine(3, 3, 13, 13);
    painter.drawLine(13, 3, 3, 13);
    return picture;
}

}
