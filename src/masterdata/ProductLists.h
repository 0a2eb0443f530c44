#pragma once
#include "data/SqlRows.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What the product picker reads. Each throws DatabaseError.
namespace ProductLists {

struct CategoryButton {
    int IdCategoria = 0;
    QString Categoria;
    QByteArray Icono;
    bool enabled = false;  // Estado 1
};

// Every category, in key order.
QList<CategoryButton> Categories();

// The enabled products of one category by name: IdProducto, IdCategoria, Marca, Producto,
// Presentacion, UMedida, StockM, PCompra, CodigoB, Ingreso, Egreso.
SqlRows EnabledProductsOf(int category);

}
