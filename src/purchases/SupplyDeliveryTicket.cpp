#include "purchases/SupplyDeliveryTicket.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "purchases/SupplyDeliveryVoucher.h"
#include "printing/TicketDocument.h"
#include "printing/TicketText.h"

namespace {

using Row = SupplyDeliveryTicketRow;

Row Header(const QString& text) { return Row{Row::Kind::Header, text, 0}; }
Row Body(const QString& text) { return Row{Row::Kind::Body, text, 0}; }

}

QList<SupplyDeliveryTicketRow> SupplyDeliveryTicketRows(const SupplyDeliveryVoucher& delivery, const QString& taxpayerName,
                                                        const QString& ownerName)
{
    QList<Row> rows{
        Header(taxpayerName),
        Header(ownerName),
        Header(QStringLiteral("Nº Orden: ") + delivery.orderNumber() + QStringLiteral(" Fecha: ")
               + Formats::Date(delivery.date)),
        Header(QStringLiteral("     COMPROBANTE ENTREGA DE INSUMOS     ")),
    };
    if (!delivery.recipient.isEmpty())
        rows << Header(QStringLiteral("Entregado a: ") + delivery.recipient);
    const QString rule(TicketText::LineWidth, QLatin1Char('-'));
    rows << Body(rule) << Body(QStringLiteral("CANT CONCEPTO                     UNIDAD")) << Body(rule);
    // The unit follows the widened concept directly; a long name pushes it further right.
    for (const SupplyDeliveryLine& line : delivery.lines)
        rows << Body(TicketText::ItemConcept(line.quantity, line.supply) + line.unit);
    rows << Body(QString(42, QLatin1Char('-')));
    rows << Row{Row::Kind::SkipLines, QString(), 6};
    rows << Body(QStringLiteral("   ---------------    ---------------   "));
    rows << Body(QStringLiteral("      RECIBIDO          ENTREGADO"));
    return rows;
}

QString PrintSupplyDeliveryTicket(const SupplyDeliveryVoucher& delivery)
{
    const SessionState& s = SessionState::current();
    const QList<Row> rows = SupplyDeliveryTicketRows(delivery, s.TaxpayerName, s.OwnerName);
    TicketDocument ticket;
    if (!ticket.Begin(QStringLiteral("TICKET"), 15))
        return ticket.errorText();
    for (const Row& row : rows) {
        switch (row.kind) {
        case Row::Kind::Header: ticket.HeaderLine(row.text); break;
        case Row::Kind::Body: ticket.BodyLine(row.text); break;
        case Row::Kind::SkipLines: ticket.Skip(row.lines * ticket.h()); break;
        }
    }
    return ticket.End() ? QString() : ticket.errorText();
}
