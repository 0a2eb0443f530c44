#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFolder {

QString ForProgramIn(const QString& programFolder)
{
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../share/cvi-zelto"));
    // The help page marks the folder: an unrelated "share/cvi-zelto" is not taken for ours.
    if (QFileInfo::exists(installed + QStringLiteral("/ayuda.html")))
        return installed + QLatin1Char('/');
    return QDir::cleanPath(programFolder) + QLatin1Char('/');
}

QString Current() { return ForProgramIn(QCoreApplication::applicationDirPath()); }

}
