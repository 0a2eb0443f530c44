#pragma once
#include "DatabaseRows.h"
#include "ShopFixture.h"

#include "data/SessionState.h"
#include "purchases/PurchaseRegistration.h"

#include <QtTest>

// The demo shop with the administrator logged in and the session of 9 December 2026 open: where
// every purchase test buys. Demo items used here: P000000001 COCA COLA 2L (stock 48, cost 9.5),
// P000000008 LECHE PIL 1L (stock 30), P000000013 HARINA DE TRIGO 50KG (a supply, stock 250);
// suppliers 1023456027 EMBOTELLADORA ANDINA SA and 1029384011 DISTRIBUIDORA LA CANASTA.
struct PurchaseShop {
    ShopFixture shop;
    QString session;

    static constexpr const char* Andina = "1023456027";
    static constexpr const char* AndinaName = "EMBOTELLADORA ANDINA SA";
    static constexpr const char* Canasta = "1029384011";

    PurchaseShop()
    {
        shop.login();
        session = shop.openCashSession(QDate(2026, 12, 9));
    }

    TDataModule1& db() { return shop.db(); }
    SqlRows row(const QString& sql, const QVariantList& values = {}) { return db().query(sql, values); }
    qint64 count(const QString& sql, const QVariantList& values = {}) { return db().query(sql, values).integer(0); }
    double stock(const QString& product)
    {
        return db().query(QStringLiteral("SELECT Ingreso - Egreso FROM Productos WHERE IdProducto=?"), {product}).number(0);
    }
    double intake(const QString& product)
    {
        return db().query(QStringLiteral("SELECT Ingreso FROM Productos WHERE IdProducto=?"), {product}).number(0);
    }

    // A cash receipt from Andina of `total`, paid exactly, booked in the open session.
    static PurchaseHeaderInput receipt(const QString& total = QStringLiteral("40"), int inventory = PurchaseCodes::Products)
    {
        PurchaseHeaderInput in = PurchaseHeaderInput::fromSession(inventory);
        in.nitCi = QString::fromLatin1(Andina);
        in.supplierName = QString::fromLatin1(AndinaName);
        in.paymentForm = PurchaseCodes::Cash;
        in.voucherKind = PurchaseCodes::ReceiptVoucher;
        in.receiptNumber = QStringLiteral("501");
        in.receiptTotal = total;
        in.receiptCash = total;
        in.receiptBalance = QStringLiteral("0.00");
        in.exempt = in.discounts = in.dui = QStringLiteral("0");
        return in;
    }
    // Andina's invoice 123 under authorisation 29040011007 for `total`, in cash.
    static PurchaseHeaderInput invoice(const QString& total = QStringLiteral("40"), int inventory = PurchaseCodes::Products)
    {
        PurchaseHeaderInput in = receipt(total, inventory);
        in.voucherKind = PurchaseCodes::InvoiceVoucher;
        in.invoiceNumber = QStringLiteral("123");
        in.authorization = QStringLiteral("29040011007");
        in.dui = QStringLiteral("0");
        in.invoiceTotal = total;
        in.exempt = QStringLiteral("0");
        in.discounts = QStringLiteral("0");
        in.controlCode = QStringLiteral("7B-F3-48-A8");
        in.purchaseType = 1;
        return in;
    }
    static GoodsLineInput line(const QString& product, const QString& quantity, const QString& cost,
                               const QString& name = QStringLiteral("PRODUCTO"), double initialStock = 0)
    {
        return GoodsLineInput{product, 1, name, initialStock, quantity, cost};
    }
};

// Everything a purchase may write, read whole, so "nothing changed" is one comparison.
struct PurchaseState {
    QStringList rows;
    static PurchaseState read(TDataModule1& db)
    {
        PurchaseState state;
        const QStringList statements = {
            "SELECT IdCompra, TotalF, TotalE, Saldo FROM Compras ORDER BY IdCompra",
            "SELECT IdCompra, IdProducto, CEntrante FROM DetalleC ORDER BY IdDetalleC",
            "SELECT IdCompra, Concepto FROM DetalleS ORDER BY IdDetalleS",
            "SELECT IdCompra, TotalE FROM SaldoC ORDER BY IdSaldoC",
            "SELECT IdProducto, Ingreso, Egreso, PCompra FROM Productos ORDER BY IdProducto",
            "SELECT IdCaja, IdVenta, IdCompra, IdProducto, IdEgreso FROM Codigos",
        };
        state.rows = StatementRows(db, statements);
        return state;
    }
    bool operator==(const PurchaseState&) const = default;
};

inline char* toString(const PurchaseState& state) { return QTest::toString(state.rows.join(QLatin1Char('\n'))); }
