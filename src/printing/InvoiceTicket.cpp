#include "printing/InvoiceTicket.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "printing/SaleVoucher.h"
#include "printing/TicketDocument.h"
#include "printing/TicketText.h"
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

QString Print(const SaleVoucher& sale, const QString& markLine)
{
    const SessionState& s = SessionState::current();
    // Composed before the job starts, so a refused symbol never leaves a job half drawn.
    const QImage qr = RenderInvoiceQr(BuildInvoiceQrText(s.TaxpayerNit, sale.invoiceNumber, sale.authorization,
                                                         sale.date, sale.total, sale.controlCode, sale.nitCi));
    TicketDocument ticket;
    if (!ticket.Begin(QStringLiteral("FACTURA"), 20))
        return ticket.errorText();
    Header(ticket, s, markLine);
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("           NIT: ") + s.TaxpayerNit);
    ticket.BodyLine(QStringLiteral("         FACTURA Nº: ") + PadInvoiceNumber(sale.invoiceNumber));
    ticket.BodyLine(QStringLiteral("    AUTORIZACION Nº: ") + sale.authorization);
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("Actividad Económica: "));
    ticket.BodyLine(s.EconomicActivity);
    ticket.BodyLine(QStringLiteral("FECHA: ") + Formats::Date(sale.date) + QStringLiteral("  HORA: ") + sale.time);
    ticket.BodyLine(QStringLiteral("NOMBRE: ") + sale.clientName);
    ticket.BodyLine(QStringLiteral("NIT/CI: ") + sale.nitCi);
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("CANT CONCEPTO                P.U.  TOTAL"));
    ticket.BodyLine(kRule);
    for (const SaleVoucherLine& line : sale.lines)
        ticket.BodyLine(ItemLine(line.quantity, line.product, line.unitPrice, line.lineTotal));
    ticket.BodyLine(kRule);
    ticket.BodyLine(RightAlign40(QStringLiteral("TOTAL Bs.: ") + MoneyText(sale.total)));
    ticket.BodyLine(QStringLiteral("SON: ") + AmountInWords(MoneyText(sale.total)).trimmed());
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("CODIGO DE CONTROL: ") + sale.controlCode);
    ticket.BodyLine(QStringLiteral("FECHA LIMITE DE EMISION: ") + Formats::Date(sale.invoiceDeadline()));
    ticket.Skip(QrGapAbove);
    if (!qr.isNull())
        ticket.DrawImage(QrLeft, ticket.y() - QrLift, qr);
    ticket.Skip(QrHeight + ticket.h());
    ticket.BodyLine(QStringLiteral("\"ESTA FACTURA CONTRIBUYE AL DESARROLLO"));
    ticket.BodyLine(QStringLiteral("DEL PAIS, EL USO ILICITO DE ESTA SERA"));
    ticket.BodyLine(QStringLiteral("SANCIONADO DE ACUERDO A LEY\""));
    if (const QStringList legend = sale.invoiceLegendLines(); !legend.isEmpty()) {
        ticket.Skip(ticket.h());
        for (const QString& line : legend)
            ticket.BodyLine(line);
    }
    ticket.BodyLine(kRule);
    ticket.BodyLine(QStringLiteral("GRACIAS POR SU PREFERENCIA... ") + sale.orderNumber());
    return ticket.End() ? QString() : ticket.errorText();
}

}

QString PrintInvoiceTicket(const SaleVoucher& sale) { return Print(sale, QStringLiteral("            FACTURA ORIGINAL")); }

QString PrintInvoiceTicketReprint(const SaleVoucher& sale)
{
    return Print(sale, QStringLiteral("            FACTURA  ORIGINAL"));
}
