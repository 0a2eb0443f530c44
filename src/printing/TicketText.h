#pragma once
#include <QString>

// The 40-column texts every roll ticket is composed of. Pure functions, no printer involved.
namespace TicketText {

constexpr int LineWidth = 40;

// Prefixes (40 - length) / 2 spaces (quotient truncated); 40 characters or more get none.
QString CenterText(const QString& text);
// "0.00": at least one integer digit, two decimals, "." and no thousands separator.
QString MoneyText(double amount);
// Amounts the windows hold as text are read as numbers first; unreadable text counts as 0.
QString MoneyText(const QString& amount);
// Prefixes spaces up to 40 characters; 40 characters or more stay as they are.
QString RightAlign40(const QString& text);
// The concept of an item line: the quantity, a blank and the name, widened with blanks until its
// text without trailing blanks is 28 characters long (the blanks go after the untrimmed concept).
// A concept of 28 characters or more is neither cut nor widened.
QString ItemConcept(const QString& quantity, const QString& name);
// One item line under "CANT CONCEPTO                P.U.  TOTAL": the concept (quantity, a space,
// the name) widened to 28 characters, then the unit price and the line total placed so that
// prices up to 99.99 end in columns 33 and 40. Long concepts are never cut.
QString ItemLine(const QString& quantity, const QString& name, double unitPrice, double lineTotal);

}
