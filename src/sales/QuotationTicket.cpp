#include "sales/QuotationTicket.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "sales/Quotation.h"
#include "printing/TicketDocument.h"
#include "printing/TicketText.h"

using TicketText::ItemLine;
using TicketText::MoneyText;
using TicketText::RightAlign40;

QString PrintQuotationTicket(const Quotation& quotation)
{
    const SessionState& s = SessionState::current();
    TicketDocument ticket;
    if (!ticket.Begin(QStringLiteral("TICKET CUENTA"), 15))
        return ticket.errorText();
    ticket.HeaderLine(s.TaxpayerName);
    ticket.HeaderLine(s.OwnerName);
    ticket.HeaderLine(QStringLiteral("COTIZACION/CUENTA Fecha: ") + Formats::Date(quotation.date));
    if (!quotation.clientName.isEmpty())
        ticket.HeaderLine(QStringLiteral("Cliente: ") + quotation.clientName);
    ticket.BodyLine(QString(40, QLatin1Char('-')));
    ticket.BodyLine(QStringLiteral("CANT CONCEPTO                P.U.  TOTAL"));
    ticket.BodyLine(QString(40, QLatin1Char('-')));
    for (const SaleVoucherLine& line : quotation.lines)
        ticket.BodyLine(ItemLine(line.quantity, line.product, line.unitPrice, line.lineTotal));
    ticket.BodyLine(QString(40, QLatin1Char('-')));
    ticket.BodyLine(RightAlign40(QStringLiteral("TOTAL: ") + MoneyText(quotation.total)));
    ticket.BodyLine(QStringLiteral("      GRACIAS POR SU PREFERENCIA"));
    return ticket.End() ? QString() : ticket.errorText();
}
