#pragma once
#include <QString>

struct Quotation;

// The quotation on the roll printer (job "TICKET CUENTA"): the taxpayer, the owner, the date, the
// client when named, the lines and the total. Returns empty text when printed, otherwise why the
// ticket failed.
QString PrintQuotationTicket(const Quotation& quotation);
