#pragma once
#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per computer and user session. The first copy listens on a local socket
// named after the user; a later copy connects, asks it to come forward and ends without
// showing anything.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "cvi-zelto-" and a digest of the user's name (a readable name is not needed, and the digest
    // keeps odd characters of the name out of the socket path).
    static QString defaultServerName();

    // True when another copy answered and was told to come forward.
    bool notifyRunningCopy(int timeoutMs = 1000);
    // Starts listening for later copies; a socket left behind by a crashed copy is cleared.
    bool listen();
    QString serverName() const { return m_name; }

signals:
    void activationRequested();

private:
    void readRequest();

    QString m_name;
    QLocalServer* m_server = nullptr;
};
