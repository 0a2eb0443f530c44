#include "printing/RecordingTicketSink.h"

#include "printing/TicketRoll.h"

#include <QImage>

RecordingTicketSink::RecordingTicketSink() : m_lineHeight(TicketRoll::lineHeight()) {}

QString RecordingTicketSink::begin(const QString& jobTitle)
{
    if (!m_beginFailure.isEmpty()) {
        const QString reason = m_beginFailure;
        m_beginFailure.clear();
        return reason;
    }
    m_current = TicketJob{jobTitle, {}, false};
    m_open = true;
    return {};
}

void RecordingTicketSink::drawText(int x, int y, const QString& text)
{
    m_current.marks.append(TicketMark{QPoint(x, y), text, QImage(), QString()});
}

void RecordingTicketSink::drawImage(int x, int y, const QImage& image)
{
    m_current.marks.append(TicketMark{QPoint(x, y), QString(), image, QString()});
}

void RecordingTicketSink::drawQr(int x, int y, const QString& text, const QImage& image)
{
    m_current.marks.append(TicketMark{QPoint(x, y), QString(), image, text});
}

void RecordingTicketSink::discard()
{
    m_current = TicketJob();
    m_open = false;
    ++discarded;
}

QString RecordingTicketSink::end()
{
    jobs.append(m_current);
    m_current = TicketJob();
    m_open = false;
    return {};
}
