#include "DeliveryShop.h"

#include "data/DatabaseError.h"
#include "data/SharedFunctions.h"
#include "purchases/DeliveryAnnulment.h"
#include "purchases/DeliveryRegistration.h"
#include "purchases/SupplyDeliveries.h"

#include <QSqlQuery>

// Registering and annulling supply deliveries without the window: what is stored, what is refused
// and the stock they move.
class TstDeliveryOperations : public QObject {
    Q_OBJECT
private slots:
    void registrationByRecipient_data()
    {
        QTest::addColumn<QString>("nit");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("storedName");  // the header's Cliente
        QTest::addColumn<QStringList>("client");  // the Clientes row of the NIT/CI afterwards
        QTest::addColumn<int>("clientsAdded");
        QTest::newRow("no NIT/CI") << ""
                                   << ""
                                   << "" << QStringList{} << 0;
        QTest::newRow("NIT/CI 0") << "0"
                                  << "PEDRO MAMANI"
                                  << "PEDRO MAMANI" << QStringList{} << 0;
        QTest::newRow("new, apostrophe as typed") << "6012345"
                                                  << "PEDRO O'HARA"
                                                  << "PEDRO O'HARA" << QStringList{"6012345|PEDRO O'HARA|0|admin"} << 1;
        QTest::newRow("known, renamed") << "4567890"
                                        << "MARIA QUISPE DE LUNA"
                                        << "MARIA QUISPE DE LUNA" << QStringList{"4567890|MARIA QUISPE DE LUNA|0|admin"} << 0;
        // The name is left empty when the NIT/CI field was never left: the stored one is kept and
        // the delivery records it.
        QTest::newRow("known, no name typed")
            << "4567890"
            << ""
            << "MARIA QUISPE CONDORI" << QStringList{"4567890|MARIA QUISPE CONDORI|0|admin"} << 0;
    }
    void registrationByRecipient()
    {
        QFETCH(QString, nit);
        QFETCH(QString, name);
        QFETCH(QString, storedName);
        QFETCH(QStringList, client);
        QFETCH(int, clientsAdded);
        DeliveryShop s;
        const qint64 clients = s.number("SELECT COUNT(*) FROM Clientes");
        QList<int> steps;
        const DeliveryResult result = DeliveryRegistration::Register(
            DeliveryShop::delivery(
                nit, name, {DeliveryShop::line(DeliveryShop::Bags, "10"), DeliveryShop::line(DeliveryShop::Flour, "2.5")}),
            [&](int step) { steps << step; });
        QVERIFY2(result.stored, qPrintable(result.message));
        QCOMPARE(result.voucher.deliveryId, QStringLiteral("E000000001"));
        QCOMPARE(result.voucher.recipient, storedName);
        QCOMPARE(steps, (QList<int>{2, 4, 4, 6, 8}));

        QCOMPARE(
            s.table("SELECT * FROM EntregaI"),
            QStringList{
                QStringLiteral("E000000001|2026-12-09|%1|%2|10:30:00|HORNO 2|0|admin|%3|V").arg(nit, storedName, s.session)});
        QCOMPARE(s.table("SELECT * FROM DetalleEI"),
                 (QStringList{"10|P000000015|E000000001|20|V", "2.5|P000000013|E000000001|17|V"}));
        QCOMPARE(s.stock(DeliveryShop::Bags), 490.0);
        QCOMPARE(s.stock(DeliveryShop::Flour), 247.5);
        QCOMPARE(s.stock(DeliveryShop::Sugar), 100.0);
        QCOMPARE(s.number("SELECT IdEgreso FROM Codigos"), 1);
        QCOMPARE(s.number("SELECT COUNT(*) FROM Clientes"), clients + clientsAdded);
        if (!nit.isEmpty())
            QCOMPARE(s.table("SELECT NitCI, Cliente, NVentas, Usuario FROM Clientes WHERE NitCI=?", {nit}), client);
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QString>("orderNumber");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<bool>("noLines");
        QTest::addColumn<bool>("sessionClosed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("conversion");
        QTest::newRow("no order number") << ""
                                         << "1" << false << false << "Inserte y/o seleccione correctamente los Datos"
                                         << false;
        QTest::newRow("no lines") << "000000001"
                                  << "1" << true << false << "Inserte Insumos a Entregar" << false;
        QTest::newRow("quantity no number") << "000000001"
                                            << "." << false << false << "Cantidad no valida en INSUMO" << true;
        QTest::newRow("quantity zero") << "000000001"
                                       << "0.0" << false << false << "Cantidad no valida en INSUMO" << true;
        QTest::newRow("session closed at another counter") << "000000001"
                                                           << "1" << false << true << "La CAJA no esta Abierta" << false;
    }
    void refusalsWriteNothing()
    {
        QFETCH(QString, orderNumber);
        QFETCH(QString, quantity);
        QFETCH(bool, noLines);
        QFETCH(bool, sessionClosed);
        QFETCH(QString, message);
        QFETCH(bool, conversion);
        DeliveryShop s;
        if (sessionClosed)
            s.db().execute("UPDATE Caja SET Estado=0");
        const QStringList before = s.state();
        DeliveryInput in = DeliveryShop::delivery("6012345", "PEDRO", {DeliveryShop::line(DeliveryShop::Flour, quantity)});
        in.orderNumberText = orderNumber;
        if (noLines)
            in.lines.clear();
        const DeliveryResult result = DeliveryRegistration::Register(in);
        QVERIFY(!result.stored);
        QCOMPARE(result.message, message);
        QCOMPARE(result.conversionError, conversion);
        QCOMPARE(s.state(), before);
    }

    // A supply deleted at another counter since the list was read: nothing of the delivery stays.
    void deletedSupplyRefusesTheWholeDelivery()
    {
        DeliveryShop s;
        s.db().execute("DELETE FROM Productos WHERE IdProducto=?", {DeliveryShop::Sugar});
        const QStringList before = s.state();
        DeliveryInput in = DeliveryShop::delivery(
            "", "", {DeliveryShop::line(DeliveryShop::Flour, "1"), DeliveryShop::line(DeliveryShop::Sugar, "1")});
        const DeliveryResult result = DeliveryRegistration::Register(in);
        QVERIFY(!result.stored);
        QCOMPARE(result.message, QStringLiteral("El insumo INSUMO ya no existe, quitelo de la entrega"));
        QCOMPARE(s.state(), before);
    }

    void keysFollowTheCounter()
    {
        DeliveryShop s;
        const auto in = DeliveryShop::delivery("", "", {DeliveryShop::line(DeliveryShop::Flour, "1")});
        QCOMPARE(DeliveryRegistration::Register(in).voucher.deliveryId, QStringLiteral("E000000001"));
        QCOMPARE(DeliveryRegistration::Register(in).voucher.deliveryId, QStringLiteral("E000000002"));
        QCOMPARE(SupplyDeliveries::NextOrderNumber(), QStringLiteral("000000003"));
        QCOMPARE(s.table("SELECT IdEntrega FROM EntregaI ORDER BY IdEntrega"), (QStringList{"E000000001", "E000000002"}));
    }

    // The stock comes back once, from the stored lines, and only while the delivery is valid.
    void annulment()
    {
        DeliveryShop s;
        const auto in = DeliveryShop::delivery(
            "6012345", "PEDRO", {DeliveryShop::line(DeliveryShop::Flour, "4"), DeliveryShop::line(DeliveryShop::Bags, "0.5")});
        const QString id = DeliveryRegistration::Register(in).voucher.deliveryId;
        QCOMPARE(s.stock(DeliveryShop::Flour), 246.0);

        QCOMPARE(DeliveryAnnulment::Annul(id), QString());
        QCOMPARE(s.stock(DeliveryShop::Flour), 250.0);
        QCOMPARE(s.stock(DeliveryShop::Bags), 500.0);
        QCOMPARE(s.table("SELECT Estado, NitCI, Cliente FROM EntregaI WHERE IdEntrega=?", {id}), QStringList{"A|0|ANULADO"});
        QCOMPARE(s.table("SELECT Cantidad, Estado FROM DetalleEI WHERE IdEntrega=?", {id}), (QStringList{"4|A", "0.5|A"}));

        // A second annulment, as from another counter that still showed it valid, changes nothing.
        const QStringList before = s.state();
        QCOMPARE(DeliveryAnnulment::Annul(id), DeliveryAnnulment::AlreadyAnnulled);
        QCOMPARE(s.state(), before);
        QCOMPARE(DeliveryAnnulment::Annul("E000000099"), QStringLiteral("No existe Venta con ese Nº de Orden"));
    }

    // A delivery of an earlier session is annulled the same way, with no session open at all.
    void annulmentOfAnEarlierSession()
    {
        DeliveryShop s;
        s.storeOld("E000000007", "2025-03-01", "PEDRO", "C000000050");
        s.db().execute("UPDATE Caja SET Estado=0");
        QCOMPARE(DeliveryAnnulment::Annul("E000000007"), QString());
        QCOMPARE(s.stock(DeliveryShop::Flour), 253.0);
    }

    void yearList()
    {
        DeliveryShop s;
        s.storeOld("E000000001", "2025-12-31", "ANA", "C000000050");
        s.storeOld("E000000002", "2026-01-01", "BETO", "C000000051");
        s.storeOld("E000000003", "2026-06-15", "ANA", "C000000052", "A");
        s.storeOld("E000000004", "2026-12-31", "ANA", "C000000053");
        s.storeOld("E000000005", "2027-01-01", "ANA", "C000000054");
        s.storeOld("E000000006", "2026-12-09", "ANA", s.session);  // the open session's
        s.storeOld("E000000007", "2026-03-03", "ANA", "C000000055");
        QStringList ids;
        for (SqlRows r = SupplyDeliveries::YearList(2026, s.session); !r.atEnd(); r.next())
            ids << r.text(0) + "|" + r.text(3);
        // By recipient, then the newest first.
        QCOMPARE(ids, (QStringList{"E000000007|ANA", "E000000004|ANA", "E000000003|ANULADO", "E000000002|BETO"}));

        // With no session open nothing is left out.
        QCOMPARE(SupplyDeliveries::YearList(2026, QString()).count(), 5);
    }

    // The year list starts from the date index, whatever the years of deliveries in the file, and a
    // delivery's header and lines are reached by its key.
    void readsGoThroughIndexes_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("start");
        QTest::newRow("year list") << SupplyDeliveries::YearListStatement()
                                   << SupplyDeliveries::YearListValues(2026, "C000000001")
                                   << "SEARCH EntregaI USING INDEX EntregaI_FechaE (FechaE>? AND FechaE<?)";
        QTest::newRow("header") << SupplyDeliveries::HeaderStatement() << QVariantList{"E000000001"}
                                << "SEARCH EntregaI USING INDEX sqlite_autoindex_EntregaI_1 (IdEntrega=?)";
        QTest::newRow("lines") << SupplyDeliveries::LinesStatement() << QVariantList{"E000000001"}
                               << "SEARCH D USING INDEX DetalleEI_Entrega";
    }
    void readsGoThroughIndexes()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, values);
        QFETCH(QString, start);
        DeliveryShop s;
        if (s.db().onServer())
            QSKIP("query plans are checked on the file; a server plans by its own statistics");
        QSqlQuery q(s.db().connection());
        QVERIFY(q.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sql));
        for (const QVariant& v : values)
            q.addBindValue(v);
        QVERIFY(q.exec());
        QStringList steps;
        while (q.next())
            steps << q.value(3).toString();
        QVERIFY2(steps.value(0).startsWith(start), qPrintable(steps.join(" / ")));
        for (const QString& step : steps)
            QVERIFY2(!step.startsWith("SCAN"), qPrintable(step));
    }

    void voucherFromStoredValues()
    {
        DeliveryShop s;
        s.storeOld("E000000012", "2026-03-02", "PEDRO", "C000000050");
        const SupplyDeliveryVoucher v = SupplyDeliveries::Voucher("E000000012");
        QCOMPARE(v.deliveryId, QStringLiteral("E000000012"));
        QCOMPARE(v.orderNumber(), QStringLiteral("12"));
        QCOMPARE(v.date, QDate(2026, 3, 2));
        QCOMPARE(v.recipient, QStringLiteral("PEDRO"));
        QCOMPARE(v.nitCi, QStringLiteral("6012345"));
        QCOMPARE(v.observation, QStringLiteral("OBS"));
        QCOMPARE(v.lines.size(), 1);
        QCOMPARE(v.lines.first().quantity, QStringLiteral("3"));
        QCOMPARE(v.lines.first().supply, QStringLiteral("HARINA DE TRIGO 50KG"));
        QCOMPARE(v.lines.first().unit, QStringLiteral("KILO"));
        QVERIFY(SupplyDeliveries::Voucher("E000000099").deliveryId.isEmpty());
    }

    void deliveryIdFromTheOrderNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("id");
        QTest::newRow("short") << "12"
                               << "E000000012";
        QTest::newRow("leading zeros") << "0007"
                                       << "E000000007";
        QTest::newRow("nine digits") << "123456789"
                                     << "E123456789";
        QTest::newRow("no number") << "1A"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void deliveryIdFromTheOrderNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, id);
        QCOMPARE(SupplyDeliveries::DeliveryId(typed), id);
    }
};

QTEST_MAIN(TstDeliveryOperations)
#include "tst_deliveryoperations.moc"
