#include "SecondStation.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

SecondStation::SecondStation(const QString& databasePath, int busyWaitMs)
    : m_connection(QStringLiteral("second-station-") + QUuid::createUuid().toString(QUuid::Id128))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(databasePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyWaitMs));
    if (!db.open())
        m_error = db.lastError().text();
    else if (QSqlQuery setup(db); !setup.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
        m_error = setup.lastError().text();
}

SecondStation::~SecondStation()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QString SecondStation::execute(const QString& sql, const QVariantList& values)
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.prepare(sql))
        return q.lastError().text();
    for (const QVariant& v : values)
        q.addBindValue(v);
    return q.exec() ? QString() : q.lastError().text();
}
