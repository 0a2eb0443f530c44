#include "masterdata/UserAccounts.h"

#include "data/PasswordHash.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"

namespace UserAccounts {

namespace {

const QString kNoRights = QStringLiteral("00000000000000000000");
const QString kCurrentUser = QStringLiteral("Usuario actual no puede Editar estos Datos");
const QString kGone = QStringLiteral("El Usuario ya no existe en la Base de Datos");

UserData Trimmed(const UserData& data)
{
    return {data.login.trimmed(), data.password.trimmed(), data.confirmation.trimmed(), data.name.trimmed(),
            data.occupation.trimmed()};
}

// A new user needs a password; an update may leave both fields empty to keep the stored one.
QString CheckFields(const UserData& data, bool passwordRequired)
{
    const bool noPassword = data.password.isEmpty() && data.confirmation.isEmpty();
    if (data.login.isEmpty() || data.name.isEmpty() || data.occupation.isEmpty() || (passwordRequired && noPassword))
        return QStringLiteral("Inserte los datos correctamente");
    if (data.password != data.confirmation)
        return QStringLiteral("Claves no coinciden");
    return {};
}

bool Exists(const QString& login)
{
    // Login compares ignoring letter case in the table itself.
    return TDataModule1::instance().query(QStringLiteral("SELECT COUNT(*) FROM Usuario WHERE Login=?"), {login}).integer(0)
           > 0;
}

QString LoginTaken() { return QStringLiteral("El Login ya existe en la Base de Datos"); }

}

QList<User> List()
{
    SqlRows rows = TDataModule1::instance().query(QStringLiteral("SELECT * FROM Usuario ORDER BY Nombre"));
    QList<User> users;
    for (rows.first(); !rows.atEnd(); rows.next()) {
        User user{rows.text(0), rows.text(2), rows.text(3), rows.text(4) != QLatin1String("0"), {}};
        for (int column = 5; column <= 9; ++column)
            user.rights << rows.text(column);
        users << user;
    }
    return users;
}

bool IsCurrentUser(const QString& login)
{
    return login.trimmed().compare(SessionState::current().UserLogin.trimmed(), Qt::CaseInsensitive) == 0;
}

QString Insert(const UserData& typed)
{
    const UserData data = Trimmed(typed);
    if (const QString refusal = CheckFields(data, true); !refusal.isEmpty())
        return refusal;
    const QString hash = PasswordHash::Make(data.password);  // slow: before the write lock
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    if (Exists(data.login))
        return LoginTaken();
    db.execute(
        QStringLiteral("INSERT INTO Usuario(Login, ClaveHash, Nombre, Ocupacion, Estado, M1, M2, M3, M4, M5, "
                       "M6) VALUES(?, ?, ?, ?, 1, ?, ?, ?, ?, ?, ?)"),
        {data.login, hash, data.name, data.occupation, kNoRights, kNoRights, kNoRights, kNoRights, kNoRights, kNoRights});
    transaction.commit();
    return {};
}

QString Update(const QString& oldLogin, const UserData& typed)
{
    const UserData data = Trimmed(typed);
    if (const QString refusal = CheckFields(data, false); !refusal.isEmpty())
        return refusal;
    const bool newPassword = !data.password.isEmpty();
    const QString hash = newPassword ? PasswordHash::Make(data.password) : QString();  // before the lock
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    // Only another user's login is in the way; a change of letter case is the same login.
    const bool renamed = data.login.compare(oldLogin, Qt::CaseInsensitive) != 0;
    if (renamed && Exists(data.login))
        return LoginTaken();
    const SqlRows stored = db.query(QStringLiteral("SELECT ClaveHash FROM Usuario WHERE Login=?"), {oldLogin});
    if (stored.isEmpty())
        return kGone;
    db.execute(QStringLiteral("UPDATE Usuario SET Login=?, Nombre=?, Ocupacion=? WHERE Login=?"),
               {data.login, data.name, data.occupation, oldLogin});
    // Typing the password he already has changes nothing, not even the shipped-password mark.
    if (newPassword && !PasswordHash::Matches(data.password, stored.text(0)))
        db.execute(QStringLiteral("UPDATE Usuario SET ClaveHash=?, Clave='', CambiarClave=0 WHERE Login=?"),
                   {hash, data.login});
    const bool self = IsCurrentUser(oldLogin);
    transaction.commit();
    if (self)
        SessionState::current().UserLogin = data.login.toLower();
    return {};
}

QString SetActive(const QString& login, bool active)
{
    if (IsCurrentUser(login))
        return kCurrentUser;
    if (TDataModule1::instance().execute(QStringLiteral("UPDATE Usuario SET Estado=? WHERE Login=?"), {active ? 1 : 0, login})
        == 0)
        return kGone;
    return {};
}

QString Remove(const QString& login)
{
    if (IsCurrentUser(login))
        return kCurrentUser;
    TDataModule1::instance().execute(QStringLiteral("DELETE FROM Usuario WHERE Login=?"), {login});
    return {};
}

QString SaveRights(const QString& login, const QStringList& rights)
{
    const QString manageUsers = rights.value(kManageUsersString).mid(kManageUsersPosition - 1, 1);
    if (IsCurrentUser(login) && manageUsers != QLatin1String("1"))
        return kCurrentUser;
    if (TDataModule1::instance().execute(
            QStringLiteral("UPDATE Usuario SET M1=?, M2=?, M3=?, M4=?, M5=? WHERE Login=?"),
            {rights.value(0), rights.value(1), rights.value(2), rights.value(3), rights.value(4), login})
        == 0)
        return kGone;
    return {};
}

}
