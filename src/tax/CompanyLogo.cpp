#include "tax/CompanyLogo.h"

#include "data/SessionState.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace CompanyLogo {

QString path() { return SessionState::current().AppFolder + QStringLiteral("img/logoempresa.jpg"); }

QString fallbackPath() { return SessionState::current().AppFolder + QStringLiteral("img/logo.jpg"); }

QImage load()
{
    QImage logo(path());
    if (logo.isNull())
        logo.load(fallbackPath());
    return logo;
}

QImage fromFile(const QString& file, QString* error)
{
    QImageReader reader(file);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        if (error)
            *error =
                QStringLiteral("No se puede abrir la imagen %1: %2").arg(QDir::toNativeSeparators(file), reader.errorString());
        return {};
    }
    return picture.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString save(const QImage& picture)
{
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return QStringLiteral("No se pudo crear la carpeta %1").arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
    const QImage sized = picture.size() == QSize(kWidth, kHeight)
                             ? picture
                             : picture.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!sized.save(file, "JPEG"))
        return QStringLiteral("No se pudo guardar el logo en %1").arg(QDir::toNativeSeparators(file));
    return {};
}

}
