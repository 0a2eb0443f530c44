#include "purchases/ui/PanelControls.h"

#include <QLineEdit>
#include <QToolButton>

namespace PanelControls {

QLineEdit* Field(QWidget* parent, const char* name, int length, bool readOnly)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (length > 0)
        edit->setMaxLength(length);
    edit->setReadOnly(readOnly);
    return edit;
}

QToolButton* Button(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setMinimumSize(104, 38);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    return button;
}

void BigDigits(QLineEdit* field)
{
    QFont big = field->font();
    big.setPixelSize(18);
    big.setBold(true);
    field->setFont(big);
    field->setAlignment(Qt::AlignCenter);
}

}
