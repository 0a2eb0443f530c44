#pragma once
#include <QPixmap>

// Pictures the grids' image columns show.
namespace GridIcons {

// The red cross of a line the user may remove (cart lines, purchase lines).
QPixmap DeleteIcon();

}
