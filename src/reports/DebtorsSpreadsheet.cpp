#include "reports/DebtorsSpreadsheet.h"

#include "data/Formats.h"

namespace DebtorsSpreadsheet {

namespace {
constexpr int HeadingRow = 3;  // row 4
constexpr int FirstListRow = 4;
constexpr int Columns = 8;   // A to H
constexpr int BoldRows = 6;  // A1:H6
}

SpreadsheetWriter Build(const QList<QStringList>& rows, const QString& from, const QString& to)
{
    const auto styleAt = [](int row, int column) {
        SpreadsheetWriter::Style s;
        s.bold = row >= 0 && row < BoldRows;
        s.yellow = row == HeadingRow;
        s.topBorder = row == HeadingRow || row == FirstListRow;
        s.left = column >= 1 && column <= 5;  // B to F
        return s;
    };
    SpreadsheetWriter sheet;
    const double widths[Columns] = {4, 12, 12, 30, 10, 10, 10, 10};
    for (int column = 0; column < Columns; ++column)
        sheet.setColumnWidth(column, column, widths[column], styleAt(-1, column));
    for (int row = 0; row < BoldRows; ++row)
        for (int column = 0; column < Columns; ++column)
            sheet.blank(row, column, styleAt(row, column));
    sheet.text(0, 0, QStringLiteral("REPORTE DE INGRESOS"), styleAt(0, 0));
    sheet.text(1, 0, QStringLiteral("Rango Fecha Desde %1 Hata %2").arg(from, to), styleAt(1, 0));
    const QStringList headings{QStringLiteral("Nro"),       QStringLiteral("Fecha"),
                               QStringLiteral("NIT/CI"),    QStringLiteral("Nombre Cliente"),
                               QStringLiteral("Total Bs."), QStringLiteral("Efectivo Bs."),
                               QStringLiteral("Saldo Bs."), QStringLiteral("Dias/Mora")};
    for (int column = 0; column < Columns; ++column)
        sheet.text(HeadingRow, column, headings.at(column), styleAt(HeadingRow, column));

    for (int i = 0; i < rows.size(); ++i) {
        const int row = FirstListRow + i;
        const QStringList& cells = rows.at(i);
        const auto numberOr = [&](int column, bool money) {
            double value = 0;
            if (!Formats::ParseAmount(cells.value(column), &value))
                sheet.text(row, column, cells.value(column), styleAt(row, column));
            else if (money)
                sheet.money(row, column, value, styleAt(row, column));
            else
                sheet.number(row, column, value, styleAt(row, column));
        };
        numberOr(0, false);
        const QDate date = Formats::ParseDate(cells.value(1));
        if (date.isValid())
            sheet.date(row, 1, date, styleAt(row, 1));
        else
            sheet.text(row, 1, cells.value(1), styleAt(row, 1));
        sheet.text(row, 2, cells.value(2), styleAt(row, 2));
        sheet.text(row, 3, cells.value(3), styleAt(row, 3));
        sheet.text(row, 4, cells.value(4), styleAt(row, 4));
        numberOr(5, true);
        numberOr(6, true);
        numberOr(7, false);
    }
    return sheet;
}

}
