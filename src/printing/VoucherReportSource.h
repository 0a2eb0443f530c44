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

// A window whose lines a letter-size voucher prints (the sales register, sales management, the
// purchases window): it offers its lines and its observation.
class VoucherRowSource {
public:
    virtual ~VoucherRowSource() = default;
    virtual QList<VoucherRow> voucherLines() const = 0;
    virtual QString voucherObservation() const = 0;
};

// Which window the shared letter-size voucher form takes its rows from. Each window attaches
// itself under its number while it lives and sets the number before it prints.
namespace VoucherReportSource {

enum : int { SalesRegister = 1, SalesManagement = 2, Purchases = 3 };

int current();
void set(int source);
void attach(int source, const VoucherRowSource* window);
// Forgets the window under whatever number it was attached.
void detach(const VoucherRowSource* window);
// The window attached under a number, or nullptr.
const VoucherRowSource* window(int source);

}

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
