#include "data/Formats.h"

#include <QtTest>
#include <clocale>

// The program's texts must not follow the computer's regional settings: every case runs under a
// German (decimal comma, day.month) locale.
class TstFormats : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_ALL, "de_DE.UTF-8");
    }

    void money_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 12.5 << "12.50";
        QTest::newRow("zero") << 0.0 << "0.00";
        QTest::newRow("thousands without separator") << 1250.0 << "1250.00";
        QTest::newRow("binary noise rounds up") << 2.675 << "2.68";
        QTest::newRow("negative") << -12.5 << "-12.50";
        QTest::newRow("negative zero") << -0.001 << "0.00";
        QTest::newRow("sum of tenths") << (0.1 + 0.2) << "0.30";
    }
    void money()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Formats::Money(value), text);
    }

    void general_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction") << 45.5 << "45.5";
        QTest::newRow("whole") << 100.0 << "100";
        QTest::newRow("three decimals") << 5.915 << "5.915";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("binary noise") << (0.1 + 0.2) << "0.3";
        QTest::newRow("negative") << -12.5 << "-12.5";
        QTest::newRow("large") << 1234567.25 << "1234567.25";
    }
    void general()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Formats::General(value), text);
    }

    void parseAmount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("point") << "12.50" << true << 12.5;
        QTest::newRow("whole") << "100" << true << 100.0;
        QTest::newRow("trailing point") << "7." << true << 7.0;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("negative") << "-3.25" << true << -3.25;
        QTest::newRow("comma refused") << "12,50" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("thousands separator") << "1,250.00" << false << 0.0;
    }
    void parseAmount()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double parsed = 0;
        QCOMPARE(Formats::ParseAmount(text, &parsed), ok);
        if (ok)
            QCOMPARE(parsed, value);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("day first") << "05/03/2015" << QDate(2015, 3, 5);
        QTest::newRow("short day and month") << "5/3/2015" << QDate(2015, 3, 5);
        QTest::newRow("leap day") << "29/02/2024" << QDate(2024, 2, 29);
        QTest::newRow("not a leap year") << "29/02/2023" << QDate();
        QTest::newRow("month 13") << "01/13/2024" << QDate();
        QTest::newRow("iso refused") << "2024-01-01" << QDate();
        QTest::newRow("german dots refused") << "01.02.2024" << QDate();
        QTest::newRow("words") << "mañana" << QDate();
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(Formats::ParseDate(text), date);
        if (date.isValid())
            QCOMPARE(Formats::ParseDate(Formats::Date(date)), date);
    }

    void monthNameDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("january") << QDate(2026, 1, 5) << "05/ene/2026";
        QTest::newRow("may") << QDate(2026, 5, 31) << "31/may/2026";
        QTest::newRow("december") << QDate(2026, 12, 9) << "09/dic/2026";
    }
    void monthNameDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(Formats::MonthNameDate(date), text);
    }

    void dateTextIsDayFirst()
    {
        QCOMPARE(Formats::Date(QDate(2015, 3, 5)), QStringLiteral("05/03/2015"));
        QCOMPARE(Formats::Date(QDate()), QString());
        QCOMPARE(Formats::IsoDate(QDate(2015, 3, 5)), QStringLiteral("2015-03-05"));
        QCOMPARE(Formats::ParseIsoDate(QStringLiteral("2015-03-05")), QDate(2015, 3, 5));
    }
};

QTEST_GUILESS_MAIN(TstFormats)
#include "tst_formats.moc"
