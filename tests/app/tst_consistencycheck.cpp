#include "ShopFixture.h"

#include "app/CommandLine.h"
#include "app/ConsistencyCheck.h"
#include "app/ShopSimulator.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

// The consistency check on a shop with a few days of trade: clean it finds nothing, and each rule
// broken on purpose is named with the rows involved. A file that is no shop is refused untouched.

namespace {

struct Run {
    int status = 0;
    QString out, err;
    QString lastLine() const { return out.trimmed().section(QLatin1Char('\n'), -1); }
};

Run runTool(const QStringList& arguments)
{
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.status = RunCommandLine(QStringList{QStringLiteral("cvi-zelto")} + arguments, out, err);
    return run;
}

// A demo shop with three simulated days, its connection open for breaking it.
struct TradedShop {
    ShopFixture shop;
    TradedShop()
    {
        SimulationOptions options;
        options.days = 3;
        options.salesPerDay = 30;
        options.from = QDate(2026, 12, 1);
        options.seed = 4;
        refusal = ShopSimulator::Run(options, nullptr);
    }
    QString refusal;
    QString one(const QString& sql) { return shop.db().query(sql).text(0); }
};

QByteArray digest(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

}

class TestConsistencyCheck : public QObject {
    Q_OBJECT
private slots:
    void aTradedShopHasNoProblem()
    {
        TradedShop t;
        QVERIFY2(t.refusal.isEmpty(), qPrintable(t.refusal));
        const Run run = runTool({QStringLiteral("--check"), t.shop.databasePath()});
        QCOMPARE(run.out, QStringLiteral("0 problems\n"));
        QCOMPARE(run.status, 0);
    }

