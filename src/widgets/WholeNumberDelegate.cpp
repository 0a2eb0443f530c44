#include "widgets/WholeNumberDelegate.h"

#include "widgets/InputFilters.h"

#include <QLineEdit>
#include <QRegularExpression>

QWidget* WholeNumberDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setMaxLength(MaxDigits);
    InputFilters::digits(edit);
    return edit;
}

void WholeNumberDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    static const QRegularExpression whole(QStringLiteral("^[0-9]+$"));
    const QString text = static_cast<QLineEdit*>(editor)->text();
    if (whole.match(text).hasMatch())
        model->setData(index, text);
}
