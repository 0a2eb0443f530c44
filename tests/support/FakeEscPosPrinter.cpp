#include "FakeEscPosPrinter.h"

#include <QDeadlineTimer>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

FakeEscPosPrinter::FakeEscPosPrinter(bool silent) : m_silent(silent)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, 8);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

FakeEscPosPrinter::~FakeEscPosPrinter()
{
    m_stop = true;
    m_thread.join();
    for (int client : m_held)
        ::close(client);
    ::close(m_listener);
}

QString FakeEscPosPrinter::address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

QList<QByteArray> FakeEscPosPrinter::jobs(int count, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        {
            QMutexLocker lock(&m_mutex);
            if (m_jobs.size() >= count || deadline.hasExpired())
                return m_jobs;
        }
        QThread::msleep(20);
    }
}

void FakeEscPosPrinter::serve()
{
    while (!m_stop) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0)
            continue;
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0)
            continue;
        if (m_silent) {
            m_held << client;
            continue;
        }
        serveClient(client);
    }
}

// One ticket per connection: read until the program closes it, answering each status query.
void FakeEscPosPrinter::serveClient(int client)
{
    QByteArray received;
    char buffer[4096];
    while (!m_stop) {
        pollfd readable{client, POLLIN, 0};
        if (::poll(&readable, 1, 50) <= 0)
            continue;
        const ssize_t n = ::read(client, buffer, sizeof buffer);
        if (n <= 0)
            break;
        const qsizetype before = received.size();
        received.append(buffer, n);
        // DLE EOT n whose last byte just arrived: bit 3 clear is "on line" (bits 1 and 4 always set).
        for (qsizetype i = qMax<qsizetype>(0, before - 2); i + 2 < received.size(); ++i) {
            if (received.at(i) == 0x10 && received.at(i + 1) == 0x04) {
                const char onLine = 0x12;
                if (::write(client, &onLine, 1) != 1)
                    break;
            }
        }
    }
    ::close(client);
    QMutexLocker lock(&m_mutex);
    m_jobs << received;
}
