// The same shop work timed on either engine, and several counters selling into one shop at once;
// run by hand (not part of the suite):
//
//     cmake --build build --target bench-engines
//     build/bench-engines /tmp/bench.sqlite 2000                 # a new shop file
//     build/bench-engines postgresql://user@host/emptydb 2000    # an empty database on a server
//     build/bench-engines NAME 10000 --counters 8 [--kill]        # 8 counters at once
//
// A new demo shop is prepared at NAME (a file that must not exist, or an empty server database),
// a cash session opened, SALES invoices paid in cash committed one after another (each with two
// lines, a client and its invoice number), and the session closed. Prints the time of each sale
// (median, 90th percentile, slowest, total) and of the closing. With --counters N, N processes
// sell SALES invoices between them as fast as they can, and afterwards every key, invoice number
// and line is checked: no key or invoice number twice, invoice numbers without gaps, each sale
// with its two lines, the counters in step with what is stored. --kill ends one counter by force
// half-way, as a computer switched off in the middle of a sale: what it had not committed must
// leave no trace.
#include "cash/CashClosing.h"
#include "cash/CashOpening.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"
#include "data/EngineConnection.h"
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "sales/PaymentForms.h"
#include "sales/SaleCommit.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <QThread>
#include <algorithm>

namespace {

QTextStream out(stdout);

double Percentile(QList<double> values, double p)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(std::min<qsizetype>(values.size() - 1, qsizetype(p * values.size())));
}

bool OpenAs(const QString& name, const QString& cashier)
{
    if (const QString error = TDataModule1::instance().open(name); !error.isEmpty()) {
        out << error << "\n";
        return false;
    }
    SessionState& s = SessionState::current();
    s.UserLogin = cashier;
    SessionLoader::LoadCashSession();
    SessionLoader::LoadParameters();
    SessionLoader::LoadTaxpayer();
    SessionLoader::LoadActiveDosage();
    return true;
}

SaleCommitResult SellOne(int i)
{
    SaleInput in = SaleInput::fromSession();
    in.saleNumberText = QStringLiteral("1");
    in.paymentForm = PaymentForms::Cash;
    in.voucherKind = 1;
    in.cashText = QStringLiteral("50");
    in.nitCi = QString::number(4000000 + i % 500);
    in.clientName = QStringLiteral("CLIENTE %1").arg(i % 500);
    in.lines = {SaleLine{QStringLiteral("P000000001"), 1, QStringLiteral("1"), QStringLiteral("12.5"),
                         QStringLiteral("COCA COLA 2L"), QStringLiteral("UNIDAD")},
                SaleLine{QStringLiteral("P000000008"), 3, QStringLiteral("2"), QStringLiteral("7.05"),
                         QStringLiteral("LECHE PIL 1L"), QStringLiteral("UNIDAD")}};
    return SaleCommit::Commit(in);
}

// One counter process: sells `count` invoices, printing each sale's key.
int Counter(const QString& name, int count, const QString& cashier)
{
    if (!OpenAs(name, cashier))
        return 2;
    for (int i = 0; i < count; ++i) {
        try {
            const SaleCommitResult r = SellOne(i);
            if (!r.stored()) {
                out << "refused: " << r.message << "\n";
                return 3;
            }
            out << r.record.SaleId << " " << r.record.InvoiceNumber << "\n";
            out.flush();
        } catch (const DatabaseError& e) {
            out << "failed: " << e.text() << "\n";
            return 4;
        }
    }
    return 0;
}

qint64 Number(const QString& sql) { return TDataModule1::instance().query(sql).integer(0); }

