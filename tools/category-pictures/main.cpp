// Draws the 52 x 52 pictures of the demo shop's categories (resources/img/categorias/) from the
// Noto Color Emoji font (Debian's fonts-noto-color-emoji), one symbol on a light tile each.
// Run by hand when a picture changes; the build only uses the JPEG files this writes:
//   cmake --build build --target category-pictures
//   QT_QPA_PLATFORM=offscreen build/category-pictures resources/img/categorias
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

struct Picture {
    int category;
    const char* symbol;  // UTF-8
    QRgb tile;
};

const Picture kPictures[] = {
    {1, "\U0001F964", 0xffe3f2fd},  {2, "\U0001F96B", 0xfffff3e0},  {3, "\U0001F95B", 0xffe8eaf6},
    {4, "\U0001F9F9", 0xffe0f7fa},  {5, "\U0001F36C", 0xfffce4ec},  {6, "\U0001F35E", 0xfffff8e1},
    {7, "\U0001F9F4", 0xfff3e5f5},  {8, "\U0001F6CD", 0xffeceff1},  {17, "\U0001F33E", 0xfffffde7},
    {18, "\U0001F36F", 0xfffff3e0}, {19, "\U0001FAD2", 0xfff1f8e9}, {20, "\U0001FAD9", 0xffe0f2f1},
    {21, "\U0001F4E6", 0xffefebe9}, {22, "\U0001F336", 0xffffebee}, {23, "\U0001F9FC", 0xffe1f5fe},
    {24, "\U0001F9F0", 0xffeceff1},
};

}

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: category-pictures CARPETA\n");
        return 2;
    }
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji"))) {
        std::fprintf(stderr, "Falta la fuente Noto Color Emoji (fonts-noto-color-emoji)\n");
        return 1;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(34);
    for (const Picture& p : kPictures) {
        QImage image(52, 52, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath tile;
        tile.addRoundedRect(QRectF(1.5, 1.5, 49, 49), 9, 9);
        painter.fillPath(tile, QColor::fromRgb(p.tile));
        painter.setPen(QColor::fromRgb(p.tile).darker(125));
        painter.drawPath(tile);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, 52, 52), Qt::AlignCenter, QString::fromUtf8(p.symbol));
        painter.end();
        const QString path = QDir(QString::fromLocal8Bit(argv[1]))
                                 .filePath(QStringLiteral("categoria%1.jpg").arg(p.category, 2, 10, QLatin1Char('0')));
        if (!image.save(path, "JPG", 92)) {
            std::fprintf(stderr, "No se pudo escribir %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
