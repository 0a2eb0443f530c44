#include "app/PasswordChange.h"

#include "data/DatabaseCreator.h"
#include "data/EngineConnection.h"
#include "data/PasswordHash.h"
#include "data/ReadOnlyDatabase.h"
#include "data/UDataModule.h"

#include <QFileInfo>

namespace PasswordChange {

namespace {
constexpr int PasswordWidth = 15;
}

QString Check(const QString& loginPassword, const QString& current, const QString& fresh, const QString& repeated)
{
    if (current.isEmpty() || fresh.isEmpty() || repeated.isEmpty())
        return QStringLiteral("Inserte todos los datos requeridos");
    if (current.toLower() != loginPassword.toLower())
        return QStringLiteral("ERROR: Clave actual no Coincide");
    if (fresh != repeated)
        return QStringLiteral("ERROR: Clave Nueva no Coincide");
    return {};
}

void Store(const QString& login, const QString& fresh)
{
    TDataModule1::instance().execute(QStringLiteral("UPDATE Usuario SET ClaveHash=?, Clave='', CambiarClave=0 WHERE Login=?"),
                                     {PasswordHash::Make(fresh.left(PasswordWidth)), login});
}

bool StillShipped(const QString& login)
{
    return TDataModule1::instance().query(QStringLiteral("SELECT CambiarClave FROM Usuario WHERE Login=?"), {login}).integer(0)
           == 1;
}

QString ShippedPasswordHint(const QString& databasePath)
{
    if (EngineConnection::engineOf(databasePath) != EngineKind::SQLite || !QFileInfo(databasePath).isFile())
        return {};
    ReadOnlyDatabase shop(databasePath, ReadOnlyDatabase::Open::Tidy);
    QList<QVariantList> rows;
    QString error;
    if (!shop.error().isEmpty()
        || !ReadRows(shop.connection(), QStringLiteral("SELECT Login FROM Usuario WHERE CambiarClave=1 AND Login=?"),
                     {QString::fromLatin1(DatabaseCreator::kAdminLogin)}, &rows, &error)
        || rows.isEmpty())
        return {};
    return QStringLiteral("Primera vez en esta tienda: usuario %1, clave %2 (luego elegirá una clave propia)")
        .arg(QLatin1String(DatabaseCreator::kAdminLogin), QLatin1String(DatabaseCreator::kAdminPassword));
}

QString CheckOwnPassword(const QString& fresh, const QString& repeated)
{
    if (fresh.isEmpty() || repeated.isEmpty())
        return QStringLiteral("Inserte todos los datos requeridos");
    if (fresh != repeated)
        return QStringLiteral("ERROR: Clave Nueva no Coincide");
    if (fresh.compare(QLatin1String(DatabaseCreator::kAdminPassword), Qt::CaseInsensitive) == 0)
        return QStringLiteral("La clave nueva no puede ser la clave de fábrica; elija otra");
    return {};
}

}
