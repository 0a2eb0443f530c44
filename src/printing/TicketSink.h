#pragma once
#include <QString>
#include <QtGlobal>

class QImage;

// Where a ticket is drawn: a printer, a PDF file or a recorder. One begin/end pair is one job.
// Positions are in the sink's device units; the sink owns the ticket font.
class TicketSink {
public:
    virtual ~TicketSink() = default;
    // Starts a job titled `jobTitle`; an empty return means ready, otherwise it is the reason
    // the job could not start (and nothing was sent).
    virtual QString begin(const QString& jobTitle) = 0;
    // h of the ticket arithmetic for this device (valid after a successful begin).
    virtual int lineHeight() const = 0;
    virtual void drawText(int x, int y, const QString& text) = 0;
    virtual void drawImage(int x, int y, const QImage& image) = 0;
    // The invoice's QR symbol: `image` drawn from `text`. A printer with a QR command of its own
    // prints the text through it; every other sink draws the picture.
    virtual void drawQr(int x, int y, const QString& text, const QImage& image)
    {
        Q_UNUSED(text);
        drawImage(x, y, image);
    }
    // Asks for the cash-drawer pulse with this ticket; only a printer the drawer hangs on acts.
    virtual void openDrawer() {}
    // Hands the job over; an empty return means done, otherwise the reason it failed.
    virtual QString end() = 0;
    // Drops the open job unsent: a ticket whose code stopped half-way never reaches the paper.
    virtual void discard() = 0;
};
