#pragma once
#include "DatabaseRows.h"
#include "ShopFixture.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "sales/DebtSide.h"

#include <QtTest>

// The demo shop with two cash sessions: 9 December 2026, closed, and 10 December 2026, open; the
// administrator logged in. Debts are stored as the register and the purchases window store them:
// a credit sale to MARIA QUISPE CONDORI, a credit purchase from EMBOTELLADORA ANDINA SA.
struct DebtShop {
    ShopFixture shop;
    QString earlier;
    QString open;

    DebtShop()
    {
        shop.login();
        earlier = shop.openCashSession(QDate(2026, 12, 9));
        db().execute(QStringLiteral("UPDATE Caja SET Estado=0 WHERE IdCaja=?"), {earlier});
        open = shop.openCashSession(QDate(2026, 12, 10));
    }

    TDataModule1& db() { return shop.db(); }

    // A credit sale (purchase) of `total` with `paid` down, booked in `session` on `date`.
    // Sales are MARIA's unless another client is named.
    void credit(DebtSide side, const QString& key, const QString& session, const QDate& date, double total, double paid,
                const QString& nit = QStringLiteral("4567890"), const QString& name = QStringLiteral("MARIA QUISPE CONDORI"))
    {
        if (side == DebtSide::Sales)
            db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, Estado, NitCI, Cliente, TotalF, TotalE, Saldo, "
                                        "FormaP, IdCaja, Obs, Cajero) VALUES(?, ?, 'V', ?, ?, ?, ?, ?, 2, ?, "
                                        "'ENTREGA EL LUNES', 'admin')"),
                         {key, Formats::IsoDate(date), nit, name, total, paid, Formats::RoundCents(total - paid), session});
        else
            db().execute(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, "
                                        "Saldo, FormaP, Comprobante, Inventario, Cajero, IdCaja) VALUES(?, ?, "
                                        "'1023456027', 'EMBOTELLADORA ANDINA SA', 501, ?, ?, ?, 2, 0, 1, 'admin', ?)"),
                         {key, Formats::IsoDate(date), total, paid, Formats::RoundCents(total - paid), session});
    }
    // The debt as "TotalE|Saldo|FormaP|Estado".
    QString debt(DebtSide side, const QString& key)
    {
        const DebtTables& t = TablesOf(side);
        const SqlRows r = db().query(QStringLiteral("SELECT TotalE, Saldo, FormaP, Estado FROM %1 WHERE %2=?")
                                         .arg(QLatin1String(t.table), QLatin1String(t.key)),
                                     {key});
        return QStringLiteral("%1|%2|%3|%4").arg(Formats::Money(r.amount(0)), Formats::Money(r.amount(1)), r.text(2), r.text(3));
    }
    // The payment rows of a side as "amount|key|session|date|cashier|state", oldest first.
    QStringList payments(DebtSide side)
    {
        const DebtTables& t = TablesOf(side);
        QStringList rows;
        for (SqlRows r = db().query(QStringLiteral("SELECT TotalE, %1, IdCaja, FechaR, Cajero, Estado FROM %2 ORDER BY %3")
                                        .arg(QLatin1String(t.key), QLatin1String(t.payments), QLatin1String(t.paymentKey)));
             !r.atEnd(); r.next())
            rows << QStringLiteral("%1|%2|%3|%4|%5|%6")
                        .arg(Formats::Money(r.amount(0)), r.text(1), r.text(2), Formats::Date(r.date(3)), r.text(4),
                             r.text(5));
        return rows;
    }
    qint64 lastPaymentId(DebtSide side)
    {
        const DebtTables& t = TablesOf(side);
        return db()
            .query(QStringLiteral("SELECT MAX(%1) FROM %2").arg(QLatin1String(t.paymentKey), QLatin1String(t.payments)))
            .integer(0);
    }
    // Everything an instalment or its annulment may write, read whole.
    QStringList state()
    {
        return StatementRows(db(), {"SELECT IdVenta, TotalE, Saldo, FormaP, Estado FROM Ventas ORDER BY IdVenta",
                                    "SELECT IdCompra, TotalE, Saldo, FormaP FROM Compras ORDER BY IdCompra",
                                    "SELECT IdSaldoV, TotalE FROM SaldoV ORDER BY IdSaldoV",
                                    "SELECT IdSaldoC, TotalE FROM SaldoC ORDER BY IdSaldoC"});
    }
};
