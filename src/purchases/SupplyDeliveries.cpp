#include "purchases/SupplyDeliveries.h"

#include "data/Formats.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"

namespace SupplyDeliveries {

namespace {
TDataModule1& Db() { return TDataModule1::instance(); }
}

QList<SupplyCategory> Categories()
{
    QList<SupplyCategory> categories;
    for (SqlRows r = Db().query(QStringLiteral("SELECT IdCategoria, Categoria, Icono, Estado FROM Categorias "
                                               "WHERE IdCategoria >= ? AND IdCategoria <= ? ORDER BY IdCategoria"),
                                {FirstCategory, LastCategory});
         !r.atEnd(); r.next())
        categories << SupplyCategory{int(r.integer(0)), r.text(1), r.blob(2), r.integer(3) == 1};
    return categories;
}

SqlRows SupplyList(int category)
{
    return Db().query(QStringLiteral("SELECT IdProducto, IdCategoria, Marca, Producto, Presentacion, UMedida, StockM, "
                                     "CodigoB, (Ingreso - Egreso) AS Stock FROM Productos "
                                     "WHERE IdCategoria=? AND Estado=1 ORDER BY Producto"),
                      {category});
}

std::optional<QString> ClientName(const QString& nitCi)
{
    const SqlRows client = Db().query(QStringLiteral("SELECT Cliente FROM Clientes WHERE NitCI=?"), {nitCi});
    if (client.isEmpty())
        return std::nullopt;
    return client.text(0);
}

QString NextOrderNumber() { return NextCounterId(DeliveryCounter); }

QString DeliveryId(const QString& orderNumber)
{
    const QString digits = orderNumber.trimmed();
    bool number = !digits.isEmpty();
    for (const QChar c : digits)
        number = number && c.isDigit();
    if (!number)
        return {};
    return QStringLiteral("E") + digits.rightJustified(9, QLatin1Char('0'));
}

QString HeaderStatement()
{
    return QStringLiteral("SELECT IdEntrega, FechaE, NitCI, Cliente, HoraE, Obs, Sucursal, Cajero, IdCaja, Estado "
                          "FROM EntregaI WHERE IdEntrega=?");
}

SqlRows Header(const QString& deliveryId) { return Db().query(HeaderStatement(), {deliveryId}); }

QString LinesStatement()
{
    return QStringLiteral("SELECT D.Cantidad, D.IdProducto, D.IdCategoria, P.Marca, P.Producto, P.Presentacion, "
                          "P.UMedida, P.StockM, P.CodigoB "
                          "FROM DetalleEI D LEFT JOIN Productos P ON P.IdProducto=D.IdProducto WHERE D.IdEntrega=?");
}

SqlRows Lines(const QString& deliveryId) { return Db().query(LinesStatement(), {deliveryId}); }

QString YearListStatement()
{
    return QStringLiteral("SELECT IdEntrega, FechaE, NitCI, Cliente, HoraE, Obs, Sucursal, Cajero, IdCaja, Estado "
                          "FROM EntregaI WHERE FechaE >= ? AND FechaE < ? AND IdCaja <> ? "
                          "ORDER BY Cliente, IdEntrega DESC");
}

QVariantList YearListValues(int year, const QString& excludedSession)
{
    // Without an open session nothing is left out: an empty key, never NULL, which would compare
    // as unknown and leave out every row.
    const QString session = excludedSession.isNull() ? QStringLiteral("") : excludedSession;
    return {Formats::IsoDate(QDate(year, 1, 1)), Formats::IsoDate(QDate(year + 1, 1, 1)), session};
}

SqlRows YearList(int year, const QString& excludedSession)
{
    return Db().query(YearListStatement(), YearListValues(year, excludedSession));
}

SupplyDeliveryVoucher Voucher(const QString& deliveryId)
{
    SupplyDeliveryVoucher voucher;
    ReadTransaction snapshot;
    const SqlRows header = Header(deliveryId);
    if (header.isEmpty())
        return voucher;
    voucher.deliveryId = header.text(0);
    voucher.date = header.date(1);
    voucher.nitCi = header.text(2);
    voucher.recipient = header.text(3);
    voucher.observation = header.text(5);
    for (SqlRows r = Lines(deliveryId); !r.atEnd(); r.next())
        voucher.lines << SupplyDeliveryLine{Formats::General(r.number(0)), r.text(4), r.text(6)};
    return voucher;
}

}
