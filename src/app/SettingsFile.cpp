#include "app/SettingsFile.h"

#include "app/SettingsScrambler.h"
#include "app/SettingsSecret.h"
#include "data/ServerAddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kFileName = QStringLiteral("poldivju.ini");
const QString kSection = QStringLiteral("ConfigDB");
const QString kPathKey = QStringLiteral("vosterinpak");
const QString kPasswordKey = QStringLiteral("qentrovalis");
const QString kUserKey = QStringLiteral("tormelquadry");
// A server's password out of the connection text, sealed; only with the password remembered.
const QString kServerPasswordKey = QStringLiteral("ulvimsardek");

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
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/cvi-zelto/") + kFileName;
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

QString SettingsFile::keyPath(const QString& settingsPath)
{
    const QFileInfo info(settingsPath);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".key"));
}

ConnectionSettings SettingsFile::read()
{
    const QString path = readPath();
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(kSection);
    ConnectionSettings settings;
    settings.databasePath = SettingsScrambler::unscramble(ini.value(kPathKey).toString());
    const QString password = ini.value(kPasswordKey).toString();
    // A file of an older program kept the password scrambled; it is sealed at the next login.
    settings.password = (SettingsSecret::isSealed(password) ? SettingsSecret::open(password, keyPath(path))
                                                            : SettingsScrambler::unscramble(password))
                            .toLower();
    settings.user = SettingsScrambler::unscramble(ini.value(kUserKey).toString()).toLower();
    ServerAddress address;
    const QString serverPassword = SettingsSecret::open(ini.value(kServerPasswordKey).toString(), keyPath(path));
    if (!serverPassword.isEmpty() && ServerAddress::parse(settings.databasePath, &address, nullptr)
        && address.password.isEmpty()) {
        address.password = serverPassword;
        settings.databasePath = address.text();
    }
    return settings;
}

bool SettingsFile::write(const ConnectionSettings& settings)
{
    const QString path = writePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Made for the owner and the folder's group (the shop's users) before anything is in it; the
    // settings keep the mode of the file they rewrite.
    if (!QFileInfo::exists(path)) {
        const auto ownerAndGroup =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup;
        QFile fresh(path);
        if (fresh.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerAndGroup))
            fresh.setPermissions(ownerAndGroup);  // past the umask, which would take the group's writing
    }
    // A server's password never stays in the connection text: sealed beside it when the password
    // is remembered, else not kept at all.
    QString databasePath = settings.databasePath;
    QString serverPassword;
    ServerAddress address;
    if (ServerAddress::parse(databasePath, &address, nullptr) && !address.password.isEmpty()) {
        serverPassword = address.password;
        databasePath = address.display();
    }
    const bool remember = !settings.password.isEmpty();
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(kSection);
    ini.setValue(kPathKey, SettingsScrambler::scramble(databasePath));
    ini.setValue(kPasswordKey, remember ? SettingsSecret::seal(settings.password.toUpper(), keyPath(path)) : QString());
    ini.setValue(kUserKey, SettingsScrambler::scramble(settings.user.toUpper()));
    if (remember && !serverPassword.isEmpty())
        ini.setValue(kServerPasswordKey, SettingsSecret::seal(serverPassword, keyPath(path)));
    else
        ini.remove(kServerPasswordKey);
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
