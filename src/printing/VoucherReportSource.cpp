#include "printing/VoucherReportSource.h"

#include <QHash>

namespace {
int g_current = VoucherReportSource::SalesRegister;
QHash<int, const VoucherRowSource*> g_windows;
}

namespace VoucherReportSource {

int current() { return g_current; }

void set(int source) { g_current = source; }

void attach(int source, const VoucherRowSource* window) { g_windows.insert(source, window); }

void detach(const VoucherRowSource* window)
{
    for (auto it = g_windows.begin(); it != g_windows.end();) {
        if (it.value() == window)
            it = g_windows.erase(it);
        else
            ++it;
    }
}

const VoucherRowSource* window(int source) { return g_windows.value(source, nullptr); }

}

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
