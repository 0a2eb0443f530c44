#include "data/DatabaseCopy.h"

#include "data/ServerAddress.h"
#include "data/SessionState.h"
#include "data/ShopTransfer.h"
#include "data/UDataModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace DatabaseCopy {

namespace {

// Creates the empty file the engine then writes into, readable by owner and group only from the
// first byte on (the engine keeps the mode of a file it is given).
bool createPrivate(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
}

QString engineText(const QSqlQuery& q)
{
    const QSqlError error = q.lastError();
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
}

// A server's shop is copied into a new shop file, which the login can open like any other.
QString writeFromServer(TDataModule1& db, const QString& target)
{
    if (db.transactionDepth() > 0)
        return QStringLiteral("La copia de la base de datos no se escribe en medio de una operacion");
    const QString connection = QStringLiteral("cvi-zelto-copy");
    if (!createPrivate(target))
        return QStringLiteral("No se pudo escribir la copia de la base de datos %1").arg(target);
    if (const QString error = EngineConnection::open(target, connection); !error.isEmpty()) {
        QFile::remove(target);
        return QStringLiteral("No se pudo escribir la copia de la base de datos %1: %2").arg(target, error);
    }
    QString error;
    {
        ShopTransfer transfer({db.connection(), EngineKind::PostgreSQL},
                              {QSqlDatabase::database(connection, false), EngineKind::SQLite});
        error = transfer.run();
    }
    EngineConnection::remove(connection);
    if (!error.isEmpty()) {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(target + QLatin1String(suffix));
        return QStringLiteral("No se pudo escribir la copia de la base de datos %1: %2").arg(target, error);
    }
    return {};
}

}

QString write(TDataModule1& db, const QString& target)
{
    if (!db.isOpen())
        return QStringLiteral("No hay una base de datos abierta");
    if (!db.onServer())
        return write(db.connection(), target);
    const QFileInfo info(target);
    if (info.exists())
        return QStringLiteral("La copia no se escribe sobre un archivo existente: %1").arg(target);
    if (!info.absoluteDir().exists())
        return QStringLiteral("No existe la carpeta de la copia: %1").arg(info.absolutePath());
    return writeFromServer(db, info.absoluteFilePath());
}

QString write(QSqlDatabase connection, const QString& target, Access access)
{
    const QFileInfo info(target);
    if (info.exists())
        return QStringLiteral("La copia no se escribe sobre un archivo existente: %1").arg(target);
    if (!info.absoluteDir().exists())
        return QStringLiteral("No existe la carpeta de la copia: %1").arg(info.absolutePath());
    if (access == Access::OwnerAndGroup && !createPrivate(info.absoluteFilePath()))
        return QStringLiteral("No se pudo escribir la copia de la base de datos %1").arg(target);
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
    const QString stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    ServerAddress address;
    if (ServerAddress::isServerText(databasePath) && ServerAddress::parse(databasePath, &address, nullptr)) {
        // A server's database has no folder: the copy goes to the program's folder.
        const QString appFolder = SessionState::current().AppFolder;
        const QDir folder(appFolder.isEmpty() ? QDir::homePath() : appFolder);
        return folder.filePath(QStringLiteral("%1-%2-%3.sqlite").arg(address.database, tag, stamp));
    }
    const QFileInfo info(databasePath);
    return info.absoluteDir().filePath(QStringLiteral("%1-%2-%3.sqlite").arg(info.completeBaseName(), tag, stamp));
}

}
