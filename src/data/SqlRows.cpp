#include "data/SqlRows.h"

#include "data/Formats.h"

SqlRows::SqlRows(QStringList columns, QVector<QVariantList> rows) : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

int SqlRows::columnIndex(const QString& name) const
{
    // Callers name columns as the statement spells them: the exact match is found first and fast
    // (a year's book reads a dozen columns by name from each of a hundred thousand rows).
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i] == name)
            return i;
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant SqlRows::value(int column) const
{
    if (m_current < 0 || m_current >= m_rows.size() || column < 0)
        return {};
    const QVariantList& row = m_rows[m_current];
    return column < row.size() ? row[column] : QVariant();
}

QString SqlRows::text(int column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return Formats::General(v.toDouble());
    return v.toString();
}

qint64 SqlRows::integer(int column) const
{
    const QVariant v = value(column);
    if (v.typeId() == QMetaType::Double)
        return qint64(v.toDouble());
    return v.toLongLong();
}

double SqlRows::amount(int column) const { return Formats::RoundCents(number(column)); }

double SqlRows::number(int column) const { return value(column).toDouble(); }

QDate SqlRows::date(int column) const { return Formats::ParseIsoDate(value(column).toString()); }

QByteArray SqlRows::blob(int column) const { return value(column).toByteArray(); }
