#pragma once
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// The small pieces every page of the setup assistant builds its form from.
namespace SetupFields {

// A named line field of at most `maxLength` characters, wide enough for about that many.
QLineEdit* line(QWidget* parent, const char* name, int maxLength, bool secret = false);
// A note in plain words under a page's form.
QLabel* note(QWidget* parent, const QString& text);
// "Guardado" in green or what is still missing in dark red, for the page's state line.
void showState(QLabel* label, bool done, const QString& doneText, const QString& pendingText);

}
