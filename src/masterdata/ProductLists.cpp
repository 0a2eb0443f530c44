#include "masterdata/ProductLists.h"

#include "data/UDataModule.h"

namespace ProductLists {

QList<CategoryButton> Categories()
{
    SqlRows rows = TDataModule1::instance().query(
        QStringLiteral("SELECT IdCategoria, Categoria, Icono, Estado FROM Categorias ORDER BY IdCategoria"));
    QList<CategoryButton> categories;
    for (; !rows.atEnd(); rows.next())
        categories.append({int(rows.integer(0)), rows.text(1), rows.blob(2), rows.integer(3) == 1});
    return categories;
}

SqlRows EnabledProductsOf(int category)
{
    return TDataModule1::instance().query(
        QStringLiteral("SELECT IdProducto, IdCategoria, Marca, Producto, Presentacion, UMedida, StockM, PCompra, CodigoB, "
                       "Ingreso, Egreso FROM Productos WHERE IdCategoria=? AND Estado=1 ORDER BY Producto"),
        {category});
}

}
