#include "printing/ui/EscPosTicketSink.h"

#include "printing/EscPos.h"
#include "printing/TicketRoll.h"
#include "printing/ui/EscPosLink.h"

EscPosTicketSink::EscPosTicketSink(const TicketPrinterSettings& settings) : m_settings(settings) {}

QString EscPosTicketSink::begin(const QString& jobTitle)
{
    // The printer's own font is laid out like the roll: its dots are the ticket's units.
    m_lineHeight = TicketRoll::lineHeight();
    m_job = TicketJob{jobTitle, {}, false};
    m_open = true;
    return {};
}

void EscPosTicketSink::drawText(int x, int y, const QString& text)
{
    m_job.marks.append(TicketMark{QPoint(x, y), text, QImage(), QString()});
}

void EscPosTicketSink::drawImage(int x, int y, const QImage& image)
{
    m_job.marks.append(TicketMark{QPoint(x, y), QString(), image, QString()});
}

void EscPosTicketSink::drawQr(int x, int y, const QString& text, const QImage& image)
{
    m_job.marks.append(TicketMark{QPoint(x, y), QString(), image, text});
}

void EscPosTicketSink::discard()
{
    m_job = TicketJob();
    m_open = false;
}

QString EscPosTicketSink::end()
{
    if (!m_open)
        return QStringLiteral("No hay un trabajo de impresion abierto");
    m_open = false;
    const QByteArray bytes = EscPos::ticket(m_job, m_lineHeight, m_settings.codePage, m_settings.cashDrawer);
    m_job = TicketJob();
    return EscPosLink::send(m_settings.directPrinter, bytes);
}
