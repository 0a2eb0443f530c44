#include "FailingTrigger.h"
#include "SaleHistory.h"

#include "data/DatabaseError.h"
#include "sales/DispatchQueue.h"
#include "sales/SaleAnnulment.h"
#include "sales/ui/SalesManagementPanel.h"
#include "sales/StoredSale.h"
#include "tax/BookQueries.h"

using namespace SaleHistory;

namespace {

QStringList Row(SalesShop& s, const QString& sql, const QVariantList& values)
{
    QStringList cells;
    const SqlRows r = s.row(sql, values);
    for (int c = 0; c < r.columnCount(); ++c)
        cells << r.text(c);
    return cells;
}

// What an annulment must leave as it was: the invoice's numbers, its date, session, dosage and the
// sale's other stored facts.
const QString kKept = QStringLiteral("SELECT NroFact, NroAut, FechaV, IdCaja, IdDosificacion, Sucursal, HoraV, FormaP, "
                                     "Comprobante, Obs, Cajero FROM Ventas WHERE IdVenta=?");

}

class TstStoredSales : public QObject {
    Q_OBJECT
private slots:
    // The register annuls a sale of its open session, sales management one of an earlier session:
    // the same operation, the same result.
    void annulment_data()
    {
        QTest::addColumn<bool>("fromRegister");
        QTest::addColumn<bool>("threeLines");
        QTest::newRow("register, 2 units") << true << false;
        QTest::newRow("register, 3 lines") << true << true;
        QTest::newRow("management, 2 units of an earlier session") << false << false;
        QTest::newRow("management, 3 lines of an earlier session") << false << true;
    }
    void annulment()
    {
        QFETCH(bool, fromRegister);
        QFETCH(bool, threeLines);
        SalesShop s;
        const QString id = threeLines ? SellThreeLinesOnCredit() : SellTwoCocas();
        const QStringList kept = Row(s, kKept, {id});
        const QString counters = Row(s, "SELECT NVentas FROM Clientes WHERE NitCI=?", {kMaria}).join('|')
                                 + Row(s, "SELECT NFactura FROM DatosC", {}).join('|');
        if (!fromRegister)
            NextSession(s, QDate(2026, 12, 10));

        const SaleAnnulment::Result r = SaleAnnulment::Annul(id, fromRegister ? s.session : QString());
        QVERIFY(r.annulled);
        QCOMPARE(r.message, QStringLiteral("Venta Anulada Correctamente"));

        // Every unit comes back: the stock is what the demo shop started with.
        QCOMPARE(s.stock(kCoca), 48.0);
        QCOMPARE(s.stock(kLeche), 30.0);
        QCOMPARE(s.stock(kFanta), 36.0);
        QCOMPARE(Egreso(s, kCoca) + Egreso(s, kLeche) + Egreso(s, kFanta), 0.0);

        QCOMPARE(Row(s,
                     "SELECT Estado, NitCI, Cliente, TotalF, TotalE, Saldo, Neto, IVA, CodigoC FROM Ventas "
                     "WHERE IdVenta=?",
                     {id}),
                 (QStringList{"A", "0", "ANULADO", "0", "0", "0", "0", "0", "0"}));
        QCOMPARE(Row(s, kKept, {id}), kept);
        if (!threeLines)
            QCOMPARE(kept.mid(0, 2), (QStringList{"1", "29040011007"}));  // the invoice stays in the books
        QStringList lines;
        for (SqlRows l = s.row("SELECT Cantidad, PrecioU, PrecioT, Estado FROM DetalleV WHERE IdVenta=? "
                               "ORDER BY IdDetalleV",
                               {id});
             !l.atEnd(); l.next())
            lines << QStringLiteral("%1 %2 %3 %4").arg(l.text(0), l.text(1), l.text(2), l.text(3));
        const QStringList expected = threeLines ? QStringList{"2 0 0 A", "1 0 0 A", "3 0 0 A"} : QStringList{"2 0 0 A"};
        QCOMPARE(lines, expected);
        // The client's sale count and the invoice counter are not lowered.
        QCOMPARE(Row(s, "SELECT NVentas FROM Clientes WHERE NitCI=?", {kMaria}).join('|')
                     + Row(s, "SELECT NFactura FROM DatosC", {}).join('|'),
                 counters);
    }

