#include "data/Formats.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace Formats {

double RoundCents(double value)
{
    // The nudge absorbs binary noise such as 2.675 being held as 2.67499999...
    const double scaled = value * 100.0;
    return std::round(scaled + (scaled >= 0 ? 1e-7 : -1e-7)) / 100.0;
}

QString Money(double value)
{
    QString text = QString::number(RoundCents(value), 'f', 2);
    return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
}

QString General(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    // Fifteen significant digits keep 0.1 + 0.2 as "0.3" while any typed amount survives.
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e')))
        text = QString::number(value, 'f', 6);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString Integer(qint64 value) { return QString::number(value); }

QString Date(const QDate& date) { return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString(); }

QString Time(const QTime& time) { return time.toString(QStringLiteral("hh:mm:ss")); }

QString MonthNameDate(const QDate& date)
{
    static const char* const months[] = {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"};
    if (!date.isValid())
        return {};
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[date.month() - 1]))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString SpanishLongDate(const QDate& date)
{
    static const char* const months[] = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                                         "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 de %2 de %3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[date.month() - 1]))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

bool ParseAmount(const QString& text, double* value)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*-?(\\d+(\\.\\d*)?|\\.\\d+)\\s*$"));
    if (!pattern.match(text).hasMatch())
        return false;
    bool ok = false;
    const double parsed = QLocale::c().toDouble(text.trimmed(), &ok);
    if (ok && value)
        *value = parsed;
    return ok;
}

QDate ParseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

QString IsoDate(const QDate& date) { return date.toString(Qt::ISODate); }

QDate ParseIsoDate(const QString& text) { return QDate::fromString(text.left(10), Qt::ISODate); }

}
