#pragma once
#include <QString>

class QLineEdit;
class QToolButton;
class QWidget;

// The look the supplies window's panels share.
namespace PanelControls {

// A bold tool-bar button with its caption and hint, all of one size.
QToolButton* Button(QWidget* parent, const char* name, const QString& text, const QString& hint);
// Big bold digits, for the order number.
void BigDigits(QLineEdit* field);

}
