#include "masterdata/ImportTable.h"

#include "masterdata/CsvText.h"
#include "masterdata/XlsxSheet.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool holdsSomething(const QStringList& cells)
{
    for (const QString& cell : cells)
        if (!cell.trimmed().isEmpty())
            return true;
    return false;
}

}

QString ImportTable::Read(const QString& path, ImportTable* table)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("No se encuentra el archivo: %1").arg(path);
    QList<Row> rows;
    if (info.suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0) {
        if (const QString error = XlsxSheet::ReadFirstSheet(path, &rows); !error.isEmpty())
            return error;
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("No se puede leer el archivo %1: %2").arg(path, file.errorString());
        rows = CsvText::Parse(CsvText::Decode(file.readAll()));
    }
    *table = FromRows(rows);
    if (table->titles.isEmpty())
        return QStringLiteral("El archivo no tiene datos: %1").arg(path);
    return {};
}

ImportTable ImportTable::FromRows(const QList<Row>& rows)
{
    ImportTable table;
    for (const Row& row : rows) {
        if (!holdsSomething(row.cells))
            continue;
        if (table.titles.isEmpty()) {
            for (const QString& title : row.cells)
                table.titles << title.trimmed();
            while (!table.titles.isEmpty() && table.titles.last().isEmpty())
                table.titles.removeLast();
            continue;
        }
        Row kept = row;
        while (kept.cells.size() > table.titles.size() && kept.cells.last().trimmed().isEmpty())
            kept.cells.removeLast();
        while (table.titles.size() < kept.cells.size())
            table.titles << QString();
        table.rows << kept;
    }
    for (Row& row : table.rows)
        while (row.cells.size() < table.titles.size())
            row.cells << QString();
    return table;
}
