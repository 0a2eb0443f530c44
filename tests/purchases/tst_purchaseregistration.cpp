#include "FailingTrigger.h"
#include "PurchaseShop.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/SchemaUpgrade.h"
#include "purchases/PurchaseDeletion.h"
#include "purchases/StoredPurchases.h"

#include <QtTest>

namespace {

using Map = QVariantMap;

// Sets the header fields a case names; an unknown name stops the test.
void Apply(PurchaseHeaderInput& in, const QVariantMap& fields)
{
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const QString& k = it.key();
        const QVariant& v = it.value();
        if (k == "nitCi")
            in.nitCi = v.toString();
        else if (k == "supplierName")
            in.supplierName = v.toString();
        else if (k == "paymentForm")
            in.paymentForm = v.toInt();
        else if (k == "voucherKind")
            in.voucherKind = v.toInt();
        else if (k == "receiptNumber")
            in.receiptNumber = v.toString();
        else if (k == "receiptTotal")
            in.receiptTotal = v.toString();
        else if (k == "receiptCash")
            in.receiptCash = v.toString();
        else if (k == "receiptBalance")
            in.receiptBalance = v.toString();
        else if (k == "invoiceNumber")
            in.invoiceNumber = v.toString();
        else if (k == "authorization")
            in.authorization = v.toString();
        else if (k == "dui")
            in.dui = v.toString();
        else if (k == "invoiceTotal")
            in.invoiceTotal = v.toString();
        else if (k == "exempt")
            in.exempt = v.toString();
        else if (k == "discounts")
            in.discounts = v.toString();
        else if (k == "controlCode")
            in.controlCode = v.toString();
        else if (k == "purchaseType")
            in.purchaseType = v.toInt();
        else
            qFatal("no header field %s", qPrintable(k));
    }
}

// "P000000001|4|10": product, quantity and line cost.
QList<GoodsLineInput> Lines(const QStringList& specs)
{
    QList<GoodsLineInput> lines;
    for (const QString& spec : specs) {
        const QStringList p = spec.split(QLatin1Char('|'));
        lines << PurchaseShop::line(p.at(0), p.at(1), p.at(2), QStringLiteral("COCA COLA 2L"), 48);
    }
    return lines;
}

enum Preset { Nothing, ServiceInvoiceStored, SessionClosed, SupplierWithApostrophe };

}