    // Each row breaks one rule; `{sale}`, `{credit}`, `{invoice}`, `{delivery}` and `{session}`
    // stand for a plain cash sale, a credit sale, the last invoice, a delivery and the first
    // closed session of the shop.
    void namesEachBrokenRule_data()
    {
        QTest::addColumn<QStringList>("damage");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("row");
        QTest::newRow("a sale without lines")
            << QStringList{"DELETE FROM DetalleV WHERE IdVenta='{sale}'"} << "Venta sin lineas"
            << "{sale}";
        QTest::newRow("a delivery without lines")
            << QStringList{"DELETE FROM DetalleEI WHERE IdEntrega='{delivery}'"} << "Entrega sin lineas"
            << "{delivery}";
        QTest::newRow("a total that differs from its lines")
            << QStringList{"UPDATE Ventas SET TotalF=TotalF+1, TotalE=TotalE+1 WHERE IdVenta='{sale}'"} << "Total de venta"
            << "{sale}";
        QTest::newRow("a line left valid in an annulled sale")
            << QStringList{"UPDATE DetalleV SET Estado='A' WHERE IdDetalleV=(SELECT MIN(IdDetalleV) FROM DetalleV "
                           "WHERE IdVenta='{sale}')"}
            << "Estado de linea de venta"
            << "{sale}";
        QTest::newRow("a debt paid beyond the total")
            << QStringList{"UPDATE Ventas SET TotalE=TotalF+5 WHERE IdVenta='{credit}'"} << "Deuda de venta"
            << "{credit}";
        QTest::newRow("instalments beyond what was paid")
            << QStringList{"INSERT INTO SaldoV(TotalE, IdVenta, IdCaja, FechaR) SELECT TotalE+1, IdVenta, IdCaja, "
                           "FechaV FROM Ventas WHERE IdVenta='{credit}'"}
            << "Deuda de venta"
            << "{credit}";
        QTest::newRow("a sale counter behind its keys") << QStringList{"UPDATE Codigos SET IdVenta=IdVenta-1"} << "Contador"
                                                        << "Codigos.IdVenta";
        QTest::newRow("a session counter behind its keys") << QStringList{"UPDATE Codigos SET IdCaja=1"} << "Contador"
                                                           << "Codigos.IdCaja";
        QTest::newRow("an invoice counter behind its invoices")
            << QStringList{"UPDATE DatosC SET NFactura=NFactura-1"} << "Contador"
            << "proxima factura";
        QTest::newRow("an invoice gap") << QStringList{"UPDATE Ventas SET NroFact=NroFact+2 WHERE IdVenta='{invoice}'",
                                                       "UPDATE DatosC SET NFactura=NFactura+2"}
                                        << "Facturas faltantes"
                                        << "dosificacion 1, factura";
        QTest::newRow("an invoice number twice")
            << QStringList{"UPDATE Ventas SET NroFact=NroFact-1 WHERE IdVenta='{invoice}'"} << "Factura repetida"
            << "{invoice}";
        QTest::newRow("a wrong control code")
            << QStringList{"UPDATE Ventas SET CodigoC='7B-F3-48-A8' WHERE IdVenta='{invoice}'"} << "Codigo de control"
            << "{invoice}";
        QTest::newRow("an invoice amount changed after its code")
            << QStringList{"UPDATE Ventas SET TotalF=TotalF+10, TotalE=TotalE+10 WHERE IdVenta='{invoice}'",
                           "UPDATE DetalleV SET PrecioT=PrecioT+10 WHERE IdDetalleV=(SELECT MIN(IdDetalleV) "
                           "FROM DetalleV WHERE IdVenta='{invoice}')"}
            << "Codigo de control"
            << "{invoice}";
        QTest::newRow("a closing figure changed")
            << QStringList{"UPDATE Caja SET VentasEf=VentasEf+10 WHERE IdCaja='{session}'"} << "Cierre de caja"
            << "{session}";
        QTest::newRow("a closing's sales count changed")
            << QStringList{"UPDATE Caja SET NVentasDo=NVentasDo+1 WHERE IdCaja='{session}'"} << "Cierre de caja"
            << "{session}";
        QTest::newRow("a session opened below the last balance")
            << QStringList{"UPDATE Caja SET Saldo=Saldo+1000, Traspaso=Traspaso-1000 WHERE IdCaja='{session}'"}
            << "Cierre de caja"
            << "{session}";
        QTest::newRow("two open sessions") << QStringList{"UPDATE Caja SET Estado=1"} << "Cajas abiertas"
                                           << "{session}";
        QTest::newRow("a line of a sale that is not there")
            << QStringList{"PRAGMA foreign_keys = OFF",
                           "INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta) "
                           "VALUES(1, 'P000000001', 1, 1, 'V999999999')",
                           "PRAGMA foreign_keys = ON"}
            << "Clave foranea"
            << "DetalleV";
    }
    void namesEachBrokenRule()
    {
        QFETCH(QStringList, damage);
        QFETCH(QString, rule);
        QFETCH(QString, row);
        TradedShop t;
        QVERIFY2(t.refusal.isEmpty(), qPrintable(t.refusal));
        const QHash<QString, QString> rows{
            {"{sale}", t.one("SELECT MIN(IdVenta) FROM Ventas WHERE FormaP=1 AND Comprobante=0 AND Estado='V'")},
            {"{credit}", t.one("SELECT MIN(IdVenta) FROM Ventas WHERE FormaP=2 AND Estado='V'")},
            {"{invoice}", t.one("SELECT IdVenta FROM Ventas WHERE NroFact=(SELECT MAX(NroFact) FROM Ventas)")},
            {"{delivery}", t.one("SELECT MIN(IdEntrega) FROM EntregaI")},
            {"{session}", t.one("SELECT MIN(IdCaja) FROM Caja")},
        };
        for (auto it = rows.cbegin(); it != rows.cend(); ++it)
            QVERIFY2(!it.value().isEmpty(), qPrintable(it.key() + QStringLiteral(" missing in the traded shop")));
        auto fill = [&](QString text) {
            for (auto it = rows.cbegin(); it != rows.cend(); ++it)
                text.replace(it.key(), it.value());
            return text;
        };
        for (const QString& sql : damage)
            t.shop.db().execute(fill(sql));

        const Run run = runTool({QStringLiteral("--check"), t.shop.databasePath()});
        QCOMPARE(run.status, 1);
        const QStringList lines = run.out.trimmed().split(QLatin1Char('\n'));
        const QStringList found = lines.filter(QRegularExpression(QStringLiteral("^") + rule + QStringLiteral(": ")));
        QVERIFY2(!found.isEmpty(), qPrintable(run.out));
        QVERIFY2(found.join(QLatin1Char('\n')).contains(fill(row)), qPrintable(run.out));
        QCOMPARE(run.lastLine(), QStringLiteral("%1 problems").arg(lines.size() - 1));
    }

    void refusesWhatIsNoShopUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("a text file") << QByteArray("no soy una base de datos\n") << true;
        QTest::newRow("a database of something else") << QByteArray() << true;
    }
    void refusesWhatIsNoShopUntouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tienda.sqlite"));
        if (exists && content.isEmpty()) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Notas(Texto TEXT)"));
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        } else if (exists) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QByteArray before = digest(path);
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);

        const Run run = runTool({QStringLiteral("--check"), path});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(path), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(digest(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    }
};

QTEST_GUILESS_MAIN(TestConsistencyCheck)
#include "tst_consistencycheck.moc"
