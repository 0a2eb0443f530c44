#include "tax/BookSpreadsheet.h"

#include "data/Formats.h"

namespace BookSpreadsheet {

namespace {

enum class Cell { Number, Money, Date, Text };

struct Layout {
    QString title;
    QList<double> widths;
    QStringList headings;
    QList<Cell> cells;
};

Layout SalesLayout()
{
    Layout l;
    l.title = QStringLiteral("Libro de Ventas Sucursal: ");
    l.widths = {5, 5, 12, 6, 16, 5, 12, 35, 8, 8, 8, 8, 8, 8, 8, 8, 16};
    l.headings = {QStringLiteral("ESP."),
                  QStringLiteral("Nº"),
                  QStringLiteral("Fecha"),
                  QStringLiteral("Nº Fact."),
                  QStringLiteral("Num. de Aut."),
                  QStringLiteral("Estado"),
                  QStringLiteral("Nit/CI Cliente"),
                  QStringLiteral("Nombre o Razon Social Cliente"),
                  QStringLiteral("Importe Total"),
                  QStringLiteral("ICE"),
                  QStringLiteral("Exentos"),
                  QStringLiteral("Gravamens"),
                  QStringLiteral("SubTotal"),
                  QStringLiteral("Descuentos"),
                  QStringLiteral("Neto"),
                  QStringLiteral("Debito Fiscal"),
                  QStringLiteral("Codigo de Control")};
    l.cells = {Cell::Number, Cell::Number, Cell::Date,  Cell::Text,  Cell::Text,  Cell::Text,
               Cell::Text,   Cell::Text,   Cell::Money, Cell::Money, Cell::Money, Cell::Money,
               Cell::Money,  Cell::Money,  Cell::Money, Cell::Money, Cell::Text};
    return l;
}

Layout PurchasesLayout()
{
    Layout l;
    l.title = QStringLiteral("Libro de Compras Sucursal: ");
    l.widths = {5, 5, 12, 12, 35, 12, 5, 12, 10, 6, 6, 6, 10, 8, 10, 5};
    l.headings = {QStringLiteral("ESP."),
                  QStringLiteral("Nº"),
                  QStringLiteral("Fecha"),
                  QStringLiteral("Nit/CI"),
                  QStringLiteral("Nombre Proveedor"),
                  QStringLiteral("Nº Factura"),
                  QStringLiteral("Nº CUI"),
                  QStringLiteral("Nº Aut."),
                  QStringLiteral("Imp. Total"),
                  QStringLiteral("Exentos"),
                  QStringLiteral("SubTotal"),
                  QStringLiteral("Descuentos"),
                  QStringLiteral("Importe Base"),
                  QStringLiteral("Credito Fiscal"),
                  QStringLiteral("Cod. Control"),
                  QStringLiteral("Tipo Compra")};
    l.cells = {Cell::Number, Cell::Number, Cell::Date,  Cell::Text,  Cell::Text,  Cell::Text,  Cell::Text, Cell::Text,
               Cell::Money,  Cell::Money,  Cell::Money, Cell::Money, Cell::Money, Cell::Money, Cell::Text, Cell::Number};
    return l;
}

constexpr int HeadingRow = 5;  // row 6
constexpr int FirstBookRow = 6;

void WriteValue(SpreadsheetWriter& sheet, int row, int column, Cell cell, const QString& text, SpreadsheetWriter::Style style)
{
    double value = 0;
    if (cell == Cell::Date) {
        const QDate date = Formats::ParseDate(text);
        if (date.isValid()) {
            sheet.date(row, column, date, style);
            return;
        }
        cell = Cell::Number;  // the "0" of a month without invoices
    }
    if (cell != Cell::Text && Formats::ParseAmount(text, &value)) {
        if (cell == Cell::Money)
            sheet.money(row, column, value, style);
        else
            sheet.number(row, column, value, style);
        return;
    }
    sheet.text(row, column, text, style);
}

}

SpreadsheetWriter Build(BookKind kind, const QList<QStringList>& rows, const Heading& heading)
{
    const Layout layout = kind == BookKind::Sales ? SalesLayout() : PurchasesLayout();
    const int columns = int(layout.cells.size());
    const auto styleAt = [](int row, int column) {
        SpreadsheetWriter::Style s;
        s.bold = row <= HeadingRow;
        s.yellow = row == HeadingRow;
        s.topBorder = row == HeadingRow || row == FirstBookRow;
        s.left = column >= 1 && column <= 5;  // B to F
        return s;
    };

    SpreadsheetWriter sheet;
    for (int column = 0; column < columns; ++column)
        sheet.setColumnWidth(column, column, layout.widths.at(column), styleAt(-1, column));
    for (int row = 0; row <= HeadingRow; ++row)
        for (int column = 0; column < columns; ++column)
            sheet.blank(row, column, styleAt(row, column));
    sheet.text(0, 0, heading.taxpayerName, styleAt(0, 0));
    sheet.text(1, 0, layout.title + QString::number(heading.branch), styleAt(1, 0));
    sheet.text(2, 0, QStringLiteral("Periodo: %1/%2").arg(heading.period.monthName()).arg(heading.period.year), styleAt(2, 0));
    for (int column = 0; column < columns; ++column)
        sheet.text(HeadingRow, column, layout.headings.at(column), styleAt(HeadingRow, column));
    for (int i = 0; i < rows.size(); ++i) {
        const int row = FirstBookRow + i;
        for (int column = 0; column < columns; ++column)
            WriteValue(sheet, row, column, layout.cells.at(column), rows.at(i).value(column), styleAt(row, column));
    }
    return sheet;
}

}
