#pragma once
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// One thing drawn on a ticket: a text at its position, or a picture in its rectangle.
struct TicketMark {
    QPoint position;
    QString text;    // empty for a picture
    QImage image;    // null for a text
    QString qrText;  // for the QR symbol's picture: the text it encodes
    bool isImage() const { return !image.isNull(); }
    QRect imageRect() const { return isImage() ? QRect(position, image.size()) : QRect(); }
    // "x,y text" or "image x,y wxh": the form tests compare whole lists in.
    QString describe() const;
};

// A whole ticket as drawn: the job title and every mark in drawing order.
struct TicketJob {
    QString title;
    QList<TicketMark> marks;
    bool opensDrawer = false;  // the cash-drawer pulse was asked for
    QStringList describe() const;
    // The lowest point any mark reaches, in device units (for sizing a PDF page).
    int bottom(int lineHeight) const;
};
