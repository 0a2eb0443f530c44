#pragma once
#include <QWidget>

class SupplyWindowPanel;
class WindowStatusBar;

// The supplies window: one class for the commands that hand out supplies and look after them, each
// opening it in its own WindowMode. The mode is read once, when the window is created, and holds
// until it is closed, whatever other commands set meanwhile; it chooses the one panel the window
// shows (see UEgresoI.cpp for the table of modes).
class TFEgresoI : public QWidget {
    Q_OBJECT
public:
    explicit TFEgresoI(QWidget* parent = nullptr);

    // True when the window has a panel for this mode; the main window opens it for those only.
    static bool ServesMode(int mode);

    int windowMode() const { return m_mode; }
    SupplyWindowPanel* panel() const { return m_panel; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;

private:
    void FormActivate();

    int m_mode = 0;
    SupplyWindowPanel* m_panel = nullptr;
    WindowStatusBar* m_SBar1 = nullptr;
};
