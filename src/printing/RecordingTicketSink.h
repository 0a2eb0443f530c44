#pragma once
#include "printing/TicketMark.h"
#include "printing/TicketRoll.h"
#include "printing/TicketSink.h"

// Keeps every ticket drawn through it, for tests: install it with TicketSinkSeam::install.
// Its units are those of a 203 dpi roll printer, so h is what such a printer would measure.
class RecordingTicketSink : public TicketSink {
public:
    static constexpr int Resolution = TicketRoll::DotsPerInch;

    RecordingTicketSink();

    QString begin(const QString& jobTitle) override;
    int lineHeight() const override { return m_lineHeight; }
    void drawText(int x, int y, const QString& text) override;
    void drawImage(int x, int y, const QImage& image) override;
    void drawQr(int x, int y, const QString& text, const QImage& image) override;
    void openDrawer() override { m_current.opensDrawer = true; }
    QString end() override;
    void discard() override;

    // Makes the next begin fail with this reason (empty: succeed again).
    void failNextBegin(const QString& reason) { m_beginFailure = reason; }

    QList<TicketJob> jobs;  // finished jobs, oldest first
    int discarded = 0;      // jobs dropped unfinished
    bool open() const { return m_open; }

private:
    TicketJob m_current;
    bool m_open = false;
    int m_lineHeight = 0;
    QString m_beginFailure;
};
