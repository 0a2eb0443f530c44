#pragma once
#include <QLabel>

// A picture the user clicks to choose another one (a product photo, a category icon, a logo). It
// shows its picture scaled into its fixed size and says clicked(); choosing is the window's work.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(const QSize& size, QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);
    // What is shown, at the box's size.
    QPixmap picture() const { return pixmap(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
