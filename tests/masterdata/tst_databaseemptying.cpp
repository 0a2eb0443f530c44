#include "FailingTrigger.h"
#include "ShopFixture.h"
#include "WindowDriver.h"

#include "data/ServerAddress.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "masterdata/ui/UUsuarios.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <QtTest>

namespace {

const QString kFirstQuestion =
    QStringLiteral("Esta seguro de Vaciar la BD?, se eliminara todas las ventas incluida las Facturadas");
const QString kSummary = QStringLiteral(
    "Se eliminaran 2 cajas, 3 ventas (1 facturadas), 3 compras, 1 entregas y 2 pagos; el stock de todos los productos "
    "quedara en 0. Antes se guardara una copia de la base de datos. ¿Continuar?");
const QString kEmptied = QStringLiteral("La Base de Datos ha sido vaciada correctamente, el Sistema se Cerrara");

// Every table the emptying clears, and those it must leave alone.
const QStringList kCleared = {"Caja",     "Ventas",   "DetalleV",  "Compras", "DetalleC",
                              "DetalleS", "EntregaI", "DetalleEI", "SaldoV",  "SaldoC"};
const QStringList kKept = {"Dosificaciones", "Usuario", "Clientes", "Proveedores", "Productos", "Categorias", "DatosC"};

// A shop with a closed and an open session: a cash sale, a credit sale paid in part in the next
// session, an invoiced sale, a purchase of products, a credit purchase paid in part, a service
// purchase and a delivery of supplies, each with its lines; stock moved on two products.
struct BusyShop {
    ShopFixture shop;

    BusyShop()
    {
        shop.login();
        auto& db = shop.db();
        const QString closed = shop.openCashSession(QDate(2026, 12, 8), 100);
        db.execute(QStringLiteral("UPDATE Caja SET Estado=0 WHERE IdCaja=?"), {closed});
        const QString open = shop.openCashSession(QDate(2026, 12, 9), 50);
        const int dosage = SessionState::current().DosageId;

        const QString sale =
            QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, NroFact, NroAut, TotalF, TotalE, Saldo, "
                           "FormaP, Comprobante, IdCaja, IdDosificacion) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        db.execute(sale, {"V000000001", "2026-12-08", 0, 0, 25, 25, 0, 1, 0, closed, 0});
        db.execute(sale, {"V000000002", "2026-12-08", 0, 0, 40, 10, 30, 2, 0, closed, 0});
        db.execute(sale, {"V000000003", "2026-12-09", 7, 29040011007LL, 12.5, 12.5, 0, 1, 1, open, dosage});
        const QString line =
            QStringLiteral("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) "
                           "VALUES(?, 'P000000001', 12.5, ?, ?, 1)");
        db.execute(line, {2, 25, "V000000001"});
        db.execute(line, {3.2, 40, "V000000002"});
        db.execute(line, {1, 12.5, "V000000003"});
        db.execute(
            QStringLiteral("INSERT INTO SaldoV(TotalE, IdVenta, IdCaja, FechaR) VALUES(5, 'V000000002', ?, '2026-12-09')"),
            {open});

        const QString purchase = QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, TotalF, TotalE, Saldo, FormaP, "
                                                "Inventario, IdCaja) VALUES(?, ?, '1023456027', ?, ?, ?, ?, ?, ?)");
        db.execute(purchase, {"P000000001", "2026-12-08", 95, 95, 0, 1, 1, closed});
        db.execute(purchase, {"P000000002", "2026-12-09", 60, 20, 40, 2, 2, open});
        db.execute(purchase, {"P000000003", "2026-12-09", 30, 30, 0, 1, 3, open});
        db.execute(QStringLiteral(
            "INSERT INTO DetalleC(IdCategoria, IdProducto, CEntrante, PrecioU, PrecioT, IdCompra) "
            "VALUES(1, 'P000000001', 10, 9.5, 95, 'P000000001'), (17, 'P000000012', 10, 6, 60, 'P000000002')"));
        db.execute(QStringLiteral("INSERT INTO DetalleS(Cantidad, Concepto, PrecioT, IdCompra) "
                                  "VALUES(1, 'REPARACION DE CONGELADORA', 30, 'P000000003')"));
        db.execute(
            QStringLiteral("INSERT INTO SaldoC(TotalE, IdCompra, IdCaja, FechaR) VALUES(10, 'P000000002', ?, '2026-12-09')"),
            {open});

        db.execute(QStringLiteral("INSERT INTO EntregaI(IdEntrega, FechaE, Cliente, IdCaja) VALUES('E000000001', '2026-12-09', "
                                  "'PANADERO', ?)"),
                   {open});
        db.execute(QStringLiteral("INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria) "
                                  "VALUES(4, 'P000000012', 'E000000001', 17)"));
        db.execute(QStringLiteral("UPDATE Productos SET Egreso=6.2 WHERE IdProducto='P000000001'"));
        db.execute(QStringLiteral("UPDATE Productos SET Egreso=4 WHERE IdProducto='P000000012'"));
        db.execute(QStringLiteral("UPDATE Codigos SET IdCaja=2, IdVenta=3, IdCompra=3, IdEgreso=1 WHERE IdC=1"));
        db.execute(QStringLiteral("UPDATE DatosC SET NFactura=8"));
    }

    std::unique_ptr<TFUsuarios> open()
    {
        SessionState::current().AdminMode = 2;
        auto window = std::make_unique<TFUsuarios>();
        window->show();
        return window;
    }

    qint64 rows(const QString& table) { return shop.db().query(QStringLiteral("SELECT COUNT(*) FROM ") + table).integer(0); }
    QList<qint64> keptCounts()
    {
        QList<qint64> counts;
        for (const QString& table : kKept)
            counts << rows(table);
        return counts;
    }