int Check(int expectedAtLeast)
{
    const qint64 sales = Number(QStringLiteral("SELECT COUNT(*) FROM Ventas"));
    const QStringList checks = {
        QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT IdVenta) FROM Ventas"),
        QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT NroFact) FROM Ventas"),
        QStringLiteral("SELECT MAX(NroFact) - MIN(NroFact) + 1 - COUNT(*) FROM Ventas"),
        QStringLiteral("SELECT COUNT(*) FROM Ventas V WHERE (SELECT COUNT(*) FROM DetalleV D WHERE D.IdVenta = V.IdVenta) <> 2"),
        QStringLiteral("SELECT (SELECT IdVenta FROM Codigos) - COUNT(*) FROM Ventas"),
        QStringLiteral("SELECT (SELECT NFactura FROM DatosC) - 1 - COUNT(*) FROM Ventas"),
    };
    const char* const names[] = {"duplicate keys",           "duplicate invoice numbers",
                                 "gaps in invoice numbers",  "sales without their two lines",
                                 "sale counter minus sales", "invoice counter minus sales"};
    int problems = 0;
    out << "sales stored: " << sales << "\n";
    for (int i = 0; i < checks.size(); ++i) {
        const qint64 n = Number(checks[i]);
        out << "  " << names[i] << ": " << n << "\n";
        problems += n != 0;
    }
    return problems == 0 && sales >= expectedAtLeast ? 0 : 1;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[1] == QLatin1String("--counter"))
        return Counter(args[2], args[3].toInt(), args[4]);
    if (args.size() < 2) {
        out << "usage: bench-engines FILE|postgresql://... [SALES] [--counters N] [--kill]\n";
        return 2;
    }
    const QString name = args[1];
    const int sales = args.size() > 2 && !args[2].startsWith(QLatin1String("--")) ? args[2].toInt() : 1000;
    const qsizetype at = args.indexOf(QStringLiteral("--counters"));
    const int counters = at > 0 && at + 1 < args.size() ? args[at + 1].toInt() : 0;
    const bool kill = args.contains(QStringLiteral("--kill"));

    NewDatabaseOptions options;
    options.demo = true;
    if (const QString error = DatabaseCreator::create(name, options); !error.isEmpty()) {
        out << error << "\n";
        return 2;
    }
    if (!OpenAs(name, QStringLiteral("admin")))
        return 2;
    const QDate day = QDate::currentDate();
    if (const QString refusal = CashOpening::Open(day, 100, QStringLiteral("admin")); !refusal.isEmpty()) {
        out << refusal << "\n";
        return 2;
    }
    SessionLoader::LoadCashSession();
    out << (TDataModule1::instance().onServer() ? "server " : "file ") << EngineConnection::displayName(name) << "\n";

    if (counters > 0) {
        TDataModule1::instance().close();
        QList<QProcess*> running;
        QElapsedTimer clock;
        clock.start();
        for (int c = 0; c < counters; ++c) {
            auto* p = new QProcess(&app);
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(app.applicationFilePath(), {QStringLiteral("--counter"), name, QString::number(sales / counters),
                                                 QStringLiteral("caja%1").arg(c + 1)});
            running << p;
        }
        if (kill) {
            QThread::msleep(1500);
            running.first()->kill();  // mid-sale, most likely
        }
        int printed = 0, failed = 0;
        for (QProcess* p : running) {
            p->waitForFinished(-1);
            printed += QString::fromLatin1(p->readAllStandardOutput()).count(QLatin1Char('\n'));
            failed += p->exitStatus() == QProcess::NormalExit && p->exitCode() != 0;
        }
        out << counters << " counters: " << printed << " sales printed in " << clock.elapsed() << " ms, " << failed
            << " counters failed" << (kill ? " (one was killed)" : "") << "\n";
        if (!OpenAs(name, QStringLiteral("admin")))
            return 2;
        return Check(kill ? 0 : sales / counters * counters) | (failed > 0);
    }

    QList<double> times;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < sales; ++i) {
        QElapsedTimer one;
        one.start();
        if (const SaleCommitResult r = SellOne(i); !r.stored()) {
            out << "refused: " << r.message << "\n";
            return 3;
        }
        times << one.nsecsElapsed() / 1e6;
    }
    const qint64 all = total.elapsed();
    out << sales << " sales: median " << QString::number(Percentile(times, 0.5), 'f', 2) << " ms, p90 "
        << QString::number(Percentile(times, 0.9), 'f', 2) << " ms, slowest "
        << QString::number(Percentile(times, 1.0), 'f', 2) << " ms, total " << all << " ms\n";

    QElapsedTimer closing;
    closing.start();
    ClosingFigures figures;
    if (const QString refusal = CashClosing::Close(SessionState::current().CashSessionId, 100 + sales * 26.6, 0, &figures);
        !refusal.isEmpty()) {
        out << refusal << "\n";
        return 3;
    }
    out << "closing: " << closing.elapsed() << " ms (" << figures.NVentasEf << " cash sales, "
        << QString::number(figures.VentasEf, 'f', 2) << " Bs.)\n";
    return Check(sales);
}
