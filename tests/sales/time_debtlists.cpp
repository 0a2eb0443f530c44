// The debts window's year lists on a shop with years of trade, run by hand (not part of the suite):
//
//     build/cvi-zelto --create-database /tmp/big.sqlite --demo --days 0
//     scripts/big-shop.py /tmp/big.sqlite          # a million sales, 200,000 payments received
//     cmake --build build --target time_debtlists
//     QT_QPA_PLATFORM=offscreen build/time_debtlists /tmp/big.sqlite [YEAR]
//
// Prints the query plans of the four year lists (open credits of sales and of purchases, payments
// received and made), then the best of three runs, in milliseconds, of reading each for the year
// (the latest year with sales unless told) and of opening "Cobrar Deudas" and "Pagar Deudas".
#include "HandTiming.h"

#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "sales/DebtLists.h"
#include "sales/ui/USaldarD.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <cstdio>
#include <functional>

using HandTiming::BestOfThree;
using HandTiming::PrintPlan;

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

    PrintPlan("debts of clients", DebtLists::DebtsStatement(DebtSide::Sales), DebtLists::DebtsValues(year));
    PrintPlan("debts to suppliers", DebtLists::DebtsStatement(DebtSide::Purchases), DebtLists::DebtsValues(year));
    PrintPlan("payments received", DebtLists::PaymentsStatement(DebtSide::Sales), DebtLists::PaymentsValues(year));
    PrintPlan("payments made", DebtLists::PaymentsStatement(DebtSide::Purchases), DebtLists::PaymentsValues(year));
    std::printf("\n");

    BestOfThree("debts of clients, read", [&] { return DebtLists::Debts(DebtSide::Sales, year).count(); });
    BestOfThree("debts to suppliers, read", [&] { return DebtLists::Debts(DebtSide::Purchases, year).count(); });
    BestOfThree("payments received, read", [&] { return DebtLists::Payments(DebtSide::Sales, year).count(); });
    BestOfThree("payments made, read", [&] { return DebtLists::Payments(DebtSide::Purchases, year).count(); });
    SessionState& s = SessionState::current();
    s.ListYear = year;
    for (const auto& [mode, what] :
         {std::pair{3, "\"Cobrar Deudas\" opened (both lists)"}, std::pair{5, "\"Pagar Deudas\" opened (both lists)"}})
        BestOfThree(what, [mode = mode] {
            SessionState::current().WindowMode = mode;
            TFSaldarD window;
            return 1;
        });
    return 0;
}
