#include "app/AppStartup.h"
#include "data/Formats.h"

#include <QDoubleSpinBox>
#include <QLocale>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // A computer set up for a comma decimal separator and month-first dates.
    void formatsIgnoreTheComputersRegion()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        AppStartup::applyFixedFormats();
        QCOMPARE(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1,234.50"));
        QDoubleSpinBox box;
        box.setDecimals(2);
        box.setValue(12.5);
        QCOMPARE(box.text(), QStringLiteral("12.50"));
        QCOMPARE(Formats::Money(12.5), QStringLiteral("12.50"));
        QCOMPARE(Formats::Date(QDate(2026, 3, 4)), QStringLiteral("04/03/2026"));
        double parsed = 0;
        QVERIFY(Formats::ParseAmount(QStringLiteral("12.50"), &parsed));
        QCOMPARE(parsed, 12.5);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
