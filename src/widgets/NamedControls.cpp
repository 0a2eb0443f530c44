#include "widgets/NamedControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace NamedControls {

QLineEdit* Field(QWidget* parent, const char* name, int maxLength, bool readOnly)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setReadOnly(readOnly);
    return edit;
}

QLineEdit* ReadOnlyField(QWidget* parent, const char* name) { return Field(parent, name, 0, true); }

QLineEdit* SizedField(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* edit = Field(parent, name, maxLength);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * qMin(maxLength, 40) + 16);
    return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text, const QString& hint, QSize minimumSize)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    if (minimumSize.isValid())
        button->setMinimumSize(minimumSize);
    return button;
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

QComboBox* StateList(QWidget* parent, const char* name)
{
    QComboBox* combo = List(parent, name, {QStringLiteral("DESHABILITADO"), QStringLiteral("HABILITADO")});
    combo->setCurrentIndex(1);
    return combo;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QWidget* MakeBold(QWidget* control)
{
    QFont bold = control->font();
    bold.setBold(true);
    control->setFont(bold);
    return control;
}

}
