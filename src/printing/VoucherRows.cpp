#include "printing/VoucherRows.h"

QList<VoucherRow> SevenVoucherRows(const QList<VoucherRow>& lines, const QString& observation)
{
    QList<VoucherRow> rows = lines.mid(0, VoucherDetailRows);
    if (rows.size() < VoucherDetailRows)
        rows.append(VoucherRow{QString(), observation, QString(), QString(), QStringLiteral("********")});
    while (rows.size() < VoucherDetailRows)
        rows.append(VoucherRow{});
    return rows;
}

void VoucherRowFeed::restart(const QList<VoucherRow>& rows)
{
    m_rows = rows;
    m_counter = 0;
}

bool VoucherRowFeed::next(VoucherRow* row)
{
    if (m_counter >= m_rows.size())
        return false;
    *row = m_rows.at(m_counter++);
    return true;
}
