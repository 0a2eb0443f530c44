#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

// Reads the rows of a statement on any open connection; false with `error` set when the engine
// refused it (a file that is not a database fails here, at its first read).
bool ReadRows(QSqlDatabase db, const QString& sql, const QVariantList& values, QList<QVariantList>* out, QString* error);

// A SQLite file opened for reading on a connection of its own, beside the shop's gateway (a backup
// copy being checked, a database being copied from the command line). Closed with its scope.
class ReadOnlyDatabase {
public:
    // Strict: the engine itself refuses any write. Tidy: opened as the program opens it, only read,
    // so that closing the last connection to a database in
    // write-ahead-log mode removes the log's companion files again instead of leaving them beside
    // it; a file on read-only media is read through a read-only connection instead. Settled: a
    // file nobody writes (a backup copy) read as it stands, without locks or companion files.
    enum class Open { Strict, Tidy, Settled };
    explicit ReadOnlyDatabase(const QString& path, Open open = Open::Strict);
    ~ReadOnlyDatabase();
    ReadOnlyDatabase(const ReadOnlyDatabase&) = delete;
    ReadOnlyDatabase& operator=(const ReadOnlyDatabase&) = delete;

    // Empty when the file opened; the engine's words otherwise.
    const QString& error() const { return m_error; }
    QSqlDatabase connection() const;

private:
    QString m_name;
    QString m_error;
};
