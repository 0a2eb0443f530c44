#include "QrDecoder.h"
#include "tax/InvoiceQr.h"

#include <QtTest>

namespace {

const QString kInvoiceText = QStringLiteral("102|15|555|05/03/2015|45.50|45.50|7B-F3-48-A8|654|0|0|0|0");

}

class TstInvoiceQr : public QObject {
    Q_OBJECT
private slots:
    void text_data()
    {
        QTest::addColumn<QString>("issuerNit");
        QTest::addColumn<qint64>("invoiceNumber");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("buyer");
        QTest::addColumn<QString>("text");
        QTest::newRow("fields in order") << "102" << qint64(15) << QDate(2015, 3, 5) << 45.5 << "654" << kInvoiceText;
        QTest::newRow("whole total keeps decimals") << "102" << qint64(15) << QDate(2015, 3, 5) << 100.0 << "654"
                                                    << "102|15|555|05/03/2015|100.00|100.00|7B-F3-48-A8|654|0|0|0|0";
        QTest::newRow("invoice number without display zeros")
            << "1023456028" << qint64(150) << QDate(2015, 12, 31) << 45.5 << "0"
            << "1023456028|150|555|31/12/2015|45.50|45.50|7B-F3-48-A8|0|0|0|0|0";
        QTest::newRow("total with binary noise") << "102" << qint64(15) << QDate(2015, 3, 5) << (0.1 + 0.2) << "654"
                                                 << "102|15|555|05/03/2015|0.30|0.30|7B-F3-48-A8|654|0|0|0|0";
    }
    void text()
    {
        QFETCH(QString, issuerNit);
        QFETCH(qint64, invoiceNumber);
        QFETCH(QDate, date);
        QFETCH(double, total);
        QFETCH(QString, buyer);
        QFETCH(QString, text);
        QCOMPARE(BuildInvoiceQrText(issuerNit, invoiceNumber, QStringLiteral("555"), date, total,
                                    QStringLiteral("7B-F3-48-A8"), buyer),
                 text);
    }

    void symbolReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("invoice") << kInvoiceText;
        QTest::newRow("long, mixed case") << QStringLiteral(
            "1023456028|4294967295|79040063066931234|31/12/2099|1234567.89|1234567.89|"
            "7B-F3-48-A8-9C|123456789012|0|0|0|0|Comercial La Esquina, Avenida "
            "Busch 1234, Zona Miraflores");
    }
    void symbolReadsBack()
    {
        QFETCH(QString, text);
        const QImage picture = RenderInvoiceQr(text);
        QCOMPARE(picture.size(), QSize(200, 200));
        QCOMPARE(QrDecoder::Decode(picture), QStringList{text});
    }

    // Black and white only, with the white quiet zone all round.
    void pictureHasHardEdgesAndQuietZone()
    {
        const QImage picture = RenderInvoiceQr(kInvoiceText).convertToFormat(QImage::Format_Grayscale8);
        int black = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int value = qGray(picture.pixel(x, y));
                QVERIFY2(value == 0 || value == 255, qPrintable(QStringLiteral("grey at %1,%2").arg(x).arg(y)));
                black += value == 0;
            }
        }
        QVERIFY(black > 0);
        // The largest version the invoice text could need is well under 57 modules + 8 of quiet
        // zone, so the outer 200 * 4 / 65 pixels are always white.
        const int margin = 200 * 4 / 65;
        for (int i = 0; i < 200; ++i) {
            for (int depth = 0; depth < margin; ++depth) {
                QCOMPARE(qGray(picture.pixel(i, depth)), 255);
                QCOMPARE(qGray(picture.pixel(i, 199 - depth)), 255);
                QCOMPARE(qGray(picture.pixel(depth, i)), 255);
                QCOMPARE(qGray(picture.pixel(199 - depth, i)), 255);
            }
        }
    }

    void textBeyondAnySymbolGivesNoPicture() { QVERIFY(RenderInvoiceQr(QString(4000, QLatin1Char('x'))).isNull()); }
};

QTEST_GUILESS_MAIN(TstInvoiceQr)
#include "tst_invoiceqr.moc"
