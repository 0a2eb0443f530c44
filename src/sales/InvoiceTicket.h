#pragma once
#include <QString>

struct SaleVoucher;

// The invoice on the roll printer (job "FACTURA"): the taxpayer's header, the invoice and
// authorization numbers, the client, the lines, the total in words, the control code, the QR
// symbol and the legend. The taxpayer comes from the session record, the deadline and legend from
// the voucher's dosage (SaleVoucher::invoiceDeadline). Returns empty text when printed, otherwise
// why the ticket failed.
QString PrintInvoiceTicket(const SaleVoucher& sale);
// The same ticket for a stored invoice printed again: its mark line reads "FACTURA  ORIGINAL".
QString PrintInvoiceTicketReprint(const SaleVoucher& sale);
