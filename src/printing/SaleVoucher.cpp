#include "printing/SaleVoucher.h"

#include "data/SessionState.h"
#include "data/SharedFunctions.h"

QString SaleVoucher::orderNumber() const { return QString::number(saleId.mid(1).toLongLong()); }

QString SaleVoucher::saleNumberText() const { return saleId.mid(1); }

QDate SaleVoucher::invoiceDeadline() const
{
    return dosage ? dosage->deadline : SessionState::current().InvoiceDeadline;
}

QString SaleVoucher::invoiceLegend() const
{
    return dosage ? InvoiceLegendText(dosage->legend) : SessionState::current().InvoiceLegend;
}

QStringList SaleVoucher::invoiceLegendLines() const
{
    return dosage ? InvoiceLegendLines(dosage->legend) : SessionState::current().InvoiceLegendLines;
}
