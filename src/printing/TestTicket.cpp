#include "printing/TestTicket.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "printing/TicketDocument.h"

QString PrintTestTicket(const QString& printerName, const QDateTime& moment)
{
    const SessionState& s = SessionState::current();
    TicketDocument ticket;
    if (!ticket.Begin(QStringLiteral("PRUEBA DE IMPRESION"), 15))
        return ticket.errorText();
    ticket.HeaderLine(s.TaxpayerName);
    ticket.HeaderLine(QStringLiteral("PRUEBA DE IMPRESION"));
    ticket.BodyLine(QStringLiteral("Fecha: ") + Formats::Date(moment.date()) + QStringLiteral(" ")
                    + moment.time().toString(QStringLiteral("HH:mm")));
    if (!printerName.isEmpty())
        ticket.BodyLine(QStringLiteral("Impresora: ") + printerName.left(29));
    ticket.BodyLine(QString(40, QLatin1Char('-')));
    ticket.BodyLine(QStringLiteral("1234567890123456789012345678901234567890"));
    ticket.BodyLine(QString(40, QLatin1Char('-')));
    ticket.BodyLine(QStringLiteral("Si lee las 40 columnas completas,"));
    ticket.BodyLine(QStringLiteral("la impresora de tickets esta lista."));
    return ticket.End() ? QString() : ticket.errorText();
}
