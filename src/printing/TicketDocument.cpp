#include "printing/TicketDocument.h"

#include "printing/TicketSink.h"
#include "printing/TicketSinkSeam.h"

TicketDocument::TicketDocument() = default;

TicketDocument::~TicketDocument()
{
    if (m_sink)
        m_sink->discard();
}

bool TicketDocument::Begin(const QString& jobTitle, int firstLineTop)
{
    if (m_sink)
        End();
    m_error.clear();
    m_y = firstLineTop;
    m_h = 0;
    TicketSink& sink = TicketSinkSeam::current();
    m_error = sink.begin(jobTitle);
    if (!m_error.isEmpty())
        return false;
    m_sink = &sink;
    m_h = sink.lineHeight();
    return true;
}

void TicketDocument::HeaderLine(const QString& text) { drawLine(text, m_h + HeaderGap); }

void TicketDocument::BodyLine(const QString& text) { drawLine(text, m_h); }

void TicketDocument::drawLine(const QString& text, int advance)
{
    if (m_sink)
        m_sink->drawText(LeftMargin, m_y, text);
    m_y += advance;
}

void TicketDocument::Skip(int units) { m_y += units; }

void TicketDocument::DrawImage(int x, int y, const QImage& image)
{
    if (m_sink)
        m_sink->drawImage(x, y, image);
}

void TicketDocument::DrawQr(int x, int y, const QString& text, const QImage& image)
{
    if (m_sink)
        m_sink->drawQr(x, y, text, image);
}

void TicketDocument::OpenDrawer()
{
    if (m_sink)
        m_sink->openDrawer();
}

bool TicketDocument::End()
{
    if (!m_sink) {
        // errorText() still holds why Begin failed
        if (m_error.isEmpty())
            m_error = QStringLiteral("No se inicio ningun trabajo de impresion");
        return false;
    }
    TicketSink* sink = m_sink;
    m_sink = nullptr;
    m_error = sink->end();
    return m_error.isEmpty();
}
