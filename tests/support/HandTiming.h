#pragma once
// What the timing programs run by hand share: a figure as the best of three runs, and the
// engine's plan of a statement.
#include "data/UDataModule.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <QVariantList>
#include <cstdio>
#include <functional>

namespace HandTiming {

// Runs `run` three times and prints the fastest, in milliseconds, with the rows it answered.
inline void BestOfThree(const char* what, const std::function<int()>& run)
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

// Prints the plan SQLite chooses for `sql` with `values`, one step a line under `what`.
inline void PrintPlan(const char* what, const QString& sql, const QVariantList& values)
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
