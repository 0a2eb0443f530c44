#pragma once
#include <QStatusBar>

class QLabel;
class QProgressBar;

// The status bar at the foot of a working window ("SBar1"): its first panel names the window,
// named panels may follow, and the progress bar ("PBar1") last, shown while a long operation runs.
class WindowStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int CaptionWidth = 178;

    explicit WindowStatusBar(const QString& caption, QWidget* parent = nullptr);
    // A bar of named panels only, for windows whose foot tells a state rather than their name.
    explicit WindowStatusBar(QWidget* parent);

    QProgressBar* progressBar() const { return m_progress; }
    // The first panel, for windows whose name depends on the mode they open in.
    QString caption() const;
    void setCaption(const QString& caption);
    // A further panel named `name`, at least `minimumWidth` wide, before the progress bar.
    QLabel* addPanel(const char* name, int minimumWidth);

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* m_caption;
    QProgressBar* m_progress;
    int m_panels = 1;
};
