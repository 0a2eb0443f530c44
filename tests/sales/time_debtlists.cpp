// The debts window's year lists on a shop with years of trade, run by hand (not part of the suite):
//
//     build/cvi-zelto --create-database /tmp/big.sqlite --demo
//     scripts/big-shop.py /tmp/big.sqlite          # a million sales, 200,000 payments received
//     cmake --build build --target time_debtlists
//     QT_QPA_PLATFORM=offscreen build/time_debtlists /tmp/big.sqlite [YEAR]
//
// Prints the query plans of the four year lists (open credits of sales and of purchases, payments
// received and made), then the best of three runs, in milliseconds, of reading each for the year
// (the latest year with sales unless told) and of opening "Cobrar Deudas" and "Pagar Deudas".
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "sales/DebtLists.h"
#include "sales/USaldarD.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <cstdio>
#include <functional>

namespace {

void timeIt(const char* what, const std::function<int()>& run)
{
    qint64 best = -1;
    int rows = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        rows = run();
        const qint64 spent = clock.elapsed();
        if (best < 0 || spent < best)
            best = spent;
    }
    std::printf("%-44s %6lld ms  (%d rows)\n", what, static_cast<long long>(best), rows);
}

void plan(const char* what, const QString& sql, const QVariantList& values)
{
    QSqlQuery q(TDataModule1::instance().connection());
    q.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.exec();
    std::printf("%s:\n", what);
    while (q.next())
        std::printf("    %s\n", qPrintable(q.value(3).toString()));
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: time_debtlists DATABASE [YEAR]\n");
        return 2;
    }
    TDataModule1& db = TDataModule1::instance();
    if (const QString error = db.open(QString::fromLocal8Bit(argv[1])); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const SqlRows sales = db.query(QStringLiteral("SELECT COUNT(*), MAX(FechaV) FROM Ventas"));
    const int year = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : sales.date(1).year();
    std::printf("%lld sales, %lld purchases, %lld payments received, %lld made; year %d\n\n", sales.integer(0),
                db.query(QStringLiteral("SELECT COUNT(*) FROM Compras")).integer(0),
                db.query(QStringLiteral("SELECT COUNT(*) FROM SaldoV")).integer(0),
                db.query(QStringLiteral("SELECT COUNT(*) FROM SaldoC")).integer(0), year);

    plan("debts of clients", DebtLists::DebtsStatement(DebtSide::Sales), DebtLists::DebtsValues(year));
    plan("debts to suppliers", DebtLists::DebtsStatement(DebtSide::Purchases), DebtLists::DebtsValues(year));
    plan("payments received", DebtLists::PaymentsStatement(DebtSide::Sales), DebtLists::PaymentsValues(year));
    plan("payments made", DebtLists::PaymentsStatement(DebtSide::Purchases), DebtLists::PaymentsValues(year));
    std::printf("\n");

    timeIt("debts of clients, read", [&] { return DebtLists::Debts(DebtSide::Sales, year).count(); });
    timeIt("debts to suppliers, read", [&] { return DebtLists::Debts(DebtSide::Purchases, year).count(); });
    timeIt("payments received, read", [&] { return DebtLists::Payments(DebtSide::Sales, year).count(); });
    timeIt("payments made, read", [&] { return DebtLists::Payments(DebtSide::Purchases, year).count(); });
    SessionState& s = SessionState::current();
    s.ListYear = year;
    for (const auto& [mode, what] : {std::pair{3, "\"Cobrar Deudas\" opened (both lists)"},
                                     std::pair{5, "\"Pagar Deudas\" opened (both lists)"}})
        timeIt(what, [mode = mode] {
            SessionState::current().WindowMode = mode;
            TFSaldarD window;
            return 1;
        });
    return 0;
}
