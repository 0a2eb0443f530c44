#pragma once
#include "tax/BookLines.h"
#include "tax/SpreadsheetWriter.h"

// The spreadsheet of a book, laid out as the shop's accountant expects it: the taxpayer, the
// branch and the period on top, bold headings on a yellow row 6, the book from row 7. Amounts are
// numbers shown "0.00", dates are date cells, identifiers (NIT/CI, invoice and authorisation
// numbers, DUI, control code) and the state are text so no digit is lost.
namespace BookSpreadsheet {

struct Heading {
    QString taxpayerName;
    int branch = 0;
    BookPeriod period;
};

// `rows` are the book's list rows as shown (list columns in order).
SpreadsheetWriter Build(BookKind kind, const QList<QStringList>& rows, const Heading& heading);

}
