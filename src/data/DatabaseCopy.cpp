#include "data/DatabaseCopy.h"

#include "data/UDataModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace DatabaseCopy {

namespace {

QString engineText(const QSqlQuery& q)
{
    const QSqlError error = q.lastError();
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
}

}

QString write(TDataModule1& db, const QString& target)
{
    if (!db.isOpen())
        return QStringLiteral("No hay una base de datos abierta");
    return write(db.connection(), target);
}

QString write(QSqlDatabase connection, const QString& target)
{
    const QFileInfo info(target);
    if (info.exists())
        return QStringLiteral("La copia no se escribe sobre un archivo existente: %1").arg(target);
    if (!info.absoluteDir().exists())
        return QStringLiteral("No existe la carpeta de la copia: %1").arg(info.absolutePath());
    QSqlQuery q(connection);
    bool written = q.prepare(QStringLiteral("VACUUM INTO ?"));
    if (written) {
        q.addBindValue(info.absoluteFilePath());
        written = q.exec();
    }
    if (!written) {
        QFile::remove(info.absoluteFilePath());
        return QStringLiteral("No se pudo escribir la copia de la base de datos %1: %2")
            .arg(target, TDataModule1::describeError(engineText(q)));
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
