#include "data/EngineConnection.h"

#include "data/ServerAddress.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace EngineConnection {

namespace {

QString openError(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

QString openServer(const ServerAddress& address, const QString& connectionName, int lockWaitMs)
{
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        if (!db.isValid()) {
            error = QStringLiteral("Falta el controlador de PostgreSQL de Qt (paquete libqt6sql6-psql)");
        } else {
            db.setHostName(address.host);
            db.setPort(address.port);
            db.setUserName(address.user);
            db.setPassword(address.password);
            db.setDatabaseName(address.database);
            db.setConnectOptions(QStringLiteral("connect_timeout=%1;application_name=cvi-zelto;keepalives=1;"
                                                "keepalives_idle=10;keepalives_interval=5;keepalives_count=3")
                                     .arg(kConnectTimeoutSeconds));
            if (!db.open()) {
                error = QStringLiteral("No se puede conectar con el servidor de base de datos %1: %2")
                            .arg(address.display(), openError(db.lastError()));
            } else {
                QSqlQuery setup(db);
                for (const QString& sql :
                     {QStringLiteral("SET lock_timeout = %1").arg(lockWaitMs),
                      QStringLiteral("SET client_min_messages = warning"), QStringLiteral("SET DateStyle = 'ISO, YMD'")}) {
                    if (!setup.exec(sql)) {
                        error = QStringLiteral("No se puede conectar con el servidor de base de datos %1: %2")
                                    .arg(address.display(), openError(setup.lastError()));
                        break;
                    }
                }
            }
        }
    }
    if (!error.isEmpty())
        remove(connectionName);
    return error;
}

QString openFile(const QString& path, const QString& connectionName, int lockWaitMs, bool readOnly)
{
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(lockWaitMs)
                                 .arg(readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
        if (!db.open())
            error = QStringLiteral("No se puede abrir la base de datos: %1").arg(openError(db.lastError()));
    }
    if (!error.isEmpty())
        remove(connectionName);
    return error;
}

}

QString writeLockStatement() { return QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kWriteLock); }

EngineKind engineOf(const QString& name)
{
    return ServerAddress::isServerText(name) ? EngineKind::PostgreSQL : EngineKind::SQLite;
}

QString open(const QString& name, const QString& connectionName, int lockWaitMs, bool readOnly)
{
    if (engineOf(name) == EngineKind::SQLite)
        return openFile(name, connectionName, lockWaitMs, readOnly);
    ServerAddress address;
    QString error;
    if (!ServerAddress::parse(name, &address, &error))
        return error;
    return openServer(address, connectionName, lockWaitMs);
}

void remove(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

QString displayName(const QString& name)
{
    ServerAddress address;
    if (engineOf(name) == EngineKind::PostgreSQL && ServerAddress::parse(name, &address, nullptr))
        return address.display();
    return name;
}

}
