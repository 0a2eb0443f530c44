#pragma once
#include "data/SqlRows.h"

#include <QString>
#include <QStringList>

// The catalogue rows (table Productos) and what follows a product's category. Refusals come back
// as the message to show (empty text when the write was done); engine failures throw DatabaseError.
namespace ProductStore {

struct Product {
    QString IdProducto;  // empty for a new product: the key is taken when it is stored
    int Inventario = 0;  // 1 products for sale, 2 supplies
    int IdCategoria = 0;
    QString Marca, Producto, Presentacion, UMedida;
    double StockM = 0, PCompra = 0, PVenta = 0, PVentaIVA = 0;
    QString CodigoB;
};

// Every product of an inventory, all columns in table order, by category and name.
SqlRows ListOf(int inventory);
// The key the next product would get; only a preview, as another station may take it first.
QString PreviewKey();
// Stores a new product under the next key of the product counter, both in one transaction; the
// key given is written to *key.
QString Insert(const Product& product, const QString& user, QString* key);
// Rewrites the product (its inventory stays); the name is checked when it differs from the one the
// product had when chosen. When the category changes, the product's sale, purchase and delivery
// lines follow it in the same transaction, so its history stays in its category.
QString Update(const Product& product, const QString& chosenName);
// False when the product is no longer there.
bool SetEnabled(const QString& id, bool enabled);
// Deletes a product nothing was ever sold, bought or handed out of; one with history is refused
// (the reports join the catalogue) and is disabled instead.
QString Remove(const QString& id);

// The statements that carry a product's lines to its new category (values: category, product).
QStringList CategoryRewriteStatements();

}
