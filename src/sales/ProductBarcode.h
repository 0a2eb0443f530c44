#pragma once
#include <QString>
#include <QStringList>

// Finds the product a scanned bar code names, through the index on Productos.CodigoB. Only
// products for sale count; "0" and an empty code (the products without a code) never match.
namespace ProductBarcode {

struct Match {
    // The product's columns in the order of the register's product list: IdProducto, IdCategoria,
    // Marca, Producto, Presentacion, UMedida, StockM, PVenta, PVentaIVA, CodigoB, Stock.
    QStringList product;
    QString refusal;  // why the code adds nothing, for the cashier; empty when found
};

// `typed` is looked up as typed, without the blanks around it. Throws DatabaseError.
Match Find(const QString& typed);

// The statement of the lookup (for the query-plan check).
QString Statement();

}
