#pragma once
#include <QColor>

class DataGrid;
class QPixmap;
class SqlRows;

// The grids the supply delivery panels share: the supply list of a category and the lines of a
// delivery (the registration's editable lines and the year list's read-only copy).
namespace DeliveryGrids {

// Columns of the supply list Vec0 (only the name and the stock are shown).
enum SupplyColumn { SIdProducto, SIdCategoria, SMarca, SNombre, SPresentacion, SUMedida, SStockM, SCodigoB, SStock };
// Columns of the lines Vec1 / VecD.
enum LineColumn {
    LCantidad,
    LIdProducto,
    LIdCategoria,
    LMarca,
    LNombre,
    LPresentacion,
    LUnidad,
    LStockM,
    LCodigoB,
    LBorrar
};

extern const QColor StockAboveMinimum;

void SetUpSupplyList(DataGrid* grid);
// Fills the list from SupplyDeliveries::SupplyList and colours each stock cell.
void FillSupplyList(DataGrid* grid, SqlRows rows);
// Red when nothing is left, yellow at or below the minimum stock, light green above it.
QColor StockColour(double stock, double minimum);

// The delete icon column is shown only where lines may be removed.
void SetUpLines(DataGrid* grid, bool removable);
// Fills the lines from SupplyDeliveries::Lines.
void FillLines(DataGrid* grid, SqlRows rows);

// The small picture of the delete column.
QPixmap DeleteIcon();

}
