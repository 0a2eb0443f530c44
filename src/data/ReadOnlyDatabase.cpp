#include "data/ReadOnlyDatabase.h"

#include "data/ShopFileProbe.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <atomic>

namespace {

QString engineText(const QSqlError& error)
{
    return (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
}

}

ReadOnlyDatabase::ReadOnlyDatabase(const QString& path, Open open)
{
    static std::atomic<int> counter{0};
    m_name = QStringLiteral("cvi-zelto-readonly-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    const bool readOnlyMedia = open == Open::Tidy && ShopFileProbe::OnReadOnlyMedia(path);
    if (open == Open::Settled || (readOnlyMedia && !QFileInfo::exists(path + QStringLiteral("-wal")))) {
        // Nobody can write there, so nobody is writing: read the file as it stands, without the
        // log's companion files the engine could not create beside it.
        const QByteArray encoded = QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/");
        db.setDatabaseName(QStringLiteral("file:%1?immutable=1").arg(QString::fromLatin1(encoded)));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    } else {
        db.setDatabaseName(path);
        db.setConnectOptions(open == Open::Strict || readOnlyMedia
                                 ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000")
                                 : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    if (!db.open())
        m_error = engineText(db.lastError());
}

ReadOnlyDatabase::~ReadOnlyDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase ReadOnlyDatabase::connection() const { return QSqlDatabase::database(m_name, false); }

bool ReadRows(QSqlDatabase db, const QString& sql, const QVariantList& values, QList<QVariantList>* out, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& v : values)
            q.addBindValue(v);
        ok = q.exec();
    }
    if (!ok) {
        if (error)
            *error = engineText(q.lastError());
        return false;
    }
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        if (out)
            out->append(row);
    }
    return true;
}
