#include "printing/RecordingTicketSink.h"

#include "printing/TicketFont.h"

#include <QImage>

namespace {
// A picture that stands for the roll printer: its metrics give the printer's h.
int RollPrinterLineHeight()
{
    QImage device(8, 8, QImage::Format_Mono);
    const int dotsPerMeter = qRound(RecordingTicketSink::Resolution / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    return TicketFont::lineHeight(&device);
}
}

RecordingTicketSink::RecordingTicketSink() : m_lineHeight(RollPrinterLineHeight()) {}

QString RecordingTicketSink::begin(const QString& jobTitle)
{
    if (!m_beginFailure.isEmpty()) {
        const QString reason = m_beginFailure;
        m_beginFailure.clear();
        return reason;
    }
    m_current = TicketJob{jobTitle, {}};
    m_open = true;
    return {};
}

void RecordingTicketSink::drawText(int x, int y, const QString& text)
{
    m_current.marks.append(TicketMark{QPoint(x, y), text, QImage()});
}

void RecordingTicketSink::drawImage(int x, int y, const QImage& image)
{
    m_current.marks.append(TicketMark{QPoint(x, y), QString(), image});
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
