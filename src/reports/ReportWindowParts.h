#pragma once
#include <QString>
#include <functional>

class DataGrid;
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

// "Fecha y Hora de Impresión: 09/12/2026 10:30:00" from the clock seam.
QString PrintStamp(const QString& caption);

// Asks where to save (first in the database's folder, then where the last file went), writes
// the file through `write` (empty text = written, else the reason, shown as an error) and hands
// it to the desktop. Nothing happens when the dialog is cancelled.
void SaveAndOpen(QWidget* parent, QString& lastFolder, const QString& name, const QString& filter,
                 const std::function<QString(const QString& path)>& write);

}
