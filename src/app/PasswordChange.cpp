#include "app/PasswordChange.h"

#include "data/UDataModule.h"

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
    TDataModule1::instance().execute(QStringLiteral("UPDATE Usuario SET Clave=? WHERE Login=?"),
                                     {fresh.toLower().left(PasswordWidth), login});
}

}
