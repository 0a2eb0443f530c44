#include "printing/ui/PrinterTicketSink.h"

#include "printing/TicketFont.h"
#include "printing/TicketPainter.h"

#include <QPainter>
#include <QPrinterInfo>

PrinterTicketSink::PrinterTicketSink(const QString& printerName) : m_printerName(printerName) {}

QString PrinterTicketSink::begin(const QString& jobTitle)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_printerName);
    if (info.isNull())
        return QStringLiteral("La impresora de tickets \"%1\" no esta disponible").arg(m_printerName);
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    m_printer->setDocName(jobTitle);
    m_printer->setFullPage(true);
    m_lineHeight = TicketFont::lineHeight(m_printer.get());
    m_job = TicketJob{jobTitle, {}};
    return {};
}

void PrinterTicketSink::drawText(int x, int y, const QString& text)
{
    m_job.marks.append(TicketMark{QPoint(x, y), text, QImage()});
}

void PrinterTicketSink::drawImage(int x, int y, const QImage& image)
{
    m_job.marks.append(TicketMark{QPoint(x, y), QString(), image});
}

void PrinterTicketSink::discard()
{
    m_printer.reset();
    m_job = TicketJob();
}

QString PrinterTicketSink::end()
{
    if (!m_printer)
        return QStringLiteral("No hay un trabajo de impresion abierto");
    // The whole ticket goes to the spooler as one job, drawn in one go.
    QPainter painter;
    QString failure;
    if (painter.begin(m_printer.get())) {
        TicketPainter::paint(painter, m_job, m_lineHeight);
        painter.end();
    } else {
        failure = QStringLiteral("No se pudo imprimir en la impresora \"%1\"").arg(m_printerName);
    }
    m_printer.reset();
    return failure;
}
