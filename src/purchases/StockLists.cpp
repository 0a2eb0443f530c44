#include "purchases/StockLists.h"

#include "data/UDataModule.h"

namespace StockLists {

namespace {

constexpr int SupplyCategoryOffset = 16;

// The condition and the values of a filter, in the order they are bound.
struct Condition {
    QString sql;
    QVariantList values;

    void add(const char* clause, const QVariant& value)
    {
        sql += QLatin1String(clause);
        values << value;
    }
};

// The item filter reads the category and brand; a category holds one kind of item only.
Condition NamesCondition(const StockFilter& f)
{
    Condition c;
    if (f.categoryId != 0)
        c.add("(IdCategoria=?)AND", f.categoryId);
    else
        c.add("(Inventario=?)AND", f.inventory);
    if (!f.brand.isEmpty())
        c.add("(Marca=?)AND", f.brand);
    c.sql += QLatin1String("(Estado=1)");
    return c;
}

// The list reads all three; without a category, a chosen item is found by name alone.
Condition ListCondition(const StockFilter& f)
{
    Condition c;
    if (f.categoryId != 0)
        c.add("(IdCategoria=?)AND", f.categoryId);
    else if (f.item.isEmpty())
        c.add("(Inventario=?)AND", f.inventory);
    if (!f.brand.isEmpty())
        c.add("(Marca=?)AND", f.brand);
    if (!f.item.isEmpty())
        c.add("(Producto=?)AND", f.item);
    c.sql += QLatin1String("(Estado=1)");
    return c;
}

QStringList Column(const QString& sql, const QVariantList& values, int column)
{
    QStringList texts;
    for (SqlRows rows = TDataModule1::instance().query(sql, values); !rows.atEnd(); rows.next())
        texts << rows.text(column);
    return texts;
}

}

int CategoryIdAt(int inventory, int position) { return inventory == 2 ? position + SupplyCategoryOffset : position; }

QStringList CategoryNames(int inventory)
{
    return Column(QStringLiteral("SELECT IdCategoria, Categoria FROM Categorias WHERE Inventario=? ORDER BY IdCategoria"),
                  {inventory}, 1);
}

QStringList BrandNames() { return Column(QStringLiteral("SELECT IdMarca, Marca FROM Marcas ORDER BY IdMarca"), {}, 1); }

QStringList ItemNames(const StockFilter& filter)
{
    const Condition c = NamesCondition(filter);
    return Column(QStringLiteral("SELECT IdProducto, Producto FROM Productos WHERE ") + c.sql
                      + QStringLiteral(" ORDER BY Producto"),
                  c.values, 1);
}

QList<StockItem> Items(const StockFilter& filter)
{
    const Condition c = ListCondition(filter);
    SqlRows rows = TDataModule1::instance().query(
        QStringLiteral("SELECT IdProducto, IdCategoria, Marca, Producto, Presentacion, UMedida, StockM, PCompra, PVenta, "
                       "PVentaIVA, CodigoB, Ingreso, Egreso FROM Productos WHERE ")
            + c.sql + QStringLiteral(" ORDER BY IdCategoria, Producto"),
        c.values);
    QList<StockItem> items;
    items.reserve(rows.count());
    for (; !rows.atEnd(); rows.next()) {
        StockItem item;
        item.productId = rows.text(0);
        item.categoryId = int(rows.integer(1));
        item.brand = rows.text(2);
        item.name = rows.text(3);
        item.presentation = rows.text(4);
        item.unit = rows.text(5);
        item.minimum = rows.number(6);
        item.cost = rows.amount(7);
        item.price = rows.amount(8);
        item.priceWithInvoice = rows.amount(9);
        item.barcode = rows.text(10);
        item.ingreso = rows.number(11);
        item.egreso = rows.number(12);
        items << item;
    }
    return items;
}

}
