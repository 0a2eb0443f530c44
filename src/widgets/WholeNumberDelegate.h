#pragma once
#include <QStyledItemDelegate>

// The editor of a grid column that holds counted units: only digits type, at most nine, and an
// edit left empty keeps the cell's text. A text the program put in the cell (a stock with
// decimals) stays until the user types a number over it.
class WholeNumberDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int MaxDigits = 9;

    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
