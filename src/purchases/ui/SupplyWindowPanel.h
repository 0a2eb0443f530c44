#pragma once
#include <QWidget>

class QProgressBar;

// One mode of the supplies window (TFEgresoI): the window shows exactly one panel, chosen by the
// mode it was opened in, and takes its caption and status texts from it. Everything a mode does
// lives in its panel; the window only frames it.
class SupplyWindowPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The window's caption.
    virtual QString caption() const = 0;
    // The first panel of the window's own status bar.
    virtual QString statusText() const = 0;
    // Main window status panel 3, set whenever the window becomes active.
    virtual QString operationText() const = 0;
    // The size the window opens with.
    virtual QSize preferredSize() const = 0;

    // Called once the window is built: the panel loads its lists. The progress bar is the one in
    // the window's status bar, hidden until an operation shows it.
    virtual void open(QProgressBar* progress) = 0;
};
