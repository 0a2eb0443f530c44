#pragma once
#include <QMdiArea>
#include <QPixmap>

// The main window's frame for child windows, with the program's emblem centred on its empty
// background.
class BackgroundMdiArea : public QMdiArea {
    Q_OBJECT
public:
    explicit BackgroundMdiArea(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
