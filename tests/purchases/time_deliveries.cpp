// The delivery lists on a shop with years of deliveries, run by hand (not part of the suite):
//
//     build/cvi-zelto --create-database /tmp/deliveries.sqlite --demo --days 0
//     scripts/make-deliveries.py /tmp/deliveries.sqlite
//     cmake --build build --target time_deliveries
//     QT_QPA_PLATFORM=offscreen build/time_deliveries /tmp/deliveries.sqlite
//
// Prints the query plans of the year list and of a delivery's lines, then the best of three runs,
// in milliseconds, of reading each and of opening "Gestionar Insumos" on the latest year.
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"
#include "purchases/SupplyDeliveries.h"
#include "purchases/UEgresoI.h"
#include "widgets/DataGrid.h"

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
    std::printf("%-52s %6lld ms  (%d rows)\n", what, static_cast<long long>(best), rows);
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
    const SqlRows count = TDataModule1::instance().query(QStringLiteral("SELECT COUNT(*), MIN(FechaE), MAX(FechaE) FROM EntregaI"));
    std::printf("%lld deliveries from %s to %s; open session %s\n\n", count.integer(0), qPrintable(count.text(1)),
                qPrintable(count.text(2)), qPrintable(s.CashSessionId));

    plan("year list", SupplyDeliveries::YearListStatement(), SupplyDeliveries::YearListValues(year, s.CashSessionId));
    const QString busiest = TDataModule1::instance()
                                .query(QStringLiteral("SELECT IdEntrega FROM EntregaI ORDER BY IdEntrega DESC LIMIT 1"))
                                .text(0);
    plan("a delivery's lines", SupplyDeliveries::LinesStatement(), {busiest});
    std::printf("\n");

    timeIt("year list of the latest year, read", [&] {
        return SupplyDeliveries::YearList(year, s.CashSessionId).count();
    });
    timeIt("year list of an earlier year, read", [&] {
        return SupplyDeliveries::YearList(year - 5, s.CashSessionId).count();
    });
    timeIt("a delivery's lines, read", [&] { return SupplyDeliveries::Lines(busiest).count(); });
    timeIt("Gestionar Insumos opened on the latest year", [&] {
        s.ListYear = year;
        s.WindowMode = 21;
        TFEgresoI window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        const auto* list = window.findChild<DataGrid*>(QStringLiteral("VecE"));
        return list ? list->rowCount() : -1;
    });
    timeIt("Registro Egreso de Insumos opened", [&] {
        s.WindowMode = 20;
        TFEgresoI window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        return window.findChild<DataGrid*>(QStringLiteral("Vec0"))->rowCount();
    });
    return 0;
}
