#include "app/ui/BackgroundMdiArea.h"

#include "app/ui/BackgroundPicture.h"

#include <QPainter>

BackgroundMdiArea::BackgroundMdiArea(QWidget* parent) : QMdiArea(parent), m_picture(BackgroundPicture::emblem())
{
    setBackground(QColor(214, 224, 233));
}

void BackgroundMdiArea::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    QPixmap picture = m_picture;
    if (picture.width() > area.width() || picture.height() > area.height())
        picture = picture.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawPixmap(area.center() - picture.rect().center(), picture);
}
