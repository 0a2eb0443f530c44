#pragma once
#include <QWidget>

class QProgressBar;

// One mode's panel of the window TFSaldarD. The window serves three commands that never mix
// ("Cobrar Deudas", "Gestionar Ventas", "Pagar Deudas"): it shows the one panel of the mode it was
// opened in and takes its caption from it. Each mode's panel is a class of its own.
class SaldarDPanel : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The window's caption and the text of its status panel.
    virtual QString caption() const = 0;
    // The window's progress bar, for lists that take more than a moment to fill.
    void setProgressBar(QProgressBar* bar) { m_progress = bar; }

protected:
    QProgressBar* progressBar() const { return m_progress; }

private:
    QProgressBar* m_progress = nullptr;
};
