#pragma once
#include <QIcon>
#include <QString>
#include <QStringList>

// The picture of each main-window command, shown in the menu, on the tool bar and in the title bar
// of the window the command opens. The pictures come from a freely licensed icon theme and are
// compiled into the program (":/icons/<name>.svg").
namespace CommandIcons {

// The command's icon; a null icon for a command that has none (the view toggles).
QIcon forCommand(const QString& code);
// The resource path of the command's picture, or empty text.
QString resourceFor(const QString& code);
// Every command code that has a picture.
QStringList commands();
// The program's own icon (desktop menu, task bar, main window).
QIcon program();

}
