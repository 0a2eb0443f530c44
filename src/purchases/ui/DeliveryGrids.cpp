#include "purchases/ui/DeliveryGrids.h"

#include "data/Formats.h"
#include "data/SqlRows.h"
#include "widgets/DataGrid.h"

#include <QHeaderView>
#include <QPainter>

namespace DeliveryGrids {

const QColor StockAboveMinimum(192, 220, 192);

void SetUpSupplyList(DataGrid* grid)
{
    grid->addColumn(QStringLiteral("IdProducto"), DataGrid::ColumnType::Text, 0, true);
    grid->addColumn(QStringLiteral("IdCategoria"), DataGrid::ColumnType::Text, 0, true);
    grid->addColumn(QStringLiteral("Marca"), DataGrid::ColumnType::Text, 0, true);
    grid->addColumn(QStringLiteral(" INSUMOS"), DataGrid::ColumnType::Text, 216);
    for (const char* hidden : {"Presentacion", "UMedida", "StockM", "CodigoB"})
        grid->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 0, true);
    grid->addColumn(QStringLiteral("Stock"), DataGrid::ColumnType::Number, 64);
    grid->setColumnFooter(SNombre, DataGrid::Footer::Count);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QColor StockColour(double stock, double minimum)
{
    if (stock <= 0)
        return QColor(255, 0, 0);
    if (stock <= minimum)
        return QColor(255, 255, 0);
    return StockAboveMinimum;
}

void FillSupplyList(DataGrid* grid, SqlRows rows)
{
    QList<QStringList> cells;
    QList<QColor> colours;
    for (; !rows.atEnd(); rows.next()) {
        cells << QStringList{rows.text(0),
                             rows.text(1),
                             rows.text(2),
                             rows.text(3),
                             rows.text(4),
                             rows.text(5),
                             Formats::General(rows.number(6)),
                             rows.text(7),
                             Formats::General(rows.number(8))};
        colours << StockColour(rows.number(8), rows.number(6));
    }
    grid->addRows(cells);
    for (int row = 0; row < colours.size(); ++row)
        grid->setCellColor(SStock, row, colours.at(row));
}

void SetUpLines(DataGrid* grid, bool removable)
{
    const struct {
        const char* header;
        int width;
        DataGrid::ColumnType type;
    } columns[] = {
        {"Cant", 58, DataGrid::ColumnType::Number},          {"IdProducto", 0, DataGrid::ColumnType::Text},
        {"IdCategoria", 0, DataGrid::ColumnType::Text},      {"Marca", 0, DataGrid::ColumnType::Text},
        {" Nombre Insumo", 230, DataGrid::ColumnType::Text}, {" Presentacion", 130, DataGrid::ColumnType::Text},
        {"Unidad", 76, DataGrid::ColumnType::Text},          {"StockM", 0, DataGrid::ColumnType::Text},
        {"CodigoB", 0, DataGrid::ColumnType::Text},          {"", 28, DataGrid::ColumnType::Image},
    };
    for (const auto& c : columns)
        grid->addColumn(QString::fromLatin1(c.header), c.type, c.width, c.width == 0);
    grid->setColumnImage(LBorrar, DeleteIcon());
    grid->setColumnHidden(LBorrar, !removable);
    grid->setColumnFooter(LNombre, DataGrid::Footer::Count);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->horizontalHeader()->setSectionResizeMode(LNombre, QHeaderView::Stretch);
}

void FillLines(DataGrid* grid, SqlRows rows)
{
    QList<QStringList> cells;
    for (; !rows.atEnd(); rows.next())
        cells << QStringList{Formats::General(rows.number(0)),
                             rows.text(1),
                             rows.text(2),
                             rows.text(3),
                             rows.text(4),
                             rows.text(5),
                             rows.text(6),
                             Formats::General(rows.number(7)),
                             rows.text(8),
                             QStringLiteral("0")};
    grid->addRows(cells);
}

QPixmap DeleteIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 30, 30), 2.5));
    painter.drawLine(3, 3, 13, 13);
    painter.drawLine(13, 3, 3, 13);
    return picture;
}

}
