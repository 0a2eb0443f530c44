#include "printing/ReportDocument.h"

QStringList LaidOutPage::texts() const
{
    QStringList result;
    for (const PlacedElement& item : items)
        if (!item.text.isEmpty())
            result << item.text;
    return result;
}

const PlacedElement* LaidOutPage::find(const QString& name) const
{
    const PlacedElement* found = nullptr;
    for (const PlacedElement& item : items)
        if (item.name == name)
            found = &item;
    return found;
}

QStringList ReportDocument::allTexts() const
{
    QStringList result;
    for (const LaidOutPage& page : pages)
        result << page.texts();
    return result;
}
