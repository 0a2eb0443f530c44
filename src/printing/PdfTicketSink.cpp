#include "printing/PdfTicketSink.h"

#include "printing/TicketFont.h"
#include "printing/TicketRoll.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

PdfTicketSink::PdfTicketSink(const QString& filePath) : m_filePath(filePath) {}

QString PdfTicketSink::begin(const QString& jobTitle)
{
    QPdfWriter probe(QStringLiteral("/dev/null"));
    probe.setResolution(Resolution);
    m_lineHeight = TicketFont::lineHeight(&probe);
    m_job = TicketJob{jobTitle, {}, false};
    return {};
}

void PdfTicketSink::drawText(int x, int y, const QString& text)
{
    m_job.marks.append(TicketMark{QPoint(x, y), text, QImage(), QString()});
}

void PdfTicketSink::drawImage(int x, int y, const QImage& image)
{
    m_job.marks.append(TicketMark{QPoint(x, y), QString(), image, QString()});
}

void PdfTicketSink::discard() { m_job = TicketJob(); }

QString PdfTicketSink::end()
{
    QPdfWriter writer(m_filePath);
    writer.setResolution(Resolution);
    writer.setTitle(m_job.title);
    writer.setCreator(QStringLiteral("CVI Zelto"));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(TicketRoll::page(m_job, m_lineHeight, PaperWidthMm));
    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("No se pudo escribir el archivo %1").arg(m_filePath);
    TicketRoll::paint(painter, m_job, m_lineHeight);
    painter.end();
    return {};
}
