#include "data/UDataModule.h"

#include "data/DatabaseError.h"
#include "data/EngineErrors.h"
#include "data/SchemaUpgrade.h"
#include "data/ServerAddress.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kConnection = QStringLiteral("cvi-zelto");

// A statement outside any transaction that a concurrent one pushed aside is run again this many
// times before the user is told.
constexpr int kRetries = 3;

// Statements kept prepared on a server connection, at most (the program has far fewer).
constexpr int kPreparedLimit = 500;

const QString kShopTables = QStringLiteral("'Codigos','DatosC','Usuario','Caja','Ventas'");

QString engineText(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

// A file anyone may write to as far as its mode bits say (root ignores them, we do not).
bool isWritableFile(const QFileInfo& info)
{
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

// The file's "busy" and "locked" codes (the low byte of an extended code): another station held
// the database longer than this one waits.
bool isSqliteBusy(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 5 || code == 6);
}

// The server gets whole numbers for true and false, as the file stores them.
QVariant boundValue(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    return v;
}

}

TDataModule1& TDataModule1::instance()
{
    static TDataModule1 module;
    return module;
}

QString TDataModule1::connectionName() { return kConnection; }

QSqlDatabase TDataModule1::connection() const { return QSqlDatabase::database(kConnection, false); }

bool TDataModule1::isOpen() const { return QSqlDatabase::contains(kConnection) && connection().isOpen(); }

QString TDataModule1::open(const QString& name)
{
    close();
    return ServerAddress::isServerText(name) ? openServer(name.trimmed()) : openFile(name);
}

QString TDataModule1::openFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.trimmed().isEmpty() || !info.exists() || !info.isFile())
        return QStringLiteral("No se encuentra el archivo de base de datos: %1").arg(path);
    if (!info.isReadable())
        return QStringLiteral("No se puede leer el archivo de base de datos: %1").arg(path);
    if (!isWritableFile(info) || !QFileInfo(info.absolutePath()).isWritable())
        return QStringLiteral("El archivo de base de datos es de solo lectura: %1").arg(path);

    if (const QString error = EngineConnection::open(info.absoluteFilePath(), kConnection); !error.isEmpty())
        return error;
    m_engine = EngineKind::SQLite;
    m_path = info.absoluteFilePath();
    if (const QString refusal = checkShop(path); !refusal.isEmpty()) {
        close();
        return refusal;
    }
    return {};
}

QString TDataModule1::openServer(const QString& text)
{
    if (const QString error = EngineConnection::open(text, kConnection); !error.isEmpty())
        return error;
    m_engine = EngineKind::PostgreSQL;
    m_path = text;
    if (const QString refusal = checkShop(EngineConnection::displayName(text)); !refusal.isEmpty()) {
        close();
        return refusal;
    }
    return {};
}

// Refuses a database without our tables, or one written by a newer program, before anything
// (such as the journal mode) is written into it; then brings an older one up to date.
QString TDataModule1::checkShop(const QString& shown)
{
    try {
        if (!hasShopTables())
            return onServer()
                       ? QStringLiteral("La base de datos del servidor no es una base de datos del sistema: %1").arg(shown)
                       : QStringLiteral("El archivo no es una base de datos del sistema: %1").arg(shown);
        const int version = schemaVersion();
        if (const QString refusal = SchemaUpgrade::checkNotNewer(version); !refusal.isEmpty())
            return refusal;
        if (!onServer()) {
            runPlain(QStringLiteral("PRAGMA foreign_keys = ON"));
            runPlain(QStringLiteral("PRAGMA journal_mode = WAL"));
        }
        if (version < SchemaUpgrade::currentPlan().version)
            return SchemaUpgrade::upgrade(*this, version);
    } catch (const DatabaseError& e) {
        // A file that is not a database at all fails the very first read.
        if (!onServer() && e.text().contains(QLatin1String("not a database")))
            return QStringLiteral("El archivo no es una base de datos del sistema: %1").arg(shown);
        return QStringLiteral("No se puede abrir la base de datos: %1").arg(e.text());
    }
    return {};
}

void TDataModule1::close()
{
    m_prepared.clear();
    EngineConnection::remove(kConnection);
    m_path.clear();
    m_depth = 0;
    m_spoiledLevel = 0;
    m_lost = false;
}

