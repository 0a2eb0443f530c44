#include "masterdata/MasterPictures.h"

#include "data/SessionState.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace MasterPictures {

namespace {

QPixmap LoadOr(const QString& path, const QString& builtIn)
{
    QPixmap picture;
    if (picture.load(path) && !picture.isNull())
        return picture;
    picture.load(builtIn);
    return picture;
}

}

QString ImageFolder() { return SessionState::current().AppFolder + QStringLiteral("img/"); }

QString PhotoPath(const QString& productId) { return ImageFolder() + productId + QStringLiteral(".jpg"); }

QPixmap DefaultPhoto()
{
    return LoadOr(ImageFolder() + QStringLiteral("producto.jpg"), QStringLiteral(":/masterdata/img/producto.jpg"));
}

QPixmap DefaultIcon()
{
    return LoadOr(ImageFolder() + QStringLiteral("img01.jpg"), QStringLiteral(":/masterdata/img/img01.jpg"));
}

QPixmap Photo(const QString& productId)
{
    QPixmap picture;
    if (!productId.isEmpty() && picture.load(PhotoPath(productId)) && !picture.isNull())
        return picture;
    return DefaultPhoto();
}

QPixmap Icon(const QByteArray& stored)
{
    QPixmap picture;
    if (!stored.isEmpty() && picture.loadFromData(stored) && !picture.isNull())
        return picture;
    return DefaultIcon();
}

QImage FitInto(const QImage& picture, const QSize& size)
{
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(Qt::white);
    if (picture.isNull())
        return fitted;
    const QImage scaled = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&fitted);
    painter.drawImage((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2, scaled);
    return fitted;
}

QByteArray JpegBytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", 90);
    return bytes;
}

QImage ReadChosen(const QString& path, QString* error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull() && error)
        *error = QStringLiteral("No se puede leer la imagen \"%1\": %2").arg(path, reader.errorString());
    return picture;
}

QString SavePhoto(const QString& productId, const QImage& photo)
{
    const QString folder = ImageFolder();
    if (!QDir().mkpath(folder))
        return QStringLiteral("No se puede crear la carpeta de imagenes \"%1\"").arg(folder);
    const QString path = PhotoPath(productId);
    if (!photo.save(path, "JPG", 90))
        return QStringLiteral("No se puede guardar la imagen del producto en \"%1\"").arg(path);
    return {};
}

void RemovePhoto(const QString& productId)
{
    if (!productId.isEmpty())
        QFile::remove(PhotoPath(productId));
}

QPixmap DeleteMark()
{
    QPixmap mark(16, 16);
    mark.fill(Qt::transparent);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
    return mark;
}

}
