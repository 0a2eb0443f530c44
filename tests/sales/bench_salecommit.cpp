// Measures the sale on a big shop file, run by hand (not part of the suite):
//
//     build/cvi-zelto --create-database /tmp/big.sqlite --demo --days 0
//     scripts/make-big-shop.py /tmp/big.sqlite
//     cmake --build build --target bench_salecommit && build/bench_salecommit /tmp/big.sqlite 50
//
// Prints the query plan of every read a sale makes (and of the register's client lookup), times
// the open-credit count for the busiest client, and times N sales committed one after another
// (invoices paid in cash, and credit sales to the busiest client).
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "sales/PaymentForms.h"
#include "sales/SaleCommit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>

namespace {

QTextStream out(stdout);

void Plan(const QString& sql)
{
    out << sql << "\n";
    const QVariantList values(sql.count(QLatin1Char('?')), QStringLiteral("0"));
    const SqlRows plan = TDataModule1::instance().query(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, values);
    for (SqlRows r = plan; !r.atEnd(); r.next())
        out << "    " << r.text(3) << "\n";
}

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        out << "usage: bench_salecommit FILE [SALES]\n";
        return 2;
    }
    const int count = argc > 2 ? QByteArray(argv[2]).toInt() : 20;
    TDataModule1& db = TDataModule1::instance();
    if (const QString error = db.open(QString::fromLocal8Bit(argv[1])); !error.isEmpty()) {
        out << error << "\n";
        return 2;
    }
    SessionState& s = SessionState::current();
    s.UserLogin = QStringLiteral("admin");
    SessionLoader::LoadCashSession();
    SessionLoader::LoadParameters();
    SessionLoader::LoadTaxpayer();
    SessionLoader::LoadActiveDosage();
    out << "sales in the file: " << db.query(QStringLiteral("SELECT COUNT(*) FROM Ventas")).integer(0) << "\n\n";

    for (const QString& sql : SaleCommit::ReadStatements())
        Plan(sql);
    Plan(QStringLiteral("SELECT Cliente, Empresa, NCreditos FROM Clientes WHERE NitCI=?"));
    out << "\n";

    const SqlRows busiest = db.query(
        QStringLiteral("SELECT NitCI, COUNT(*) AS n FROM Ventas WHERE NitCI<>'0' GROUP BY NitCI ORDER BY n DESC LIMIT 1"));
    const QString client = busiest.text(0);
    db.execute(QStringLiteral("UPDATE Clientes SET NCreditos=9 WHERE NitCI=?"), {client});
    QElapsedTimer timer;
    timer.start();
    const qint64 open =
        db.query(QStringLiteral("SELECT COUNT(*) FROM Ventas WHERE NitCI=? AND Estado='V' AND FormaP=2"), {client}).integer(0);
    out << "open credits of " << client << " (" << busiest.integer(1) << " sales): " << open << " counted in "
        << timer.nsecsElapsed() / 1000 << " us\n";
    // Room for the credit sales below.
    db.execute(QStringLiteral("UPDATE Ventas SET FormaP=1 WHERE NitCI=? AND FormaP=2"), {client});

    for (int form : {int(PaymentForms::Cash), int(PaymentForms::Credit)}) {
        QList<double> times;
        for (int i = 0; i < count; ++i) {
            SaleInput in = SaleInput::fromSession();
            in.saleNumberText = QStringLiteral("1");
            in.paymentForm = form;
            in.voucherKind = form == PaymentForms::Cash ? 1 : 0;
            in.cashText = form == PaymentForms::Cash ? QStringLiteral("100") : QStringLiteral("0");
            in.nitCi = client;
            in.clientName = QStringLiteral("CLIENTE DE PRUEBA");
            in.lines = {SaleLine{QStringLiteral("P000000001"), 1, QStringLiteral("2"), QStringLiteral("12.5"), {}, {}},
                        SaleLine{QStringLiteral("P000000008"), 3, QStringLiteral("1"), QStringLiteral("7"), {}, {}}};
            timer.restart();
            const SaleCommitResult r = SaleCommit::Commit(in);
            times << timer.nsecsElapsed() / 1e6;
            if (!r.stored()) {
                out << "refused: " << r.message << "\n";
                return 1;
            }
            if (form == PaymentForms::Credit && i % 8 == 7)  // stay under the allowance of 9
                db.execute(QStringLiteral("UPDATE Ventas SET FormaP=1 WHERE NitCI=? AND FormaP=2"), {client});
        }
        out << (form == PaymentForms::Cash ? "invoice, cash: " : "credit:        ") << count << " sales, median "
            << Median(times) << " ms, slowest " << *std::max_element(times.begin(), times.end()) << " ms\n";
    }
    return 0;
}