int TDataModule1::schemaVersion()
{
    if (!onServer())
        return int(query(QStringLiteral("PRAGMA user_version")).integer(0));
    // On a server the version is the comment of table Codigos: "version N".
    static const QRegularExpression form(QStringLiteral("^version (\\d+)$"));
    const QString comment =
        query(QStringLiteral("SELECT obj_description(to_regclass('codigos'), 'pg_class')")).text(0).trimmed();
    const auto m = form.match(comment);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

void TDataModule1::setSchemaVersion(int version)
{
    // Neither statement takes a bound value; the number is an int, never input.
    execute(onServer() ? QStringLiteral("COMMENT ON TABLE Codigos IS 'version %1'").arg(version)
                       : QStringLiteral("PRAGMA user_version = %1").arg(version));
}

bool TDataModule1::hasShopTables()
{
    const QString sql =
        onServer()
            ? QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema() "
                             "AND table_name IN (%1)")
                  .arg(kShopTables.toLower())
            : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name IN (%1)").arg(kShopTables);
    return query(sql).integer(0) == 5;
}

QStringList TDataModule1::tableColumns(const QString& table)
{
    SqlRows rows =
        onServer()
            ? query(QStringLiteral("SELECT column_name FROM information_schema.columns WHERE table_schema = current_schema() "
                                   "AND table_name = ? ORDER BY ordinal_position"),
                    {table.toLower()})
            : query(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table});
    QStringList names;
    for (; !rows.atEnd(); rows.next())
        names << EngineErrors::schemaSpelling(rows.text(0));
    return names;
}

bool TDataModule1::hasIndex(const QString& name)
{
    const SqlRows rows =
        onServer()
            ? query(QStringLiteral("SELECT COUNT(*) FROM pg_indexes WHERE schemaname = current_schema() AND indexname = ?"),
                    {name.toLower()})
            : query(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND name=?"), {name});
    return rows.integer(0) > 0;
}

void TDataModule1::fail(const QSqlError& error, const QString& sql, const QVariantList& values)
{
    if (!onServer())
        throw DatabaseError(describeError(engineText(error)),
                            isSqliteBusy(error) ? DatabaseError::Kind::Conflict : DatabaseError::Kind::Refused);
    // On a server the failed statement spoils the transaction around it; the connection itself
    // may be gone, and then so is the transaction.
    m_lost = EngineErrors::isConnectionLost(error);
    if (m_lost) {
        m_depth = 0;
        m_spoiledLevel = 0;
    } else if (m_depth > 0 && m_spoiledLevel == 0) {
        m_spoiledLevel = m_depth;
    }
    // A database held too long by another station is a conflict on a server as on a file: the
    // operation may be tried again in a moment.
    const DatabaseError::Kind kind = m_lost ? DatabaseError::Kind::ConnectionLost
                                     : EngineErrors::isRetryable(error) || EngineErrors::isBusy(error)
                                         ? DatabaseError::Kind::Conflict
                                         : DatabaseError::Kind::Refused;
    throw DatabaseError(EngineErrors::describePostgres(error, sql, values), kind);
}

// After the server's connection was lost, the next statement outside a transaction connects
// again (a statement inside one would belong to a transaction the server has already undone).
void TDataModule1::reconnectIfLost()
{
    if (!m_lost || m_depth > 0)
        return;
    m_prepared.clear();
    EngineConnection::remove(kConnection);
    if (const QString error = EngineConnection::open(m_path, kConnection); !error.isEmpty())
        throw DatabaseError(error);
    m_lost = false;
}

// The statements of the program are few and run again and again, so each stays prepared for the
// connection's life: on a server every preparation costs a round trip to prepare and one to let
// go of, and on a file preparing a sale's statements cost more than running them.
QSqlQuery& TDataModule1::prepared(const QString& sql, const QVariantList& values)
{
    auto it = m_prepared.find(sql);
    if (it == m_prepared.end()) {
        if (m_prepared.size() >= kPreparedLimit)
            m_prepared.clear();
        QSqlQuery q(connection());
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            fail(q.lastError(), sql, values);
        it = m_prepared.insert(sql, q);
    }
    return it.value();
}

QSqlQuery& TDataModule1::run(QSqlQuery& local, const QString& sql, const QVariantList& values)
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No hay una base de datos abierta"));
    for (int attempt = 1;; ++attempt) {
        QSqlQuery* q = &local;
        bool ran = false;
        if (onServer() && values.isEmpty()) {
            // A server prepares only plain statements (no CREATE, COMMENT, SET...), and a statement
            // without values gains nothing from it.
            local.setForwardOnly(true);
            ran = local.exec(sql);
        } else {
            q = &prepared(sql, values);
            for (int i = 0; i < values.size(); ++i)
                q->bindValue(i, boundValue(values[i]));
            ran = q->exec();
        }
        if (ran)
            return *q;
        // Alone (outside a transaction) the statement was undone whole: it may simply run again.
        const QSqlError error = q->lastError();
        if (onServer() && m_depth == 0 && attempt < kRetries && EngineErrors::isRetryable(error))
            continue;
        fail(error, sql, values);
    }
}

