#include "widgets/CategoryIcon.h"

#include <QImage>
#include <QPainter>

namespace CategoryIcon {

QPixmap Make(const QByteArray& storedIcon, int category, const QString& name, int size)
{
    const QImage icon = QImage::fromData(storedIcon);
    if (!icon.isNull())
        return QPixmap::fromImage(icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    static const QColor colours[] = {{46, 125, 50}, {30, 90, 150}, {0, 131, 143}, {106, 27, 154},
                                     {198, 40, 40}, {239, 108, 0}, {93, 64, 55},  {69, 90, 100}};
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours[(qMax(category, 1) - 1) % 8]);
    const qreal inset = size / 13.0;
    painter.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), size / 6.5, size / 6.5);
    QFont font;
    font.setPixelSize(size * 6 / 13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, name.left(1));
    return picture;
}

}
