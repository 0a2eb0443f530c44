#pragma once
#include <QDate>
#include <QString>

// The one home of the program's number and date texts. None of them depends on the computer's
// regional settings: amounts use "." and dates are day first.
namespace Formats {

// "0.00": at least one integer digit, two decimals, no thousands separator (12.5 -> "12.50").
QString Money(double value);
// Shortest decimal text: 45.5 -> "45.5", 100 -> "100", 5.915 -> "5.915".
QString General(double value);
// Whole number text (counts).
QString Integer(qint64 value);
// dd/MM/yyyy
QString Date(const QDate& date);
// hh:mm:ss
QString Time(const QTime& time);
// "DD/MMM/YYYY" with a fixed Spanish month abbreviation, whatever the computer's language:
// "09/dic/2026". Lists of sessions and dosages show their dates this way.
QString MonthNameDate(const QDate& date);
// "05 de marzo de 2015": the month's Spanish name from a fixed table, never the computer's locale.
QString SpanishLongDate(const QDate& date);

// Parses an amount typed or shown with "." (an optional leading "-"); false on anything else,
// including an empty text, a comma or two points.
bool ParseAmount(const QString& text, double* value);
// Parses dd/MM/yyyy (d/M/yyyy accepted); an invalid QDate for anything that is not a real date.
QDate ParseDate(const QString& text);
// ISO yyyy-MM-dd, the form dates are stored in.
QString IsoDate(const QDate& date);
QDate ParseIsoDate(const QString& text);

// Rounds to cents the way money is kept: half away from zero on the decimal value.
double RoundCents(double value);

}
