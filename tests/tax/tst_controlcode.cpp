#include "tax/ControlCode.h"

#include "CaseFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QtTest>

using namespace ControlCode;

class TstControlCode : public QObject {
    Q_OBJECT
private slots:
    void verhoeffDigit_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("check");
        QTest::newRow("one digit") << "0"
                                   << "4";
        QTest::newRow("textbook 236") << "236"
                                      << "3";
        QTest::newRow("textbook 12345") << "12345"
                                        << "1";
        QTest::newRow("leading zero counts") << "0236"
                                             << "6";
        QTest::newRow("longer than eight digits wraps the permutations") << "1428570123456789"
                                                                         << "2";
    }
    void verhoeffDigit()
    {
        QFETCH(QString, digits);
        QFETCH(QString, check);
        QCOMPARE(VerhoeffDigit(digits), check);
        // A number followed by its check digit checks to zero: the digit returned is the right one.
        QCOMPARE(verhoeffChecksToZero(digits + check), true);
    }

    void allegedRc4_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("dashed");
        QTest::newRow("RC4 vector Key") << "Plaintext"
                                        << "Key"
                                        << "BBF316E8D940AF0AD3"
                                        << "BB-F3-16-E8-D9-40-AF-0A-D3";
        QTest::newRow("RC4 vector Wiki") << "pedia"
                                         << "Wiki"
                                         << "1021BF0420"
                                         << "10-21-BF-04-20";
        QTest::newRow("zero byte keeps two digits") << "`edia"
                                                    << "Wiki"
                                                    << "0021BF0420"
                                                    << "00-21-BF-04-20";
        QTest::newRow("single byte") << "`"
                                     << "Wiki"
                                     << "00"
                                     << "00";
        QTest::newRow("empty message") << ""
                                       << "Wiki"
                                       << ""
                                       << "";
    }
    void allegedRc4()
    {
        QFETCH(QString, message);
        QFETCH(QString, key);
        QFETCH(QString, hex);
        QFETCH(QString, dashed);
        QCOMPARE(AllegedRc4Hex(message, key), hex);
        QCOMPARE(AllegedRc4HexDashed(message, key), dashed);
    }

    void base64Positional_data()
    {
        QTest::addColumn<quint64>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << "0";
        QTest::newRow("last digit") << quint64(63) << "/";
        QTest::newRow("64") << quint64(64) << "10";
        QTest::newRow("100") << quint64(100) << "1a";
        QTest::newRow("4095") << quint64(4095) << "//";
        QTest::newRow("4096") << quint64(4096) << "100";
        QTest::newRow("authority case") << quint64(15847127) << "ySxN";
    }
    void base64Positional()
    {
        QFETCH(quint64, number);
        QFETCH(QString, text);
        QCOMPARE(Base64Positional(number), text);
    }

    void roundInvoiceAmount_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("half goes up") << 2500.50 << qint64(2501);
        QTest::newRow("below half drops") << 2500.49 << qint64(2500);
        QTest::newRow("half of one") << 0.5 << qint64(1);
        QTest::newRow("below half of one") << 0.49 << qint64(0);
        QTest::newRow("certification tool") << 1000.5 << qint64(1001);
        QTest::newRow("whole") << 100.0 << qint64(100);
        QTest::newRow("six tenths") << 35958.6 << qint64(35959);
        QTest::newRow("half held as 0.4999...") << (0.7 - 0.2) << qint64(1);
        QTest::newRow("not a number") << qQNaN() << qint64(-1);
        QTest::newRow("beyond any invoice") << 1e16 << qint64(-1);
        QTest::newRow("largest accepted") << 9999999999999998.0 << qint64(9999999999999998);
    }
    void roundInvoiceAmount()
    {
        QFETCH(double, amount);
        QFETCH(qint64, rounded);
        QCOMPARE(RoundInvoiceAmount(amount), rounded);
    }

    void generateControlCode_data()
    {
        QTest::addColumn<QString>("invoice");
        QTest::addColumn<QString>("nitCi");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("authorization");
        QTest::addColumn<QString>("code");
        const QString key = QStringLiteral("zZ7Z]xssKqkEf_6K9uH(EcV+%x+u[Cca9T%+_$kiLjT8(zr3T9b5Fx2xG-D+_EBS");
        QTest::newRow("four pairs") << "876814"
                                    << "1665979"
                                    << "20080519"
                                    << "35959" << key << "7904006306693"
                                    << "7B-F3-48-A8";
        QTest::newRow("five pairs") << "461448"
                                    << "1708952"
                                    << "20080407"
                                    << "65935"
                                    << "9GFdP32EQ]DDmiurUn]ipBirBDr68NxKCznqWYI}bd5YAghuwIW9yJ6IS(hVQxXa"
                                    << "2904008372149"
                                    << "48-7F-17-F8-91";
        QTest::newRow("NIT/CI zero") << "468865"
                                     << "0"
                                     << "20070104"
                                     << "29830"
                                     << "KiIg[NixgScKtGL5FiM@)tkqV+NVvgw+bE)-DP]AScrdqBGbe@gQt_gnUd{n(Ph3"
                                     << "6004005567660"
                                     << "74-7A-45-28-6A";
    }
    void generateControlCode()
    {
        QFETCH(QString, invoice);
        QFETCH(QString, nitCi);
        QFETCH(QString, date);
        QFETCH(QString, amount);
        QFETCH(QString, key);
        QFETCH(QString, authorization);
        QFETCH(QString, code);
        QString error = QStringLiteral("not touched");
        QCOMPARE(GenerateControlCode(invoice, nitCi, date, amount, key, authorization, &error), code);
        QVERIFY(error.isEmpty());
    }

    // D1 = 9: the first piece of the key is ten characters long.
    void firstPieceOfTenCharacters()
    {
        const ControlCodeSteps steps = ComputeControlCodeSteps(
            QStringLiteral("461448"), QStringLiteral("1708952"), QStringLiteral("20080407"), QStringLiteral("65935"),
            QStringLiteral("9GFdP32EQ]DDmiurUn]ipBirBDr68NxKCznqWYI}bd5YAghuwIW9yJ6IS(hVQxXa"),
            QStringLiteral("2904008372149"));
        QCOMPARE(steps.verhoeffDigits, QStringLiteral("91106"));
        QVERIFY(steps.message.startsWith(QStringLiteral("2904008372149") + QStringLiteral("9GFdP32EQ]")
                                         + QStringLiteral("46144871")));
    }

    // Without a key the pieces are empty and the cipher key is D alone; a code still comes out.
    void emptyKey()
    {
        const ControlCodeSteps steps =
            ComputeControlCodeSteps(QStringLiteral("15"), QStringLiteral("654"), QStringLiteral("20150305"),
                                    QStringLiteral("46"), QString(), QStringLiteral("555"));
        QVERIFY(steps.ok());
        const QString extended = QStringLiteral("15") + twoDigits(QStringLiteral("15")) + QStringLiteral("654")
                                 + twoDigits(QStringLiteral("654")) + QStringLiteral("20150305")
                                 + twoDigits(QStringLiteral("20150305")) + QStringLiteral("46")
                                 + twoDigits(QStringLiteral("46"));
        QCOMPARE(steps.message, QStringLiteral("555") + extended);
        QCOMPARE(steps.code, AllegedRc4HexDashed(steps.base64, steps.verhoeffDigits));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{2}(-[0-9A-F]{2})*$")).match(steps.code).hasMatch());
    }

    void refusedInput_data()
    {
        QTest::addColumn<QString>("invoice");
        QTest::addColumn<QString>("nitCi");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("error");
        const QString dateError = QStringLiteral("La fecha debe ser una fecha valida en la forma AAAAMMDD");
        QTest::newRow("letter in invoice number") << "15a"
                                                  << "654"
                                                  << "20150305"
                                                  << "46"
                                                  << "El numero de factura debe contener solo digitos";
        QTest::newRow("empty invoice number") << ""
                                              << "654"
                                              << "20150305"
                                              << "46"
                                              << "El numero de factura debe contener solo digitos";
        QTest::newRow("dash in NIT/CI") << "15"
                                        << "654-1"
                                        << "20150305"
                                        << "46"
                                        << "El NIT/CI debe contener solo digitos";
        QTest::newRow("blank in NIT/CI") << "15"
                                         << " 654"
                                         << "20150305"
                                         << "46"
                                         << "El NIT/CI debe contener solo digitos";
        QTest::newRow("empty NIT/CI") << "15"
                                      << ""
                                      << "20150305"
                                      << "46"
                                      << "El NIT/CI debe contener solo digitos";
        QTest::newRow("non-ASCII digit") << "15" << QString::fromUtf8("65\u0664") << "20150305"
                                         << "46"
                                         << "El NIT/CI debe contener solo digitos";
        QTest::newRow("NIT/CI beyond 64 bits") << "15"
                                               << "12345678901234567"
                                               << "20150305"
                                               << "46"
                                               << "El NIT/CI tiene demasiados digitos";
        QTest::newRow("date with slashes") << "15"
                                           << "654"
                                           << "2015/03/05"
                                           << "46" << dateError;
        QTest::newRow("date of seven digits") << "15"
                                              << "654"
                                              << "2015035"
                                              << "46" << dateError;
        QTest::newRow("impossible date") << "15"
                                         << "654"
                                         << "20150230"
                                         << "46" << dateError;
        QTest::newRow("amount with decimals") << "15"
                                              << "654"
                                              << "20150305"
                                              << "45.5"
                                              << "El monto debe contener solo digitos";
        QTest::newRow("negative amount") << "15"
                                         << "654"
                                         << "20150305"
                                         << "-46"
                                         << "El monto debe contener solo digitos";
    }
    void refusedInput()
    {
        QFETCH(QString, invoice);
        QFETCH(QString, nitCi);
        QFETCH(QString, date);
        QFETCH(QString, amount);
        QFETCH(QString, error);
        QString reported;
        QCOMPARE(GenerateControlCode(invoice, nitCi, date, amount, QStringLiteral("key"), QStringLiteral("555"), &reported),
                 QString());
        QCOMPARE(reported, error);
        QCOMPARE(ValidateControlCodeInput(invoice, nitCi, date, amount), error);
    }

    // The largest numbers accepted still add up exactly.
    void largestNumbersAddExactly()
    {
        const QString nines = QStringLiteral("9999999999999999");
        const ControlCodeSteps steps = ComputeControlCodeSteps(nines, nines, QStringLiteral("20991231"), nines,
                                                               QStringLiteral("k"), QStringLiteral("1"));
        QVERIFY(steps.ok());
        // The message carries each number with its two digits; the sum itself shows in D only,
        // so check D against a sum worked out in decimal text.
        const QString extended = nines + twoDigits(nines);
        QString sum = QString::number(3 * extended.toULongLong()
                                      + (QStringLiteral("20991231") + twoDigits(QStringLiteral("20991231"))).toULongLong());
        QString digits;
        for (int i = 0; i < 5; ++i) {
            digits += VerhoeffDigit(sum);
            sum += digits.back();
        }
        QCOMPARE(steps.verhoeffDigits, digits);
        QVERIFY(steps.message.contains(extended));
    }

    // Every line of the authority's file, step by step.
    void authorityCases()
    {
        QFile file(AuthorityCaseFile());
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text),
                 qPrintable(QStringLiteral("The authority's case file is missing: ") + file.fileName()));
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Latin1);
        int lineNumber = 0;
        QString line;
        while (in.readLineInto(&line)) {
            ++lineNumber;
            const QStringList f = line.split(QLatin1Char('|'));
            QVERIFY2(f.size() == 12 && f.last().isEmpty(), qPrintable(QString::number(lineNumber)));
            double amount = 0;
            QVERIFY(parseCommaAmount(f[4], &amount));
            const QString date = QString(f[3]).remove(QLatin1Char('/'));
            const ControlCodeSteps steps =
                ComputeControlCodeSteps(f[1], f[2], date, QString::number(RoundInvoiceAmount(amount)), f[5], f[0]);
            const QString where = QStringLiteral("line %1").arg(lineNumber);
            QVERIFY2(steps.ok(), qPrintable(where + QStringLiteral(": ") + steps.error));
            QVERIFY2(steps.verhoeffDigits == f[6], qPrintable(where + QStringLiteral(" D ") + steps.verhoeffDigits));
            QVERIFY2(steps.message == f[7], qPrintable(where + QStringLiteral(" message ") + steps.message));
            QVERIFY2(QString::number(steps.sum) == f[8],
                     qPrintable(where + QStringLiteral(" T ") + QString::number(steps.sum)));
            QVERIFY2(steps.base64 == f[9], qPrintable(where + QStringLiteral(" base64 ") + steps.base64));
            QVERIFY2(steps.code == f[10], qPrintable(where + QStringLiteral(" code ") + steps.code));
        }
        QCOMPARE(lineNumber, 5000);
    }

