#pragma once
#include <QList>
#include <QString>

class DataGrid;
class QToolButton;
class QWidget;

// The four buttons that walk a list: "Primero", "Anterior" (never before the first), "Siguiente"
// and "Ultimo", each selecting its row and scrolling it into view. Named "SBPrimero" + `suffix`,
// "SBAnterior" + `suffix`, "SBSiguiente" + `suffix`, "SBUltimo" + `suffix`.
namespace GridNavigation {

QList<QToolButton*> Buttons(QWidget* parent, DataGrid* grid, const QString& suffix = {});

}
