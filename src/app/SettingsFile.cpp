#include "app/SettingsFile.h"

#include "app/SettingsScrambler.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kFileName = QStringLiteral("poldivju.ini");
const QString kSection = QStringLiteral("ConfigDB");
const QString kPathKey = QStringLiteral("vosterinpak");
const QString kPasswordKey = QStringLiteral("qentrovalis");
const QString kUserKey = QStringLiteral("tormelquadry");

QString overridePath() { return qEnvironmentVariable("CVI_SETTINGS_FILE"); }

// Writable as it stands, or creatable in the nearest folder that exists.
bool canWrite(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists())
        return file.isWritable();
    QDir folder = file.absoluteDir();
    while (!folder.exists())
        if (!folder.cdUp())
            return false;
    return QFileInfo(folder.absolutePath()).isWritable();
}

}

QString SettingsFile::machinePath()
{
#ifdef Q_OS_WIN
    QString base = qEnvironmentVariable("ProgramData");
    if (base.isEmpty())
        base = QStringLiteral("C:/ProgramData");
    return QDir::fromNativeSeparators(base) + QStringLiteral("/CVI Zelto/") + kFileName;
#else
    return QStringLiteral("/etc/cvi-zelto/") + kFileName;
#endif
}

QString SettingsFile::userPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/cvi-zelto/")
        + kFileName;
}

QString SettingsFile::writePath()
{
    if (const QString path = overridePath(); !path.isEmpty())
        return path;
    return canWrite(machinePath()) ? machinePath() : userPath();
}

QString SettingsFile::readPath()
{
    const QString written = writePath();
    if (written != userPath() || QFileInfo::exists(written))
        return written;
    // Nothing of this user's own yet: what the administrator prepared for the computer.
    return machinePath();
}

bool SettingsFile::exists() { return QFileInfo::exists(readPath()); }

ConnectionSettings SettingsFile::read()
{
    QSettings ini(readPath(), QSettings::IniFormat);
    ini.beginGroup(kSection);
    ConnectionSettings settings;
    settings.databasePath = SettingsScrambler::unscramble(ini.value(kPathKey).toString());
    settings.password = SettingsScrambler::unscramble(ini.value(kPasswordKey).toString()).toLower();
    settings.user = SettingsScrambler::unscramble(ini.value(kUserKey).toString()).toLower();
    return settings;
}

bool SettingsFile::write(const ConnectionSettings& settings)
{
    const QString path = writePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(kSection);
    ini.setValue(kPathKey, SettingsScrambler::scramble(settings.databasePath));
    ini.setValue(kPasswordKey, SettingsScrambler::scramble(settings.password.toUpper()));
    ini.setValue(kUserKey, SettingsScrambler::scramble(settings.user.toUpper()));
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