    // A refused annulment writes nothing at all.
    void refusals_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such sale") << "unknown"
                                      << "No existe Venta con ese Nº de Orden";
        QTest::newRow("annulled already (another window)") << "twice"
                                                           << "La Venta ya fue Anulada";
        QTest::newRow("register: a sale of another session") << "other session"
                                                             << "El Nº de Orden pertenece a otra Fecha (Caja)";
        QTest::newRow("register: its session closed meanwhile") << "closed"
                                                                << "La CAJA no esta Abierta";
    }
    void refusals()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        SalesShop s;
        QString id = SellTwoCocas();
        QString session = s.session;
        if (situation == "unknown") {
            id = QStringLiteral("V000000099");
            session.clear();
        } else if (situation == "twice") {
            QVERIFY(SaleAnnulment::Annul(id).annulled);
        } else if (situation == "other session") {
            session = NextSession(s, QDate(2026, 12, 10));
        } else {
            s.db().execute("UPDATE Caja SET Estado=0 WHERE IdCaja=?", {session});
        }
        const ShopState before = ShopState::read(s.db());
        const QStringList sale = Row(s, "SELECT * FROM Ventas WHERE IdVenta=?", {id});
        const SaleAnnulment::Result r = SaleAnnulment::Annul(id, session);
        QVERIFY(!r.annulled);
        QCOMPARE(r.message, message);
        QCOMPARE(ShopState::read(s.db()), before);
        QCOMPARE(Row(s, "SELECT * FROM Ventas WHERE IdVenta=?", {id}), sale);
        QCOMPARE(s.db().transactionDepth(), 0);
        // Annulled twice, the two units came back once.
        QCOMPARE(s.stock(kCoca), situation == "twice" ? 48.0 : 46.0);
    }

    // A failure half-way undoes the whole annulment: no sale annulled without its stock back.
    void failureLeavesNothing_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("giving the stock back") << "Productos";
        QTest::newRow("annulling the lines") << "DetalleV";
    }
    void failureLeavesNothing()
    {
        QFETCH(QString, table);
        SalesShop s;
        const QString id = SellThreeLinesOnCredit();
        CreateFailingTrigger(s.db(), QStringLiteral("BEFORE UPDATE ON ") + table, {}, QStringLiteral("disco lleno"));
        const ShopState before = ShopState::read(s.db());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, SaleAnnulment::Annul(id, s.session));
        QCOMPARE(ShopState::read(s.db()), before);
        QCOMPARE(Row(s, "SELECT Estado FROM Ventas WHERE IdVenta=?", {id}), QStringList{"V"});
        QCOMPARE(s.db().transactionDepth(), 0);
        DropFailingTrigger(s.db(), table);
        QVERIFY(SaleAnnulment::Annul(id, s.session).annulled);
    }

    // An earlier session's sale annulled from sales management: the closed session's figures, the
    // credit sale's payment rows and the sales book's invoice stay.
    void keepsSessionsPaymentsAndBooks()
    {
        SalesShop s;
        const QString invoice = SellTwoCocas();
        const QString credit = SellThreeLinesOnCredit();
        const QString closed = s.session;
        const QString open = NextSession(s, QDate(2026, 12, 10));
        s.db().execute("INSERT INTO SaldoV(TotalE, IdVenta, IdCaja, FechaR, Cajero) VALUES(10, ?, ?, '2026-12-10', 'admin')",
                       {credit, open});
        const QStringList closedSession = Row(s, "SELECT * FROM Caja WHERE IdCaja=?", {closed});
        const QStringList openSession = Row(s, "SELECT * FROM Caja WHERE IdCaja=?", {open});

        QVERIFY(SaleAnnulment::Annul(invoice).annulled);
        QVERIFY(SaleAnnulment::Annul(credit).annulled);

        QCOMPARE(Row(s, "SELECT * FROM Caja WHERE IdCaja=?", {closed}), closedSession);
        QCOMPARE(Row(s, "SELECT * FROM Caja WHERE IdCaja=?", {open}), openSession);
        QCOMPARE(Row(s, "SELECT TotalE, IdCaja FROM SaldoV WHERE IdVenta=?", {credit}), (QStringList{"10", open}));
        SqlRows book = BookQueries::Load(BookKind::Sales, BookPeriod{12, 2026});
        QCOMPARE(book.count(), 1);
        QCOMPARE(book.text("IdVenta"), invoice);
        QCOMPARE(book.integer("NroFact"), 1);
        QCOMPARE(book.text("Estado"), QStringLiteral("A"));
    }

    // A stored sale read back as it was sold: lines in their order (a deleted product's line kept),
    // the client's company, and the deadline and legend of its own dosage after a new one came in.
    void storedSaleReadBack()
    {
        SalesShop s;
        const QString invoice = SellTwoCocas();
        const QString credit = SellThreeLinesOnCredit();
        const SqlRows dosage = s.row("SELECT FLimiteE, Leyenda FROM Dosificaciones WHERE Estado=1");
        s.db().execute("UPDATE Dosificaciones SET Estado=0");
        s.db().execute("INSERT INTO Dosificaciones(FechaR, NAutorizacion, Dosificacion, FLimiteE, Leyenda) "
                       "VALUES('2026-12-09', '7904006306693', 'clave', '2027-06-30', 'OTRA LEYENDA')");
        s.db().execute("UPDATE Clientes SET Empresa='EL SOL SRL' WHERE NitCI=?", {kMaria});
        s.db().execute("DELETE FROM Productos WHERE IdProducto=?", {kLeche});

        const std::optional<StoredSale> sold = StoredSales::Find(invoice);
        QVERIFY(sold);
        QVERIFY(sold->dosage);
        QCOMPARE(sold->dosage->deadline, dosage.date(0));
        QCOMPARE(sold->dosage->legend, dosage.text(1));
        QCOMPARE(sold->clientCompany, QStringLiteral("EL SOL SRL"));
        QCOMPARE(sold->NroAut, QStringLiteral("29040011007"));
        QVERIFY(!sold->isAnnulled());

        const std::optional<StoredSale> onCredit = StoredSales::Find(credit);
        QVERIFY(onCredit && !onCredit->dosage);  // no invoice, no dosage
        QStringList lines;
        for (const StoredSaleLine& l : onCredit->lines)
            lines << QStringLiteral("%1 %2 %3 %4").arg(l.quantity).arg(l.product).arg(l.unitPrice).arg(l.lineTotal);
        QCOMPARE(lines, (QStringList{"2 COCA COLA 2L 12.5 25", "1  7 7", "3 FANTA NARANJA 2L 12 36"}));
        const SaleVoucher v = onCredit->voucher();
        QCOMPARE(v.cashReceived, 20.0);
        QCOMPARE(v.changeOrBalance, 48.0);
        QCOMPARE(v.paymentFormText, QStringLiteral("CREDITO"));
        QCOMPARE(v.clientCompany, QStringLiteral("EL SOL SRL"));
        QVERIFY(!StoredSales::Find(QStringLiteral("V000000099")));
    }

    void saleKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::newRow("123") << "123"
                             << "V000000123";
        QTest::newRow("nine digits") << "000000007"
                                     << "V000000007";
        QTest::newRow("not a number") << "12a"
                                      << "";
        QTest::newRow("ten digits") << "1234567890"
                                    << "";
        QTest::newRow("signed") << "-5"
                                << "";
    }
    void saleKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QCOMPARE(StoredSales::SaleKey(typed), key);
    }

    // However many sales and orders the file keeps, each read finds its rows through an index; the
    // year's list of sales management reads the year's range of the date index.
    void readsUseIndexes()
    {
        SalesShop s;
        if (s.shop.onServer())
            QSKIP("query plans are checked on the file; a server plans by its own statistics");
        auto plan = [&](const QString& sql) {
            const QVariantList values(sql.count(QLatin1Char('?')), QStringLiteral("0"));
            QStringList steps;
            for (SqlRows r = s.row(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, values); !r.atEnd(); r.next())
                steps << r.text(3);
            return steps;
        };
        for (const QString& sql :
             StoredSales::ReadStatements() + SaleAnnulment::Statements() + DispatchQueue::ReadStatements()) {
            const QStringList steps = plan(sql);
            QVERIFY2(!steps.isEmpty() && steps.filter("SCAN").isEmpty(), qPrintable(sql + ": " + steps.join("; ")));
        }
        const QStringList list = plan(SalesManagementPanel::ListStatement());
        QVERIFY2(list.filter("SCAN").isEmpty() && !list.filter("Ventas_FechaV").isEmpty(), qPrintable(list.join("; ")));
    }
};

QTEST_MAIN(TstStoredSales)
#include "tst_storedsales.moc"
