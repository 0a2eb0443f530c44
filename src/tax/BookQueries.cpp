#include "tax/BookQueries.h"

#include "data/Formats.h"
#include "data/UDataModule.h"

namespace BookQueries {

QString SalesStatement()
{
    return QStringLiteral(
        "SELECT IdVenta, FechaV, NroFact, NroAut, Estado, NitCI, Cliente, TotalF, ICE, Exentos, Neto, IVA, CodigoC, "
        "Sucursal, IdDosificacion FROM Ventas WHERE FechaV >= ? AND FechaV < ? AND NroFact <> 0 "
        "ORDER BY IdDosificacion, NroFact");
}

QString PurchasesStatement()
{
    return QStringLiteral(
        "SELECT IdCompra, FechaC, NitCI, Proveedor, NroFact, NroDUI, NroAut, TotalF, Exentos, SubTotal, Descuentos, "
        "ImpBase, CreditoF, CodigoC, TipoC FROM Compras WHERE FechaC >= ? AND FechaC < ? AND Comprobante = 1 "
        "ORDER BY FechaC, NroFact");
}

SqlRows Load(BookKind kind, const BookPeriod& period)
{
    return TDataModule1::instance().query(kind == BookKind::Sales ? SalesStatement() : PurchasesStatement(),
                                          {Formats::IsoDate(period.from()), Formats::IsoDate(period.until())});
}

}
