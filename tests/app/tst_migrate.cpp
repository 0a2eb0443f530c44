#include "ShopFixture.h"
#include "TestServer.h"

#include "app/CommandLine.h"
#include "cash/CashClosing.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"
#include "data/EngineConnection.h"
#include "data/SchemaUpgrade.h"
#include "data/ServerAddress.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "sales/PaymentForms.h"
#include "sales/SaleCommit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

// Moving a shop file onto the server (cvi-zelto --migrate FILE postgresql://...): everything
// arrives, compared side by side; a refusal or a failure leaves the server's database empty and
// the file is never changed.

namespace {

QByteArray hashOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

struct Run {
    int status = -1;
    QString out, err;
};

Run migrate(const QString& file, const QString& server)
{
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.status = RunCommandLine({QStringLiteral("cvi-zelto"), QStringLiteral("--migrate"), file, server}, out, err);
    return run;
}

SaleLine line(const QString& product, const QString& quantity, const QString& price)
{
    return SaleLine{product, 1, quantity, price, QStringLiteral("PRODUCTO"), QStringLiteral("UNIDAD")};
}

// Two cash sessions of trade in a shop file: cash, credit and invoiced sales, a payment, a
// purchase, a closing; amounts with cents that a floating sum could blur.
void tradeInFile(ShopFixture& shop)
{
    shop.login();
    shop.openCashSession(QDate(2026, 12, 8), 100.1);
    auto sell = [&](int form, int voucher, const QString& cash, const QString& nit, const QList<SaleLine>& lines) {
        SaleInput in = SaleInput::fromSession();
        in.saleNumberText = QStringLiteral("1");
        in.paymentForm = form;
        in.voucherKind = voucher;
        in.cashText = cash;
        in.nitCi = nit;
        in.clientName = QStringLiteral("CLIENTE D'ORO");
        in.lines = lines;
        const SaleCommitResult r = SaleCommit::Commit(in);
        QVERIFY2(r.stored(), qPrintable(r.message));
    };
    for (int i = 0; i < 7; ++i)
        sell(PaymentForms::Cash, i % 2, QStringLiteral("100"), QStringLiteral("123456%1").arg(i),
             {line(QStringLiteral("P000000001"), QStringLiteral("3"), QStringLiteral("12.1")),
              line(QStringLiteral("P000000012"), QStringLiteral("0.3"), QStringLiteral("0.7"))});
    sell(PaymentForms::Credit, 1, QStringLiteral("5.55"), QStringLiteral("4567890"),
         {line(QStringLiteral("P000000008"), QStringLiteral("2"), QStringLiteral("7.05"))});
    auto& db = shop.db();
    const QString session = SessionState::current().CashSessionId;
    db.execute(QStringLiteral("INSERT INTO SaldoV(TotalE, IdVenta, IdCaja, FechaR, Cajero) VALUES(1.1, "
                              "(SELECT MAX(IdVenta) FROM Ventas), ?, '2026-12-08', 'admin')"),
               {session});
    AllocateKey(PurchaseCounter, [&](const QString& key) {
        db.execute(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, Saldo, "
                                  "FormaP, Comprobante, Inventario, Cajero, IdCaja) VALUES(?, '2026-12-08', '1023456027', "
                                  "'EMBOTELLADORA ANDINA SA', 77, 33.3, 33.3, 0, 1, 0, 1, 'admin', ?)"),
                   {key, session});
        db.execute(QStringLiteral("INSERT INTO DetalleC(IdCategoria, IdProducto, CInicial, CEntrante, PrecioU, PrecioT, IdCompra) "
                                  "VALUES(1, 'P000000001', 48, 3, 11.1, 33.3, ?)"),
                   {key});
    });
    QCOMPARE(CashClosing::Close(session, 190, 50, nullptr, {}), QString());
    shop.openCashSession(QDate(2026, 12, 9), 0);
    sell(PaymentForms::Cash, 1, QStringLiteral("20"), QStringLiteral("0"),
         {line(QStringLiteral("P000000003"), QStringLiteral("1"), QStringLiteral("4"))});
    shop.db().close();
}

qint64 count(const QString& sql) { return TDataModule1::instance().query(sql).integer(0); }

}

