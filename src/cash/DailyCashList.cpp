#include "cash/DailyCashList.h"

#include "data/Formats.h"
#include "data/UDataModule.h"

#include <QDate>

namespace DailyCashList {

SqlRows ClosedSessions(int year)
{
    const QDate from(year, 1, 1);
    return TDataModule1::instance().query(
        QStringLiteral("SELECT * FROM Caja WHERE Fecha >= ? AND Fecha < ? AND Estado=0 ORDER BY IdCaja DESC"),
        {Formats::IsoDate(from), Formats::IsoDate(from.addYears(1))});
}

}
