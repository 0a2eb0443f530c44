#include "sales/DispatchQueue.h"

#include "data/UDataModule.h"

#include <QRegularExpression>

namespace {

const QString kWaiting =
    QStringLiteral("SELECT IdIngreso, HoraV, Cliente, Obs FROM Ingresos WHERE Despachado=0 AND Estado='V' ORDER BY IdIngreso");
const QString kLines = QStringLiteral(
    "SELECT Cantidad, IdCategoria, IdProducto, Producto, CodUMedida, PrecioU, PrecioT, ControlStock FROM DetalleV "
    "WHERE IdIngreso=? ORDER BY IdDetalleV");

TDataModule1& Db() { return TDataModule1::instance(); }

}

namespace DispatchQueue {

QList<Order> Waiting()
{
    QList<Order> orders;
    for (SqlRows r = Db().query(kWaiting); !r.atEnd(); r.next())
        orders.append(Order{r.text(0), r.text(1), r.text(2), r.text(3)});
    return orders;
}

QList<Line> Lines(const QString& orderId)
{
    QList<Line> lines;
    for (SqlRows r = Db().query(kLines, {orderId}); !r.atEnd(); r.next())
        lines.append(Line{r.number(QStringLiteral("Cantidad")), int(r.integer(QStringLiteral("IdCategoria"))),
                          r.text(QStringLiteral("IdProducto")), r.text(QStringLiteral("Producto")),
                          int(r.integer(QStringLiteral("CodUMedida"))), r.amount(QStringLiteral("PrecioU")),
                          r.amount(QStringLiteral("PrecioT")), int(r.integer(QStringLiteral("ControlStock")))});
    return lines;
}

bool Dispatch(const QString& orderId)
{
    return Db().execute(QStringLiteral("UPDATE Ingresos SET Despachado=1 WHERE IdIngreso=? AND Despachado=0"), {orderId}) > 0;
}

QString UnitName(int code)
{
    static const QStringList names = {QStringLiteral("UNIDAD"), QStringLiteral("CAJA"), QStringLiteral("DOCENA"),
                                      QStringLiteral("LITRO"),  QStringLiteral("KILO"), QStringLiteral("GRAMO")};
    return names.value(code);
}

QString OrderNumber(const QString& orderId) { return orderId.mid(1, 9); }

QString ShortTime(const QString& stored)
{
    static const QRegularExpression time(QStringLiteral("(\\d{1,2}):(\\d{2})"));
    const QRegularExpressionMatch m = time.match(stored);
    if (!m.hasMatch())
        return {};
    return m.captured(1).rightJustified(2, QLatin1Char('0')) + QLatin1Char(':') + m.captured(2);
}

QStringList ReadStatements() { return {kWaiting, kLines}; }

}
