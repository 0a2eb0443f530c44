#pragma once
#include <QDate>
#include <QString>
#include <QVariantList>

// The statements of the sales, deliveries, debtors and purchase reports. Every one starts from the
// date range of its header table (the date index), then reaches the lines of those rows only and
// their items: never all years of one product's lines. Dates are inclusive on both ends ("Desde"
// to "Hasta"); a "Desde" after "Hasta" finds nothing.
struct Statement {
    QString sql;
    QVariantList values;
};

// The filters of the product reports: the category and the item chosen, by the ids read with
// their names; 0 / empty for "all".
struct ItemFilter {
    int categoryId = 0;
    QString itemId;
};

namespace ReportQueries {

// Sales (mode 1) or supply deliveries (mode 6) grouped by product, unit and, for sales, unit
// price: columns Cantidad, Producto, UMedida, PrecioU, Total (deliveries: the first three).
Statement ProductTable(int mode, const QDate& from, const QDate& to, const ItemFilter& filter);

// Valid sales of one payment form (optionally of one NIT/CI), by sale number or by client name.
Statement SalesByPaymentForm(const QDate& from, const QDate& to, const QString& nitCI, int paymentForm, bool byName);
// The lines of those sales: Cantidad, Producto, PrecioU, PrecioT, IdVenta in line order.
Statement LinesOfSales(const QDate& from, const QDate& to, const QString& nitCI, int paymentForm);

// Purchases of products (inventory 1) or supplies (2) grouped by item, unit and unit cost:
// Cantidad, Producto, UMedida, PrecioU, Total. With a category the stored line category must be it.
Statement PurchaseTable(int inventory, const QDate& from, const QDate& to, const ItemFilter& filter);
// Service purchases grouped by the exact concept text ("LUZ" and "Luz" are two rows):
// Cantidad, Concepto, Total.
Statement ServiceTable(const QDate& from, const QDate& to);

}
