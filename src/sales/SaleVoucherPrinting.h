#pragma once

struct SaleVoucher;

// Prints a stored sale's voucher as the print format and the voucher kind choose: on the roll
// printer the invoice ticket and then the sale ticket (an invoice) or the sale ticket alone; on
// the letter printer the two-copy invoice or the delivery note. A failure is shown through the message
// seam and answered with false; the stored sale is never touched.
bool PrintSaleVoucher(const SaleVoucher& sale);

// Prints a stored sale's voucher again from sales management, as the print format and the voucher
// kind choose: on the roll printer the invoice ticket alone (marked "FACTURA  ORIGINAL") or the
// sale ticket "Ticket Venta"; on the letter printer one copy of the invoice (QRFactura) or of the
// delivery note. Nothing is written; a failure is shown through the message seam and answered with false.
bool ReprintStoredSale(const SaleVoucher& sale);
