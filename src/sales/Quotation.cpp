#include "sales/Quotation.h"

#include "data/Formats.h"
#include "printing/URVenta.h"

QuotationForm Quotation::letterForm() const
{
    QuotationForm form;
    form.date = date;
    form.clientName = clientName;
    form.nitCi = nitCi;
    form.company = clientCompany;
    form.total = total;
    form.includesVat = invoice;
    for (const SaleVoucherLine& line : lines)
        form.lines.append(VoucherRow{line.quantity, line.product, line.unit, Formats::Money(line.unitPrice),
                                     Formats::Money(line.lineTotal)});
    form.observation = observation;
    return form;
}
