#include "widgets/GridNavigation.h"

#include "widgets/DataGrid.h"

#include <QStyle>
#include <QToolButton>
#include <functional>

namespace GridNavigation {

QList<QToolButton*> Buttons(QWidget* parent, DataGrid* grid, const QString& suffix)
{
    const struct {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
        std::function<int()> row;
    } buttons[] = {
        {"SBPrimero", "Primero", QStyle::SP_MediaSkipBackward, [] { return 0; }},
        {"SBAnterior", "Anterior", QStyle::SP_MediaSeekBackward, [grid] { return qMax(0, grid->selectedRow() - 1); }},
        {"SBSiguiente", "Siguiente", QStyle::SP_MediaSeekForward,
         [grid] { return qMin(grid->selectedRow() + 1, grid->rowCount() - 1); }},
        {"SBUltimo", "Ultimo", QStyle::SP_MediaSkipForward, [grid] { return grid->rowCount() - 1; }},
    };
    QList<QToolButton*> made;
    for (const auto& b : buttons) {
        auto* button = new QToolButton(parent);
        button->setObjectName(QLatin1String(b.name) + suffix);
        button->setToolTip(QLatin1String(b.hint));
        button->setIcon(parent->style()->standardIcon(b.icon));
        QObject::connect(button, &QToolButton::clicked, grid, [grid, row = b.row] { grid->goToRow(row()); });
        made << button;
    }
    return made;
}

}
