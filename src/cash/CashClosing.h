#pragma once
#include "cash/ClosingFigures.h"

#include <QString>
#include <QStringList>
#include <functional>

// Totals a cash session and stores its closing. Both throw DatabaseError.
namespace CashClosing {

// Runs the twenty figure queries over the session's rows (valid sales and purchases only, except
// the annulment counts; payments with Estado 1) and works out the balance from what the cashier
// counted and takes out. `progress` is told the bar position after each query (2 to 21).
ClosingFigures Calculate(const QString& sessionId, double initialAmount, double countedCash, double transfer,
                         const std::function<void(int)>& progress = {});

// Stores the figures in the session row, marks it closed and rolls every active product's stock
// over (the outflow folds into the intake), all or nothing. A session that is no longer open is
// refused, so two stations never close it twice.
void Store(const QString& sessionId, const ClosingFigures& figures);

// The figure statements, in order (for query-plan checks).
QStringList FigureStatements();

}
