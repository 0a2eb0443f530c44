#include "sales/SaleAmounts.h"

#include "data/Formats.h"

namespace SaleAmounts {

QString LineTotal(double quantity, double unitPrice) { return Formats::General(quantity * unitPrice); }

double Total(const QStringList& lineTotals)
{
    double sum = 0;
    for (const QString& text : lineTotals) {
        double value = 0;
        if (Formats::ParseAmount(text, &value))
            sum += value;
    }
    return Formats::RoundCents(sum);
}

double Vat(double total) { return Formats::General(total * 0.13).toDouble(); }

QString ReadCash(const QString& text, double* value)
{
    if (!Formats::ParseAmount(text, value) || *value < 0)
        return QStringLiteral("'%1' no es un valor numerico valido").arg(text);
    const QString trimmed = text.trimmed();
    const qsizetype point = trimmed.indexOf(QLatin1Char('.'));
    if (point >= 0 && trimmed.size() - point - 1 > 2)
        return QStringLiteral("El Efectivo no puede tener mas de dos decimales (%1)").arg(text);
    return {};
}

QString NormalizeCash(const QString& text)
{
    QString normal = text;
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    return normal.left(10);
}

}
