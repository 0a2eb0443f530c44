// Draws the program's own logo, "img/logo.jpg", at build time: the emblem of the main window on a
// white card the size of a shop's logo. Letter-size vouchers print it while the shop has saved no
// logo of its own, and the splash shows it.
//
//     logo-picture OUTPUT_FILE      (run with QT_QPA_PLATFORM=offscreen)
#include "app/ui/BackgroundPicture.h"
#include "tax/CompanyLogo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: logo-picture ARCHIVO.jpg\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(output).absolutePath());
    QImage logo(CompanyLogo::kWidth, CompanyLogo::kHeight, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap emblem = BackgroundPicture::emblem(QSize(CompanyLogo::kWidth - 8, CompanyLogo::kHeight - 8));
    painter.drawPixmap(4, 4, emblem);
    painter.end();
    if (!logo.save(output, "JPEG", 92)) {
        std::fprintf(stderr, "No se pudo escribir %s\n", argv[1]);
        return 1;
    }
    return 0;
}
