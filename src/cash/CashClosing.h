#pragma once
#include "cash/ClosingFigures.h"

#include <QString>
#include <QStringList>
#include <functional>

// Totals a cash session and stores its closing. Engine failures throw DatabaseError.
namespace CashClosing {

using Progress = std::function<void(int position)>;

// Runs the twenty figure queries over the session's rows (valid sales and purchases only, except
// the annulment counts; payments with Estado 1), all from one snapshot of the file, and works out
// the balance from what the cashier counted and takes out. `progress` is told the bar position
// after each query (2 to 21).
ClosingFigures Calculate(const QString& sessionId, double initialAmount, double countedCash, double transfer,
                         const Progress& progress = {});

// The figures of the pre-report: those the closing would store now, with the opening balance of
// the session row (another station may have topped it up). Nothing is written.
ClosingFigures Preview(const QString& sessionId, double countedCash, double transfer);

// Closes the session under the write lock, so no sale, payment or annulment of another station
// lands between the figures: checks the session is still open, takes the opening balance from
// its row, computes, stores, rolls the stock over and commits, all or nothing. `progress` is
// told 2 to 21 for the figures, 22 once they are stored and 23 after the roll-over. Returns the
// refusal to show (empty text when closed); `closed` receives the stored figures.
QString Close(const QString& sessionId, double countedCash, double transfer, ClosingFigures* closed,
              const Progress& progress = {});

// Stores the figures in the session row, marks it closed and rolls every active product's stock
// over (the outflow folds into the intake), all or nothing. A session that is no longer open is
// refused, so two stations never close it twice.
void Store(const QString& sessionId, const ClosingFigures& figures);

// The figure statements, in order (for query-plan checks).
QStringList FigureStatements();

}
