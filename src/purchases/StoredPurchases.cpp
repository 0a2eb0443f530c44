#include "purchases/StoredPurchases.h"

#include "data/Formats.h"
#include "data/UDataModule.h"
#include "purchases/PurchaseCodes.h"

namespace StoredPurchases {

namespace {

TDataModule1& Db() { return TDataModule1::instance(); }

const QString kRecent =
    QStringLiteral(
        "SELECT IdCompra, FechaC, NitCI, Proveedor, NroFact, NroDUI, NroAut, TotalF, TotalE, Saldo, Exentos, Descuentos, "
        "CodigoC, TipoC, FormaP, Comprobante, Cajero, IdCaja FROM Compras WHERE Inventario=? AND Estado='V' "
        "ORDER BY IdCompra DESC LIMIT %1")
        .arg(RecentCount);

}

QStringList ColumnNames()
{
    return {QStringLiteral("IdCompra"), QStringLiteral("FechaC"), QStringLiteral("NitCI"),   QStringLiteral("Proveedor"),
            QStringLiteral("NroFact"),  QStringLiteral("NroDUI"), QStringLiteral("NroAut"),  QStringLiteral("TotalF"),
            QStringLiteral("TotalE"),   QStringLiteral("Saldo"),  QStringLiteral("Exentos"), QStringLiteral("Descuentos"),
            QStringLiteral("CodigoC"),  QStringLiteral("TipoC"),  QStringLiteral("FormaP"),  QStringLiteral("Comprobante"),
            QStringLiteral("Cajero"),   QStringLiteral("IdCaja")};
}

QString RecentStatement() { return kRecent; }

QList<QStringList> Recent(int inventory)
{
    QList<QStringList> rows;
    for (SqlRows r = Db().query(kRecent, {inventory}); !r.atEnd(); r.next()) {
        QStringList row;
        for (int column = 0; column < ColumnCount; ++column) {
            switch (column) {
            case ColFechaC: row << Formats::Date(r.date(column)); break;
            case ColTotalF:
            case ColTotalE:
            case ColSaldo:
            case ColExentos:
            case ColDescuentos: row << Formats::General(r.amount(column)); break;
            default: row << r.text(column); break;
            }
        }
        rows << row;
    }
    return rows;
}

SqlRows GoodsLines(const QString& purchaseId)
{
    return Db().query(QStringLiteral("SELECT D.IdProducto, COALESCE(P.IdCategoria, D.IdCategoria), P.Marca, P.Producto, "
                                     "P.Presentacion, P.UMedida, D.CInicial, D.CEntrante, D.PrecioU, D.PrecioT, "
                                     "D.IdCompra FROM DetalleC D LEFT JOIN Productos P ON P.IdProducto=D.IdProducto "
                                     "WHERE D.IdCompra=? ORDER BY D.IdDetalleC"),
                      {purchaseId});
}

SqlRows ServiceLines(const QString& purchaseId)
{
    return Db().query(QStringLiteral("SELECT Cantidad, Concepto, PrecioT FROM DetalleS WHERE IdCompra=? "
                                     "ORDER BY IdDetalleS"),
                      {purchaseId});
}

std::optional<PurchaseVoucher> Voucher(const QString& purchaseId)
{
    const ReadTransaction snapshot;
    const SqlRows header = Db().query(QStringLiteral("SELECT IdCompra, FechaC, NitCI, Proveedor, TotalF, TotalE, Saldo, "
                                                     "FormaP, Inventario FROM Compras WHERE IdCompra=?"),
                                      {purchaseId});
    if (header.isEmpty())
        return std::nullopt;
    PurchaseVoucher v;
    v.purchaseId = header.text(0);
    v.date = header.date(1);
    v.nitCi = header.text(2);
    v.supplierName = header.text(3);
    v.total = header.amount(4);
    v.cash = header.amount(5);
    v.changeOrBalance = header.amount(6);
    v.paymentForm = int(header.integer(7));
    v.paymentFormText = PurchaseCodes::PaymentFormName(v.paymentForm);
    if (header.integer(8) == PurchaseCodes::Services) {
        for (SqlRows line = ServiceLines(purchaseId); !line.atEnd(); line.next())
            v.lines.append({Formats::General(line.number(0)), line.text(1), QString(), 0, line.amount(2)});
    } else {
        for (SqlRows line = GoodsLines(purchaseId); !line.atEnd(); line.next())
            v.lines.append({Formats::General(line.number(7)), line.text(3), line.text(5), line.amount(8), line.amount(9)});
    }
    return v;
}

}
