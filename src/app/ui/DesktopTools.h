#pragma once
#include <QString>
#include <QStringList>

// The desktop programs the main window hands work to.
namespace DesktopTools {

// The calculators tried, in order, on this platform.
QStringList calculatorPrograms();
// Starts the first of the programs that can be started; false when none could.
bool startCalculator(const QStringList& programs);

}
