#include "data/DatabaseCopy.h"

#include "data/DatabaseError.h"
#include "data/UDataModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DatabaseCopy {

QString write(TDataModule1& db, const QString& target)
{
    const QFileInfo info(target);
    if (info.exists())
        return QStringLiteral("La copia no se escribe sobre un archivo existente: %1").arg(target);
    if (!info.absoluteDir().exists())
        return QStringLiteral("No existe la carpeta de la copia: %1").arg(info.absolutePath());
    try {
        db.execute(QStringLiteral("VACUUM INTO ?"), {info.absoluteFilePath()});
    } catch (const DatabaseError& e) {
        QFile::remove(info.absoluteFilePath());
        return QStringLiteral("No se pudo escribir la copia de la base de datos %1: %2").arg(target, e.text());
    }
    return {};
}

QString besideDatabase(const QString& databasePath, const QString& tag, const QDateTime& when)
{
    const QFileInfo info(databasePath);
    return info.absoluteDir().filePath(QStringLiteral("%1-%2-%3.sqlite")
                                           .arg(info.completeBaseName(), tag,
                                                when.toString(QStringLiteral("yyyyMMdd-HHmmss"))));
}

}