    // Every row of every table the emptying touches or must keep, as text.
    QStringList snapshot()
    {
        QStringList all;
        for (const QString& table : kCleared + kKept + QStringList{"Codigos"}) {
            SqlRows r = shop.db().query(QStringLiteral("SELECT * FROM ") + table);
            for (r.first(); !r.atEnd(); r.next()) {
                QStringList values;
                for (int c = 0; c < r.columnCount(); ++c)
                    values << r.text(c);
                all << table + QLatin1Char(':') + values.join(QLatin1Char('|'));
            }
        }
        return all;
    }

    // Beside the file; a server's shop: in the program's folder, under the database's name.
    QString copyPath() const
    {
        ServerAddress server;
        const bool onServer = ServerAddress::parse(shop.databasePath(), &server, nullptr);
        return shop.folder() + (onServer ? server.database : QStringLiteral("dbzelto"))
               + "-antes-de-vaciar-20261209-103000.sqlite";
    }
};

}

class TstDatabaseEmptying : public QObject {
    Q_OBJECT
private slots:
    void emptiesSalesAndKeepsTheShop()
    {
        BusyShop b;
        const QList<qint64> keptBefore = b.keptCounts();
        const qint64 products = b.rows("Productos");
        auto window = b.open();
        Drive::click(*window, "SBVaciarDB");

        QCOMPARE(b.shop.messages.questions, (QList<QPair<QString, QString>>{{"Vaciar Base de Datos", kFirstQuestion},
                                                                            {"Vaciar Base de Datos", kSummary}}));
        QVERIFY2(b.shop.messages.errors.isEmpty(), qPrintable(b.shop.messages.errors.join('\n')));
        QCOMPARE(b.shop.messages.infos,
                 (QStringList{kEmptied, QStringLiteral("Copia de seguridad: ") + QDir::toNativeSeparators(b.copyPath())}));
        QCOMPARE(b.shop.programEnd.requests, 1);

        for (const QString& table : kCleared)
            QVERIFY2(b.rows(table) == 0, qPrintable(table));
        const SqlRows counters = b.shop.db().query(
            QStringLiteral("SELECT IdCaja, IdVenta, IdCompra, IdEgreso, IdProducto FROM Codigos WHERE IdC=1"));
        QCOMPARE((QList<qint64>{counters.integer(0), counters.integer(1), counters.integer(2), counters.integer(3)}),
                 (QList<qint64>{0, 0, 0, 0}));
        QCOMPARE(counters.integer(4), products);
        QCOMPARE(b.rows("Productos WHERE Ingreso<>0 OR Egreso<>0"), 0);
        QCOMPARE(b.rows("Productos"), products);
        QCOMPARE(ReadInvoiceCounter(), 8);
        QCOMPARE(b.keptCounts(), keptBefore);
        QCOMPARE(CounterLetter(SaleCounter) + NextCounterId(SaleCounter), QStringLiteral("V000000001"));

        // The copy is a database of its own holding everything as it was.
        {
            QSqlDatabase copy = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
            copy.setDatabaseName(b.copyPath());
            QVERIFY(copy.open());
            QSqlQuery q(copy);
            QVERIFY(q.exec(QStringLiteral(
                "SELECT (SELECT COUNT(*) FROM Ventas), (SELECT COUNT(*) FROM DetalleEI), "
                "(SELECT IdVenta FROM Codigos), (SELECT Egreso FROM Productos WHERE IdProducto='P000000012')")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 3);
            QCOMPARE(q.value(1).toInt(), 1);
            QCOMPARE(q.value(2).toInt(), 3);
            QCOMPARE(q.value(3).toDouble(), 4.0);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    }

    // Answered No at either question, or a failure anywhere: nothing is deleted and the program
    // goes on.
    void nothingChangesUnlessItAllHappens_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QString>("failure");  // "", "copy" or "write"
        QTest::addColumn<bool>("copied");
        QTest::newRow("no at the first question") << QList<bool>{false} << "" << false;
        QTest::newRow("no at the summary") << QList<bool>{true, false} << "" << false;
        QTest::newRow("the copy cannot be written") << QList<bool>{true, true} << "copy" << false;
        QTest::newRow("the last write fails") << QList<bool>{true, true} << "write" << true;
    }
    void nothingChangesUnlessItAllHappens()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(QString, failure);
        QFETCH(bool, copied);
        BusyShop b;
        if (failure == QLatin1String("write"))
            CreateFailingTrigger(b.shop.db(), QStringLiteral("BEFORE UPDATE ON Productos"), {}, QStringLiteral("disco lleno"));
        if (failure == QLatin1String("copy")) {
            // A file of that name (a copy taken the same second) is never overwritten.
            QFile existing(b.copyPath());
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("ocupado");
        }
        const QStringList before = b.snapshot();
        auto window = b.open();
        for (bool answer : answers)
            b.shop.messages.answerNext(answer);
        Drive::click(*window, "SBVaciarDB");

        QCOMPARE(b.shop.messages.questions.size(), answers.size());
        QVERIFY(b.shop.messages.infos.isEmpty());
        QCOMPARE(b.shop.messages.errors.size(), failure.isEmpty() ? 0 : 1);
        if (failure == QLatin1String("write"))
            QCOMPARE(b.shop.messages.errors.first(), QStringLiteral("disco lleno"));
        QCOMPARE(b.snapshot(), before);
        QCOMPARE(b.shop.programEnd.requests, 0);
        if (failure != QLatin1String("copy"))
            QCOMPARE(QFile::exists(b.copyPath()), copied);
    }
};

QTEST_MAIN(TstDatabaseEmptying)
#include "tst_databaseemptying.moc"
