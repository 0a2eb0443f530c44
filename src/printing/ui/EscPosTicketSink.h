#pragma once
#include "data/TicketPrinterSettings.h"
#include "printing/TicketMark.h"
#include "printing/TicketSink.h"

// Prints each ticket on a thermal printer driven directly, in its own commands (EscPos): the job
// is kept until end() and then sent in one go through EscPosLink.
class EscPosTicketSink : public TicketSink {
public:
    explicit EscPosTicketSink(const TicketPrinterSettings& settings);

    QString begin(const QString& jobTitle) override;
    int lineHeight() const override { return m_lineHeight; }
    void drawText(int x, int y, const QString& text) override;
    void drawImage(int x, int y, const QImage& image) override;
    void drawQr(int x, int y, const QString& text, const QImage& image) override;
    void openDrawer() override { m_job.opensDrawer = true; }
    QString end() override;
    void discard() override;

private:
    TicketPrinterSettings m_settings;
    TicketJob m_job;
    int m_lineHeight = 0;
    bool m_open = false;
};
