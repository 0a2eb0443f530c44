#pragma once
#include <QString>

// Changing the logged-in user's password from the login window.
namespace PasswordChange {

// The refusal to show, or empty text when the new password may be stored: every field filled,
// the current password equal to the one of the login (ignoring letter case, as the login does)
// and the repetition equal to the new one.
QString Check(const QString& loginPassword, const QString& current, const QString& fresh, const QString& repeated);

// Stores the hash of the new password of `login` (cut to the field's 15 characters; letter case
// does not count); the user no longer has the shipped password. Throws DatabaseError.
void Store(const QString& login, const QString& fresh);

// True while `login` still has the password the program ships with (a new shop's administrator
// until he chooses his own). Throws DatabaseError.
bool StillShipped(const QString& login);

// What the login window says of the shop file at `databasePath` while its administrator still
// has the shipped password (the user and password to type the first time); empty text otherwise,
// for a server's shop, and for a file that cannot be read. Only reads the file.
QString ShippedPasswordHint(const QString& databasePath);

// The refusal to show for the owner's own password, or empty text: both fields filled, equal,
// and not the shipped password again.
QString CheckOwnPassword(const QString& fresh, const QString& repeated);

}
