#include "data/SchemaTables.h"

#include "data/SchemaSql.h"

#include <QRegularExpression>

namespace {

QVector<SchemaTable> readSchema()
{
    static const QRegularExpression tableLine(QStringLiteral("^CREATE TABLE (\\w+) \\("));
    static const QRegularExpression columnLine(QStringLiteral("^\\s+(\\w+) (TEXT|INTEGER|REAL|BLOB)\\b(.*)$"));
    QVector<SchemaTable> tables;
    for (const QString& line : QString::fromUtf8(kSqliteSchema).split(QLatin1Char('\n'))) {
        if (const auto m = tableLine.match(line); m.hasMatch()) {
            tables.append({m.captured(1), {}, {}});
            continue;
        }
        const auto m = columnLine.match(line);
        if (!m.hasMatch() || tables.isEmpty())
            continue;
        SchemaColumn column{m.captured(1), SchemaColumn::Kind::Text};
        const QString type = m.captured(2), rest = m.captured(3);
        if (type == QLatin1String("INTEGER"))
            column.kind = SchemaColumn::Kind::Integer;
        else if (type == QLatin1String("REAL"))
            column.kind = SchemaColumn::Kind::Amount;
        else if (type == QLatin1String("BLOB"))
            column.kind = SchemaColumn::Kind::Blob;
        else if (rest.contains(QLatin1String("CONSTRAINT date_")))
            column.kind = SchemaColumn::Kind::Date;
        if (rest.contains(QLatin1String("AUTOINCREMENT")))
            tables.last().generatedKey = column.name;
        tables.last().columns.append(column);
    }
    return tables;
}

}

QStringList SchemaTable::columnNames() const
{
    QStringList names;
    for (const SchemaColumn& c : columns)
        names << c.name;
    return names;
}

const QVector<SchemaTable>& SchemaTables()
{
    static const QVector<SchemaTable> tables = readSchema();
    return tables;
}

QStringList SchemaIndexNames()
{
    static const QRegularExpression indexLine(QStringLiteral("^CREATE INDEX (\\w+) ON"));
    QStringList names;
    for (const QString& line : QString::fromUtf8(kSqliteSchema).split(QLatin1Char('\n')))
        if (const auto m = indexLine.match(line); m.hasMatch())
            names << m.captured(1);
    return names;
}
