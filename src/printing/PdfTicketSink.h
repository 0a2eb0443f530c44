#pragma once
#include "printing/TicketMark.h"
#include "printing/TicketRoll.h"
#include "printing/TicketSink.h"

// Writes each ticket as a PDF file shaped like the roll: 80 mm wide, as long as its lines,
// at the resolution of a roll printer. The marks are kept until end() so the page can be cut
// to the ticket's length.
class PdfTicketSink : public TicketSink {
public:
    static constexpr int Resolution = TicketRoll::DotsPerInch;
    static constexpr double PaperWidthMm = TicketRoll::WidthMm;

    explicit PdfTicketSink(const QString& filePath);

    QString begin(const QString& jobTitle) override;
    int lineHeight() const override { return m_lineHeight; }
    void drawText(int x, int y, const QString& text) override;
    void drawImage(int x, int y, const QImage& image) override;
    QString end() override;
    void discard() override;

    const QString& filePath() const { return m_filePath; }

private:
    QString m_filePath;
    TicketJob m_job;
    int m_lineHeight = 0;
};
