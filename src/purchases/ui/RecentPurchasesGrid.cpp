#include "purchases/ui/RecentPurchasesGrid.h"

#include "purchases/StoredPurchases.h"

#include <QHeaderView>
#include <QSignalBlocker>

RecentPurchasesGrid::RecentPurchasesGrid(const QString& supplierTitle, QWidget* parent) : DataGrid(parent)
{
    setObjectName(QStringLiteral("VecC"));
    const QStringList names = StoredPurchases::ColumnNames();
    for (int column = 0; column < StoredPurchases::ColumnCount; ++column) {
        const bool shown = column == StoredPurchases::ColProveedor;
        const bool amount = column == StoredPurchases::ColTotalF;
        addColumn(shown ? supplierTitle : names.at(column), amount ? ColumnType::Number : ColumnType::Text, shown ? 170 : 0,
                  !shown);
    }
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(StoredPurchases::ColProveedor, QHeaderView::Stretch);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // One supplier sells many times: the date and the total tell the purchases apart.
    revealColumn(StoredPurchases::ColFechaC, QStringLiteral("Fecha"), 76, StoredPurchases::ColProveedor);
    revealColumn(StoredPurchases::ColTotalF, QStringLiteral("Total"), 70, StoredPurchases::ColFechaC);
    setFixedWidth(340);
}

void RecentPurchasesGrid::load(int inventory)
{
    const QSignalBlocker quiet(this);
    clearRows();
    addRows(StoredPurchases::Recent(inventory));
    setCurrentCell(-1, -1);
}

QStringList RecentPurchasesGrid::rowValues(int row) const
{
    QStringList values;
    for (int column = 0; column < StoredPurchases::ColumnCount; ++column)
        values << cell(column, row);
    return values;
}
