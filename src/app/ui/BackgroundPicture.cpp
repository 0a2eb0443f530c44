#include "app/ui/BackgroundPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kBlue(38, 84, 124);
const QColor kTeal(30, 140, 140);
const QColor kSand(240, 200, 120);

// A shop front: striped awning, window and door, drawn inside `box`.
void drawShop(QPainter& p, const QRectF& box)
{
    const qreal w = box.width();
    const qreal h = box.height();
    const QRectF wall(box.left() + w * 0.08, box.top() + h * 0.30, w * 0.84, h * 0.70);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 246, 238));
    p.drawRoundedRect(wall, 4, 4);

    const int stripes = 7;
    const qreal stripe = w / stripes;
    for (int i = 0; i < stripes; ++i) {
        QPainterPath scallop;
        const qreal x = box.left() + i * stripe;
        scallop.moveTo(x, box.top() + h * 0.12);
        scallop.lineTo(x + stripe, box.top() + h * 0.12);
        scallop.lineTo(x + stripe, box.top() + h * 0.32);
        scallop.arcTo(QRectF(x, box.top() + h * 0.24, stripe, h * 0.16), 0, -180);
        scallop.closeSubpath();
        p.setBrush(i % 2 ? QColor(250, 246, 238) : kTeal);
        p.drawPath(scallop);
    }
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(box.left() - w * 0.02, box.top(), w * 1.04, h * 0.13), 3, 3);

    p.setBrush(QColor(170, 205, 230));
    p.drawRect(QRectF(wall.left() + w * 0.08, wall.top() + h * 0.16, w * 0.38, h * 0.28));
    p.setBrush(kBlue);
    p.drawRect(QRectF(wall.right() - w * 0.30, wall.top() + h * 0.16, w * 0.20, wall.height() - h * 0.16));
    p.setBrush(kSand);
    p.drawEllipse(QPointF(wall.right() - w * 0.14, wall.top() + h * 0.45), w * 0.015, w * 0.015);
}

// A receipt coming out of the till, with a zigzag edge and a few printed lines.
void drawReceipt(QPainter& p, const QRectF& box)
{
    QPainterPath paper;
    paper.moveTo(box.topLeft());
    paper.lineTo(box.topRight());
    paper.lineTo(box.right(), box.bottom());
    const int teeth = 6;
    const qreal tooth = box.width() / teeth;
    for (int i = teeth - 1; i >= 0; --i) {
        paper.lineTo(box.left() + i * tooth + tooth / 2, box.bottom() - tooth / 2);
        paper.lineTo(box.left() + i * tooth, box.bottom());
    }
    paper.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(paper);
    p.setPen(QPen(QColor(120, 130, 140), 2));
    for (int i = 0; i < 4; ++i) {
        const qreal y = box.top() + box.height() * (0.18 + i * 0.17);
        p.drawLine(QPointF(box.left() + box.width() * 0.15, y),
                   QPointF(box.right() - box.width() * (i == 3 ? 0.45 : 0.15), y));
    }
}

void drawTitle(QPainter& p, const QRectF& box, const QColor& colour, qreal scale)
{
    QFont title(QStringLiteral("Verdana"));
    title.setPixelSize(qRound(34 * scale));
    title.setBold(true);
    p.setFont(title);
    p.setPen(colour);
    p.drawText(QRectF(box.left(), box.top(), box.width(), box.height() * 0.55), Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("CVI Zelto"));
    QFont subtitle(QStringLiteral("Verdana"));
    subtitle.setPixelSize(qRound(15 * scale));
    p.setFont(subtitle);
    p.drawText(QRectF(box.left(), box.top() + box.height() * 0.58, box.width(), box.height() * 0.42),
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Control de Ventas e Inventarios"));
}

}

namespace BackgroundPicture {

QPixmap emblem(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    QRadialGradient halo(QPointF(w / 2, h * 0.36), h * 0.36);
    halo.setColorAt(0, QColor(255, 255, 255, 200));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(w / 2, h * 0.36), h * 0.36, h * 0.36);

    drawShop(p, QRectF(w / 2 - h * 0.24, h * 0.08, h * 0.48, h * 0.50));
    drawReceipt(p, QRectF(w / 2 + h * 0.16, h * 0.34, h * 0.14, h * 0.22));
    drawTitle(p, QRectF(0, h * 0.62, w, h * 0.36), kBlue, h / 300.0);
    return pixmap;
}

QPixmap splash(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(232, 241, 248));
    sky.setColorAt(1, QColor(196, 218, 234));
    p.fillRect(pixmap.rect(), sky);
    const qreal h = size.height();
    const qreal w = size.width();
    drawShop(p, QRectF(w / 2 - h * 0.20, h * 0.08, h * 0.40, h * 0.42));
    drawReceipt(p, QRectF(w / 2 + h * 0.13, h * 0.30, h * 0.12, h * 0.19));
    drawTitle(p, QRectF(0, h * 0.56, w, h * 0.36), kBlue, h / 300.0);
    p.setPen(QColor(80, 90, 100));
    QFont small(QStringLiteral("Verdana"));
    small.setPixelSize(12);
    p.setFont(small);
    p.drawText(QRectF(0, h - 26, w - 12, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("v.1.0"));
    return pixmap;
}

}
