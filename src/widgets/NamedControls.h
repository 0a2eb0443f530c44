#pragma once
#include <QSize>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

// The controls every window builds, each made under the object name the shop's forms use (tests
// and the keyboard handling find controls by that name). A window adds its own look on top.
namespace NamedControls {

// A line field; a length of 0 sets no limit.
QLineEdit* Field(QWidget* parent, const char* name, int maxLength = 0, bool readOnly = false);
// A field that shows a value and takes no typing.
QLineEdit* ReadOnlyField(QWidget* parent, const char* name);
// A field of at most `maxLength` characters, wide enough to show about that many (up to forty).
QLineEdit* SizedField(QWidget* parent, const char* name, int maxLength);
// A push button with its caption.
QPushButton* Button(QWidget* parent, const char* name, const QString& caption);
// A tool button with its caption and hint, at least `minimumSize` large when one is given.
QToolButton* ToolButton(QWidget* parent, const char* name, const QString& text, const QString& hint = {},
                        QSize minimumSize = {});
// A drop-down list holding `items`.
QComboBox* List(QWidget* parent, const char* name, const QStringList& items = {});
// The "DESHABILITADO"/"HABILITADO" list of a record's state, on "HABILITADO".
QComboBox* StateList(QWidget* parent, const char* name);
// A label the window fills later.
QLabel* Label(QWidget* parent, const char* name, const QString& text = {});

// Sets the control's font bold and hands the control back.
QWidget* MakeBold(QWidget* control);
template <typename Control> Control* Bold(Control* control)
{
    MakeBold(control);
    return control;
}

}
