#include "printing/ui/PrinterTicketSink.h"

#include "printing/TicketRoll.h"

#include <QPainter>
#include <QPrinterInfo>

namespace {
// A queue set up for roll paper offers a page no wider than a roll (58, 76 or 80 mm): the ticket
// takes that width. Any other queue (letter, A4) gets the 80 mm roll.
double RollWidthMm(const QPrinterInfo& info)
{
    constexpr double WidestRollMm = 82.0;
    const double queueWidth = info.defaultPageSize().size(QPageSize::Millimeter).width();
    return queueWidth > 40.0 && queueWidth <= WidestRollMm ? queueWidth : TicketRoll::WidthMm;
}
}

PrinterTicketSink::PrinterTicketSink(const QString& printerName) : m_printerName(printerName) {}

QString PrinterTicketSink::begin(const QString& jobTitle)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_printerName);
    if (info.isNull())
        return QStringLiteral("La impresora de tickets \"%1\" no esta disponible").arg(m_printerName);
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    m_printer->setDocName(jobTitle);
    m_printer->setFullPage(true);
    m_widthMm = RollWidthMm(info);
    // The ticket is laid out in roll dots whatever the printer's resolution; the painter is
    // scaled when the job is drawn.
    m_lineHeight = TicketRoll::lineHeight();
    m_job = TicketJob{jobTitle, {}, false};
    return {};
}

void PrinterTicketSink::drawText(int x, int y, const QString& text)
{
    m_job.marks.append(TicketMark{QPoint(x, y), text, QImage(), QString()});
}

void PrinterTicketSink::drawImage(int x, int y, const QImage& image)
{
    m_job.marks.append(TicketMark{QPoint(x, y), QString(), image, QString()});
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
    // One page as long as the ticket: a closing or a sale of many lines is never cut by the page.
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    m_printer->setPageSize(TicketRoll::page(m_job, m_lineHeight, m_widthMm));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    // The whole ticket goes to the spooler as one job, drawn in one go.
    QPainter painter;
    QString failure;
    if (painter.begin(m_printer.get())) {
        TicketRoll::paint(painter, m_job, m_lineHeight);
        painter.end();
    } else {
        failure = QStringLiteral("No se pudo imprimir en la impresora \"%1\"").arg(m_printerName);
    }
    m_printer.reset();
    return failure;
}
