#include "app/ui/DesktopTools.h"

#include <QProcess>

namespace DesktopTools {

QStringList calculatorPrograms()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
#endif
}

bool startCalculator(const QStringList& programs)
{
    for (const QString& program : programs)
        if (QProcess::startDetached(program, {}))
            return true;
    return false;
}

}
