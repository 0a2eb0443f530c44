#pragma once
#include <QStringList>
#include <functional>

// The computer's printers in the one order every part of the program counts them in: the ticket
// printer is stored as a position in this list (Codigos.Parametro1) and tickets go to the printer
// at that position. Tests script the list instead of depending on the machine's printers.
namespace InstalledPrinters {

QStringList names();
// Replaces the system's list; an empty function puts it back.
void install(std::function<QStringList()> list);

}
