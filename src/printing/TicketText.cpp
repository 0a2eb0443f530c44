#include "printing/TicketText.h"

#include "data/Formats.h"
#include "data/SharedFunctions.h"

namespace TicketText {

namespace {
constexpr int ConceptWidth = 28;
}

QString CenterText(const QString& text)
{
    if (text.size() >= LineWidth)
        return text;
    return QString((LineWidth - text.size()) / 2, QLatin1Char(' ')) + text;
}

QString MoneyText(double amount) { return Formats::Money(amount); }

QString MoneyText(const QString& amount)
{
    double value = 0;
    Formats::ParseAmount(amount.trimmed(), &value);
    return Formats::Money(value);
}

QString RightAlign40(const QString& text)
{
    if (text.size() >= LineWidth)
        return text;
    return QString(LineWidth - text.size(), QLatin1Char(' ')) + text;
}

QString ItemConcept(const QString& quantity, const QString& name)
{
    QString text = quantity + QLatin1Char(' ') + name;
    // The padding counts from the trimmed concept but is added after the untrimmed one.
    const qsizetype trimmed = TrimRight(text).size();
    if (trimmed < ConceptWidth)
        text += QString(ConceptWidth - trimmed, QLatin1Char(' '));
    return text;
}

QString ItemLine(const QString& quantity, const QString& name, double unitPrice, double lineTotal)
{
    QString line = ItemConcept(quantity, name);

    const QString price = MoneyText(unitPrice);
    line += price.size() == 5 ? price : QLatin1Char(' ') + price;

    const QString total = MoneyText(lineTotal);
    const int gap = total.size() == 4 ? 3 : total.size() == 5 ? 2 : 1;
    return line + QString(gap, QLatin1Char(' ')) + total;
}

}
