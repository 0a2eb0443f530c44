#pragma once
#include <QDate>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A statement's result, read whole, with a current row. Reading a column of no row, past the
// last row, or of a null gives empty text or 0, which is what every caller expects.
class SqlRows {
public:
    SqlRows() = default;
    SqlRows(QStringList columns, QVector<QVariantList> rows);

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    bool atEnd() const { return m_current >= m_rows.size(); }
    void next() { ++m_current; }
    void first() { m_current = 0; }
    void seek(int row) { m_current = row; }
    int position() const { return int(m_current); }

    int columnCount() const { return int(m_columns.size()); }
    const QStringList& columns() const { return m_columns; }
    int columnIndex(const QString& name) const;  // ignoring letter case; -1 when absent

    QVariant value(int column) const;
    QVariant value(const QString& column) const { return value(columnIndex(column)); }
    QString text(int column) const;
    QString text(const QString& column) const { return text(columnIndex(column)); }
    qint64 integer(int column) const;
    qint64 integer(const QString& column) const { return integer(columnIndex(column)); }
    // Money: the stored number rounded to cents, so sums of many rows match decimal arithmetic.
    double amount(int column) const;
    double amount(const QString& column) const { return amount(columnIndex(column)); }
    // Any other number (quantities), as stored.
    double number(int column) const;
    double number(const QString& column) const { return number(columnIndex(column)); }
    QDate date(int column) const;
    QDate date(const QString& column) const { return date(columnIndex(column)); }
    QByteArray blob(int column) const;
    QByteArray blob(const QString& column) const { return blob(columnIndex(column)); }

private:
    QStringList m_columns;
    QVector<QVariantList> m_rows;
    qsizetype m_current = 0;
};
