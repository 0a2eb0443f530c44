#include "masterdata/VoucherStore.h"

#include "data/UDataModule.h"

#include <QRegularExpression>

namespace VoucherStore {

SqlRows List(Kind kind)
{
    return TDataModule1::instance().query(
        kind == Kind::Sales ? QStringLiteral("SELECT IdCompV, Comprobante, Numero FROM ComprobanteV ORDER BY IdCompV")
                            : QStringLiteral("SELECT IdCompC, Comprobante, Numero FROM ComprobanteC ORDER BY IdCompC"));
}

QString UpdateNumber(Kind kind, const QString& id, const QString& number)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^\\d{1,10}$"));
    bool idOk = false;
    const qint64 key = id.toLongLong(&idOk);
    if (!idOk || !wholeNumber.match(number).hasMatch())
        return QStringLiteral("Inserte correctamente los Datos");
    const int changed = TDataModule1::instance().execute(
        kind == Kind::Sales ? QStringLiteral("UPDATE ComprobanteV SET Numero=? WHERE IdCompV=?")
                            : QStringLiteral("UPDATE ComprobanteC SET Numero=? WHERE IdCompC=?"),
        {number.toLongLong(), key});
    if (changed == 0)
        return QStringLiteral("Inserte correctamente los Datos");
    return {};
}

}
