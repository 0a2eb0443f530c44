#pragma once
#include <QByteArray>
#include <QString>

// The Windows "ANSI" code page 1252: the tax authority reads the books' text files in it, and
// spreadsheets saved as CSV on a Windows computer usually come in it.
namespace Windows1252 {

// One byte per character; a character the code page does not have becomes "?" (one "?" for a
// character outside the basic plane, not one per half).
QByteArray Encode(const QString& text);

// Every byte is one character; a byte the code page leaves undefined becomes U+FFFD.
QString Decode(const QByteArray& bytes);

}
