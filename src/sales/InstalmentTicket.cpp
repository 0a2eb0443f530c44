#include "sales/InstalmentTicket.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "sales/InstalmentVoucher.h"
#include "printing/TicketDocument.h"
#include "printing/TicketText.h"

QString InstalmentFigureRow(const QString& label, double amount)
{
    const QString figure = Formats::Money(amount);
    const int blanks = qMax(0, TicketText::LineWidth - int(label.size()) - int(figure.size()));
    return label + QString(blanks, QLatin1Char(' ')) + figure;
}

QVector<InstalmentTicketRow> InstalmentTicketRows(const InstalmentVoucher& v, const QString& taxpayerName, int h)
{
    const bool purchase = v.purchase;
    const QString rule(TicketText::LineWidth, QLatin1Char('-'));
    return {
        {15, taxpayerName},
        {h + 20, purchase ? QStringLiteral("COMPROBANTE PAGOS POR COMPRA A CREDITO")
                          : QStringLiteral("COMPROBANTE PAGOS POR VENTA A CREDITO")},
        {2 * h + 25, QStringLiteral("Nº Orden Referente: ") + v.orderNumber},
        {3 * h + 30,
         (purchase ? QStringLiteral("Fecha de Compra: ") : QStringLiteral("Fecha de Venta: ")) + Formats::Date(v.date)},
        {4 * h + 35, QStringLiteral("Fecha Amortización: ") + Formats::Date(v.paymentDate)},
        {5 * h + 40, purchase ? QStringLiteral("CI. Y NOMBRE DEL PROVEEDOR") : QStringLiteral("CI. Y NOMBRE DEL CLIENTE")},
        {6 * h + 45, v.nitCi},
        {7 * h + 50, v.name},
        {8 * h + 55, rule},
        {9 * h + 55, purchase ? QStringLiteral("DATOS DE LA COMPRA") : QStringLiteral("DATOS DE LA VENTA")},
        {10 * h + 55, rule},
        {11 * h + 55, InstalmentFigureRow(purchase ? QStringLiteral("TOTAL COMPRA") : QStringLiteral("TOTAL VENTA"), v.total)},
        {12 * h + 55, InstalmentFigureRow(QStringLiteral("CANCELADO"), v.paidBefore)},
        {13 * h + 55, InstalmentFigureRow(QStringLiteral("AMORTIZANDO"), v.amount)},
        {14 * h + 55, InstalmentFigureRow(QStringLiteral("SALDO"), v.balance)},
        {15 * h + 55, rule},
        {21 * h + 55, QStringLiteral("          --------------------")},
        {22 * h + 55, QStringLiteral("            RECIBI  CONFORME")},
    };
}

QString PrintInstalmentTicket(const InstalmentVoucher& voucher)
{
    TicketDocument ticket;
    if (!ticket.Begin(QStringLiteral("Ticket Amortizacion"), 15))
        return ticket.errorText();
    for (const InstalmentTicketRow& row : InstalmentTicketRows(voucher, SessionState::current().TaxpayerName, ticket.h())) {
        ticket.Skip(row.y - ticket.y());
        ticket.BodyLine(row.text);
    }
    return ticket.End() ? QString() : ticket.errorText();
}
