#pragma once
#include <QString>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Key filters every window puts on its fields, by object: InputFilters::digitsAndPoint(ESaldoI).
// Each installs an event filter owned by the field. Keys that do not type (arrows, Delete, Home,
// End, Enter, Tab, Escape, copy) are left alone, as in any field.
namespace InputFilters {

// Only digits, "." and Backspace type; any other character is swallowed. Pasted or dropped text
// keeps only its digits and points.
void digitsAndPoint(QLineEdit* field);
// Only digits and the characters of `others` type: "" for plain numbers, "/" for dates, "-" for
// telephones. Pasted text keeps only those.
void digitsAnd(QLineEdit* field, const QString& others);
// Only digits and Backspace type (NIT/CI, order numbers).
void digits(QLineEdit* field);
// Amounts typed with either decimal mark: digits and "." type, a "," types as ".".
void amount(QLineEdit* field);
// a..z type as A..Z; the apostrophe, the double quote and the back quote are refused. Pasted
// text is treated the same way.
void upperCase(QLineEdit* field);
// a..z type as A..Z and every other character as typed: names such as O'BRIEN keep their quote.
void upperCaseKeepingQuotes(QLineEdit* field);
// Names and legends printed on invoices: only the blank, "-", ".", digits, A..Z and Ñ type, a..z
// and ñ as upper case. For a line field or a memo (QPlainTextEdit); as everywhere, text the
// program puts in the field is left as it is.
void plainLetters(QWidget* field);
// A memo holding one line of at most `maxLength` characters: Enter never breaks it and pasted
// line breaks become blanks.
void singleLineMemo(QPlainTextEdit* memo, int maxLength);
// No key types at all (pickers, paths chosen by dialog); only Tab moves on.
void refuseTyping(QWidget* field);
// A list chosen from by mouse, arrow keys or the space bar: typed letters neither type nor jump
// to an entry.
void selectionOnly(QComboBox* combo);

}
