#pragma once
#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Product photos and category icons. Photos are files AppFolder + "img/" + IdProducto + ".jpg";
// category icons are JPEG blobs in Categorias.Icono. Whatever cannot be read shows the default
// picture ("img/producto.jpg", "img/img01.jpg"), and when that file is missing too, the copy
// compiled into the program.
namespace MasterPictures {

inline constexpr QSize PhotoSize{296, 206};
inline constexpr QSize IconSize{52, 52};

QString ImageFolder();  // AppFolder + "img/"
QString PhotoPath(const QString& productId);

QPixmap DefaultPhoto();
QPixmap DefaultIcon();
// The product's own photo, or the default one.
QPixmap Photo(const QString& productId);
// A stored icon, or the default one when it is empty or unreadable.
QPixmap Icon(const QByteArray& stored);

// The picture scaled to fit `size` without distortion, centred on white: exactly that size.
QImage FitInto(const QImage& picture, const QSize& size);
QByteArray JpegBytes(const QImage& picture);

// Reads a picture the user chose; a null image and the reason when it cannot be read.
QImage ReadChosen(const QString& path, QString* error);
// Saves a product photo (already fitted) as its file, creating "img/" when missing. Empty text on
// success, otherwise the reason.
QString SavePhoto(const QString& productId, const QImage& photo);
// Removes the product's photo file; a missing file is no error.
void RemovePhoto(const QString& productId);

// The small red cross of the delete column of the master-data lists.
QPixmap DeleteMark();

}
