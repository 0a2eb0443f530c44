#pragma once
#include <QByteArray>
#include <QPixmap>
#include <QString>

// The picture of a category button: the icon stored with the category, scaled to `size`, or, for
// a category without one, its initial on a colour of its own.
namespace CategoryIcon {

QPixmap Make(const QByteArray& storedIcon, int category, const QString& name, int size);

}
