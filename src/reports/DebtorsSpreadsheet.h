#pragma once
#include "tax/SpreadsheetWriter.h"

#include <QStringList>

// The debtors list as a spreadsheet: "REPORTE DE INGRESOS" and the range on top, headings on a
// yellow row 4, the list from row 5: number, date (a date cell), NIT/CI and name as text, the total
// as text as the list has always given it, cash and balance as numbers "0.00", days as a number.
namespace DebtorsSpreadsheet {

// `rows`: the list's shown cells in the order Nro, Fecha, C.I., Nombre Cliente, Total, Efectivo,
// Saldo, Dias; `from`, `to`: the range of the last "GENERAR" as dd/MM/yyyy.
SpreadsheetWriter Build(const QList<QStringList>& rows, const QString& from, const QString& to);

}
