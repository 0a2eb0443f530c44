#include "tax/TaxpayerIdentity.h"

#include "data/SessionState.h"
#include "data/UDataModule.h"

namespace TaxpayerIdentity {

namespace {
constexpr int kNitWidth = 15, kNameWidth = 50;

bool noSale() { return TDataModule1::instance().query(QStringLiteral("SELECT COUNT(*) FROM Ventas")).integer(0) == 0; }
}

bool Editable() { return noSale(); }

QString Save(const QString& typedNit, const QString& typedName)
{
    const QString nit = typedNit.trimmed(), name = typedName.simplified().toUpper();
    if (nit.isEmpty() || name.isEmpty())
        return QStringLiteral("Inserte el NIT y la Razón Social");
    for (const QChar c : nit)
        if (!c.isDigit())
            return QStringLiteral("'%1' no es un NIT valido: solo puede tener digitos").arg(nit);
    if (nit.size() > kNitWidth || name.size() > kNameWidth)
        return QStringLiteral("El NIT admite %1 digitos y la Razón Social %2 caracteres").arg(kNitWidth).arg(kNameWidth);
    TDataModule1& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    if (!noSale())
        return QStringLiteral("La tienda ya tiene ventas: el NIT y la Razón Social ya no cambian");
    db.execute(QStringLiteral("UPDATE DatosC SET NIT=?, RazonSocial=?"), {nit, name});
    transaction.commit();
    SessionState& s = SessionState::current();
    s.TaxpayerNit = nit;
    s.TaxpayerName = name;
    return {};
}

}
