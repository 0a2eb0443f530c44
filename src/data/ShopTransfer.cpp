#include "data/ShopTransfer.h"

#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"
#include "data/EngineErrors.h"
#include "data/Formats.h"
#include "data/SchemaTables.h"
#include "data/SqlScript.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

namespace {

// Rows per INSERT: fewer round trips to a server, well below either engine's limit of values.
constexpr int kBatchRows = 200;

QString errorText(const QSqlQuery& q, EngineKind engine, const QString& sql)
{
    const QSqlError error = q.lastError();
    if (engine == EngineKind::PostgreSQL)
        return EngineErrors::describePostgres(error, sql, {});
    return EngineErrors::describeSqlite(error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

void runOn(const ShopTransfer::Side& side, const QString& sql)
{
    QSqlQuery q(side.db);
    if (!q.exec(sql))
        throw DatabaseError(errorText(q, side.engine, sql));
}

QVariant single(const ShopTransfer::Side& side, const QString& sql)
{
    QSqlQuery q(side.db);
    q.setForwardOnly(true);
    if (!q.exec(sql) || !q.next())
        throw DatabaseError(errorText(q, side.engine, sql));
    return q.value(0);
}

QStringList columnsOn(const ShopTransfer::Side& side, const QString& table)
{
    QSqlQuery q(side.db);
    q.setForwardOnly(true);
    const bool ran = side.engine == EngineKind::PostgreSQL
                         ? (q.prepare(QStringLiteral("SELECT column_name FROM information_schema.columns WHERE table_schema = "
                                                     "current_schema() AND table_name = ? ORDER BY ordinal_position")),
                            q.addBindValue(table.toLower()), q.exec())
                         : (q.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid")),
                            q.addBindValue(table), q.exec());
    if (!ran)
        throw DatabaseError(errorText(q, side.engine, QString()));
    QStringList names;
    while (q.next())
        names << q.value(0).toString().toLower();
    return names;
}

// A value as the target stores it: dates as ISO text, amounts as numbers, texts as they are.
QVariant valueFor(const SchemaColumn& column, const QVariant& v)
{
    if (v.isNull())
        return v;
    switch (column.kind) {
    case SchemaColumn::Kind::Date: return v.typeId() == QMetaType::QDate ? Formats::IsoDate(v.toDate()) : v.toString();
    case SchemaColumn::Kind::Amount: return v.toDouble();
    case SchemaColumn::Kind::Integer: return v.toLongLong();
    case SchemaColumn::Kind::Blob: return v.toByteArray();
    case SchemaColumn::Kind::Text: return v.toString();
    }
    return v;
}

bool sameSum(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)}); }

QString number(double v) { return QString::number(v, 'f', 2); }

}

// Every table of the schema must be there, with no column the schema does not know. A source of an
// older version may lack a column a later step added: the copy takes its default there.
QString ShopTransfer::checkSource()
{
    m_shared.clear();
    for (const SchemaTable& table : SchemaTables()) {
        QStringList present;
        try {
            present = columnsOn(m_source, table.name);
        } catch (const DatabaseError& e) {
            return QStringLiteral("El origen no es una base de datos del sistema: %1").arg(e.text());
        }
        QVector<int> shared;
        for (int i = 0; i < table.columns.size(); ++i)
            if (present.contains(table.columns[i].name.toLower()))
                shared << i;
        if (present.isEmpty() || shared.size() != present.size())
            return QStringLiteral("El origen no es una base de datos del sistema de esta version (tabla %1)").arg(table.name);
        m_shared.insert(table.name, shared);
    }
    return {};
}

QString ShopTransfer::checkTargetEmpty()
{
    const QString sql =
        m_target.engine == EngineKind::PostgreSQL
            ? QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema()")
            : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table'");
    if (single(m_target, sql).toLongLong() > 0)
        return QStringLiteral("El destino ya contiene tablas (una tienda u otros datos) y no se modifica");
    return {};
}

void ShopTransfer::createTables()
{
    for (const QString& statement : DatabaseCreator::schemaStatements(m_target.engine))
        runOn(m_target, statement);
}

