#pragma once
#include <QImage>
#include <QStringList>
#include <zbar.h>

// Reads printed QR codes back the way a phone would, so a test checks what the code says rather
// than how it was drawn. A test using it links PkgConfig::ZBAR.
namespace QrDecoder {

// Every QR symbol zbar finds in the picture, as text.
inline QStringList Decode(const QImage& picture)
{
    using namespace zbar;  // the C interface lives in this namespace in C++
    const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    for (int y = 0; y < gray.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(gray.constScanLine(y)), gray.width());
    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(scanner, ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    zbar_image_t* image = zbar_image_create();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, unsigned(gray.width()), unsigned(gray.height()));
    zbar_image_set_data(image, pixels.constData(), unsigned(pixels.size()), nullptr);
    QStringList texts;
    if (zbar_scan_image(scanner, image) > 0)
        for (const zbar_symbol_t* symbol = zbar_image_first_symbol(image); symbol; symbol = zbar_symbol_next(symbol))
            texts << QString::fromUtf8(zbar_symbol_get_data(symbol), int(zbar_symbol_get_data_length(symbol)));
    zbar_image_destroy(image);
    zbar_image_scanner_destroy(scanner);
    return texts;
}

}
