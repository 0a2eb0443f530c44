#pragma once
#include <QByteArray>
#include <QString>

// The tax authority reads the books' text files in the Windows "ANSI" code page 1252, whatever
// computer wrote them.
namespace Windows1252 {

// One byte per character; a character the code page does not have becomes "?" (one "?" for a
// character outside the basic plane, not one per half).
QByteArray Encode(const QString& text);

}
