#pragma once
#include "purchases/InventoryCount.h"
#include "purchases/StockLists.h"
#include "widgets/DataGrid.h"

#include <functional>

// The item lists of the stock window: the query grid "VecI" and the count grid "VecS", whose last
// column "Fisico" takes the counted quantity. Every item column is carried as text; the stock is
// coloured fuchsia when it is not above zero.
class StockGrid : public DataGrid {
    Q_OBJECT
public:
    enum Column {
        CNro,
        CIdProducto,
        CCat,
        CMarca,
        CProducto,
        CPresentacion,
        CUMedida,
        CMinS,
        CCompra,
        CVenta,
        CVentaIVA,
        CCodigoB,
        CIngreso,
        CEgreso,
        CStock,
        CFisico,
    };
    enum class Kind { Query, Count };

    static const QColor NoStockColour;
    static const QColor CountColour;

    StockGrid(Kind kind, QWidget* parent = nullptr);

    // Lists the items in their order, telling `progress` how many rows are ready, then returns to
    // the first row.
    void fill(const QList<StockItem>& items, const std::function<void(int done)>& progress = {});
    // The counters of each row as they were listed (and as the count, roll-over or reset left them).
    const QList<ListedStock>& listed() const { return m_listed; }
    // A count still being typed into its cell is kept before the list is read.
    void commitPendingEdit();
    // What a count, roll-over or reset stored for a row: the counted quantity becomes the stock
    // (the outflow shown "0.00"); the stock becomes the initial figure and the outflow "0"; all "0".
    void showCounted(int row, const ListedStock& stored, const QString& counted);
    void showRolledOver(int row, const ListedStock& stored);
    void showReset(int row, const ListedStock& stored);

private:
    void keep(int row, const ListedStock& stored);
    void colourStock(int row, double stock);

    Kind m_kind;
    QList<ListedStock> m_listed;
};
