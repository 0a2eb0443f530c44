#pragma once
#include <QStringList>
#include <QVariant>
#include <QVector>

// The rows a report reads from a data source (a master or a detail query), held whole.
class ReportTable {
public:
    ReportTable() = default;
    ReportTable(QStringList columns, QVector<QVariantList> rows);
    // Runs a statement through the data module; bound values only. Throws DatabaseError.
    static ReportTable fromQuery(const QString& sql, const QVariantList& values = {});

    int count() const { return int(m_rows.size()); }
    const QStringList& columns() const { return m_columns; }
    // A column by name, ignoring letter case; an invalid value for no such row or column.
    QVariant value(int row, const QString& column) const;

private:
    QStringList m_columns;
    QVector<QVariantList> m_rows;
};

// One row of a table, as a detail filter sees it.
struct ReportRow {
    const ReportTable* table = nullptr;
    int row = -1;
    QVariant value(const QString& column) const { return table ? table->value(row, column) : QVariant(); }
};
