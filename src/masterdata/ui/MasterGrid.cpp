#include "masterdata/ui/MasterGrid.h"

#include "masterdata/MasterPictures.h"
#include "widgets/DataGrid.h"

namespace MasterGrid {

int AddDeleteColumn(DataGrid* grid)
{
    const int column = grid->addColumn(QString(), DataGrid::ColumnType::Image, 24);
    grid->setColumnImage(column, MasterPictures::DeleteMark());
    return column;
}

void WindowFlipsCheck(DataGrid* grid, int column, int row)
{
    if (QTableWidgetItem* item = grid->item(row, column))
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

}
