#pragma once
#include <QWidget>

class SaldarDPanel;

// The debts window: collecting clients' debts (WindowMode 3), sales management (4) and paying
// suppliers (5), one mode per window; the main window closes an open one before it makes the next.
// The mode's panel does the work, the window gives it its caption, status bar and activation text.
class TFSaldarD : public QWidget {
    Q_OBJECT
public:
    // Opens in the mode of SessionState::WindowMode, which it keeps until it closes.
    explicit TFSaldarD(QWidget* parent = nullptr);

    // Whether a mode has its panel (the main window wires only those modes' commands).
    static bool HasPanel(int mode);

    int mode() const { return m_mode; }
    SaldarDPanel* panel() const { return m_panel; }

    QSize sizeHint() const override { return {1000, 590}; }

protected:
    bool event(QEvent* event) override;

private:
    static SaldarDPanel* MakePanel(int mode, QWidget* parent);
    void FormActivate();

    int m_mode = 0;
    SaldarDPanel* m_panel = nullptr;
};
