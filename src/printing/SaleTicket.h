#pragma once
#include <QString>

struct SaleVoucher;

// The sale ticket on the roll printer (job "TICKET"): order number and date, the client when a
// name was typed, the lines, total, cash received and the change (or the balance of a credit sale).
// Returns empty text when printed, otherwise why the ticket failed.
QString PrintSaleTicket(const SaleVoucher& sale);
