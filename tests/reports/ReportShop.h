#pragma once
#include "ShopFixture.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "widgets/DataGrid.h"

#include <QDir>
#include <QImage>

// A demo shop (products P000000001.. as the demo has them) with sales, deliveries and purchases
// stored by plain statements, as the windows that record them would leave them.
struct ReportShop {
    ShopFixture shop;
    QString cash;
    ReportShop()
    {
        shop.login();
        cash = shop.openCashSession(QDate(2026, 1, 2));
        // The shop's logo, which the debtors report prints.
        QDir(shop.folder()).mkpath(QStringLiteral("img"));
        QImage logo(120, 60, QImage::Format_RGB32);
        logo.fill(QColor(30, 90, 150));
        logo.save(shop.folder() + QStringLiteral("img/logoempresa.jpg"));
    }
    // A sale with its lines: {product, quantity, unit price}; lines take the product's category.
    struct Line {
        QString product;
        double quantity;
        double price;
        QString state = QStringLiteral("V");
    };
    void sale(const QString& id, const QString& date, const QList<Line>& lines, int form = 1,
              const QString& nit = QStringLiteral("4567890"), const QString& name = QStringLiteral("MARIA QUISPE"),
              double paid = -1)
    {
        double total = 0;
        for (const Line& l : lines)
            total += l.quantity * l.price;
        const double cash = paid < 0 ? total : paid;
        const QString state = lines.isEmpty() || lines.first().state == QLatin1String("V") ? "V" : "A";
        shop.db().execute(
            QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, NroFact, Estado, NitCI, Cliente, TotalF, "
                           "TotalE, Saldo, FormaP, Comprobante, IdCaja) VALUES(?, ?, 0, ?, ?, ?, ?, ?, ?, ?, 0, ?)"),
            {id, date, state, nit, name, total, cash, total - cash, form, this->cash});
        for (const Line& l : lines)
            shop.db().execute(QStringLiteral("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, "
                                             "IdCategoria, Estado) SELECT ?, ?, ?, ?, ?, IdCategoria, ? FROM Productos "
                                             "WHERE IdProducto = ?"),
                              {l.quantity, l.product, l.price, l.quantity * l.price, id, l.state, l.product});
    }
    void delivery(const QString& id, const QString& date, const QString& product, double quantity,
                  const QString& state = QStringLiteral("V"))
    {
        shop.db().execute(
            QStringLiteral("INSERT INTO EntregaI(IdEntrega, FechaE, Cliente, IdCaja, Estado) VALUES(?, ?, 'ALMACEN', ?, ?)"),
            {id, date, cash, state});
        shop.db().execute(QStringLiteral("INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria, Estado) "
                                         "SELECT ?, ?, ?, IdCategoria, ? FROM Productos WHERE IdProducto = ?"),
                          {quantity, product, id, state, product});
    }
    // A purchase of products (1) or supplies (2) with lines {item, quantity, unit cost}.
    void purchase(const QString& id, const QString& date, int inventory, const QList<Line>& lines)
    {
        double total = 0;
        for (const Line& l : lines)
            total += l.quantity * l.price;
        shop.db().execute(
            QStringLiteral(
                "INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, "
                "FormaP, Comprobante, Inventario, IdCaja) VALUES(?, ?, '1023456027', 'ANDINA', 1, ?, ?, 1, 0, ?, ?)"),
            {id, date, total, total, inventory, cash});
        for (const Line& l : lines)
            shop.db().execute(
                QStringLiteral("INSERT INTO DetalleC(IdCategoria, IdProducto, CInicial, CEntrante, PrecioU, "
                               "PrecioT, IdCompra) SELECT IdCategoria, ?, 0, ?, ?, ?, ? FROM Productos WHERE IdProducto = ?"),
                {l.product, l.quantity, l.price, l.quantity * l.price, id, l.product});
    }
    // A service purchase with lines {concept, quantity, total}.
    void services(const QString& id, const QString& date, const QList<Line>& lines)
    {
        shop.db().execute(
            QStringLiteral(
                "INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, "
                "FormaP, Comprobante, Inventario, IdCaja) VALUES(?, ?, '1023456027', 'ANDINA', 1, 0, 0, 1, 0, 3, ?)"),
            {id, date, cash});
        for (const Line& l : lines)
            shop.db().execute(QStringLiteral("INSERT INTO DetalleS(Cantidad, Concepto, PrecioT, IdCompra) VALUES(?, ?, ?, ?)"),
                              {l.quantity, l.product, l.price, id});
    }
};

inline QList<QStringList> GridRows(const DataGrid* grid, int columns)
{
    QList<QStringList> rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << grid->cell(column, row);
        rows << cells;
    }
    return rows;
}
