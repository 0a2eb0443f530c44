#include "purchases/ui/PanelControls.h"

#include "widgets/NamedControls.h"

#include <QLineEdit>
#include <QToolButton>

namespace PanelControls {

QToolButton* Button(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    return NamedControls::Bold(NamedControls::ToolButton(parent, name, text, hint, QSize(104, 38)));
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
