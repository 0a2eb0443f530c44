#include "app/ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
const QByteArray kActivate = QByteArrayLiteral("activate\n");
}

SingleInstance::SingleInstance(const QString& serverName, QObject* parent) : QObject(parent), m_name(serverName) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QByteArray digest = QCryptographicHash::hash(user.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("cvi-zelto-") + QString::fromLatin1(digest);
}

bool SingleInstance::notifyRunningCopy(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kActivate);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
    }
    if (m_server->listen(m_name))
        return true;
    // Nobody answered before we got here, so a socket file in the way is a leftover.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void SingleInstance::readRequest()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kActivate.trimmed()))
                emit activationRequested();
        });
        if (socket->bytesAvailable() > 0 && socket->readAll().contains(kActivate.trimmed()))
            emit activationRequested();
    }
}
