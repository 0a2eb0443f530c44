#pragma once

class QLineEdit;
class QWidget;

// Key filters every window puts on its fields, by object: InputFilters::digitsAndPoint(ESaldoI).
// Each installs an event filter owned by the field. Keys that do not type (arrows, Delete, Home,
// End, Enter, Tab, Escape, copy) are left alone, as in any field.
namespace InputFilters {

// Only digits, "." and Backspace type; any other character is swallowed. Pasted or dropped text
// keeps only its digits and points.
void digitsAndPoint(QLineEdit* field);
// Only digits and Backspace type (NIT/CI, order numbers).
void digits(QLineEdit* field);
// Amounts typed with either decimal mark: digits and "." type, a "," types as ".".
void amount(QLineEdit* field);
// a..z type as A..Z; the apostrophe, the double quote and the back quote are refused. Pasted
// text is treated the same way.
void upperCase(QLineEdit* field);
// a..z type as A..Z and every other character as typed: names such as O'BRIEN keep their quote.
void upperCaseKeepingQuotes(QLineEdit* field);
// No key types at all (pickers, paths chosen by dialog); only Tab moves on.
void refuseTyping(QWidget* field);

}
