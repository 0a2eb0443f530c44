#pragma once
#include <QString>

class QLineEdit;
class QToolButton;
class QWidget;

// The fields and tool buttons of the supplies window's panels, made alike.
namespace PanelControls {

// A line field named `name`; a length of 0 sets no limit.
QLineEdit* Field(QWidget* parent, const char* name, int length, bool readOnly = false);
// A tool-bar button with its caption and hint.
QToolButton* Button(QWidget* parent, const char* name, const QString& text, const QString& hint);
// Big bold digits, for the order number.
void BigDigits(QLineEdit* field);

}
