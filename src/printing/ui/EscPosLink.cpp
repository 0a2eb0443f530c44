#include "printing/ui/EscPosLink.h"

#include "printing/EscPos.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTcpSocket>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

namespace EscPosLink {

namespace {

const QRegularExpression& NetworkPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([^/\\\\:]+):(\\d{1,5})$"));
    return pattern;
}

QString NoAnswer(const QString& target)
{
    return QStringLiteral("La impresora de tickets %1 no responde. Revise que esté encendida y conectada; "
                          "el ticket se puede reimprimir.")
        .arg(target);
}

int Remaining(const QDeadlineTimer& deadline) { return int(qMax<qint64>(0, deadline.remainingTime())); }

QString SendToNetwork(const QString& target, const QByteArray& bytes, int timeoutMs)
{
    const QRegularExpressionMatch match = NetworkPattern().match(target.trimmed());
    const quint16 port = quint16(match.captured(2).toUInt());
    const QDeadlineTimer deadline(timeoutMs);
    QTcpSocket socket;
    socket.connectToHost(match.captured(1), port);
    if (!socket.waitForConnected(Remaining(deadline)))
        return NoAnswer(target);
    // A printer that is there answers its status; bit 3 says it is off line (no paper, cover open).
    socket.write(EscPos::statusQuery());
    if (!socket.waitForBytesWritten(Remaining(deadline)) || !socket.waitForReadyRead(Remaining(deadline)))
        return NoAnswer(target);
    const QByteArray status = socket.read(1);
    if (status.isEmpty())
        return NoAnswer(target);
    if (status.at(0) & 0x08)
        return QStringLiteral("La impresora de tickets %1 está fuera de línea (sin papel o con la tapa abierta); "
                              "el ticket se puede reimprimir.")
            .arg(target);
    socket.write(bytes);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(Remaining(deadline)))
            return NoAnswer(target);
    }
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(qMin(Remaining(deadline), 1000));
    return {};
}

QString SendToDevice(const QString& target, const QByteArray& bytes, int timeoutMs)
{
#ifdef Q_OS_UNIX
    // Not blocking: a printer that takes no more data must not hang the program.
    const int fd = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return QStringLiteral("No se puede abrir la impresora de tickets %1: %2")
            .arg(target, QString::fromLocal8Bit(std::strerror(errno)));
    const QDeadlineTimer deadline(timeoutMs);
    qsizetype sent = 0;
    QString failure;
    while (sent < bytes.size()) {
        pollfd ready{fd, POLLOUT, 0};
        if (::poll(&ready, 1, Remaining(deadline)) <= 0 || (ready.revents & (POLLERR | POLLHUP))) {
            failure = NoAnswer(target);
            break;
        }
        const ssize_t written = ::write(fd, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (written < 0 && errno != EAGAIN && errno != EINTR) {
            failure = QStringLiteral("No se pudo escribir en la impresora de tickets %1: %2")
                          .arg(target, QString::fromLocal8Bit(std::strerror(errno)));
            break;
        }
        if (written > 0)
            sent += written;
    }
    ::close(fd);
    return failure;
#else
    QFile device(target);
    if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QStringLiteral("No se puede abrir la impresora de tickets %1: %2").arg(target, device.errorString());
    if (device.write(bytes) != bytes.size())
        return NoAnswer(target);
    Q_UNUSED(timeoutMs);
    return {};
#endif
}

}

bool isNetworkAddress(const QString& target) { return NetworkPattern().match(target.trimmed()).hasMatch(); }

QString send(const QString& target, const QByteArray& bytes, int timeoutMs)
{
    return isNetworkAddress(target) ? SendToNetwork(target, bytes, timeoutMs)
                                    : SendToDevice(target.trimmed(), bytes, timeoutMs);
}

}