class TstMigrate : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!TestServer::enabled())
            QSKIP("needs the test run's PostgreSQL server");
    }

    void shopArrivesWholeAndTheFileStaysAsItWas()
    {
        ShopFixture file(true, ShopFixture::Place::File);
        QVERIFY2(file.ok(), qPrintable(file.error()));
        tradeInFile(file);
        const QByteArray before = hashOf(file.databasePath());
        const QString server = TestServer::createDatabase();

        const Run run = migrate(file.databasePath(), server);
        QVERIFY2(run.status == 0, qPrintable(run.err + run.out));
        QVERIFY(run.out.contains(QStringLiteral("coinciden")));
        QVERIFY(run.out.contains(QStringLiteral("Ventas.TotalF (suma)")));
        QVERIFY(!run.out.contains(QStringLiteral("DIFERENTE")));
        QCOMPARE(hashOf(file.databasePath()), before);

        // The same figures read back from both sides through the program's own gateway.
        const QStringList figures = {
            "SELECT COUNT(*), SUM(TotalF), SUM(TotalE), SUM(Saldo), SUM(IVA) FROM Ventas",
            "SELECT COUNT(*), SUM(Cantidad), SUM(PrecioT) FROM DetalleV",
            "SELECT IdCaja, Fecha, CInicial, VentasEf, Saldo, Traspaso, SobFal, Estado FROM Caja ORDER BY IdCaja",
            "SELECT IdCaja, IdVenta, IdCompra, IdProducto, IdEgreso FROM Codigos",
            "SELECT NFactura, RazonSocial FROM DatosC",
            "SELECT IdProducto, Ingreso, Egreso, PCompra FROM Productos ORDER BY IdProducto",
            "SELECT NitCI, Cliente, NVentas FROM Clientes ORDER BY NitCI",
            "SELECT COUNT(*), SUM(TotalE) FROM SaldoV",
            "SELECT IdVenta, FechaV, NroFact, CodigoC FROM Ventas ORDER BY IdVenta",
        };
        auto read = [&](const QString& name) {
            QStringList cells;
            if (const QString error = TDataModule1::instance().open(name); !error.isEmpty())
                return QStringList{error};
            for (const QString& sql : figures)
                for (SqlRows r = TDataModule1::instance().query(sql); !r.atEnd(); r.next())
                    for (int c = 0; c < r.columnCount(); ++c)
                        cells << (r.value(c).typeId() == QMetaType::Double ? QString::number(r.amount(c), 'f', 3) : r.text(c));
            TDataModule1::instance().close();
            return cells;
        };
        const QStringList onFile = read(file.databasePath());
        QCOMPARE(read(server), onFile);

        // The shop goes on trading there: keys and line numbers continue after the copied ones.
        QCOMPARE(TDataModule1::instance().open(server), QString());
        const qint64 lines = count(QStringLiteral("SELECT COUNT(*) FROM DetalleV"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Usuario WHERE Login='ADMIN'")), 1);
        const QString key = AllocateKey(SaleCounter, [&](const QString& k) {
            TDataModule1::instance().execute(
                QStringLiteral(
                    "INSERT INTO Ventas(IdVenta, FechaV, IdCaja) VALUES(?, '2026-12-09', (SELECT MAX(IdCaja) FROM Caja))"),
                {k});
            TDataModule1::instance().execute(
                QStringLiteral(
                    "INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) VALUES(1, 'P000000001', 1, 1, ?, 1)"),
                {k});
        });
        QCOMPARE(key, QStringLiteral("V000000010"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM DetalleV")), lines + 1);
        TDataModule1::instance().close();
        TestServer::dropDatabase(server);
    }

    // A check only reads: a server's shop of an older version is reported, not upgraded (the
    // counters still on the older program would be refused), and no copy is written anywhere.
    void checkLeavesAnOlderServerShopAsItWas()
    {
        const QString server = TestServer::createDatabase();
        QCOMPARE(DatabaseCreator::create(server), QString());
        const int older = SchemaUpgrade::currentPlan().version - 1;
        const QString look = QStringLiteral("look");
        auto version = [&] {
            QString comment;
            if (EngineConnection::open(server, look).isEmpty()) {
                QSqlQuery q(QSqlDatabase::database(look, false));
                if (q.exec(QStringLiteral("SELECT obj_description(to_regclass('codigos'), 'pg_class')")) && q.next())
                    comment = q.value(0).toString();
            }
            EngineConnection::remove(look);
            return comment;
        };
        QVERIFY(EngineConnection::open(server, look).isEmpty());
        QVERIFY(QSqlQuery(QSqlDatabase::database(look, false))
                    .exec(QStringLiteral("COMMENT ON TABLE Codigos IS 'version %1'").arg(older)));
        EngineConnection::remove(look);
        QTemporaryDir home;
        SessionState::current().AppFolder = home.path();

        Run run;
        QTextStream out(&run.out), err(&run.err);
        run.status = RunCommandLine({QStringLiteral("cvi-zelto"), QStringLiteral("--check"), server}, out, err);
        QVERIFY2(run.status == 0, qPrintable(run.err + run.out));
        QVERIFY2(run.err.contains(QStringLiteral("version %1").arg(older)), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("sin actualizarla")));
        QCOMPARE(version(), QStringLiteral("version %1").arg(older));
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(QDir::home().entryList({QStringLiteral("*antes-de-actualizar*")}, QDir::Files), QStringList());
        SessionState::reset();
        TestServer::dropDatabase(server);
    }

    // Nothing is written where a shop (or anything else) already is, nor from what is no shop,
    // nor when the copy fails half-way; the server's database is left as it was.
    void refusalsLeaveTheServerAsItWas_data()
    {
        QTest::addColumn<QString>("case_");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("target already holds a shop") << "shop" << 1 << "ya contiene tablas";
        QTest::newRow("source is not a shop file") << "notashop" << 3 << "no es una base de datos del sistema";
        QTest::newRow("failure half-way") << "halfway" << 1 << "tabla Ventas";
        QTest::newRow("source of a newer program") << "newer" << 7 << "version mas reciente";
        QTest::newRow("damaged source") << "damaged" << 5 << "esta danada";
    }
    void refusalsLeaveTheServerAsItWas()
    {
        QFETCH(QString, case_);
        QFETCH(int, status);
        QFETCH(QString, message);
        ShopFixture file(true, ShopFixture::Place::File);
        QVERIFY2(file.ok(), qPrintable(file.error()));
        file.db().close();
        QString source = file.databasePath();
        const QString server = TestServer::createDatabase();
        ServerAddress address;
        QVERIFY(ServerAddress::parse(server, &address, nullptr));
        if (case_ == QLatin1String("shop")) {
            QCOMPARE(migrate(source, server).status, 0);
        } else if (case_ == QLatin1String("halfway")) {
            // A day the file takes and the server does not: the copy fails at the sales, after the
            // tables before them were filled.
            QCOMPARE(file.db().open(source), QString());
            file.db().execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha) VALUES('C000000001', '2026-12-09')"));
            file.db().execute(QStringLiteral(
                "INSERT INTO Ventas(IdVenta, FechaV, IdCaja) VALUES('V000000001', '0000-01-01', 'C000000001')"));
            file.db().close();
        } else if (case_ == QLatin1String("newer")) {
            QCOMPARE(file.db().open(source), QString());
            file.db().execute(QStringLiteral("PRAGMA user_version = %1").arg(SchemaUpgrade::currentPlan().version + 1));
            file.db().close();
        } else if (case_ == QLatin1String("damaged")) {
            // Pages of the sales overwritten, as a failing disk leaves them; the file's first page
            // (its tables' names) stays whole.
            QCOMPARE(file.db().open(source), QString());
            file.db().execute(QStringLiteral("UPDATE Productos SET Producto = Producto || ' EXTRA LARGO'"));
            file.db().close();
            QFile f(source);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.seek(f.size() / 2));
            f.write(QByteArray(4096 * 4, '\x5a'));
        } else if (case_ == QLatin1String("notashop")) {
            source = file.folder() + QStringLiteral("lista.sqlite");
            QFile f(source);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("IdProducto;Producto\n");
        }
        // What the server's database holds before: its tables and their rows.
        auto state = [&] {
            const QString name = QStringLiteral("look");
            QStringList seen;
            if (EngineConnection::open(server, name).isEmpty()) {
                QSqlQuery q(QSqlDatabase::database(name, false));
                q.exec(QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema() "
                                      "ORDER BY table_name"));
                while (q.next())
                    seen << q.value(0).toString();
                if (seen.contains(QStringLiteral("ventas")) && q.exec(QStringLiteral("SELECT COUNT(*) FROM Ventas"))
                    && q.next())
                    seen << q.value(0).toString();
            }
            EngineConnection::remove(name);
            return seen;
        };
        const QStringList before = state();
        const QByteArray fileBefore = hashOf(source);

        const Run run = migrate(source, server);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!run.err.contains(address.password.isEmpty() ? QStringLiteral("\x01") : address.password));
        QCOMPARE(state(), before);
        QCOMPARE(hashOf(source), fileBefore);
        TestServer::dropDatabase(server);
    }
};

QTEST_MAIN(TstMigrate)
#include "tst_migrate.moc"
