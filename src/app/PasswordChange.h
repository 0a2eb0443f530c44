#pragma once
#include <QString>

// Changing the logged-in user's password from the login window.
namespace PasswordChange {

// The refusal to show, or empty text when the new password may be stored: every field filled,
// the current password equal to the one of the login (ignoring letter case, as the login does)
// and the repetition equal to the new one.
QString Check(const QString& loginPassword, const QString& current, const QString& fresh, const QString& repeated);

// Stores the new password of `login`, lower-cased and cut to the column's 15 characters.
// Throws DatabaseError.
void Store(const QString& login, const QString& fresh);

}