class TstPurchaseRegistration : public QObject {
    Q_OBJECT
private slots:
    // Each case registers one purchase; a stored one is checked column by column, line by line
    // and against the stock, a refused one against the whole shop, which must be as it was.
    void registration_data()
    {
        QTest::addColumn<QString>("form");  // "receipt" or "invoice"
        QTest::addColumn<QVariantMap>("fields");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("refusal");     // empty: stored
        QTest::addColumn<QVariantMap>("stored");  // Compras columns of the stored purchase

        const QStringList four{"P000000001|4|40"};
        QTest::newRow("cash receipt paid exactly")
            << "receipt" << Map{{"receiptTotal", "40.00"}, {"receiptCash", "40"}} << four << int(Nothing) << ""
            << Map{{"TotalF", 40.0}, {"TotalE", 40.0},  {"Saldo", 0.0},    {"FormaP", 1},    {"Comprobante", 0},
                   {"NroFact", 501}, {"Inventario", 1}, {"SubTotal", 0.0}, {"ImpBase", 0.0}, {"CreditoF", 0.0},
                   {"TipoC", 0},     {"NroAut", ""},    {"NroDUI", ""}};
        QTest::newRow("cash with change keeps what was handed over and the change")
            << "receipt" << Map{{"receiptTotal", "57.50"}, {"receiptCash", "60"}}
            << QStringList{"P000000001|4|40", "P000000008|2.5|17.5"} << int(Nothing) << ""
            << Map{{"TotalF", 57.5}, {"TotalE", 60.0}, {"Saldo", 2.5}, {"FormaP", 1}};
        QTest::newRow("credit with nothing paid owes the total")
            << "receipt" << Map{{"paymentForm", 2}, {"receiptCash", "0"}} << four << int(Nothing) << ""
            << Map{{"TotalF", 40.0}, {"TotalE", 0.0}, {"Saldo", 40.0}, {"FormaP", 2}};
        QTest::newRow("credit with a down payment owes the rest")
            << "receipt" << Map{{"paymentForm", 2}, {"receiptCash", "15.5"}} << four << int(Nothing) << ""
            << Map{{"TotalF", 40.0}, {"TotalE", 15.5}, {"Saldo", 24.5}, {"FormaP", 2}};
        QTest::newRow("credit paid in full is no credit")
            << "receipt" << Map{{"paymentForm", 2}, {"receiptCash", "40"}} << four << int(Nothing)
            << "En una compra a CREDITO el Efectivo a Pagar debe ser menor al Total de Compra; si paga el Total, elija "
               "la forma de pago EFECTIVO"
            << Map{};
        QTest::newRow("credit with change is no credit")
            << "receipt" << Map{{"paymentForm", 2}, {"receiptCash", "50"}} << four << int(Nothing)
            << "En una compra a CREDITO el Efectivo a Pagar debe ser menor al Total de Compra; si paga el Total, elija "
               "la forma de pago EFECTIVO"
            << Map{};
        QTest::newRow("cheque") << "receipt" << Map{{"paymentForm", 3}, {"voucherKind", 2}} << four << int(Nothing) << ""
                                << Map{{"TotalF", 40.0}, {"TotalE", 40.0}, {"Saldo", 0.0}, {"FormaP", 3}, {"Comprobante", 2}};
        QTest::newRow("free purchase of lines costing nothing")
            << "receipt" << Map{{"paymentForm", 0}, {"receiptTotal", "0.00"}, {"receiptCash", "0"}}
            << QStringList{"P000000001|6|0"} << int(Nothing) << ""
            << Map{{"TotalF", 0.0}, {"TotalE", 0.0}, {"Saldo", 0.0}, {"FormaP", 0}};
        QTest::newRow("free purchase of lines with a cost")
            << "receipt" << Map{{"paymentForm", 0}, {"receiptCash", "0"}} << four << int(Nothing)
            << "El Efectivo a Pagar no puede ser menor al Total de Compra, revise y vuelva a intentar" << Map{};
        QTest::newRow("cash below the total")
            << "receipt" << Map{{"receiptCash", "39.99"}} << four << int(Nothing)
            << "El Efectivo a Pagar no puede ser menor al Total de Compra, revise y vuelva a intentar" << Map{};
        QTest::newRow("quantity 4 for 10 costs 2.50 each")
            << "receipt" << Map{{"receiptTotal", "10"}, {"receiptCash", "10"}} << QStringList{"P000000008|4|10"}
            << int(Nothing) << "" << Map{{"TotalF", 10.0}};

        QTest::newRow("invoice") << "invoice"
                                 << Map{{"invoiceTotal", "115.35"}, {"exempt", "10"}, {"discounts", "5.05"}, {"purchaseType", 2}}
                                 << QStringList{"P000000001|5|115.35"} << int(Nothing) << ""
                                 << Map{{"TotalF", 115.35},        {"TotalE", 115.35},         {"Saldo", 0.0},
                                        {"Exentos", 10.0},         {"SubTotal", 105.35},       {"Descuentos", 5.05},
                                        {"ImpBase", 100.3},        {"CreditoF", 13.04},        {"NroFact", 123},
                                        {"NroAut", "29040011007"}, {"CodigoC", "7B-F3-48-A8"}, {"TipoC", 2},
                                        {"Comprobante", 1}};
        QTest::newRow("invoice already stored by a service purchase")
            << "invoice" << Map{} << four << int(ServiceInvoiceStored) << "La Compra con dicha Factura ya fue Registrada"
            << Map{};
        QTest::newRow("same invoice number under another authorisation")
            << "invoice" << Map{{"authorization", "29040011008"}} << four << int(ServiceInvoiceStored) << ""
            << Map{{"IdCompra", "P000000002"}, {"NroFact", 123}, {"NroAut", "29040011008"}};
        QTest::newRow("a DUI of 20 characters is kept to 15") << "invoice" << Map{{"dui", "12345678901234567890"}} << four
                                                              << int(Nothing) << "" << Map{{"NroDUI", "123456789012345"}};
        QTest::newRow("invoice on credit") << "invoice" << Map{{"paymentForm", 2}} << four << int(Nothing)
                                           << "Una compra SIN COSTO (Gratis) o a CREDITO solo se registra con el "
                                              "primer Comprobante (Recibo)"
                                           << Map{};

        // Bad input: a clear message and nothing written.
        QTest::newRow("unknown supplier") << "receipt" << Map{{"nitCi", "999"}} << four << int(Nothing)
                                          << "El Proveedor con ese Numero de Nit/CI no Existe" << Map{};
        QTest::newRow("no supplier name") << "receipt" << Map{{"supplierName", ""}} << four << int(Nothing)
                                          << "Llene correctamente los Datos del Proveedor" << Map{};
        QTest::newRow("a supplier name with an apostrophe is stored as typed")
            << "receipt" << Map{{"nitCi", "5566778"}, {"supplierName", "IMPORTADORA O'HARA"}} << four
            << int(SupplierWithApostrophe) << "" << Map{{"Proveedor", "IMPORTADORA O'HARA"}, {"NitCI", "5566778"}};
        QTest::newRow("receipt without its number") << "receipt" << Map{{"receiptNumber", ""}} << four << int(Nothing)
                                                    << "Llene correctamente los Datos del Recibo" << Map{};
        QTest::newRow("receipt number not whole") << "receipt" << Map{{"receiptNumber", "50.1"}} << four << int(Nothing)
                                                  << "El Nro. de Recibo debe ser un numero entero: \"50.1\"" << Map{};
        QTest::newRow("invoice number not whole") << "invoice" << Map{{"invoiceNumber", "1.5"}} << four << int(Nothing)
                                                  << "El Nro. de Factura debe ser un numero entero: \"1.5\"" << Map{};
        QTest::newRow("invoice without its control code") << "invoice" << Map{{"controlCode", ""}} << four << int(Nothing)
                                                          << "Llene correctamente los Datos de la Factura" << Map{};
        QTest::newRow("invoice without a purchase type") << "invoice" << Map{{"purchaseType", 0}} << four << int(Nothing)
                                                         << "Llene correctamente los Datos de la Factura" << Map{};
        QTest::newRow("cash with two points")
            << "receipt" << Map{{"receiptCash", "1.2.3"}} << four << int(Nothing)
            << "El monto de Efectivo a Pagar no es valido: \"1.2.3\" (escriba un numero con hasta dos decimales)" << Map{};
        QTest::newRow("a total that is only a point")
            << "receipt" << Map{{"receiptTotal", "."}} << four << int(Nothing)
            << "El monto de Total Compra Bs. no es valido: \".\" (escriba un numero con hasta dos decimales)" << Map{};
        QTest::newRow("discounts with three decimals")
            << "invoice" << Map{{"discounts", "1.005"}} << four << int(Nothing)
            << "El monto de Descuentos no es valido: \"1.005\" (escriba un numero con hasta dos decimales)" << Map{};
        QTest::newRow("exempt and discounts above the total")
            << "invoice" << Map{{"exempt", "30"}, {"discounts", "10.01"}} << four << int(Nothing)
            << "Los Exentos y Descuentos no pueden ser mayores al Total de la Factura" << Map{};
        QTest::newRow("quantity 0.0") << "receipt" << Map{} << QStringList{"P000000001|0.0|40"} << int(Nothing)
                                      << "Revise la cantidad Entrante del Producto: COCA COLA 2L" << Map{};
        QTest::newRow("quantity 00") << "receipt" << Map{} << QStringList{"P000000001|00|40"} << int(Nothing)
                                     << "Revise la cantidad Entrante del Producto: COCA COLA 2L" << Map{};
        QTest::newRow("line cost with three decimals")
            << "receipt" << Map{} << QStringList{"P000000001|4|40.001"} << int(Nothing)
            << "Revise el Costo Total del Producto: COCA COLA 2L" << Map{};
        QTest::newRow("the session was closed at another station")
            << "receipt" << Map{} << four << int(SessionClosed) << "La CAJA no esta Abierta" << Map{};
    }
    void registration()
    {
        QFETCH(QString, form);
        QFETCH(QVariantMap, fields);
        QFETCH(QStringList, lines);
        QFETCH(int, preset);
        QFETCH(QString, refusal);
        QFETCH(QVariantMap, stored);
        PurchaseShop p;
        switch (preset) {
        case ServiceInvoiceStored:
            QVERIFY(PurchaseRegistration::RegisterServices(PurchaseShop::invoice(), {{"1", "FLETE", "40"}}).stored());
            break;
        case SessionClosed: p.db().execute("UPDATE Caja SET Estado=0"); break;
        case SupplierWithApostrophe:
            p.db().execute("INSERT INTO Proveedores(NitCI, RSocial, Estado) VALUES('5566778', 'IMPORTADORA O''HARA', 1)");
            break;
        }
        PurchaseHeaderInput header = form == "invoice" ? PurchaseShop::invoice() : PurchaseShop::receipt();
        Apply(header, fields);
        const QList<GoodsLineInput> goods = Lines(lines);
        const PurchaseState before = PurchaseState::read(p.db());

        const PurchaseRegistrationResult result = PurchaseRegistration::RegisterGoods(header, goods);

        QCOMPARE(p.db().transactionDepth(), 0);
        if (!refusal.isEmpty()) {
            QCOMPARE(result.outcome, PurchaseRegistrationResult::Outcome::Refused);
            QCOMPARE(result.message, refusal);
            QCOMPARE(result.line, refusal.startsWith("Revise") ? 0 : -1);
            QCOMPARE(PurchaseState::read(p.db()), before);
            return;
        }
        QVERIFY2(result.stored(), qPrintable(result.message));
        const QString id = stored.value("IdCompra", "P000000001").toString();
        QCOMPARE(result.purchaseId, id);
        QCOMPARE(p.count("SELECT IdCompra FROM Codigos"), id.mid(1).toLongLong());
        SqlRows row = p.row("SELECT * FROM Compras WHERE IdCompra=?", {id});
        QCOMPARE(row.count(), 1);
        QCOMPARE(row.text("FechaC"), QStringLiteral("2026-12-09"));
        QCOMPARE(row.text("Cajero"), QStringLiteral("admin"));
        QCOMPARE(row.text("IdCaja"), p.session);
        QCOMPARE(row.text("Estado"), QStringLiteral("V"));
        QCOMPARE(row.text("NitCI"), stored.value("NitCI", PurchaseShop::Andina).toString());
        QCOMPARE(row.text("Proveedor"), stored.value("Proveedor", PurchaseShop::AndinaName).toString());
        for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
            const QVariant expected = it.value();
            if (expected.typeId() == QMetaType::Double)
                QVERIFY2(qFuzzyCompare(1 + row.amount(it.key()), 1 + expected.toDouble()),
                         qPrintable(it.key() + " = " + row.text(it.key())));
            else
                QCOMPARE(row.text(it.key()), expected.toString());
        }
        // Each line as entered; the item's intake rises by the quantity and its cost is the line's.
        SqlRows stock = p.row("SELECT IdProducto, CEntrante, PrecioU, PrecioT, CInicial FROM DetalleC WHERE IdCompra=? "
                              "ORDER BY IdDetalleC",
                              {id});
        QCOMPARE(stock.count(), goods.size());
        for (const GoodsLineInput& line : goods) {
            const double quantity = line.quantity.toDouble(), cost = line.lineCost.toDouble();
            const double unit = Formats::RoundCents(cost / quantity);
            QCOMPARE(stock.text(0), line.productId);
            QCOMPARE(stock.number(1), quantity);
            QCOMPARE(stock.amount(2), unit);
            QCOMPARE(stock.amount(3), cost);
            QCOMPARE(stock.number(4), 48.0);
            const double initial = line.productId == "P000000001" ? 48 : 30;
            QCOMPARE(p.intake(line.productId), initial + quantity);
            QCOMPARE(p.row("SELECT PCompra FROM Productos WHERE IdProducto=?", {line.productId}).amount(0), unit);
            stock.next();
        }
        QCOMPARE(p.count("SELECT COUNT(*) FROM DetalleS WHERE IdCompra=?", {id}), 0);
    }

    void noLinesIsNothingAtAll()
    {
        PurchaseShop p;
        const PurchaseState before = PurchaseState::read(p.db());
        PurchaseHeaderInput empty = PurchaseShop::receipt();
        empty.nitCi.clear();  // not even the supplier is looked at
        const PurchaseRegistrationResult result = PurchaseRegistration::RegisterGoods(empty, {});
        QCOMPARE(result.outcome, PurchaseRegistrationResult::Outcome::NoLines);
        QCOMPARE(result.message, QString());
        QCOMPARE(PurchaseRegistration::RegisterServices(empty, {}).outcome, PurchaseRegistrationResult::Outcome::NoLines);
        QCOMPARE(PurchaseState::read(p.db()), before);
    }

    // The second line fails in the engine after the header, the first line and its stock were
    // written: all of it goes, and the key is not taken.
    void aLineTheEngineRefusesLeavesNothing()
    {
        PurchaseShop p;
        CreateFailingTrigger(p.db(), "BEFORE INSERT ON DetalleC", "NEW.IdProducto='P000000008'", "disco lleno");
        const PurchaseState before = PurchaseState::read(p.db());
        QVERIFY_THROWS_EXCEPTION(
            DatabaseError,
            PurchaseRegistration::RegisterGoods(PurchaseShop::receipt("50"), Lines({"P000000001|4|40", "P000000008|1|10"})));
        QCOMPARE(p.db().transactionDepth(), 0);
        QCOMPARE(PurchaseState::read(p.db()), before);
        DropFailingTrigger(p.db(), "DetalleC");
        QCOMPARE(PurchaseRegistration::RegisterGoods(PurchaseShop::receipt(), Lines({"P000000001|4|40"})).purchaseId,
                 QStringLiteral("P000000001"));
    }

    void servicePurchases()
    {
        PurchaseShop p;
        PurchaseHeaderInput credit = PurchaseShop::receipt("150", PurchaseCodes::Products);  // kind set by the call
        credit.paymentForm = PurchaseCodes::Credit;
        credit.receiptCash = QStringLiteral("0");
        const QString stockSql = QStringLiteral("SELECT IdProducto, Ingreso, Egreso, PCompra FROM Productos ORDER BY 1");
        const auto items = [&] {
            QStringList all;
            for (SqlRows r = p.row(stockSql); !r.atEnd(); r.next())
                all << r.text(0) + r.text(1) + r.text(2) + r.text(3);
            return all;
        };
        const QStringList itemsBefore = items();
        const PurchaseRegistrationResult stored = PurchaseRegistration::RegisterServices(
            credit, {{"1", "FLETE LA PAZ - EL ALTO", "100"}, {"2", "ESTIBADORES O'BRIEN", "50"}});
        QVERIFY2(stored.stored(), qPrintable(stored.message));
        SqlRows row =
            p.row("SELECT Inventario, TotalF, TotalE, Saldo, FormaP FROM Compras WHERE IdCompra=?", {stored.purchaseId});
        QCOMPARE(row.integer(0), 3);
        QCOMPARE(row.amount(1), 150.0);
        QCOMPARE(row.amount(2), 0.0);
        QCOMPARE(row.amount(3), 150.0);
        QCOMPARE(row.integer(4), 2);
        SqlRows lines = StoredPurchases::ServiceLines(stored.purchaseId);
        QCOMPARE(lines.count(), 2);
        QCOMPARE(lines.text(1), QStringLiteral("FLETE LA PAZ - EL ALTO"));
        lines.next();
        QCOMPARE(lines.number(0), 2.0);
        QCOMPARE(lines.text(1), QStringLiteral("ESTIBADORES O'BRIEN"));
        QCOMPARE(lines.amount(2), 50.0);
        // No stock moves and no goods lines.
        QCOMPARE(p.count("SELECT COUNT(*) FROM DetalleC"), 0);
        QCOMPARE(items(), itemsBefore);

        const PurchaseState after = PurchaseState::read(p.db());
        const PurchaseRegistrationResult zero =
            PurchaseRegistration::RegisterServices(PurchaseShop::receipt("10"), {{"0.0", "LIMPIEZA", "10"}});
        QCOMPARE(zero.message, QStringLiteral("Revise la cantidad Entrante del Servicio: LIMPIEZA"));
        QCOMPARE(zero.line, 0);
        QCOMPARE(PurchaseState::read(p.db()), after);
    }

    void deletion_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("stock back by the stored quantities") << "plain";
        QTest::newRow("stock already sold goes below zero") << "sold";
        QTest::newRow("deleted at another station first") << "twice";
        QTest::newRow("a service purchase moves no stock") << "service";
    }
    void deletion()
    {
        QFETCH(QString, scenario);
        PurchaseShop p;
        PurchaseRegistrationResult stored;
        if (scenario == "service") {
            stored = PurchaseRegistration::RegisterServices(PurchaseShop::receipt(), {{"1", "FLETE", "40"}});
        } else {
            stored = PurchaseRegistration::RegisterGoods(PurchaseShop::receipt("57.5"),
                                                         Lines({"P000000001|4|40", "P000000008|2.5|17.5"}));
        }
        QVERIFY2(stored.stored(), qPrintable(stored.message));
        const QString id = stored.purchaseId;
        if (scenario == "sold")
            p.db().execute("UPDATE Productos SET Egreso=50 WHERE IdProducto='P000000001'");

        QCOMPARE(PurchaseDeletion::Delete(id), QString());
        QCOMPARE(p.db().transactionDepth(), 0);
        if (scenario == "twice")
            QCOMPARE(PurchaseDeletion::Delete(id),
                     QStringLiteral("La Compra P000000001 ya no existe, pudo ser eliminada en otra estacion; revise la "
                                    "lista"));
        for (const char* table : {"Compras", "DetalleC", "DetalleS", "SaldoC"})
            QCOMPARE(p.count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IdCompra=?").arg(table), {id}), 0);
        QCOMPARE(p.intake("P000000001"), 48.0);
        QCOMPARE(p.intake("P000000008"), 30.0);
        if (scenario == "sold")
            QCOMPARE(p.stock("P000000001"), -2.0);
        // The key is never given out again.
        QCOMPARE(p.count("SELECT IdCompra FROM Codigos"), 1);
    }

    // A payment made on a credit purchase is money the closing of its session counts: the purchase
    // stays, with its lines, stock and payments, until the payments are annulled.
    void purchaseWithPaymentsIsKept()
    {
        PurchaseShop p;
        PurchaseHeaderInput header = PurchaseShop::receipt("57.5");
        header.paymentForm = PurchaseCodes::Credit;
        header.receiptCash = QStringLiteral("0");
        const PurchaseRegistrationResult stored =
            PurchaseRegistration::RegisterGoods(header, Lines({"P000000001|4|40", "P000000008|2.5|17.5"}));
        QVERIFY2(stored.stored(), qPrintable(stored.message));
        const QString id = stored.purchaseId;
        for (const char* amount : {"20", "7.5"})
            p.db().execute("INSERT INTO SaldoC(TotalE, IdCompra, IdCaja, FechaR) VALUES(?, ?, ?, '2026-12-09')",
                           {QString::fromLatin1(amount), id, p.session});

        QCOMPARE(PurchaseDeletion::Delete(id),
                 QStringLiteral("La Compra P000000001 tiene pagos registrados (Nº 1 del 09/12/2026 por Bs. 20.00, "
                                "Nº 2 del 09/12/2026 por Bs. 7.50): anule primero los pagos y luego elimine la compra"));
        QCOMPARE(p.db().transactionDepth(), 0);
        for (const char* table : {"Compras", "DetalleC", "SaldoC"})
            QVERIFY(p.count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IdCompra=?").arg(table), {id}) > 0);
        QCOMPARE(p.intake("P000000001"), 52.0);

        p.db().execute("DELETE FROM SaldoC WHERE IdCompra=?", {id});  // both annulled
        QCOMPARE(PurchaseDeletion::Delete(id), QString());
        QCOMPARE(p.intake("P000000001"), 48.0);
    }

    // The latest purchases of one kind, newest first, and a plan that reads only them.
    void recentPurchases()
    {
        PurchaseShop p;
        for (int i = 1; i <= 33; ++i)
            p.db().execute("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, Saldo, "
                           "Inventario, IdCaja) VALUES(?, '2026-12-09', '1', 'X', ?, 12.5, 20, 7.5, ?, ?)",
                           {QStringLiteral("P%1").arg(i, 9, 10, QLatin1Char('0')), i, i % 11 == 0 ? 2 : 1, p.session});
        const QList<QStringList> products = StoredPurchases::Recent(PurchaseCodes::Products);
        QCOMPARE(products.size(), 30);
        QCOMPARE(products.first().value(StoredPurchases::ColIdCompra), QStringLiteral("P000000032"));
        QCOMPARE(products.last().value(StoredPurchases::ColIdCompra), QStringLiteral("P000000001"));
        QCOMPARE(products.first(), (QStringList{"P000000032", "09/12/2026", "1", "X", "32", "", "", "12.5", "20", "7.5", "0",
                                                "0", "", "0", "1", "0", "", p.session}));
        const QList<QStringList> supplies = StoredPurchases::Recent(PurchaseCodes::Supplies);
        QCOMPARE(supplies.size(), 3);
        QCOMPARE(supplies.first().value(StoredPurchases::ColIdCompra), QStringLiteral("P000000033"));

        if (p.db().onServer())
            return;  // query plans are checked on the file; a server plans by its own statistics
        const auto plan = [&](const QString& sql, const QVariantList& values) {
            QString detail;
            for (SqlRows r = p.db().query("EXPLAIN QUERY PLAN " + sql, values); !r.atEnd(); r.next())
                detail += r.text("detail") + QLatin1Char(';');
            return detail;
        };
        const QString recent = plan(StoredPurchases::RecentStatement(), {1});
        QVERIFY2(recent.contains("USING INDEX Compras_Recientes") && !recent.contains("TEMP B-TREE"), qPrintable(recent));
        // The duplicate invoice is looked for by its number, never among all the supplier's purchases.
        const QStringList reads = PurchaseRegistration::ReadStatements();
        QCOMPARE(reads.size(), 2);
        const QString supplier = plan(reads.at(0), {"1"});
        QVERIFY2(supplier.contains("USING COVERING INDEX sqlite_autoindex_Proveedores_1"), qPrintable(supplier));
        const QString invoice = plan(reads.at(1), {"1", 1, "1"});
        QVERIFY2(invoice.contains("USING COVERING INDEX Compras_Factura (NitCI=? AND NroFact=? AND NroAut=?)"),
                 qPrintable(invoice));
    }

    // A shop of the version before the purchase indexes gets them when it is opened.
    void anOlderShopGetsThePurchaseIndexes()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        int step = 0;
        for (const auto& [version, statements] : SchemaUpgrade::currentPlan().steps)
            if (statements.contains(QStringLiteral("Compras_Recientes")))
                step = version;
        QVERIFY(step > 0);
        shop.db().execute("DROP INDEX Compras_Recientes");
        shop.db().execute("DROP INDEX Compras_Factura");
        shop.db().setSchemaVersion(step - 1);
        shop.db().close();
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        QCOMPARE(shop.db().schemaVersion(), SchemaUpgrade::currentPlan().version);
        QVERIFY(shop.db().hasIndex(QStringLiteral("Compras_Recientes")));
        QVERIFY(shop.db().hasIndex(QStringLiteral("Compras_Factura")));
    }
};

QTEST_GUILESS_MAIN(TstPurchaseRegistration)
#include "tst_purchaseregistration.moc"
