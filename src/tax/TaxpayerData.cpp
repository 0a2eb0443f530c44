#include "tax/TaxpayerData.h"

#include "data/SessionState.h"
#include "data/UDataModule.h"

TaxpayerData TaxpayerData::fromSession()
{
    const SessionState& s = SessionState::current();
    return {s.OwnerName, s.HeadOfficePhone, s.HeadOfficeAddress, s.HeadOfficeCity, s.EconomicActivity};
}

QString TaxpayerData::check() const
{
    if (city.trimmed().isEmpty() || address.trimmed().isEmpty() || activity.trimmed().isEmpty())
        return QStringLiteral("Inserte correctamente los Datos Requeridos *");
    return {};
}

void TaxpayerData::save() const
{
    const QString cutOwner = CutToWidth(owner.trimmed(), 50);
    const QString cutPhone = CutToWidth(phone.trimmed(), 10);
    const QString cutAddress = CutToWidth(address.trimmed(), 40);
    const QString cutCity = CutToWidth(city.trimmed(), 30);
    const QString cutActivity = CutToWidth(activity.trimmed(), 50);
    // DatosC holds exactly one row.
    TDataModule1::instance().execute(
        QStringLiteral("UPDATE DatosC SET Propietario=?, TelefonoM=?, DireccionM=?, CiudadM=?, ActividadE=?"),
        {cutOwner, cutPhone, cutAddress, cutCity, cutActivity});
    SessionState& s = SessionState::current();
    s.OwnerName = cutOwner;
    s.HeadOfficePhone = cutPhone;
    s.HeadOfficeAddress = cutAddress;
    s.HeadOfficeCity = cutCity;
    s.EconomicActivity = cutActivity;
}
