#pragma once
#include <QColor>
#include <QWidget>

// A round lamp that tells a record's state at a glance (white: new, green: valid, red: annulled);
// its hint says it in words.
class StatusShape : public QWidget {
    Q_OBJECT
public:
    explicit StatusShape(QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    void setState(const QColor& colour, const QString& hint);

    QSize sizeHint() const override { return {24, 24}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour = Qt::white;
};
