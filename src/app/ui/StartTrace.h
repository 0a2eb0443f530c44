#pragma once
#include <QObject>
#include <QString>

// Times the start of the program for the benchmark: with CVI_START_TRACE naming a file, the
// moments the splash, the main window and the login window first show (milliseconds since the
// epoch, one "event moment" line each) are written there, and the program ends as soon as the
// login window is up. Without the variable nothing is installed.
class StartTrace : public QObject {
    Q_OBJECT
public:
    // Installs the trace on the application when the variable is set.
    static void installIfAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit StartTrace(const QString& path);
    void write(const char* event);

    QString m_path;
    bool m_splashShown = false;
    bool m_splashClosed = false;
    bool m_mainShown = false;
};
