#pragma once
#include <QList>
#include <QString>

// One detail row of a letter-size voucher; an empty row prints only the column lines.
struct VoucherRow {
    QString quantity;
    QString description;
    QString unit;
    QString unitPrice;
    QString total;
};

// Letter-size vouchers always print seven detail rows, so the summary stands at the same place on
// every copy: the lines, then one row with the observation and "********", then empty rows up to
// the seventh. Lines beyond the seventh row are not printed.
QList<VoucherRow> SevenVoucherRows(const QList<VoucherRow>& lines, const QString& observation);
constexpr int VoucherDetailRows = 7;

// Feeds a report's detail band from a row list: restart() at the start of every copy, then
// next() once per row until it answers false.
class VoucherRowFeed {
public:
    void restart(const QList<VoucherRow>& rows);
    // The next row, or false when the copy has all its rows.
    bool next(VoucherRow* row);

private:
    QList<VoucherRow> m_rows;
    int m_counter = 0;
};
