#pragma once
#include <QString>
#include <QVariantList>

// Another counter working on the same shop (file or server database) through a connection of its
// own, for tests of what one station sees while another writes. It gives up on a lock after
// `busyWaitMs`, so a test on one thread learns that it would have had to wait.
class SecondStation {
public:
    explicit SecondStation(const QString& databaseName, int busyWaitMs = 50);
    ~SecondStation();
    SecondStation(const SecondStation&) = delete;
    SecondStation& operator=(const SecondStation&) = delete;

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    // Runs one statement as a write of the program would: on its own transaction, which on a
    // server first takes the stations' write lock. Returns the engine's error text, or empty text
    // when it ran; a wait for the other station's lock that ran out says "locked" on both engines.
    QString execute(const QString& sql, const QVariantList& values = {});

    // Opens a write transaction and takes the write lock, keeping it until release(): this
    // station holds the database while the test's own station tries to write. Empty text when held.
    QString hold();
    void release();

private:
    QString m_connection;
    QString m_error;
    bool m_onServer = false;
};
