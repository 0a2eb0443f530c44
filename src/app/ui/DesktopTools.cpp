#include "app/ui/DesktopTools.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

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

bool openWithDesktop(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return true;
}

}
