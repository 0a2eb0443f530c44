#include "widgets/DataGridFooter.h"

#include "widgets/DataGrid.h"

#include <QHeaderView>
#include <QPainter>

DataGridFooter::DataGridFooter(DataGrid* grid) : QWidget(grid), m_grid(grid)
{
    setObjectName(QStringLiteral("footer"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void DataGridFooter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(palette().color(QPalette::ButtonText));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const QHeaderView* header = m_grid->horizontalHeader();
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const QString text = m_grid->footerText(column);
        if (text.isEmpty())
            continue;
        const QRect cell(header->sectionViewportPosition(column) + 3, 1, header->sectionSize(column) - 6, height() - 1);
        painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, text);
    }
}
