#pragma once
#include <QByteArray>
#include <QList>
#include <QMutex>

#include <atomic>
#include <thread>

// A network thermal printer for tests: listens on a free port of 127.0.0.1 with a real socket,
// answers the status query (DLE EOT n) with "on line", and keeps the bytes of every connection,
// one entry per connection. A silent printer accepts connections but never reads nor answers,
// as a printer that hangs does.
class FakeEscPosPrinter {
public:
    explicit FakeEscPosPrinter(bool silent = false);
    ~FakeEscPosPrinter();
    FakeEscPosPrinter(const FakeEscPosPrinter&) = delete;
    FakeEscPosPrinter& operator=(const FakeEscPosPrinter&) = delete;

    int port() const { return m_port; }
    QString address() const;
    // The bytes of every finished connection, oldest first; waits up to `timeoutMs` for `count`.
    QList<QByteArray> jobs(int count = 0, int timeoutMs = 5000) const;

private:
    void serve();
    void serveClient(int client);

    int m_listener = -1;
    int m_port = 0;
    bool m_silent;
    std::atomic<bool> m_stop{false};
    mutable QMutex m_mutex;
    QList<QByteArray> m_jobs;
    QList<int> m_held;  // connections of the silent printer, closed at the end
    std::thread m_thread;
};
