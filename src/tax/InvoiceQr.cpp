#include "tax/InvoiceQr.h"

#include "data/Formats.h"

#include <QStringList>
#include <memory>
#include <qrencode.h>

namespace {

constexpr int kPictureSize = 200;
constexpr int kQuietZoneModules = 4;

}

QString BuildInvoiceQrText(const QString& issuerNit, qint64 invoiceNumber, const QString& authorizationNumber,
                           const QDate& date, double total, const QString& controlCode, const QString& buyerNitCi)
{
    const QString amount = Formats::Money(total);
    const QStringList fields = {issuerNit,
                                QString::number(invoiceNumber),
                                authorizationNumber,
                                Formats::Date(date),
                                amount,
                                amount,
                                controlCode,
                                buyerNitCi,
                                QStringLiteral("0"),
                                QStringLiteral("0"),
                                QStringLiteral("0"),
                                QStringLiteral("0")};
    return fields.join(QLatin1Char('|'));
}

int InvoiceQrModules(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> symbol(
        QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    return symbol ? symbol->width : 0;
}

QImage RenderInvoiceQr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> symbol(
        QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!symbol)
        return {};

    const int modules = symbol->width + 2 * kQuietZoneModules;
    QImage picture(kPictureSize, kPictureSize, QImage::Format_Grayscale8);
    // Each pixel takes the colour of the module under it, so module edges stay sharp.
    for (int y = 0; y < kPictureSize; ++y) {
        uchar* row = picture.scanLine(y);
        const int moduleY = y * modules / kPictureSize - kQuietZoneModules;
        for (int x = 0; x < kPictureSize; ++x) {
            const int moduleX = x * modules / kPictureSize - kQuietZoneModules;
            const bool inside = moduleX >= 0 && moduleY >= 0 && moduleX < symbol->width && moduleY < symbol->width;
            const bool dark = inside && (symbol->data[moduleY * symbol->width + moduleX] & 1);
            row[x] = dark ? 0 : 255;
        }
    }
    return picture;
}
