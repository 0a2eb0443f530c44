#include "data/BackupFolder.h"

#include "data/UDataModule.h"

#include <QDir>
#include <QFileInfo>

namespace BackupFolder {

QString Default(const QString& databasePath)
{
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("backups"));
}

QString Stored()
{
    return TDataModule1::instance().query(QStringLiteral("SELECT CarpetaCopias FROM Codigos WHERE IdC=1")).text(0);
}

QString ForDatabase(const QString& databasePath)
{
    const QString stored = Stored();
    return stored.isEmpty() ? Default(databasePath) : stored;
}

QString Check(const QString& folder)
{
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (folder.trimmed().isEmpty())
        return QStringLiteral("no se indico la carpeta");
    if (!info.exists())
        return QStringLiteral("la carpeta %1 no existe (si es un disco externo, conectelo)").arg(shown);
    if (!info.isDir())
        return QStringLiteral("%1 no es una carpeta").arg(shown);
    // The mode bits count even for the administrator, who could write anyway: a folder marked
    // read-only was meant to stay so.
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isWritable() || !(info.permissions() & writeBits))
        return QStringLiteral("no se puede escribir en la carpeta %1").arg(shown);
    return {};
}

QString Store(const QString& folder)
{
    QString stored = QStringLiteral("");  // bound as an empty text, not as NULL
    if (!folder.trimmed().isEmpty()) {
        stored = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
        if (const QString refusal = Check(stored); !refusal.isEmpty())
            return refusal;
    }
    TDataModule1::instance().execute(QStringLiteral("UPDATE Codigos SET CarpetaCopias=? WHERE IdC=1"), {stored});
    return {};
}

}
