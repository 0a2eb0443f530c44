#pragma once
#include "DatabaseRows.h"
#include "ShopFixture.h"

#include "data/SessionState.h"
#include "sales/SaleCommit.h"

#include <QtTest>

// The demo shop with the administrator logged in and the session of 9 December 2026 open: the
// place every sales test sells in. Demo products used here: P000000001 COCA COLA 2L (12.5, stock
// 48), P000000008 LECHE PIL 1L (7, stock 30); client 4567890 MARIA QUISPE CONDORI may take three
// credits.
struct SalesShop {
    ShopFixture shop;
    QString session;

    SalesShop()
    {
        shop.login();
        session = shop.openCashSession(QDate(2026, 12, 9));
    }

    TDataModule1& db() { return shop.db(); }
    SqlRows row(const QString& sql, const QVariantList& values = {}) { return db().query(sql, values); }
    qint64 number(const QString& sql, const QVariantList& values = {}) { return db().query(sql, values).integer(0); }
    double stock(const QString& product)
    {
        return db().query(QStringLiteral("SELECT Ingreso - Egreso FROM Productos WHERE IdProducto=?"), {product}).number(0);
    }

    static SaleLine line(const QString& product, const QString& quantity, const QString& price,
                         const QString& name = QStringLiteral("PRODUCTO"), int category = 1)
    {
        return SaleLine{product, category, quantity, price, name, QStringLiteral("UNIDAD")};
    }
    // A sale of the open session as the register would hand it over.
    static SaleInput sale(int paymentForm, int voucher, const QString& cash, const QString& nit, const QString& name,
                          const QList<SaleLine>& lines)
    {
        SaleInput in = SaleInput::fromSession();
        in.saleNumberText = QStringLiteral("000000001");
        in.paymentForm = paymentForm;
        in.voucherKind = voucher;
        in.cashText = cash;
        in.nitCi = nit;
        in.clientName = name;
        in.lines = lines;
        return in;
    }
};

// Everything a sale may write, read whole, so "nothing changed" is one comparison.
struct ShopState {
    QStringList rows;
    static ShopState read(TDataModule1& db)
    {
        ShopState state;
        const QStringList statements = {
            "SELECT COUNT(*), COALESCE(SUM(TotalF), 0) FROM Ventas",
            "SELECT COUNT(*) FROM DetalleV",
            "SELECT IdProducto, Ingreso, Egreso FROM Productos ORDER BY IdProducto",
            "SELECT NitCI, Cliente, NVentas, Usuario FROM Clientes ORDER BY NitCI",
            "SELECT IdCaja, IdVenta, IdCompra, IdProducto, IdEgreso FROM Codigos",
            "SELECT NFactura FROM DatosC",
        };
        state.rows = StatementRows(db, statements);
        return state;
    }
    bool operator==(const ShopState&) const = default;
};

inline char* toString(const ShopState& state) { return QTest::toString(state.rows.join(QLatin1Char('\n'))); }
