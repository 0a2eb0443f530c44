#include "widgets/PictureBox.h"

#include <QMouseEvent>

PictureBox::PictureBox(const QSize& size, QWidget* parent) : QLabel(parent)
{
    setFixedSize(size + QSize(2, 2));
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    setPixmap(picture.scaled(size() - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
