#include "SalesShop.h"

#include "data/DatabaseError.h"
#include "data/SessionLoader.h"
#include "sales/PaymentForms.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

// Two counters selling invoices into one shop file at the same moment: every sale key and every
// invoice number is taken exactly once and without gaps, and the counters, the stock and the
// client's sale count agree with the sales stored.

namespace {

constexpr int SalesPerCounter = 100;
const QString kSharedClient = QStringLiteral("7000001");

// One counter: logs its session in from the file, waits for the starting signal, then sells
// `count` invoices as fast as it can, printing "key invoice-number" for each.
int RunCounter(const QString& path, int count, const QString& cashier, const QString& go)
{
    if (const QString error = TDataModule1::instance().open(path); !error.isEmpty()) {
        qCritical("%s", qPrintable(error));
        return 2;
    }
    SessionState& s = SessionState::current();
    s.UserLogin = cashier;
    SessionLoader::LoadCashSession();
    SessionLoader::LoadParameters();
    SessionLoader::LoadTaxpayer();
    SessionLoader::LoadActiveDosage();
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(go) && waited.elapsed() < 20000)
        QThread::msleep(2);

    QTextStream out(stdout);
    for (int i = 0; i < count; ++i) {
        SaleInput in = SaleInput::fromSession();
        in.saleNumberText = QStringLiteral("1");
        in.paymentForm = PaymentForms::Cash;
        in.voucherKind = 1;
        in.cashText = QStringLiteral("50");
        in.nitCi = kSharedClient;
        in.clientName = QStringLiteral("CLIENTE COMPARTIDO");
        in.lines = {SalesShop::line(QStringLiteral("P000000001"), "1", "12.5"),
                    SalesShop::line(QStringLiteral("P000000008"), "2", "7", "LECHE PIL 1L", 3)};
        try {
            const SaleCommitResult r = SaleCommit::Commit(in);
            if (!r.stored()) {
                qCritical("sale %d refused: %s", i, qPrintable(r.message));
                return 3;
            }
            out << r.record.SaleId << ' ' << r.record.InvoiceNumber << '\n';
            // A breath between sales, as between customers, lets the other counter in.
            QThread::msleep(2);
        } catch (const DatabaseError& e) {
            qCritical("sale %d failed: %s", i, qPrintable(e.text()));
            return 4;
        }
    }
    return 0;
}

}

class TstSaleConcurrency : public QObject {
    Q_OBJECT
private slots:
    void twoCountersSellAtOnce()
    {
        SalesShop s;
        s.db().execute("UPDATE Productos SET Ingreso=0");
        const QString go = s.shop.folder() + QStringLiteral("go");
        QList<QProcess*> counters;
        for (const char* cashier : {"caja1", "caja2"}) {
            auto* counter = new QProcess(this);
            counter->setProcessChannelMode(QProcess::SeparateChannels);
            counter->start(QCoreApplication::applicationFilePath(),
                           {QStringLiteral("--counter"), s.shop.databasePath(), QString::number(SalesPerCounter),
                            QLatin1String(cashier), go});
            QVERIFY(counter->waitForStarted());
            counters << counter;
        }
        QElapsedTimer clock;
        clock.start();
        QFile(go).open(QIODevice::WriteOnly);

        QStringList printed;
        for (QProcess* counter : counters) {
            QVERIFY(counter->waitForFinished(60000));
            QVERIFY2(counter->exitCode() == 0, counter->readAllStandardError().constData());
            printed += QString::fromLatin1(counter->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        }
        qInfo("%d sales from two counters in %lld ms", int(printed.size()), clock.elapsed());

        const int total = 2 * SalesPerCounter;
        QCOMPARE(printed.size(), total);
        // Each key and each invoice number once, and nothing missing: 1..200 both.
        QSet<int> keys, invoices;
        for (const QString& line : printed) {
            keys << line.section(' ', 0, 0).mid(1).toInt();
            invoices << line.section(' ', 1).toInt();
        }
        QCOMPARE(keys.size(), total);
        QCOMPARE(invoices.size(), total);
        for (int n = 1; n <= total; ++n)
            QVERIFY2(keys.contains(n) && invoices.contains(n), qPrintable(QString::number(n)));

        // Key and invoice number are taken in the same transaction, so they go in step.
        QCOMPARE(s.number("SELECT COUNT(*) FROM Ventas WHERE NroFact <> CAST(SUBSTR(IdVenta, 2) AS INTEGER)"), 0);
        QCOMPARE(s.number("SELECT COUNT(*) FROM Ventas"), total);
        QCOMPARE(s.number("SELECT COUNT(DISTINCT CodigoC) FROM Ventas"), total);
        QCOMPARE(s.number("SELECT COUNT(*) FROM DetalleV"), 2 * total);
        QCOMPARE(s.number("SELECT IdVenta FROM Codigos"), total);
        QCOMPARE(s.number("SELECT NFactura FROM DatosC"), total + 1);
        QCOMPARE(s.row("SELECT Egreso FROM Productos WHERE IdProducto='P000000001'").number(0), double(total));
        QCOMPARE(s.row("SELECT Egreso FROM Productos WHERE IdProducto='P000000008'").number(0), 2.0 * total);
        QCOMPARE(s.number("SELECT NVentas FROM Clientes WHERE NitCI=?", {kSharedClient}), total);
        QCOMPARE(s.number("SELECT COUNT(*) FROM Ventas WHERE Cajero='caja1'"), SalesPerCounter);

        // How often the counters took turns (the sales of one are not one block).
        int turns = 0;
        QString previous;
        for (SqlRows r = s.row("SELECT Cajero FROM Ventas ORDER BY IdVenta"); !r.atEnd(); r.next()) {
            turns += !previous.isEmpty() && r.text(0) != previous;
            previous = r.text(0);
        }
        qInfo("the counters took turns %d times", turns);
        QVERIFY(turns > 0);
    }
};

int main(int argc, char** argv)
{
    if (argc == 6 && QByteArray(argv[1]) == "--counter") {
        QCoreApplication app(argc, argv);
        return RunCounter(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(), QString::fromLocal8Bit(argv[4]),
                          QString::fromLocal8Bit(argv[5]));
    }
    QCoreApplication app(argc, argv);
    TstSaleConcurrency test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_saleconcurrency.moc"
