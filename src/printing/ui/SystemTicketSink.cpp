#include "printing/ui/SystemTicketSink.h"

#include "data/ServerAddress.h"

#include "data/ClockSeam.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/TicketPrinterSettings.h"
#include "printing/ui/EscPosTicketSink.h"
#include "printing/ui/InstalledPrinters.h"
#include "printing/PdfTicketSink.h"
#include "printing/ui/PrinterTicketSink.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

SystemTicketSink::SystemTicketSink() = default;

SystemTicketSink::~SystemTicketSink() = default;

QString SystemTicketSink::begin(const QString& jobTitle)
{
    m_target.reset();
    m_pdfPath.clear();
    const TicketPrinterSettings& direct = TicketPrinterSettings::current();
    if (direct.isDirect()) {
        m_target = std::make_unique<EscPosTicketSink>(direct);
        return m_target->begin(jobTitle);
    }
    const QStringList printers = InstalledPrinters::names();
    if (printers.isEmpty())
        return beginPdf(jobTitle);

    const int index = SessionState::current().TicketPrinterIndex;
    if (index < 0 || index >= printers.size())
        return QStringLiteral("La impresora de tickets %1 no existe: hay %2 impresora(s) instalada(s). "
                              "Elija la impresora de tickets en la configuracion.")
            .arg(index)
            .arg(printers.size());
    m_target = std::make_unique<PrinterTicketSink>(printers.at(index));
    const QString failure = m_target->begin(jobTitle);
    if (!failure.isEmpty())
        m_target.reset();
    return failure;
}

QString SystemTicketSink::beginPdf(const QString& jobTitle)
{
    const QString folder = ticketsFolder();
    if (!QDir().mkpath(folder))
        return QStringLiteral("No se pudo crear la carpeta %1").arg(QDir::toNativeSeparators(folder));
    m_pdfPath = ticketFileName(folder, jobTitle);
    m_target = std::make_unique<PdfTicketSink>(m_pdfPath);
    return m_target->begin(jobTitle);
}

int SystemTicketSink::lineHeight() const { return m_target ? m_target->lineHeight() : 0; }

void SystemTicketSink::drawText(int x, int y, const QString& text)
{
    if (m_target)
        m_target->drawText(x, y, text);
}

void SystemTicketSink::drawImage(int x, int y, const QImage& image)
{
    if (m_target)
        m_target->drawImage(x, y, image);
}

void SystemTicketSink::drawQr(int x, int y, const QString& text, const QImage& image)
{
    if (m_target)
        m_target->drawQr(x, y, text, image);
}

void SystemTicketSink::openDrawer()
{
    if (m_target)
        m_target->openDrawer();
}

QString SystemTicketSink::end()
{
    if (!m_target)
        return QStringLiteral("No hay un trabajo de impresion abierto");
    const QString failure = m_target->end();
    m_target.reset();
    if (failure.isEmpty() && !m_pdfPath.isEmpty())
        tellPdfFolder(QFileInfo(m_pdfPath).absolutePath());
    return failure;
}

// The cashier learns once where the tickets go, not with a box per ticket; the status bar keeps
// naming the folder. A shop opened from another folder is told again.
void SystemTicketSink::tellPdfFolder(const QString& folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    MainStatus::setText(MainStatus::kTicketsPanel, QStringLiteral("Tickets en PDF: %1").arg(shown));
    if (m_toldFolder == folder)
        return;
    m_toldFolder = folder;
    MessageSeam::current().information(
        QStringLiteral("No hay ninguna impresora instalada. Los tickets se guardan como PDF en la carpeta:\n%1").arg(shown));
}

void SystemTicketSink::discard()
{
    if (m_target)
        m_target->discard();
    m_target.reset();
    m_pdfPath.clear();
}

QString SystemTicketSink::ticketsFolder()
{
    const SessionState& session = SessionState::current();
    // A shop on a server has no folder of its own: its tickets go beside the program.
    QString base = session.DatabasePath.isEmpty() || ServerAddress::isServerText(session.DatabasePath)
                       ? session.AppFolder
                       : QFileInfo(session.DatabasePath).absolutePath();
    if (base.isEmpty())
        base = QDir::currentPath();
    return QDir(base).filePath(QStringLiteral("tickets")) + QLatin1Char('/');
}

QString SystemTicketSink::ticketFileName(const QString& folder, const QString& jobTitle)
{
    QString name = jobTitle.trimmed();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9 _-]")), QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("Ticket");
    const QString stamp = ClockSeam::current().now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QDir dir(folder);
    QString path = dir.filePath(QStringLiteral("%1 %2.pdf").arg(name, stamp));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = dir.filePath(QStringLiteral("%1 %2 (%3).pdf").arg(name, stamp).arg(copy));
    return path;
}