private:
    static QString twoDigits(const QString& digits)
    {
        const QString first = VerhoeffDigit(digits);
        return first + VerhoeffDigit(digits + first);
    }

    static bool verhoeffChecksToZero(const QString& digits)
    {
        // Validation runs the same recurrence from position 0 over the full number.
        static const int d[10][10] = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 0, 6, 7, 8, 9, 5},
                                      {2, 3, 4, 0, 1, 7, 8, 9, 5, 6}, {3, 4, 0, 1, 2, 8, 9, 5, 6, 7},
                                      {4, 0, 1, 2, 3, 9, 5, 6, 7, 8}, {5, 9, 8, 7, 6, 0, 4, 3, 2, 1},
                                      {6, 5, 9, 8, 7, 1, 0, 4, 3, 2}, {7, 6, 5, 9, 8, 2, 1, 0, 4, 3},
                                      {8, 7, 6, 5, 9, 3, 2, 1, 0, 4}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}};
        static const int p[8][10] = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 5, 7, 6, 2, 8, 3, 0, 9, 4},
                                     {5, 8, 0, 3, 7, 9, 6, 1, 4, 2}, {8, 9, 1, 6, 0, 4, 3, 5, 2, 7},
                                     {9, 4, 5, 3, 1, 2, 6, 8, 7, 0}, {4, 2, 8, 6, 5, 7, 3, 9, 0, 1},
                                     {2, 7, 9, 3, 8, 0, 6, 4, 1, 5}, {7, 0, 4, 6, 9, 1, 3, 2, 5, 8}};
        int c = 0;
        for (qsizetype i = 0; i < digits.size(); ++i)
            c = d[c][p[i % 8][digits.at(digits.size() - 1 - i).unicode() - '0']];
        return c == 0;
    }

    static bool parseCommaAmount(QString text, double* amount)
    {
        bool ok = false;
        *amount = text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        return ok;
    }
};

QTEST_GUILESS_MAIN(TstControlCode)
#include "tst_controlcode.moc"
