#include "purchases/ui/StockGrid.h"

#include "data/Formats.h"
#include "widgets/WholeNumberDelegate.h"

#include <QHeaderView>
#include <cmath>

const QColor StockGrid::NoStockColour(0xFF, 0x00, 0xFF);
// The cells the counter types into stand out from the figures read.
const QColor StockGrid::CountColour(0xFF, 0xFF, 0xD8);

StockGrid::StockGrid(Kind kind, QWidget* parent) : DataGrid(parent), m_kind(kind)
{
    const bool count = kind == Kind::Count;
    setObjectName(count ? QStringLiteral("VecS") : QStringLiteral("VecI"));
    using Type = ColumnType;
    const struct {
        const char* header;
        int width;
        bool shown;
        Type type;
    } columns[] = {
        {"#", 40, true, Type::Number},
        {"IdProducto", 0, false, Type::Text},
        {"Cat", 0, false, Type::Text},
        {"Marca", 0, false, Type::Text},
        {"Producto", 260, true, Type::Text},
        {"Presentacion", 0, false, Type::Text},
        {"U. Medida", 80, true, Type::Text},
        {"Min/S", 56, !count, Type::Number},
        {"Bs. Compra", 0, false, Type::Number},
        {"Bs. Venta", 0, false, Type::Number},
        {"Bs. VentaIVA", 0, false, Type::Number},
        {"Codigo B", 0, false, Type::Text},
        {count ? "Inicial" : "Ingreso", 70, true, Type::Number},
        {"Egreso", 70, true, Type::Number},
        {"Stock", 70, true, Type::Number},
    };
    for (const auto& c : columns)
        addColumn(QString::fromLatin1(c.header), c.type, c.width, !c.shown);
    if (count) {
        addColumn(QStringLiteral("Fisico"), Type::Number, 70);
        setColumnEditable(CFisico);
        setItemDelegateForColumn(CFisico, new WholeNumberDelegate(this));
        // Typing on a row counts it: the current cell stays in the counted column.
        connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
            if (row >= 0 && column != CFisico)
                setCurrentCell(row, CFisico);
        });
    }
    horizontalHeader()->setSectionResizeMode(CProducto, QHeaderView::Stretch);
    horizontalHeader()->setStretchLastSection(false);
}

void StockGrid::fill(const QList<StockItem>& items, const std::function<void(int)>& progress)
{
    clearRows();
    m_listed.clear();
    QList<QStringList> rows;
    rows.reserve(items.size());
    for (const StockItem& item : items) {
        const QString stock = Formats::General(item.stock());
        QStringList cells{QString::number(rows.size() + 1),
                          item.productId,
                          QString::number(item.categoryId),
                          item.brand,
                          item.name,
                          item.presentation,
                          item.unit,
                          Formats::General(item.minimum),
                          Formats::General(item.cost),
                          Formats::General(item.price),
                          Formats::General(item.priceWithInvoice),
                          item.barcode,
                          Formats::General(item.ingreso),
                          Formats::General(item.egreso),
                          stock};
        if (m_kind == Kind::Count)
            cells << stock;
        rows << cells;
        m_listed << ListedStock{item.productId, item.name, item.ingreso, item.egreso};
        if (progress)
            progress(int(rows.size()));
    }
    addRows(rows);
    for (int row = 0; row < m_listed.size(); ++row) {
        colourStock(row, m_listed.at(row).stock());
        if (m_kind == Kind::Count)
            setCellColor(CFisico, row, CountColour);
    }
    goToRow(0);
}

void StockGrid::commitPendingEdit()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    // The buttons take no focus from the editor, so it would otherwise hold its text.
    for (QWidget* editor : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (editor->isVisible() && editor->hasFocus()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
}

void StockGrid::keep(int row, const ListedStock& stored)
{
    m_listed[row] = stored;
    colourStock(row, stored.stock());
}

void StockGrid::showCounted(int row, const ListedStock& stored, const QString& counted)
{
    if (row < 0 || row >= m_listed.size())
        return;
    setCell(CEgreso, row, Formats::Money(stored.egreso));
    setCell(CStock, row, counted);
    keep(row, stored);
}

void StockGrid::showRolledOver(int row, const ListedStock& stored)
{
    if (row < 0 || row >= m_listed.size())
        return;
    const QString stock = cell(CStock, row);
    setCell(CIngreso, row, stock);
    setCell(CEgreso, row, QStringLiteral("0"));
    if (m_kind == Kind::Count)
        setCell(CFisico, row, stock);
    keep(row, stored);
}

void StockGrid::showReset(int row, const ListedStock& stored)
{
    if (row < 0 || row >= m_listed.size())
        return;
    for (int column = CIngreso; column < columnCount(); ++column)
        setCell(column, row, QStringLiteral("0"));
    keep(row, stored);
}

void StockGrid::colourStock(int row, double stock)
{
    // Compared in millionths, so binary noise of the subtraction never colours a stock of 1.
    const bool noStock = std::round(stock * 1e6) <= 0;
    setCellColor(CStock, row, noStock ? NoStockColour : QColor());
}
