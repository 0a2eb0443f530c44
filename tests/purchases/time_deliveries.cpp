// The delivery lists on a shop with years of deliveries, run by hand (not part of the suite):
//
//     build/cvi-zelto --create-database /tmp/deliveries.sqlite --demo --days 0
//     scripts/make-deliveries.py /tmp/deliveries.sqlite
//     cmake --build build --target time_deliveries
//     QT_QPA_PLATFORM=offscreen build/time_deliveries /tmp/deliveries.sqlite
//
// Prints the query plans of the year list and of a delivery's lines, then the best of three runs,
// in milliseconds, of reading each and of opening "Gestionar Insumos" on the latest year.
#include "HandTiming.h"

#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"
#include "purchases/SupplyDeliveries.h"
#include "purchases/ui/UEgresoI.h"
#include "widgets/DataGrid.h"

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
        std::fprintf(stderr, "usage: time_deliveries DATABASE\n");
        return 2;
    }
    if (const QString error = TDataModule1::instance().open(QString::fromLocal8Bit(argv[1])); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    SessionState& s = SessionState::current();
    s.UserLogin = QStringLiteral("admin");
    FindOpenCashSession();
    const int year = s.WorkDate.isValid() ? s.WorkDate.year() : QDate::currentDate().year();
    const SqlRows count =
        TDataModule1::instance().query(QStringLiteral("SELECT COUNT(*), MIN(FechaE), MAX(FechaE) FROM EntregaI"));
    std::printf("%lld deliveries from %s to %s; open session %s\n\n", count.integer(0), qPrintable(count.text(1)),
                qPrintable(count.text(2)), qPrintable(s.CashSessionId));

    PrintPlan("year list", SupplyDeliveries::YearListStatement(), SupplyDeliveries::YearListValues(year, s.CashSessionId));
    const QString busiest =
        TDataModule1::instance().query(QStringLiteral("SELECT IdEntrega FROM EntregaI ORDER BY IdEntrega DESC LIMIT 1")).text(0);
    PrintPlan("a delivery's lines", SupplyDeliveries::LinesStatement(), {busiest});
    std::printf("\n");

    BestOfThree("year list of the latest year, read",
                [&] { return SupplyDeliveries::YearList(year, s.CashSessionId).count(); });
    BestOfThree("year list of an earlier year, read",
                [&] { return SupplyDeliveries::YearList(year - 5, s.CashSessionId).count(); });
    BestOfThree("a delivery's lines, read", [&] { return SupplyDeliveries::Lines(busiest).count(); });
    BestOfThree("Gestionar Insumos opened on the latest year", [&] {
        s.ListYear = year;
        s.WindowMode = 21;
        TFEgresoI window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        const auto* list = window.findChild<DataGrid*>(QStringLiteral("VecE"));
        return list ? list->rowCount() : -1;
    });
    BestOfThree("Registro Egreso de Insumos opened", [&] {
        s.WindowMode = 20;
        TFEgresoI window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        return window.findChild<DataGrid*>(QStringLiteral("Vec0"))->rowCount();
    });
    return 0;
}
