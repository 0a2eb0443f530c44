#pragma once
#include "cash/ClosingFigures.h"

#include <QDateTime>
#include <QVector>

// The closing ticket's rows, each at its y (in device units, h being the ticket's line height),
// 40 columns wide: label at the left, figures at the right.
struct ClosingTicketRow {
    int y;
    QString text;
};

struct ClosingTicketData {
    ClosingFigures figures;
    QString taxpayerName;
    QDate workDate;
    QString cashier;    // the user's login, under the signature line
    QDateTime printed;  // the computer's date and time
};

QVector<ClosingTicketRow> ClosingTicketRows(const ClosingTicketData& data, int h);

// "LABEL      sales  purchases": the purchases figure right-aligned in a field of `fieldWidth`
// that ends the row, the sales figure directly before it; nothing is cut when the figures are
// wider than the row.
QString ClosingTwoFigureRow(const QString& label, const QString& sales, const QString& purchases, int fieldWidth);
// "LABEL        figure", ending at column 40.
QString ClosingOneFigureRow(const QString& label, const QString& figure);

// Prints the closing ticket on the ticket printer; empty text, or why it failed.
QString PrintClosingTicket(const ClosingTicketData& data);
