#pragma once
#include "printing/TicketSink.h"

#include <memory>

// The program's ticket output. For every ticket afresh: the thermal printer driven directly when
// the shop has one (TicketPrinterSettings), otherwise the printer at
// SessionState::TicketPrinterIndex in InstalledPrinters::names() (the list the parameters window
// chooses from); when the computer has no printer at all, a PDF file in a "tickets" folder beside
// the database (the user is told where once, and the status bar names the folder); an index that names no printer fails the
// ticket before anything is sent.
class SystemTicketSink : public TicketSink {
public:
    SystemTicketSink();
    ~SystemTicketSink() override;

    QString begin(const QString& jobTitle) override;
    int lineHeight() const override;
    void drawText(int x, int y, const QString& text) override;
    void drawImage(int x, int y, const QImage& image) override;
    void drawQr(int x, int y, const QString& text, const QImage& image) override;
    void openDrawer() override;
    QString end() override;
    void discard() override;

    // Folder of the database, else the program folder, plus "tickets/".
    static QString ticketsFolder();
    // A file in `folder` named from the job title and the clock's date and time, never an existing one.
    static QString ticketFileName(const QString& folder, const QString& jobTitle);

private:
    QString beginPdf(const QString& jobTitle);
    void tellPdfFolder(const QString& folder);

    std::unique_ptr<TicketSink> m_target;
    QString m_pdfPath;
    QString m_toldFolder;
};
