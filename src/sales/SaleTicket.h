#pragma once
#include <QString>

struct SaleVoucher;

// The sale ticket on the roll printer (job "TICKET"): order number and date, the client when a
// name was typed, the lines, total, cash received and the change (or the balance of a credit sale).
// Returns empty text when printed, otherwise why the ticket failed.
QString PrintSaleTicket(const SaleVoucher& sale);
// A stored sale's ticket printed again (job "Ticket Venta"): no owner line, the amounts as stored
// (paid so far as "EFECTIVO: ", the balance as "SALDO: " for a credit sale and "CAMBIO: "
// otherwise) and its own rules and closing line.
QString PrintSaleTicketReprint(const SaleVoucher& sale);
