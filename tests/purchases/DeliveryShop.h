#pragma once
#include "DatabaseRows.h"
#include "ShopFixture.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "purchases/DeliveryRegistration.h"

#include <QtTest>

// The demo shop with the administrator logged in and the session of 9 December 2026 open (its
// clock says 10:30:00). Demo supplies used here: P000000013 HARINA DE TRIGO 50KG (category 17,
// KILO, stock 250), P000000014 AZUCAR GRANULADA 50KG (18, stock 100), P000000015 BOLSA PLASTICA
// MEDIANA (20, UNIDAD, stock 500); client 4567890 MARIA QUISPE CONDORI.
struct DeliveryShop {
    ShopFixture shop;
    QString session;

    static inline const QString Flour = QStringLiteral("P000000013");
    static inline const QString Sugar = QStringLiteral("P000000014");
    static inline const QString Bags = QStringLiteral("P000000015");

    DeliveryShop()
    {
        shop.login();
        session = shop.openCashSession(QDate(2026, 12, 9));
    }

    TDataModule1& db() { return shop.db(); }
    SqlRows rows(const QString& sql, const QVariantList& values = {}) { return db().query(sql, values); }
    qint64 number(const QString& sql, const QVariantList& values = {}) { return db().query(sql, values).integer(0); }
    double stock(const QString& supply)
    {
        return db().query(QStringLiteral("SELECT Ingreso - Egreso FROM Productos WHERE IdProducto=?"), {supply}).number(0);
    }
    // Every row of a statement, each as its cells joined by "|".
    QStringList table(const QString& sql, const QVariantList& values = {}) { return StatementRows(db(), sql, values); }
    // Everything a delivery may write, so "nothing changed" is one comparison.
    QStringList state()
    {
        QStringList all;
        for (const char* sql : {"SELECT * FROM EntregaI ORDER BY IdEntrega", "SELECT * FROM DetalleEI",
                                "SELECT IdProducto, Ingreso, Egreso FROM Productos ORDER BY IdProducto",
                                "SELECT * FROM Clientes ORDER BY NitCI", "SELECT IdEgreso FROM Codigos"})
            all << table(QString::fromLatin1(sql));
        return all;
    }

    static DeliveryLine line(const QString& supply, const QString& quantity)
    {
        const int category = supply == Flour ? 17 : supply == Sugar ? 18 : 20;
        return DeliveryLine{supply, category, quantity, QStringLiteral("INSUMO"), QStringLiteral("KILO")};
    }
    // A delivery of the open session as the panel would hand it over.
    static DeliveryInput delivery(const QString& nit, const QString& name, const QList<DeliveryLine>& lines)
    {
        DeliveryInput in = DeliveryInput::fromSession();
        in.orderNumberText = QStringLiteral("000000001");
        in.nitCi = nit;
        in.recipient = name;
        in.observation = QStringLiteral("HORNO 2");
        in.lines = lines;
        return in;
    }

    // A delivery stored directly, as an earlier day would have left it (its session closed).
    void storeOld(const QString& id, const QString& date, const QString& name, const QString& sessionId,
                  const QString& state = QStringLiteral("V"))
    {
        if (number("SELECT COUNT(*) FROM Caja WHERE IdCaja=?", {sessionId}) == 0)
            db().execute("INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero, Estado) VALUES(?, ?, 0, 'admin', 0)",
                         {sessionId, date});
        // An annulled one has lost its recipient, as the annulment leaves it.
        const bool valid = state == QLatin1String("V");
        db().execute("INSERT INTO EntregaI(IdEntrega, FechaE, NitCI, Cliente, HoraE, Obs, Sucursal, Cajero, IdCaja, "
                     "Estado) VALUES(?, ?, ?, ?, '09:00:00', 'OBS', 0, 'admin', ?, ?)",
                     {id, date, valid ? QStringLiteral("6012345") : QStringLiteral("0"),
                      valid ? name : QStringLiteral("ANULADO"), sessionId, state});
        db().execute("INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria, Estado) VALUES(3, ?, ?, 17, ?)",
                     {Flour, id, state});
    }
};
