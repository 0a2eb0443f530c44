#include "tax/InvoiceGaps.h"

qint64 MissingInvoices::count() const
{
    qint64 total = 0;
    for (const MissingRun& run : runs)
        total += run.count();
    return total;
}

QStringList MissingInvoices::lines(qint64 longRun) const
{
    QStringList out;
    for (const MissingRun& run : runs) {
        if (run.count() > longRun) {
            out << QStringLiteral("%1 - %2").arg(run.first).arg(run.last);
            continue;
        }
        for (qint64 n = run.first; n <= run.last; ++n)
            out << QString::number(n);
    }
    return out;
}

MissingInvoices FindMissingInvoices(const QList<BookInvoice>& book)
{
    MissingInvoices missing;
    for (qsizetype i = 0; i + 1 < book.size(); ++i) {
        const BookInvoice& here = book.at(i);
        const BookInvoice& next = book.at(i + 1);
        if (next.dosage == here.dosage && next.number > here.number + 1)
            missing.runs.append({here.number + 1, next.number - 1});
    }
    return missing;
}
