#pragma once
#include <QImage>
#include <QString>

// The shop's logo: AppFolder + "img/logoempresa.jpg", 296 x 206 pixels, printed on the
// letter-size vouchers and invoices; "img/logo.jpg" stands in while there is none.
namespace CompanyLogo {

constexpr int kWidth = 296;
constexpr int kHeight = 206;

QString path();
QString fallbackPath();
// The logo, else the stand-in picture, else a null image.
QImage load();
// A chosen picture stretched to the logo's size; a null image (and the reason in *error) when
// the file is not a picture.
QImage fromFile(const QString& file, QString* error);
// Saves the picture as the logo (JPEG), creating the folder; the reason, or empty text.
QString save(const QImage& picture);

}
