#include "printing/TicketText.h"

#include <QtTest>

namespace {
QString Spaces(int count) { return QString(count, QLatin1Char(' ')); }
}

class TstTicketText : public QObject {
    Q_OBJECT
private slots:
    void centerText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10 chars get 15 spaces") << "ABCDEFGHIJ" << Spaces(15) + "ABCDEFGHIJ";
        QTest::newRow("39 chars: 1/2 truncates to none") << QString(39, 'X') << QString(39, 'X');
        QTest::newRow("exactly 40") << QString(40, 'X') << QString(40, 'X');
        QTest::newRow("45 chars are left alone") << QString(45, 'X') << QString(45, 'X');
        QTest::newRow("odd length rounds down") << "ABC" << Spaces(18) + "ABC";
        QTest::newRow("empty") << "" << Spaces(20);
    }
    void centerText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TicketText::CenterText(text), expected);
    }

    void rightAlign40_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("total line") << "TOTAL: 12.50" << Spaces(28) + "TOTAL: 12.50";
        QTest::newRow("exactly 40") << QString(40, 'X') << QString(40, 'X');
        QTest::newRow("longer is not cut") << QString(41, 'X') << QString(41, 'X');
    }
    void rightAlign40()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TicketText::RightAlign40(text), expected);
    }

    void moneyText_data()
    {
        QTest::addColumn<QString>("amountText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half") << "12.5"
                              << "12.50";
        QTest::newRow("zero") << "0"
                              << "0.00";
        QTest::newRow("no thousands separator") << "1250"
                                                << "1250.00";
        QTest::newRow("empty cell reads as zero") << ""
                                                  << "0.00";
        QTest::newRow("surrounding blanks") << " 7.1 "
                                            << "7.10";
    }
    void moneyText()
    {
        QFETCH(QString, amountText);
        QFETCH(QString, expected);
        QCOMPARE(TicketText::MoneyText(amountText), expected);
        double value = amountText.trimmed().toDouble();
        QCOMPARE(TicketText::MoneyText(value), expected);
    }

    void itemLine_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("unitPrice");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("expected");
        QTest::newRow("coca cola fills 40 columns")
            << "1"
            << "COCA COLA 2L" << 12.5 << 12.5 << "1 COCA COLA 2L" + Spaces(14) + "12.50" + "  " + "12.50";
        QTest::newRow("price 5 takes a leading space") << "2"
                                                       << "PAN" << 5.0 << 10.0 << "2 PAN" + Spaces(23) + " 5.00" + "  10.00";
        QTest::newRow("price 150 one column further right")
            << "1"
            << "TV" << 150.0 << 150.0 << "1 TV" + Spaces(24) + " 150.00" + " 150.00";
        QTest::newRow("total 1250 kept whole")
            << "10"
            << "SILLA" << 125.0 << 1250.0 << "10 SILLA" + Spaces(20) + " 125.00" + " 1250.00";
        QTest::newRow("small total after three spaces")
            << "1"
            << "CHICLE" << 0.5 << 0.5 << "1 CHICLE" + Spaces(20) + " 0.50" + "   0.50";
        QTest::newRow("fractional quantity as shown")
            << "2.5"
            << "AZUCAR" << 8.0 << 20.0 << "2.5 AZUCAR" + Spaces(18) + " 8.00" + "  20.00";
        QTest::newRow("30-char name: no padding")
            << "1" << QString(30, 'N') << 12.5 << 12.5 << "1 " + QString(30, 'N') + "12.50" + "  12.50";
        QTest::newRow("exactly 28-char concept: no padding")
            << "1" << QString(26, 'N') << 12.5 << 12.5 << "1 " + QString(26, 'N') + "12.50" + "  12.50";
        QTest::newRow("trailing blanks count trimmed, padding goes after them")
            << "1"
            << "PAN  " << 5.0 << 5.0 << "1 PAN  " + Spaces(23) + " 5.00" + "   5.00";
    }
    void itemLine()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, name);
        QFETCH(double, unitPrice);
        QFETCH(double, total);
        QFETCH(QString, expected);
        QCOMPARE(TicketText::ItemLine(quantity, name, unitPrice, total), expected);
    }

    void itemLineMatchesTheColumnHeader()
    {
        const QString header = QStringLiteral("CANT CONCEPTO                P.U.  TOTAL");
        const QString line = TicketText::ItemLine("1", "COCA COLA 2L", 12.5, 12.5);
        QCOMPARE(line.size(), header.size());
        // Unit price ends under "P.U." (column 33), the total under "TOTAL" (column 40).
        QCOMPARE(line.mid(28, 5), QStringLiteral("12.50"));
        QCOMPARE(header.indexOf("P.U.") + 4, 33);
        QCOMPARE(line.right(5), QStringLiteral("12.50"));
    }
};

QTEST_APPLESS_MAIN(TstTicketText)
#include "tst_tickettext.moc"
