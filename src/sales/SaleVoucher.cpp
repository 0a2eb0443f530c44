#include "sales/SaleVoucher.h"

#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "printing/PrintedInvoice.h"
#include "printing/URVenta.h"
#include "tax/InvoiceQr.h"

#include "data/Formats.h"

QString SaleVoucher::orderNumber() const { return QString::number(saleId.mid(1).toLongLong()); }

QString SaleVoucher::saleNumberText() const { return saleId.mid(1); }

QDate SaleVoucher::invoiceDeadline() const { return dosage ? dosage->deadline : SessionState::current().InvoiceDeadline; }

QString SaleVoucher::invoiceLegend() const
{
    return dosage ? InvoiceLegendText(dosage->legend) : SessionState::current().InvoiceLegend;
}

QStringList SaleVoucher::invoiceLegendLines() const
{
    return dosage ? InvoiceLegendLines(dosage->legend) : SessionState::current().InvoiceLegendLines;
}

PrintedInvoice SaleVoucher::printedInvoice() const
{
    const SessionState& s = SessionState::current();
    PrintedInvoice invoice;
    invoice.issuerNit = s.TaxpayerNit;
    invoice.number = PadInvoiceNumber(invoiceNumber);
    invoice.authorization = authorization;
    invoice.controlCode = controlCode;
    invoice.date = date;
    invoice.time = time;
    invoice.clientName = clientName;
    invoice.nitCi = nitCi;
    invoice.total = total;
    invoice.amountInWords = AmountInWords(Formats::Money(total)).trimmed();
    invoice.orderNumber = orderNumber();
    invoice.cashierId = orderNumber() + QLatin1Char('/') + s.UserLogin;
    invoice.deadline = invoiceDeadline();
    invoice.qrText = BuildInvoiceQrText(s.TaxpayerNit, invoiceNumber, authorization, date, total, controlCode, nitCi);
    invoice.legend = invoiceLegend();
    invoice.legendLines = invoiceLegendLines();
    invoice.observation = observation;
    for (const SaleVoucherLine& line : lines)
        invoice.lines.append(PrintedInvoiceLine{line.quantity, line.product, line.unit, line.unitPrice, line.lineTotal});
    return invoice;
}

DeliveryNoteForm SaleVoucher::deliveryNote(const QString& number) const
{
    DeliveryNoteForm note;
    note.number = number;
    note.date = date;
    note.partyNitCaption = QStringLiteral("Nit/CI Cliente:");
    note.partyNameCaption = QStringLiteral("N.  Cliente:");
    note.nitCi = nitCi;
    note.name = clientName;
    note.company = clientCompany;
    note.total = total;
    note.cash = cashReceived;
    note.changeOrBalance = changeOrBalance;
    note.credit = isCredit();
    note.paymentFormText = paymentFormText;
    note.commitment = isCredit();
    note.receivedBy = QStringLiteral("Recibi Conforme (CLIENTE)");
    for (const SaleVoucherLine& line : lines)
        note.lines.append(VoucherRow{line.quantity, line.product, line.unit, Formats::Money(line.unitPrice),
                                     Formats::Money(line.lineTotal)});
    note.observation = observation;
    return note;
}
