#pragma once
#include "data/SqlRows.h"
#include "purchases/PurchaseVoucher.h"

#include <QList>
#include <QStringList>
#include <optional>

// Reading stored purchases back: the list of the latest ones, their lines and their vouchers.
namespace StoredPurchases {

// The columns of the recent purchases list, in order; only the supplier is shown, the others
// carry the purchase's header.
enum Column {
    ColIdCompra,
    ColFechaC,
    ColNitCI,
    ColProveedor,
    ColNroFact,
    ColNroDUI,
    ColNroAut,
    ColTotalF,
    ColTotalE,
    ColSaldo,
    ColExentos,
    ColDescuentos,
    ColCodigoC,
    ColTipoC,
    ColFormaP,
    ColComprobante,
    ColCajero,
    ColIdCaja,
    ColumnCount
};
QStringList ColumnNames();

// How many purchases the list shows.
constexpr int RecentCount = 30;

// The latest valid purchases of one kind (Compras.Inventario), newest first, each as the list's
// texts: the date as dd/MM/yyyy, amounts in the general number format.
QList<QStringList> Recent(int inventory);
// Its statement, for checking the query plan (bound: the kind).
QString RecentStatement();

// The lines of a purchase of products or supplies, in the order they were entered: IdProducto,
// IdCategoria, Marca, Producto, Presentacion, UMedida, CInicial, CEntrante, PrecioU, PrecioT,
// IdCompra. A line whose item was deleted since keeps its place, without the item's names.
SqlRows GoodsLines(const QString& purchaseId);
// The lines of a service purchase, in order: Cantidad, Concepto, PrecioT.
SqlRows ServiceLines(const QString& purchaseId);

// The voucher of a stored purchase, from what was stored; nothing when it is no longer there.
std::optional<PurchaseVoucher> Voucher(const QString& purchaseId);

}
