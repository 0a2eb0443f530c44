#pragma once
#include <QString>
#include <functional>

class DataGrid;
class QComboBox;
class QDate;
class QDateEdit;
class QGroupBox;
class QLayout;
class QToolButton;
class QWidget;

// Pieces the sales and purchase report windows share: their buttons, date pickers, the row
// navigation and the save-then-open of an exported file.
namespace ReportWindowParts {

QToolButton* ActionButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
// "Primero", "Anterior", "Siguiente", "Ultimo" moving the grid's selection; their names end in
// `suffix` ("SBPrimero" + suffix ...).
QList<QToolButton*> NavigationButtons(QWidget* parent, DataGrid* grid, const QString& suffix = {});
QDateEdit* DatePicker(QWidget* parent, const char* name, const QDate& date);
QGroupBox* Group(QWidget* parent, const QString& title, QLayout* layout);

// The panel both reports by item open with: "RANGO FECHA" (DTFechaI/DTFechaF, the last 30 days of
// the work date), "CATEGORIAS" (CBCategoria), the item group (CBProductos), "ACCIONES" (GENERAR,
// REPORTE disabled until a list is made, the row navigation) and the grid of quantities and
// costs with their sums at its foot. The window names the panel, GENERAR and the grid.
struct ItemReportPanel {
    QWidget* panel = nullptr;
    QDateEdit* from = nullptr;
    QDateEdit* to = nullptr;
    QComboBox* category = nullptr;
    QComboBox* item = nullptr;
    QToolButton* generate = nullptr;
    QToolButton* report = nullptr;
    DataGrid* grid = nullptr;
};
struct ItemReportNames {
    const char* panel;
    const char* generate;
    const char* grid;
    QString itemGroup;
};
ItemReportPanel BuildItemReportPanel(QWidget* parent, const ItemReportNames& names);

// "Fecha y Hora de Impresión: 09/12/2026 10:30:00" from the clock seam.
QString PrintStamp(const QString& caption);

// Asks where to save (first in the database's folder, then where the last file went), writes
// the file through `write` (empty text = written, else the reason, shown as an error) and hands
// it to the desktop. Nothing happens when the dialog is cancelled.
void SaveAndOpen(QWidget* parent, QString& lastFolder, const QString& name, const QString& filter,
                 const std::function<QString(const QString& path)>& write);

}
