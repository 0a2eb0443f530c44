#pragma once
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

class TDataModule1;

// A consistent copy of the open shop database, written by the engine itself (VACUUM INTO): with
// the write-ahead log a plain file copy may miss committed sales or catch a half-written page. A
// shop on a server is copied into a new shop file, from one snapshot, and compared with it.
namespace DatabaseCopy {

// Who may read the file written: a copy holds the whole shop (users' passwords, the dosage keys),
// so only its owner and group; a database put back to be used again is made as any new file.
enum class Access { OwnerAndGroup, AsNewFile };

// Writes the copy to `target`, which must not exist yet (its folder must). Returns empty text on
// success, otherwise the message to show; a failed copy leaves no file behind.
QString write(TDataModule1& db, const QString& target);
// The same from any open SQLite connection (a read-only one will do).
QString write(QSqlDatabase connection, const QString& target, Access access = Access::OwnerAndGroup);

// "<folder of database>/<database name without extension>-<tag>-<yyyyMMdd-HHmmss>.sqlite"; for a
// server's database the program's folder (AppFolder) and the database's name.
QString besideDatabase(const QString& databasePath, const QString& tag, const QDateTime& when);

}
