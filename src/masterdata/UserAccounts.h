#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The users of table Usuario and their rights. Every function that writes returns the refusal
// to show (empty text on success) and throws DatabaseError when the engine fails; a refusal
// writes nothing.
namespace UserAccounts {

// One Usuario row as the users list shows it: never its password (only its hash is stored).
struct User {
    QString login;
    QString name;
    QString occupation;
    bool active = true;
    QStringList rights;  // M1..M5
};

// The five fields of the user data tab, as typed.
struct UserData {
    QString login;
    QString password;
    QString confirmation;
    QString name;
    QString occupation;
};

// "SELECT * FROM Usuario ORDER BY Nombre".
QList<User> List();

// The logged-in user is `login` (logins compare ignoring letter case).
bool IsCurrentUser(const QString& login);

// A new user: active, with no right at all, his password stored as its hash. Refused with an
// empty field, differing passwords or a login that exists in any letter case.
QString Insert(const UserData& data);
// Rewrites login, name and occupation of the user `oldLogin`, and his password when one is typed
// (both password fields empty keep the stored one). A new password other than the one he has
// clears his "still the shipped password" mark. When the logged-in user renames himself the
// session follows him, so he stays the current user.
QString Update(const QString& oldLogin, const UserData& data);
// Blocks (false) or activates (true) a user; never the logged-in one.
QString SetActive(const QString& login, bool active);
// Deletes a user; never the logged-in one.
QString Remove(const QString& login);
// Stores M1..M5 (M6 stays as it is). The logged-in user cannot take away his own right to
// manage users, or nobody could give it back.
QString SaveRights(const QString& login, const QStringList& rights);

// Where "Gestionar Usuarios" sits: third string (M3), second position.
constexpr int kManageUsersString = 2;
constexpr int kManageUsersPosition = 2;

}
