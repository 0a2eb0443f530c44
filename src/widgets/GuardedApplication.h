#pragma once
#include "data/ErrorLog.h"

#include <QApplication>

// The window program's application object. An exception escaping an event handler or a slot
// stops here instead of ending the program: the cashier reads in plain words that the step did
// not happen, the fault goes into the error log with the window and the control it came from, and
// the program goes on. The operations write inside transactions that roll back as the exception
// passes; a level the failed handler left open is rolled back here, so the shop's data stays as
// it was before the step.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv, ErrorLog log = ErrorLog());

    bool notify(QObject* receiver, QEvent* event) override;

    // "window <class> "<title>" / <class> <object name>": where a fault came from.
    static QString describe(const QObject* receiver);
    // What the cashier reads about a fault whose detail went (or failed to go) into the log.
    static QString messageFor(const QString& detail, const QString& logPath, bool logged);

private:
    void handle(const QObject* receiver, const QString& detail, int depthBefore);
    static void rollBackTo(int depth);

    ErrorLog m_log;
    bool m_telling = false;  // a box is up: a fault while it shows is logged only
};
