#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

class SqlRows;

// The monthly (or yearly) sales and purchases books: the rows of their lists and the lines of the
// text file the shop files with the tax authority. No database, no window: values in, texts out.
enum class BookKind { Sales, Purchases };

// A month of a year, or the whole year (month 0).
struct BookPeriod {
    int month = 0;
    int year = 0;

    bool isValid() const { return month >= 0 && month <= 12 && QDate(year, 1, 1).isValid(); }
    // The period as a date range: from its first day up to (not including) the day after it.
    QDate from() const;
    QDate until() const;
    // "ANUAL", "ENERO" ... "DICIEMBRE"
    QString monthName() const;
};

namespace BookLines {

// The month combo's entries, index = month number ("ANUAL" first).
QStringList MonthNames();

// "Ventas_032015_102.txt": the book, the month as two digits (00 for the year), the year, the
// taxpayer's NIT.
QString FileName(BookKind kind, const BookPeriod& period, const QString& nit);

// List columns of each book, in list order, and how many of them the text file takes.
enum SalesColumn {
    SEsp,
    SNro,
    SFecha,
    SNroFact,
    SNroAut,
    SEstado,
    SNitCI,
    SNombre,
    STotal,
    SIce,
    SExentos,
    SGravamen,
    SSubTotal,
    SDescuentos,
    SNeto,
    SIva,
    SCodigoC,
    SSucursal,
    SIdVenta,
    SalesColumnCount
};
enum PurchasesColumn {
    CEsp,
    CNro,
    CFecha,
    CNitCI,
    CProveedor,
    CNroFact,
    CNroDui,
    CNroAut,
    CTotal,
    CExentos,
    CSubTotal,
    CDescuentos,
    CImpBase,
    CCreditoF,
    CCodigoC,
    CTipoC,
    PurchasesColumnCount
};
int FileFields(BookKind kind);

// One list row of a sale with an invoice (the current row of a Ventas result, read by column
// name) and of a purchase with a supplier invoice (a Compras result); `number` is the running
// number. Amounts are written "0.00", dates dd/MM/yyyy.
QStringList SaleCells(const SqlRows& sale, int number);
QStringList PurchaseCells(const SqlRows& purchase, int number);
// The one row of a sales book without invoices.
QStringList NoMovementCells();

// One line of the text file: the row's first `fields` cells as shown, joined by "|". A "|" or a
// line break inside a cell is written as a blank, so a name can never add a field or a line.
QString FileLine(const QStringList& cells, int fields);
// The file's bytes: every line followed by CR LF (the last one too), in Windows-1252.
QByteArray FileText(const QStringList& lines);

}
