#include "app/WindowSizes.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace WindowSizes {

namespace {
const QString kFileName = QStringLiteral("ventanas.ini");
const QString kSection = QStringLiteral("Tamano/");
}

QString path()
{
    if (const QString settings = qEnvironmentVariable("CVI_SETTINGS_FILE"); !settings.isEmpty())
        return QFileInfo(settings).absolutePath() + QLatin1Char('/') + kFileName;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/cvi-zelto/") + kFileName;
}

QSize remembered(const QString& window) { return QSettings(path(), QSettings::IniFormat).value(kSection + window).toSize(); }

void remember(const QString& window, const QSize& size)
{
    QSettings(path(), QSettings::IniFormat).setValue(kSection + window, size);
}

}
