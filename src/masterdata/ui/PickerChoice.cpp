#include "masterdata/ui/PickerChoice.h"

#include "masterdata/PickerMode.h"

#include <QLineEdit>

void ApplyPickerChoice(int mode, const PickerChoice& choice, QLineEdit* nitEdit, QLineEdit* nameEdit)
{
    if (!nitEdit || choice.nitCI.isEmpty())
        return;
    nitEdit->setText(choice.nitCI);
    if (PickerModes::ListsSuppliers(mode) && nameEdit && !choice.name.isEmpty())
        nameEdit->setText(choice.name);
    if (mode == PickerModes::SaleClient || mode == PickerModes::DeliveryClient) {
        if (nameEdit)
            nameEdit->setFocus();
        return;
    }
    nitEdit->setFocus();
    nitEdit->selectAll();
}
