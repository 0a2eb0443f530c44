#include "DatabaseRows.h"

#include "data/ReadOnlyDatabase.h"
#include "data/UDataModule.h"

QStringList AllRows(const QString& path)
{
    const ReadOnlyDatabase db(path);
    QList<QVariantList> tables;
    QString error;
    if (!ReadRows(db.connection(), QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"), {},
                  &tables, &error))
        return {QStringLiteral("error: ") + error};
    QStringList all;
    for (const QVariantList& table : tables) {
        QList<QVariantList> rows;
        ReadRows(db.connection(), QStringLiteral("SELECT * FROM ") + table[0].toString(), {}, &rows, &error);
        QStringList lines;
        for (const QVariantList& row : rows) {
            QStringList cells;
            for (const QVariant& cell : row)
                cells << cell.toString();
            lines << table[0].toString() + QLatin1Char('|') + cells.join(QLatin1Char('|'));
        }
        lines.sort();
        all << lines;
    }
    return all;
}

QStringList StatementRows(TDataModule1& db, const QString& sql, const QVariantList& values)
{
    QStringList lines;
    for (SqlRows r = db.query(sql, values); !r.atEnd(); r.next()) {
        QStringList cells;
        for (int c = 0; c < r.columnCount(); ++c)
            cells << r.text(c);
        lines << cells.join(QLatin1Char('|'));
    }
    return lines;
}

QStringList StatementRows(TDataModule1& db, const QStringList& statements)
{
    QStringList lines;
    for (const QString& sql : statements)
        lines << StatementRows(db, sql);
    return lines;
}
