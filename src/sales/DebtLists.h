#pragma once
#include "data/SqlRows.h"
#include "sales/DebtSide.h"

#include <QString>
#include <QVariantList>

// The year lists of the debts window. Each reads one year through an index on its date: the open
// credits of the sales (purchases) made that year, whatever their session, and the payments
// received (made) that year, with their sale's (purchase's) client (supplier). Engine failures
// throw DatabaseError.
namespace DebtLists {

constexpr int FirstYear = 2019;
constexpr int LastYear = 2100;

// The year a year field holds when it is a whole year of the lists' range; 0 otherwise.
int YearOf(const QString& text);

// The debts: key, date, NIT/CI, name, TotalF, TotalE, Saldo (and Obs for sales), by name and
// then newest first. Bound: the state 'V', the year's first day and the next year's.
QString DebtsStatement(DebtSide side);
// The payments: payment key, payment date, NIT/CI, name, amount, sale (purchase) date and key, by
// name, then key, newest payment first. Bound: the year's first day and the next year's.
QString PaymentsStatement(DebtSide side);

SqlRows Debts(DebtSide side, int year);
SqlRows Payments(DebtSide side, int year);

// The values each statement takes for a year, in order.
QVariantList DebtsValues(int year);
QVariantList PaymentsValues(int year);

}
