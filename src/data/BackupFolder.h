#pragma once
#include <QString>

// Where the copies written at every cash closing go: a folder chosen in the parameters window
// (a USB disk, say) and stored in the shop's database, or else "backups" beside the database file.
namespace BackupFolder {

// "<folder of the database>/backups".
QString Default(const QString& databasePath);
// The folder stored in the open database; empty when none was chosen. Throws DatabaseError.
QString Stored();
// The stored folder, or the default one of that database. Throws DatabaseError.
QString ForDatabase(const QString& databasePath);
// Why copies cannot be written into `folder`, in plain words; empty when they can.
QString Check(const QString& folder);
// Stores a chosen folder (empty text goes back to the default) after checking it; returns the
// refusal, empty when stored. Throws DatabaseError when the database refuses it.
QString Store(const QString& folder);

}
