#pragma once
#include <QStatusBar>

class QLabel;
class QProgressBar;

// The status bar at the foot of a working window ("SBar1"): its first panel names the window,
// the second holds the progress bar ("PBar1") shown while a long operation runs.
class WindowStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int CaptionWidth = 178;

    explicit WindowStatusBar(const QString& caption, QWidget* parent = nullptr);

    QProgressBar* progressBar() const { return m_progress; }
    // The first panel, for windows whose name depends on the mode they open in.
    QString caption() const;
    void setCaption(const QString& caption);

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* m_caption;
    QProgressBar* m_progress;
};
