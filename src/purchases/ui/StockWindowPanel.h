#pragma once
#include <QWidget>

class WindowStatusBar;

// One family of modes of the purchases window (TFCompras): the panel the window shows for its
// mode, with the texts that go with it. Each family lives in its own unit; the window picks the
// panel of the mode its command opened it in and keeps it until it closes.
class StockWindowPanel : public QWidget {
    Q_OBJECT
public:
    // `statusBar` is the window's own, whose progress bar a panel may show while it works.
    StockWindowPanel(int mode, WindowStatusBar* statusBar, QWidget* parent = nullptr);

    int mode() const { return m_mode; }

    virtual QString caption() const = 0;           // the window's caption
    virtual QString statusText() const = 0;        // the first panel of the window's status bar
    virtual QString openingOperation() const = 0;  // panel 3 of the main window when it opens
    // Panel 3 of the main window each time the window is activated.
    virtual QString activeOperation() const { return openingOperation(); }
    // Input typed in and not stored yet (a purchase being entered with lines).
    virtual bool holdsUnsavedWork() const { return false; }

protected:
    WindowStatusBar* statusBar() const { return m_statusBar; }

private:
    int m_mode;
    WindowStatusBar* m_statusBar;
};
