#pragma once
#include <QDialog>

class QFrame;
class QTimer;

// The splash window shown while the program starts: the logo for three seconds, then it closes.
class TFLogo : public QDialog {
    Q_OBJECT
public:
    // appFolder: the program's folder; its "img/logo.jpg" is shown when present, a drawn title
    // otherwise.
    explicit TFLogo(const QString& appFolder, QWidget* parent = nullptr);

    QTimer* timer() const { return m_Timer1; }
    bool showsPicture() const { return m_picture; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Timer1Timer();
    void centreOnScreen();

    QFrame* m_PLogo;
    QTimer* m_Timer1;
    bool m_picture = false;
};
