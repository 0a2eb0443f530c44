#pragma once
#include <QString>

class QImage;
class TicketSink;

// Draws one roll-paper ticket: one print job, the ticket font, lines at absolute positions.
// Every ticket uses the calls in this order: Begin, lines (HeaderLine/BodyLine/Skip/DrawImage), End.
//
// Failures are return values: Begin and End answer false and errorText() says why (a printer
// index that names no printer, a printer that cannot start the job, a PDF that cannot be written).
// After a failed Begin the line calls draw nothing and End answers false with the same text, so a
// window may check only End and show errorText() through MessageSeam::error. Nothing is sent for
// a ticket whose Begin failed.
class TicketDocument {
public:
    static constexpr int LeftMargin = 6;
    static constexpr int HeaderGap = 5;

    TicketDocument();
    ~TicketDocument();  // discards a job left open: a ticket cut short is never printed
    TicketDocument(const TicketDocument&) = delete;
    TicketDocument& operator=(const TicketDocument&) = delete;

    // Selects the ticket output (TicketSinkSeam) afresh, starts the job titled `jobTitle` and
    // puts the pen at (6, firstLineTop).
    bool Begin(const QString& jobTitle, int firstLineTop);
    // Draws at (6, y), then y advances by h + 5.
    void HeaderLine(const QString& text);
    // Draws at (6, y), then y advances by h.
    void BodyLine(const QString& text);
    // Advances y without drawing.
    void Skip(int units);
    // Draws a picture with its top-left corner at (x, y); the pen does not move.
    void DrawImage(int x, int y, const QImage& image);
    // Draws the QR symbol `image` of `text` like DrawImage; a printer with its own QR command
    // prints `text` through it instead.
    void DrawQr(int x, int y, const QString& text, const QImage& image);
    // The cash drawer opens with this ticket (a cash sale, a closing) where the printer drives it.
    void OpenDrawer();
    bool End();

    int x() const { return LeftMargin; }
    int y() const { return m_y; }
    // Height of "Yy" in the ticket font on the job's device (0 before a successful Begin).
    int h() const { return m_h; }
    bool isOpen() const { return m_sink != nullptr; }
    const QString& errorText() const { return m_error; }

private:
    void drawLine(const QString& text, int advance);

    TicketSink* m_sink = nullptr;
    int m_y = 0;
    int m_h = 0;
    QString m_error;
};
