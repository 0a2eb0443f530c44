#include "printing/PrintedInvoice.h"

#include "data/Formats.h"

QString PrintedInvoice::lawNotice()
{
    return QStringLiteral("\"ESTA FACTURA CONTRIBUYE AL DESARROLLO DEL PAIS, EL USO ILICITO DE ESTA SERA "
                          "SANCIONADO DE ACUERDO A LEY\"");
}

QList<VoucherRow> PrintedInvoice::letterRows() const
{
    QList<VoucherRow> rows;
    for (const PrintedInvoiceLine& line : lines)
        rows.append(VoucherRow{line.quantity, line.description, QString(), Formats::Money(line.unitPrice),
                               Formats::Money(line.lineTotal)});
    return SevenVoucherRows(rows, observation);
}
