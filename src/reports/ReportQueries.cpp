#include "reports/ReportQueries.h"

#include "data/Formats.h"

namespace ReportQueries {

namespace {

QVariantList Range(const QDate& from, const QDate& to) { return {Formats::IsoDate(from), Formats::IsoDate(to.addDays(1))}; }

// The item filters of the sales and deliveries table.
void AddItemFilter(Statement& s, const ItemFilter& filter)
{
    if (filter.categoryId != 0) {
        s.sql += QStringLiteral(" AND P.IdCategoria = ?");
        s.values << filter.categoryId;
        if (!filter.itemId.isEmpty())
            s.sql += QStringLiteral(" AND P.IdCategoria = D.IdCategoria");
    }
    if (!filter.itemId.isEmpty()) {
        s.sql += QStringLiteral(" AND P.IdProducto = ?");
        s.values << filter.itemId;
    }
}

}

Statement ProductTable(int mode, const QDate& from, const QDate& to, const ItemFilter& filter)
{
    Statement s;
    s.values = Range(from, to);
    if (mode == 6) {
        s.sql = QStringLiteral("SELECT SUM(D.Cantidad) AS Cantidad, P.Producto, P.UMedida "
                               "FROM EntregaI E CROSS JOIN DetalleEI D CROSS JOIN Productos P "
                               "WHERE E.FechaE >= ? AND E.FechaE < ? AND D.IdEntrega = E.IdEntrega AND D.Estado = 'V' "
                               "AND D.IdProducto = P.IdProducto");
        AddItemFilter(s, filter);
        s.sql += QStringLiteral(" GROUP BY P.Producto, P.UMedida ORDER BY P.Producto");
        return s;
    }
    s.sql = QStringLiteral("SELECT SUM(D.Cantidad) AS Cantidad, P.Producto, P.UMedida, D.PrecioU, SUM(D.PrecioT) AS Total "
                           "FROM Ventas V CROSS JOIN DetalleV D CROSS JOIN Productos P "
                           "WHERE V.FechaV >= ? AND V.FechaV < ? AND D.IdVenta = V.IdVenta AND D.Estado = 'V' "
                           "AND D.IdProducto = P.IdProducto");
    AddItemFilter(s, filter);
    s.sql += QStringLiteral(" GROUP BY P.Producto, P.UMedida, D.PrecioU ORDER BY P.Producto, D.PrecioU");
    return s;
}

Statement SalesByPaymentForm(const QDate& from, const QDate& to, const QString& nitCI, int paymentForm, bool byName)
{
    Statement s;
    s.values = Range(from, to);
    s.sql = QStringLiteral("SELECT IdVenta, FechaV, NitCI, Cliente, TotalF, TotalE, Saldo FROM Ventas "
                           "WHERE FechaV >= ? AND FechaV < ?");
    if (!nitCI.isEmpty()) {
        s.sql += QStringLiteral(" AND NitCI = ?");
        s.values << nitCI;
    }
    s.sql += QStringLiteral(" AND Estado = 'V' AND FormaP = ?");
    s.values << paymentForm;
    s.sql += byName ? QStringLiteral(" ORDER BY Cliente, IdVenta") : QStringLiteral(" ORDER BY IdVenta");
    return s;
}

Statement LinesOfSales(const QDate& from, const QDate& to, const QString& nitCI, int paymentForm)
{
    Statement s;
    s.values = Range(from, to);
    // A product deleted since the sale still shows its line (without a name), so the lines add
    // up to the sale.
    s.sql = QStringLiteral("SELECT D.Cantidad, P.Producto, D.PrecioU, D.PrecioT, D.IdVenta "
                           "FROM Ventas V CROSS JOIN DetalleV D LEFT JOIN Productos P ON P.IdProducto = D.IdProducto "
                           "WHERE V.FechaV >= ? AND V.FechaV < ?");
    if (!nitCI.isEmpty()) {
        s.sql += QStringLiteral(" AND V.NitCI = ?");
        s.values << nitCI;
    }
    s.sql += QStringLiteral(" AND V.Estado = 'V' AND V.FormaP = ? AND D.IdVenta = V.IdVenta ORDER BY D.IdDetalleV");
    s.values << paymentForm;
    return s;
}

Statement PurchaseTable(int inventory, const QDate& from, const QDate& to, const ItemFilter& filter)
{
    Statement s;
    s.values = Range(from, to);
    s.sql = QStringLiteral("SELECT SUM(D.CEntrante) AS Cantidad, P.Producto, P.UMedida, D.PrecioU, SUM(D.PrecioT) AS Total "
                           "FROM Compras C CROSS JOIN DetalleC D CROSS JOIN Productos P "
                           "WHERE C.FechaC >= ? AND C.FechaC < ? AND D.IdCompra = C.IdCompra AND D.IdProducto = P.IdProducto");
    if (filter.categoryId != 0) {
        s.sql += QStringLiteral(" AND P.IdCategoria = ? AND P.IdCategoria = D.IdCategoria");
        s.values << filter.categoryId;
    } else {
        s.sql += QStringLiteral(" AND C.Inventario = ?");
        s.values << inventory;
    }
    if (!filter.itemId.isEmpty()) {
        s.sql += QStringLiteral(" AND P.IdProducto = ?");
        s.values << filter.itemId;
    }
    s.sql += QStringLiteral(" GROUP BY P.Producto, P.UMedida, D.PrecioU ORDER BY P.Producto, D.PrecioU");
    return s;
}

Statement ServiceTable(const QDate& from, const QDate& to)
{
    Statement s;
    s.values = Range(from, to);
    // The concept column ignores letter case; the appended '' makes the grouping exact.
    s.sql = QStringLiteral("SELECT SUM(D.Cantidad) AS Cantidad, D.Concepto || '' AS Concepto, SUM(D.PrecioT) AS Total "
                           "FROM Compras C CROSS JOIN DetalleS D "
                           "WHERE C.FechaC >= ? AND C.FechaC < ? AND C.Inventario = 3 AND D.IdCompra = C.IdCompra "
                           "GROUP BY D.Concepto || '' ORDER BY UPPER(D.Concepto || ''), D.Concepto || ''");
    return s;
}

}
