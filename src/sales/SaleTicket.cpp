#include "sales/SaleTicket.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "sales/SaleVoucher.h"
#include "printing/TicketDocument.h"
#include "printing/TicketText.h"

using TicketText::ItemLine;
using TicketText::MoneyText;
using TicketText::RightAlign40;

namespace {

// Where the ticket of a new sale and the one printed again from the stored sale differ.
struct TicketStyle {
    QString jobTitle;
    bool ownerLine;
    QString thanks;
    bool newSale;  // a reprint never opens the drawer
};

QString Print(const SaleVoucher& sale, const TicketStyle& style)
{
    const SessionState& s = SessionState::current();
    TicketDocument ticket;
    if (!ticket.Begin(style.jobTitle, 15))
        return ticket.errorText();
    ticket.HeaderLine(s.TaxpayerName);
    if (style.ownerLine)
        ticket.HeaderLine(s.OwnerName);
    ticket.HeaderLine(QStringLiteral("Nº Orden: ") + sale.orderNumber() + QStringLiteral(" Fecha: ")
                      + Formats::Date(sale.date));
    if (sale.clientNameTyped)
        ticket.HeaderLine(QStringLiteral("Cliente: ") + sale.clientName);
    ticket.BodyLine(QString(40, QLatin1Char('-')));
    ticket.BodyLine(QStringLiteral("CANT CONCEPTO                P.U.  TOTAL"));
    ticket.BodyLine(QString(40, QLatin1Char('-')));
    for (const SaleVoucherLine& line : sale.lines)
        ticket.BodyLine(ItemLine(line.quantity, line.product, line.unitPrice, line.lineTotal));
    ticket.BodyLine(QString(40, QLatin1Char('-')));
    ticket.BodyLine(RightAlign40(QStringLiteral("TOTAL: ") + MoneyText(sale.total)));
    ticket.BodyLine(RightAlign40(QStringLiteral("EFECTIVO: ") + MoneyText(sale.cashReceived)));
    ticket.BodyLine(RightAlign40((sale.isCredit() ? QStringLiteral("SALDO: ") : QStringLiteral("CAMBIO: "))
                                 + MoneyText(sale.changeOrBalance)));
    ticket.BodyLine(style.thanks);
    // The cash of a sale paid in cash goes into the drawer now.
    if (style.newSale && sale.paymentForm == 1)
        ticket.OpenDrawer();
    return ticket.End() ? QString() : ticket.errorText();
}

}

QString PrintSaleTicket(const SaleVoucher& sale)
{
    return Print(sale, {QStringLiteral("TICKET"), true, QStringLiteral("      GRACIAS POR SU PREFERENCIA"), true});
}

QString PrintSaleTicketReprint(const SaleVoucher& sale)
{
    return Print(sale, {QStringLiteral("Ticket Venta"), false, QStringLiteral("       GRACIAS POR SU PREFERENCIA"), false});
}
