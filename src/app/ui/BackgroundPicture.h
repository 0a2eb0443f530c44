#pragma once
#include <QPixmap>
#include <QSize>

// The program's own pictures, drawn rather than shipped: the emblem in the middle of the main
// window's empty frame and the splash title used when the shop has no "img/logo.jpg".
namespace BackgroundPicture {

// A transparent emblem (a receipt roll over a shop awning, the program's name underneath).
QPixmap emblem(const QSize& size = QSize(420, 300));
// The splash face: a gradient with the name and what the program is for.
QPixmap splash(const QSize& size);

}
