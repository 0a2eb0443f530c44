#pragma once
#include <QString>

class QSqlDatabase;

enum class EngineKind { SQLite, PostgreSQL };

// Opens a Qt connection to a shop database named either by a SQLite file path or by a server's
// connection text (see ServerAddress), with the settings every connection of the program uses:
// a wait for another station's lock of `lockWaitMs` at most, and on a server a connect timeout,
// keep-alives that notice a lost network, and plain-text (ISO) dates.
namespace EngineConnection {

EngineKind engineOf(const QString& name);

// Seconds a connection attempt to a server may take before the login says so.
constexpr int kConnectTimeoutSeconds = 5;
constexpr int kLockWaitMs = 5000;
// On a server, the lock every station's write transaction takes first, so that writers follow one
// another as on a file (any number the stations agree on; held until the transaction ends).
constexpr qint64 kWriteLock = 0x43565A;
// The statement that takes it.
QString writeLockStatement();

// Adds the connection `connectionName` and opens it. Returns empty text on success, otherwise the
// message to show, and then no connection of that name is left. Opening a SQLite file creates it
// when missing (unless `readOnly`): callers check for the file first.
QString open(const QString& name, const QString& connectionName, int lockWaitMs = kLockWaitMs, bool readOnly = false);
// Closes and removes the connection.
void remove(const QString& connectionName);

// What the user reads about the database: the file path, or the server text without password.
QString displayName(const QString& name);

}
