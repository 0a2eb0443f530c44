#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// What the stock window's three filters chose: none of a filter means every one.
struct StockFilter {
    int inventory = 1;   // Productos.Inventario: 1 products, 2 supplies
    int categoryId = 0;  // 0: every category
    QString brand;       // empty: every brand
    QString item;        // empty: every item
};

// An item row as the stock lists show it, counters as stored when it was read.
struct StockItem {
    QString productId;
    int categoryId = 0;
    QString brand;
    QString name;
    QString presentation;
    QString unit;
    double minimum = 0;
    double cost = 0;
    double price = 0;
    double priceWithInvoice = 0;
    QString barcode;
    double ingreso = 0;
    double egreso = 0;

    double stock() const { return ingreso - egreso; }
};

// The readings of the stock window: its filter lists and the items a filter lists. Values are
// bound, so a brand or name with an apostrophe filters like any other. Engine failures throw
// DatabaseError.
namespace StockLists {

// The category ids are positional: the category at list position i (from 1) is id i among the
// products and id i + 16 among the supplies, the numbering the fixed category rows keep.
int CategoryIdAt(int inventory, int position);

// The names of the inventory's categories in id order.
QStringList CategoryNames(int inventory);
// Every brand, in the order they were created.
QStringList BrandNames();
// The enabled items the category and brand of the filter allow (its item is not looked at), by
// name.
QStringList ItemNames(const StockFilter& filter);
// The enabled items the whole filter allows, by category and name. An item chosen without a
// category is looked up by its name in both inventories.
QList<StockItem> Items(const StockFilter& filter);

}
