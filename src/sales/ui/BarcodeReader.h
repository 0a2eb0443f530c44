#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QKeyEvent;

// A bar code scanner is a keyboard that types a code and Enter, faster than any hand. While the
// focus is inside `window` but not in a text field, the reader gathers such a burst of keys and
// reports the code; the Enter that ends it goes no further (a scan never triggers what Enter would
// do there). Slow typing and Enter alone pass through untouched.
class BarcodeReader : public QObject {
    Q_OBJECT
public:
    explicit BarcodeReader(QWidget* window);
    ~BarcodeReader() override;

    // The longest pause between two keys of one scan.
    static constexpr int kMaxPauseMs = 80;

signals:
    void scanned(const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool watches(QObject* receiver) const;
    bool take(const QKeyEvent* key);

    QWidget* m_window;
    QString m_code;
    QElapsedTimer m_sinceLastKey;
};
