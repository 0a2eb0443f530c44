#include "sales/StoredSale.h"

#include "data/Formats.h"
#include "data/UDataModule.h"
#include "sales/PaymentForms.h"

namespace {

const QString kSale = QStringLiteral(
    "SELECT IdVenta, FechaV, NroFact, NroAut, Estado, NitCI, Cliente, TotalF, TotalE, Saldo, CodigoC, Sucursal, "
    "HoraV, FormaP, Comprobante, IdCaja, IdDosificacion, Obs, Cajero FROM Ventas WHERE IdVenta=?");
// A line keeps its quantity and prices even when its product was deleted since.
const QString kLines =
    QStringLiteral("SELECT D.Cantidad, D.IdProducto, COALESCE(P.IdCategoria, D.IdCategoria) AS IdCategoria, P.Marca, "
                   "COALESCE(P.Producto, D.Producto) AS Producto, P.Presentacion, P.UMedida, P.StockM, D.PrecioU, D.PrecioT, "
                   "P.CodigoB FROM DetalleV D LEFT JOIN Productos P ON P.IdProducto=D.IdProducto "
                   "WHERE D.IdVenta=? ORDER BY D.IdDetalleV");
const QString kCompany = QStringLiteral("SELECT Empresa FROM Clientes WHERE NitCI=?");
// A re-entered authorization number is read as its latest dosage.
const QString kDosage =
    QStringLiteral("SELECT FLimiteE, Leyenda FROM Dosificaciones WHERE NAutorizacion=? ORDER BY IdDosificacion DESC LIMIT 1");

TDataModule1& Db() { return TDataModule1::instance(); }

StoredSale FromRow(const SqlRows& r)
{
    StoredSale sale;
    sale.IdVenta = r.text(QStringLiteral("IdVenta"));
    sale.FechaV = r.date(QStringLiteral("FechaV"));
    sale.NroFact = r.integer(QStringLiteral("NroFact"));
    sale.NroAut = QString::number(r.integer(QStringLiteral("NroAut")));
    sale.Estado = r.text(QStringLiteral("Estado"));
    sale.NitCI = r.text(QStringLiteral("NitCI"));
    sale.Cliente = r.text(QStringLiteral("Cliente"));
    sale.TotalF = r.amount(QStringLiteral("TotalF"));
    sale.TotalE = r.amount(QStringLiteral("TotalE"));
    sale.Saldo = r.amount(QStringLiteral("Saldo"));
    sale.CodigoC = r.text(QStringLiteral("CodigoC"));
    sale.Sucursal = int(r.integer(QStringLiteral("Sucursal")));
    sale.HoraV = r.text(QStringLiteral("HoraV"));
    sale.FormaP = int(r.integer(QStringLiteral("FormaP")));
    sale.Comprobante = int(r.integer(QStringLiteral("Comprobante")));
    sale.IdCaja = r.text(QStringLiteral("IdCaja"));
    sale.IdDosificacion = int(r.integer(QStringLiteral("IdDosificacion")));
    sale.Obs = r.text(QStringLiteral("Obs"));
    sale.Cajero = r.text(QStringLiteral("Cajero"));
    return sale;
}

QList<StoredSaleLine> ReadLines(const QString& saleId)
{
    QList<StoredSaleLine> lines;
    for (SqlRows r = Db().query(kLines, {saleId}); !r.atEnd(); r.next())
        lines.append(StoredSaleLine{r.number(0), r.text(1), int(r.integer(2)), r.text(3), r.text(4), r.text(5), r.text(6),
                                    r.number(7), r.amount(8), r.amount(9), r.text(10)});
    return lines;
}

std::optional<VoucherDosage> ReadDosage(const QString& authorization)
{
    if (authorization.isEmpty() || authorization == QLatin1String("0"))
        return std::nullopt;
    const SqlRows r = Db().query(kDosage, {authorization});
    if (r.isEmpty())
        return std::nullopt;
    return VoucherDosage{r.date(0), r.text(1)};
}

}

SaleVoucher StoredSale::voucher() const
{
    SaleVoucher v;
    v.saleId = IdVenta;
    v.date = FechaV;
    v.time = HoraV;
    v.voucherKind = Comprobante;
    v.invoiceNumber = NroFact;
    v.authorization = NroAut;
    v.controlCode = CodigoC;
    v.nitCi = NitCI;
    v.clientName = Cliente;
    v.clientNameTyped = !Cliente.isEmpty();
    v.clientCompany = clientCompany;
    v.paymentForm = FormaP;
    v.paymentFormText = PaymentForms::Name(FormaP);
    v.total = TotalF;
    v.cashReceived = TotalE;
    v.changeOrBalance = Saldo;
    v.observation = Obs;
    v.cashier = Cajero;
    for (const StoredSaleLine& line : lines)
        v.lines.append(
            SaleVoucherLine{Formats::General(line.quantity), line.product, line.unit, line.unitPrice, line.lineTotal});
    v.dosage = dosage;
    return v;
}

namespace StoredSales {

QString SaleKey(const QString& numberText)
{
    const QString digits = numberText.trimmed();
    bool number = false;
    const qint64 n = digits.toLongLong(&number);
    if (!number || n < 0 || digits.size() > 9 || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
        return {};
    return QStringLiteral("V") + QString::number(n).rightJustified(9, QLatin1Char('0'));
}

std::optional<StoredSale> Find(const QString& saleId)
{
    ReadTransaction snapshot;
    const SqlRows row = Db().query(kSale, {saleId});
    if (row.isEmpty())
        return std::nullopt;
    StoredSale sale = FromRow(row);
    sale.lines = ReadLines(sale.IdVenta);
    sale.clientCompany = Db().query(kCompany, {sale.NitCI}).text(0);
    sale.dosage = ReadDosage(sale.NroAut);
    return sale;
}

QStringList ReadStatements() { return {kSale, kLines, kCompany, kDosage}; }

}
