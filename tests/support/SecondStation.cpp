#include "SecondStation.h"

#include "data/EngineConnection.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

SecondStation::SecondStation(const QString& databaseName, int busyWaitMs)
    : m_connection(QStringLiteral("second-station-") + QUuid::createUuid().toString(QUuid::Id128))
    , m_onServer(EngineConnection::engineOf(databaseName) == EngineKind::PostgreSQL)
{
    m_error = EngineConnection::open(databaseName, m_connection, busyWaitMs);
    if (m_error.isEmpty() && !m_onServer) {
        QSqlQuery setup(QSqlDatabase::database(m_connection, false));
        if (!setup.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
            m_error = setup.lastError().text();
    }
}

SecondStation::~SecondStation() { EngineConnection::remove(m_connection); }

QString SecondStation::execute(const QString& sql, const QVariantList& values)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    if (m_onServer) {
        if (!q.exec(QStringLiteral("BEGIN")))
            return q.lastError().text();
        const bool locked = q.exec(EngineConnection::writeLockStatement());
        QString error;
        if (locked) {
            if (!q.prepare(sql))
                error = q.lastError().text();
            else {
                for (const QVariant& v : values)
                    q.addBindValue(v);
                if (!q.exec())
                    error = q.lastError().text();
            }
        } else {
            error = q.lastError().nativeErrorCode() == QLatin1String("55P03") ? QStringLiteral("database is locked")
                                                                              : q.lastError().text();
        }
        QSqlQuery(db).exec(error.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
        return error;
    }
    if (!q.prepare(sql))
        return q.lastError().text();
    for (const QVariant& v : values)
        q.addBindValue(v);
    return q.exec() ? QString() : q.lastError().text();
}

QString SecondStation::hold()
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(m_onServer ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        return q.lastError().text();
    if (m_onServer && !q.exec(EngineConnection::writeLockStatement())) {
        const QString error = q.lastError().text();
        release();
        return error;
    }
    return {};
}

void SecondStation::release() { QSqlQuery(QSqlDatabase::database(m_connection, false)).exec(QStringLiteral("ROLLBACK")); }
