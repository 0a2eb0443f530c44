#pragma once
#include "masterdata/ImportTable.h"

#include <QByteArray>
#include <QString>

// Spreadsheets saved as CSV text: by a spreadsheet program in Spanish (semicolons, Windows-1252
// on Windows) or in English (commas, UTF-8 with or without the byte-order mark).
namespace CsvText {

// UTF-8 when the bytes are valid UTF-8 (the byte-order mark dropped), otherwise Windows-1252.
QString Decode(const QByteArray& bytes);

// The separator of the first line that holds one, outside quotes: the one found most of ";",
// "," and tab; "," when none.
QChar Separator(const QString& text);

// The records, each with the line it starts on. Quoted fields may hold separators, doubled
// quotes and line breaks; CR LF and LF both end a record.
QList<ImportTable::Row> Parse(const QString& text);

}