SqlRows TDataModule1::query(const QString& sql, const QVariantList& values)
{
    reconnectIfLost();
    QSqlQuery local(connection());
    QSqlQuery& q = run(local, sql, values);
    const QSqlRecord record = q.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    QVector<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        row.reserve(columns.size());
        for (int i = 0; i < columns.size(); ++i)
            row << q.value(i);
        rows << row;
    }
    q.finish();
    return SqlRows(columns, rows);
}

int TDataModule1::execute(const QString& sql, const QVariantList& values)
{
    reconnectIfLost();
    QSqlQuery local(connection());
    QSqlQuery& q = run(local, sql, values);
    // The file gives the new row's key for free; a server is asked only when someone wants it.
    if (!onServer())
        m_lastInsertId = q.lastInsertId().toLongLong();
    const int changed = q.numRowsAffected();
    q.finish();
    return changed;
}

qint64 TDataModule1::lastInsertId()
{
    if (!onServer())
        return m_lastInsertId;
    // lastval() refuses when no key was generated yet: inside a transaction that refusal must
    // not spoil it, so it runs in a save point of its own.
    const bool inside = m_depth > 0;
    if (inside)
        runPlain(QStringLiteral("SAVEPOINT lastkey"));
    QSqlQuery q(connection());
    const bool ok = q.exec(QStringLiteral("SELECT lastval()")) && q.next();
    const qint64 key = ok ? q.value(0).toLongLong() : 0;
    if (inside)
        runPlain(ok ? QStringLiteral("RELEASE lastkey") : QStringLiteral("ROLLBACK TO lastkey"));
    return key;
}

void TDataModule1::runPlain(const QString& sql)
{
    QSqlQuery q(connection());
    if (!q.exec(sql))
        fail(q.lastError(), sql, {});
}

void TDataModule1::begin()
{
    reconnectIfLost();
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No hay una base de datos abierta"));
    if (m_depth > 0) {
        runPlain(QStringLiteral("SAVEPOINT level%1").arg(m_depth));
    } else if (!onServer()) {
        runPlain(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        runPlain(QStringLiteral("BEGIN"));
        QSqlQuery lock(connection());
        if (!lock.exec(EngineConnection::writeLockStatement())) {
            const QSqlError error = lock.lastError();
            QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
            fail(error, {}, {});
        }
    }
    ++m_depth;
}

void TDataModule1::beginRead()
{
    reconnectIfLost();
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No hay una base de datos abierta"));
    if (m_depth > 0)
        runPlain(QStringLiteral("SAVEPOINT level%1").arg(m_depth));
    else
        // On a server every statement of a plain transaction sees the latest commits; the read
        // needs one snapshot for all of them.
        runPlain(onServer() ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ") : QStringLiteral("BEGIN"));
    ++m_depth;
}

void TDataModule1::commit()
{
    if (m_depth == 0)
        return;
    if (m_spoiledLevel > 0) {
        // A server would answer COMMIT of a spoiled transaction by undoing it quietly: say so.
        rollback();
        throw DatabaseError(QStringLiteral("La operacion no se guardo: un paso anterior fue rechazado por la base de datos"));
    }
    const QString sql = m_depth == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE level%1").arg(m_depth - 1);
    try {
        runPlain(sql);
    } catch (const DatabaseError&) {
        // A COMMIT the engine refused (busy, disk full, a deferred constraint) leaves the
        // transaction open and this station holding the write lock: undo this level here.
        rollback();
        throw;
    }
    --m_depth;
}

void TDataModule1::rollback()
{
    if (m_depth == 0 || !isOpen())
        return;
    --m_depth;
    QSqlQuery q(connection());
    if (m_depth == 0) {
        q.exec(QStringLiteral("ROLLBACK"));
    } else {
        q.exec(QStringLiteral("ROLLBACK TO level%1").arg(m_depth));
        q.exec(QStringLiteral("RELEASE level%1").arg(m_depth));
    }
    if (m_spoiledLevel > m_depth)
        m_spoiledLevel = 0;
}

QString TDataModule1::describeError(const QString& engineText) { return EngineErrors::describeSqlite(engineText); }

WriteTransaction::WriteTransaction(TDataModule1& db) : m_db(db) { m_db.begin(); }

WriteTransaction::~WriteTransaction()
{
    if (!m_done)
        m_db.rollback();
}

void WriteTransaction::commit()
{
    // Done either way: a failed commit has already rolled this level back, and rolling back
    // again would undo the enclosing level.
    m_done = true;
    m_db.commit();
}
