#pragma once
#include <QList>
#include <QString>

// The money of a sale, the same for the register's fields, the stored rows and every voucher.
namespace SaleAmounts {

// Quantity x unit price in the general number format: 3 x 1.1 gives "3.3", not 3.3000000000000003.
QString LineTotal(double quantity, double unitPrice);
// The sale's total: the sum of the line totals (read from their texts), rounded half up to cents.
double Total(const QStringList& lineTotals);
// 13 % of the total in the general number format: 45.50 gives 5.915.
double Vat(double total);

// Reads the cash received: a number with at most two decimals. Empty text when it is one,
// otherwise the message to show.
QString ReadCash(const QString& text, double* value);
// The cash text as the field keeps it after it is left: "," becomes "." and at most 10 characters.
QString NormalizeCash(const QString& text);

}
