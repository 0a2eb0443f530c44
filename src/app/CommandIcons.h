#pragma once
#include <QColor>
#include <QIcon>
#include <QString>

// Tool bar icons drawn by the program: a rounded badge in the colour of its bar with a short
// mark, so every command is told apart without shipping pictures.
namespace CommandIcons {

QIcon badge(const QString& mark, const QColor& colour);

}
