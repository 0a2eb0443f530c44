#pragma once
#include <QString>

struct SaleVoucher;

// The invoice on the roll printer (job "FACTURA"): the taxpayer's header, the invoice and
// authorization numbers, the client, the lines, the total in words, the control code, the QR
// symbol and the legend. The taxpayer and dosage values come from the session record.
// Returns empty text when printed, otherwise why the ticket failed.
QString PrintInvoiceTicket(const SaleVoucher& sale);
