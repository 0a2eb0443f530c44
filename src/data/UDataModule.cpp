#include "data/UDataModule.h"

#include "data/DatabaseError.h"
#include "data/SchemaUpgrade.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kConnection = QStringLiteral("cvi-zelto");

QString engineText(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

// The engine's "busy" and "locked" codes (the low byte of an extended code).
bool isBusy(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 5 || code == 6);
}

DatabaseError failure(const QSqlError& error)
{
    return DatabaseError(TDataModule1::describeError(engineText(error)), isBusy(error));
}

// A file anyone may write to as far as its mode bits say (root ignores them, we do not).
bool isWritableFile(const QFileInfo& info)
{
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

}

TDataModule1& TDataModule1::instance()
{
    static TDataModule1 module;
    return module;
}

QString TDataModule1::connectionName() { return kConnection; }

QSqlDatabase TDataModule1::connection() const { return QSqlDatabase::database(kConnection, false); }

bool TDataModule1::isOpen() const
{
    return QSqlDatabase::contains(kConnection) && connection().isOpen();
}

QString TDataModule1::open(const QString& path)
{
    close();
    const QFileInfo info(path);
    if (path.trimmed().isEmpty() || !info.exists() || !info.isFile())
        return QStringLiteral("No se encuentra el archivo de base de datos: %1").arg(path);
    if (!info.isReadable())
        return QStringLiteral("No se puede leer el archivo de base de datos: %1").arg(path);
    if (!isWritableFile(info) || !QFileInfo(info.absolutePath()).isWritable())
        return QStringLiteral("El archivo de base de datos es de solo lectura: %1").arg(path);

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(info.absoluteFilePath());
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QString error = engineText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(kConnection);
            return QStringLiteral("No se puede abrir la base de datos: %1").arg(error);
        }
    }

    // A file that is not a database, or one without our tables, is refused before anything
    // (such as the journal mode) is written into it.
    QString refusal;
    {
        QSqlQuery check(connection());
        check.setForwardOnly(true);
        if (!check.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND "
                                       "name IN ('Codigos','DatosC','Usuario','Caja','Ventas')"))
            || !check.next() || check.value(0).toInt() != 5)
            refusal = QStringLiteral("El archivo no es una base de datos del sistema: %1").arg(path);
    }
    // A database written by a newer program is left exactly as it is.
    int version = 0;
    if (refusal.isEmpty()) {
        QSqlQuery read(connection());
        read.setForwardOnly(true);
        if (read.exec(QStringLiteral("PRAGMA user_version")) && read.next())
            version = read.value(0).toInt();
        refusal = SchemaUpgrade::checkNotNewer(version);
    }
    if (refusal.isEmpty()) {
        QSqlQuery setup(connection());
        if (!setup.exec(QStringLiteral("PRAGMA foreign_keys = ON"))
            || !setup.exec(QStringLiteral("PRAGMA journal_mode = WAL")))
            refusal = QStringLiteral("No se puede abrir la base de datos: %1").arg(engineText(setup.lastError()));
    }
    if (refusal.isEmpty() && version < SchemaUpgrade::currentPlan().version)
        refusal = SchemaUpgrade::upgrade(*this, version);
    if (!refusal.isEmpty()) {
        close();
        return refusal;
    }
    m_path = info.absoluteFilePath();
    return {};
}

void TDataModule1::close()
{
    m_statements.clear();
    if (QSqlDatabase::contains(kConnection)) {
        {
            QSqlDatabase db = connection();
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(kConnection);
    }
    m_path.clear();
    m_depth = 0;
}

// Statements kept at most; a program that builds many texts starts the collection again.
constexpr int kKeptStatements = 256;

QSqlQuery& TDataModule1::prepared(const QString& sql)
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No hay una base de datos abierta"));
    if (const auto found = m_statements.find(sql); found != m_statements.end())
        return found.value();
    if (m_statements.size() >= kKeptStatements)
        m_statements.clear();
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw failure(q.lastError());
    return m_statements.insert(sql, q).value();
}

QSqlQuery& TDataModule1::bound(const QString& sql, const QVariantList& values)
{
    QSqlQuery& q = prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (!q.exec()) {
        const DatabaseError error = failure(q.lastError());
        m_statements.remove(sql);
        throw error;
    }
    return q;
}

SqlRows TDataModule1::query(const QString& sql, const QVariantList& values)
{
    QSqlQuery& q = bound(sql, values);
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
    // Reset, so the kept statement holds no read of the file between uses.
    q.finish();
    return SqlRows(columns, rows);
}

int TDataModule1::execute(const QString& sql, const QVariantList& values)
{
    QSqlQuery& q = bound(sql, values);
    m_lastInsertId = q.lastInsertId().toLongLong();
    const int changed = q.numRowsAffected();
    q.finish();
    return changed;
}

void TDataModule1::runPlain(const QString& sql)
{
    QSqlQuery q(connection());
    if (!q.exec(sql))
        throw failure(q.lastError());
}

void TDataModule1::begin()
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No hay una base de datos abierta"));
    runPlain(m_depth == 0 ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT level%1").arg(m_depth));
    ++m_depth;
}

void TDataModule1::beginRead()
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("No hay una base de datos abierta"));
    runPlain(m_depth == 0 ? QStringLiteral("BEGIN") : QStringLiteral("SAVEPOINT level%1").arg(m_depth));
    ++m_depth;
}

void TDataModule1::commit()
{
    if (m_depth == 0)
        return;
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
}

QString TDataModule1::describeError(const QString& engineText)
{
    static const QRegularExpression length(QStringLiteral("CHECK constraint failed: len(\\d+)_(\\w+)"));
    static const QRegularExpression date(QStringLiteral("CHECK constraint failed: date_(\\w+)"));
    static const QRegularExpression digits(QStringLiteral("CHECK constraint failed: digits(\\d+)_(\\w+)"));
    static const QRegularExpression type(QStringLiteral("cannot store \\w+ value in (\\w+) column \\w+\\.(\\w+)"));
    static const QRegularExpression unique(QStringLiteral("UNIQUE constraint failed: \\w+\\.(\\w+)"));

    if (engineText.startsWith(QLatin1String("database is locked")) || engineText.startsWith(QLatin1String("database table is locked")))
        return QStringLiteral("La base de datos esta ocupada por otra estacion; espere un momento e intente nuevamente");

    if (const auto m = length.match(engineText); m.hasMatch())
        return QStringLiteral("El dato \"%1\" no puede tener mas de %2 caracteres").arg(m.captured(2), m.captured(1));
    if (const auto m = date.match(engineText); m.hasMatch())
        return QStringLiteral("El dato \"%1\" no es una fecha valida").arg(m.captured(1));
    if (const auto m = digits.match(engineText); m.hasMatch())
        return QStringLiteral("El dato \"%1\" debe ser un numero de hasta %2 digitos").arg(m.captured(2), m.captured(1));
    if (const auto m = type.match(engineText); m.hasMatch()) {
        const bool whole = m.captured(1) == QLatin1String("INTEGER");
        return QStringLiteral("El dato \"%1\" debe ser un numero%2")
            .arg(m.captured(2), whole ? QStringLiteral(" entero") : QString());
    }
    if (const auto m = unique.match(engineText); m.hasMatch())
        return QStringLiteral("Ya existe un registro con el mismo dato \"%1\"").arg(m.captured(1));
    return engineText;
}

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
