#pragma once
#include "printing/TicketMark.h"
#include "printing/TicketSink.h"

#include <QPrinter>
#include <memory>

// Prints each ticket as one job on a named printer, the job titled for the print queue, on a
// roll page as long as the ticket; the ticket keeps its size in roll dots on any resolution.
class PrinterTicketSink : public TicketSink {
public:
    explicit PrinterTicketSink(const QString& printerName);

    QString begin(const QString& jobTitle) override;
    int lineHeight() const override { return m_lineHeight; }
    void drawText(int x, int y, const QString& text) override;
    void drawImage(int x, int y, const QImage& image) override;
    QString end() override;
    void discard() override;

private:
    QString m_printerName;
    std::unique_ptr<QPrinter> m_printer;
    TicketJob m_job;
    int m_lineHeight = 0;
    double m_widthMm = 0;
};
