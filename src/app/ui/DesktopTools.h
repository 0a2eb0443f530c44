#pragma once
#include <QString>
#include <QStringList>

// The desktop programs the main window hands work to.
namespace DesktopTools {

// The calculators tried, in order, on this platform.
QStringList calculatorPrograms();
// Starts the first of the programs that can be started; false when none could.
bool startCalculator(const QStringList& programs);
// Opens a local file with the program the desktop associates with it; false when the file does
// not exist (other failures of the desktop are not reported).
bool openWithDesktop(const QString& path);

}
