#include "masterdata/ui/MasterFields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>

namespace MasterFields {

void ShowWhole(QLineEdit* edit, const QString& text, int typingLimit)
{
    edit->setMaxLength(qMax(typingLimit, int(text.size())));
    edit->setText(text);
    edit->setCursorPosition(0);
}

bool ParseTyped(const QString& text, double* value)
{
    static const QRegularExpression number(QStringLiteral("^(\\d+(\\.\\d+)?|\\.\\d+)$"));
    if (!number.match(text).hasMatch())
        return false;
    *value = text.toDouble();
    return true;
}

void FirstListed(QComboBox* combo, int listed)
{
    while (combo->count() > listed)
        combo->removeItem(combo->count() - 1);
    combo->setCurrentIndex(0);
}

void SelectOrAddStored(QComboBox* combo, const QString& stored, int listed)
{
    while (combo->count() > listed)
        combo->removeItem(combo->count() - 1);
    for (int i = 0; i < listed; ++i)
        if (combo->itemText(i) == stored) {
            combo->setCurrentIndex(i);
            return;
        }
    combo->addItem(stored);
    combo->setCurrentIndex(combo->count() - 1);
}

}
