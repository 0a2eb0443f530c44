#include "widgets/StatusShape.h"

#include <QPainter>

StatusShape::StatusShape(QWidget* parent) : QWidget(parent) { setFixedSize(sizeHint()); }

void StatusShape::setState(const QColor& colour, const QString& hint)
{
    m_colour = colour;
    setToolTip(hint);
    update();
}

void StatusShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}
