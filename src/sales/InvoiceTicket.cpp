#include "sales/InvoiceTicket.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "sales/SaleVoucher.h"
#include "printing/TicketDocument.h"
#include "printing/TicketText.h"
#include "printing/PrintedInvoice.h"
#include "tax/InvoiceQr.h"

using TicketText::CenterText;
using TicketText::ItemLine;
using TicketText::MoneyText;
using TicketText::RightAlign40;

namespace {

const QString kRule = QString(40, QLatin1Char('-'));

// The symbol sits at the ticket's right, its top a little above the pen.
constexpr int QrLeft = 166;
constexpr int QrLift = 5;
constexpr int QrGapAbove = 10;
constexpr int QrHeight = 180;

// A text broken at blanks into lines of the ticket's forty columns.
QStringList FitTo40(const QString& text)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 40) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

void Header(TicketDocument& ticket, const SessionState& s, const QString& markLine)
{
    const bool headOffice = s.BranchNumber == 0;
    ticket.HeaderLine(CenterText(s.TaxpayerName));
    if (!s.OwnerName.trimmed().isEmpty())
        ticket.HeaderLine(CenterText(s.OwnerName));
    ticket.HeaderLine(headOffice ? QStringLiteral("              CASA MATRIZ")
                                 : QStringLiteral("               SUCURSAL ") + QString::number(s.BranchNumber));
    ticket.HeaderLine(CenterText(headOffice ? s.HeadOfficeAddress : s.BranchAddress));
    ticket.HeaderLine(CenterText((headOffice ? s.HeadOfficeCity : s.BranchCity) + QStringLiteral(" BOLIVIA")));
    ticket.HeaderLine(markLine);
}

QString Print(const PrintedInvoice& invoice, const QString& markLine)
{
    const SessionState& s = SessionState::current();
    // Composed before the job starts, so a refused symbol never leaves a job half drawn.
    const QImage qr = RenderInvoiceQr(invoice.qrText);
    TicketDocument ticket;
    if (!ticket.Begin(QStringLiteral("FACTURA"), 20))
        return ticket.errorText();
    Header(ticket, s, markLine);
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("           NIT: ") + invoice.issuerNit);
    ticket.BodyLine(QStringLiteral("         FACTURA Nº: ") + invoice.number);
    ticket.BodyLine(QStringLiteral("    AUTORIZACION Nº: ") + invoice.authorization);
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("Actividad Económica: "));
    ticket.BodyLine(s.EconomicActivity);
    ticket.BodyLine(QStringLiteral("FECHA: ") + Formats::Date(invoice.date) + QStringLiteral("  HORA: ") + invoice.time);
    ticket.BodyLine(QStringLiteral("NOMBRE: ") + invoice.clientName);
    ticket.BodyLine(QStringLiteral("NIT/CI: ") + invoice.nitCi);
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("CANT CONCEPTO                P.U.  TOTAL"));
    ticket.BodyLine(kRule);
    for (const PrintedInvoiceLine& line : invoice.lines)
        ticket.BodyLine(ItemLine(line.quantity, line.description, line.unitPrice, line.lineTotal));
    ticket.BodyLine(kRule);
    ticket.BodyLine(RightAlign40(QStringLiteral("TOTAL Bs.: ") + MoneyText(invoice.total)));
    ticket.BodyLine(QStringLiteral("SON: ") + invoice.amountInWords);
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("CODIGO DE CONTROL: ") + invoice.controlCode);
    ticket.BodyLine(QStringLiteral("FECHA LIMITE DE EMISION: ") + Formats::Date(invoice.deadline));
    ticket.Skip(QrGapAbove);
    if (!qr.isNull())
        ticket.DrawQr(QrLeft, ticket.y() - QrLift, invoice.qrText, qr);
    ticket.Skip(QrHeight + ticket.h());
    for (const QString& line : FitTo40(PrintedInvoice::lawNotice()))
        ticket.BodyLine(line);
    if (!invoice.legendLines.isEmpty()) {
        ticket.Skip(ticket.h());
        for (const QString& line : invoice.legendLines)
            ticket.BodyLine(line);
    }
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("GRACIAS POR SU PREFERENCIA... ") + invoice.orderNumber);
    return ticket.End() ? QString() : ticket.errorText();
}

}

QString PrintInvoiceTicket(const SaleVoucher& sale)
{
    return Print(sale.printedInvoice(), QStringLiteral("            FACTURA ORIGINAL"));
}

QString PrintInvoiceTicketReprint(const SaleVoucher& sale)
{
    return Print(sale.printedInvoice(), QStringLiteral("            FACTURA  ORIGINAL"));
}