void ShopTransfer::copyTable(const SchemaTable& table)
{
    const QVector<int> shared = m_shared.value(table.name);
    QStringList names;
    for (int i : shared)
        names << table.columns[i].name;
    const QString list = names.join(QStringLiteral(", "));
    QSqlQuery read(m_source.db);
    read.setForwardOnly(true);
    const QString select = QStringLiteral("SELECT %1 FROM %2").arg(list, table.name);
    if (!read.exec(select))
        throw DatabaseError(errorText(read, m_source.engine, select));

    const QString oneRow =
        QLatin1Char('(') + QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
    QVector<QVariantList> batch;
    auto flush = [&] {
        if (batch.isEmpty())
            return;
        const QString sql = QStringLiteral("INSERT INTO %1(%2) VALUES %3")
                                .arg(table.name, list, QStringList(batch.size(), oneRow).join(QLatin1Char(',')));
        QSqlQuery write(m_target.db);
        bool ran = write.prepare(sql);
        if (ran) {
            for (const QVariantList& row : batch)
                for (const QVariant& v : row)
                    write.addBindValue(v);
            ran = write.exec();
        }
        if (!ran)
            throw DatabaseError(QStringLiteral("tabla %1: %2").arg(table.name, errorText(write, m_target.engine, sql)));
        m_rows += batch.size();
        batch.clear();
    };
    while (read.next()) {
        QVariantList row;
        row.reserve(names.size());
        for (int i = 0; i < shared.size(); ++i)
            row << valueFor(table.columns[shared[i]], read.value(i));
        batch << row;
        if (batch.size() == kBatchRows)
            flush();
    }
    flush();

    // The server numbers new rows from its own sequence: it continues after the copied keys.
    if (!table.generatedKey.isEmpty() && m_target.engine == EngineKind::PostgreSQL)
        runOn(m_target,
              QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), COALESCE(MAX(%2), 0) + 1, false) FROM %1")
                  .arg(table.name.toLower(), table.generatedKey.toLower()));
}

// Row counts, the sum of every amount column and the counters, side by side.
bool ShopTransfer::compare()
{
    bool equal = true;
    m_report << QStringLiteral("%1 %2 %3")
                    .arg(QStringLiteral("Tabla / columna"), -34)
                    .arg(QStringLiteral("Origen"), 16)
                    .arg(QStringLiteral("Destino"), 16);
    auto line = [&](const QString& what, const QString& a, const QString& b, bool same) {
        m_report << QStringLiteral("%1 %2 %3%4")
                        .arg(what, -34)
                        .arg(a, 16)
                        .arg(b, 16)
                        .arg(same ? QString() : QStringLiteral("  <-- DIFERENTE"));
        equal = equal && same;
    };
    for (const SchemaTable& table : SchemaTables()) {
        const QString count = QStringLiteral("SELECT COUNT(*) FROM %1").arg(table.name);
        const qint64 a = single(m_source, count).toLongLong(), b = single(m_target, count).toLongLong();
        line(table.name + QStringLiteral(" (filas)"), QString::number(a), QString::number(b), a == b);
        for (int i : m_shared.value(table.name)) {
            const SchemaColumn& column = table.columns[i];
            if (column.kind != SchemaColumn::Kind::Amount)
                continue;
            const QString sum = QStringLiteral("SELECT COALESCE(SUM(%1), 0) FROM %2").arg(column.name, table.name);
            const double x = single(m_source, sum).toDouble(), y = single(m_target, sum).toDouble();
            line(QStringLiteral("  %1.%2 (suma)").arg(table.name, column.name), number(x), number(y), sameSum(x, y));
        }
    }
    for (const QString& counter :
         {QStringLiteral("Codigos.IdCaja"), QStringLiteral("Codigos.IdVenta"), QStringLiteral("Codigos.IdCompra"),
          QStringLiteral("Codigos.IdProducto"), QStringLiteral("Codigos.IdEgreso"), QStringLiteral("DatosC.NFactura")}) {
        const QString sql = QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2")
                                .arg(counter.section(QLatin1Char('.'), 1), counter.section(QLatin1Char('.'), 0, 0));
        const qint64 a = single(m_source, sql).toLongLong(), b = single(m_target, sql).toLongLong();
        line(counter + QStringLiteral(" (contador)"), QString::number(a), QString::number(b), a == b);
    }
    return equal;
}

QString ShopTransfer::run()
{
    m_report.clear();
    m_rows = 0;
    const QString snapshot = m_source.engine == EngineKind::PostgreSQL
                                 ? QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ")
                                 : QStringLiteral("BEGIN");
    QString error;
    bool reading = false, writing = false;
    try {
        if (error = checkSource(); !error.isEmpty())
            return error;
        if (error = checkTargetEmpty(); !error.isEmpty())
            return error;
        runOn(m_source, snapshot);
        reading = true;
        runOn(m_target, QStringLiteral("BEGIN"));
        writing = true;
        createTables();
        for (const SchemaTable& table : SchemaTables())
            copyTable(table);
        if (compare())
            runOn(m_target, QStringLiteral("COMMIT"));
        else
            error = QStringLiteral("Los dos lados no coinciden; no se guardo nada en el destino");
    } catch (const DatabaseError& e) {
        error = QStringLiteral("No se copio la tienda: %1; no se guardo nada en el destino").arg(e.text());
    }
    if (!error.isEmpty() && writing)
        QSqlQuery(m_target.db).exec(QStringLiteral("ROLLBACK"));
    if (reading)
        QSqlQuery(m_source.db).exec(QStringLiteral("ROLLBACK"));
    return error;
}
