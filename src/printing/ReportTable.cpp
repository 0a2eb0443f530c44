#include "printing/ReportTable.h"

#include "data/UDataModule.h"

ReportTable::ReportTable(QStringList columns, QVector<QVariantList> rows)
    : m_columns(std::move(columns))
    , m_rows(std::move(rows))
{
}

ReportTable ReportTable::fromQuery(const QString& sql, const QVariantList& values)
{
    SqlRows result = TDataModule1::instance().query(sql, values);
    QVector<QVariantList> rows;
    for (result.first(); !result.atEnd(); result.next()) {
        QVariantList row;
        for (int c = 0; c < result.columnCount(); ++c)
            row << result.value(c);
        rows << row;
    }
    return ReportTable(result.columns(), rows);
}

QVariant ReportTable::value(int row, const QString& column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    for (int c = 0; c < m_columns.size() && c < m_rows.at(row).size(); ++c)
        if (m_columns.at(c).compare(column, Qt::CaseInsensitive) == 0)
            return m_rows.at(row).at(c);
    return {};
}
