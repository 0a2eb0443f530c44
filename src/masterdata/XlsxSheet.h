#pragma once
#include "masterdata/ImportTable.h"

#include <QString>

// Reads the cells of a workbook saved by a spreadsheet program (.xlsx: a zip of XML parts), as
// text: shared and inline strings as written, numbers in their shortest form ("12.5", a bar code
// "7751234000011"), TRUE/FALSE for booleans.
namespace XlsxSheet {

// The rows of the workbook's first sheet, each with its row number. Empty text when read,
// otherwise why not (not a workbook, damaged, no sheet).
QString ReadFirstSheet(const QString& path, QList<ImportTable::Row>* rows);

}
