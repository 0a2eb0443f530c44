#include "data/SqlRows.h"
#include "tax/BookLines.h"
#include "tax/InvoiceGaps.h"
#include "data/Windows1252.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace BookLines;

Q_DECLARE_METATYPE(BookInvoice)

class TstBookLines : public QObject {
    Q_OBJECT
private slots:
    void encodesInWindows1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << "CASA PEREZ 45.50" << QByteArray("CASA PEREZ 45.50");
        QTest::newRow("Spanish letters") << QString::fromUtf8("ÑANDÚ Peña áéíóú ü ¿¡º")
                                         << QByteArray("\xD1"
                                                       "AND\xDA Pe\xF1"
                                                       "a \xE1\xE9\xED\xF3\xFA \xFC \xBF\xA1\xBA");
        QTest::newRow("the page's own signs") << QString::fromUtf8("€ “x” – …") << QByteArray("\x80 \x93x\x94 \x96 \x85");
        QTest::newRow("outside the page") << QString::fromUtf8("Łódź")
                                          << QByteArray("?\xF3"
                                                        "d?");
        QTest::newRow("outside the basic plane is one ?") << QString::fromUtf8("A😀B") << QByteArray("A?B");
        QTest::newRow("C1 controls are not characters of the page") << QString(QChar(0x81)) << QByteArray("?");
    }
    void encodesInWindows1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Windows1252::Encode(text), bytes);
    }

    void fileNames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("nit");
        QTest::addColumn<QString>("name");
        QTest::newRow("March") << int(BookKind::Sales) << 3 << 2015 << "102"
                               << "Ventas_032015_102.txt";
        QTest::newRow("ANUAL") << int(BookKind::Sales) << 0 << 2015 << "102"
                               << "Ventas_002015_102.txt";
        QTest::newRow("December purchases") << int(BookKind::Purchases) << 12 << 2026 << "1000000010"
                                            << "Compras_122026_1000000010.txt";
    }
    void fileNames()
    {
        QFETCH(int, kind);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, nit);
        QFETCH(QString, name);
        QCOMPARE(FileName(BookKind(kind), {month, year}, nit), name);
    }

    void periodsAreDateRanges_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("until");
        QTest::newRow("February of a leap year") << 2 << 2024 << QDate(2024, 2, 1) << QDate(2024, 3, 1);
        QTest::newRow("December") << 12 << 2015 << QDate(2015, 12, 1) << QDate(2016, 1, 1);
        QTest::newRow("the year") << 0 << 2015 << QDate(2015, 1, 1) << QDate(2016, 1, 1);
    }
    void periodsAreDateRanges()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QDate, from);
        QFETCH(QDate, until);
        const BookPeriod period{month, year};
        QCOMPARE(period.from(), from);
        QCOMPARE(period.until(), until);
    }

    void lineNeverGainsAFieldOrALine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("pipe") << "CASA | PEREZ"
                              << "CASA   PEREZ";
        QTest::newRow("line breaks") << "A\r\nB\nC\rD"
                                     << "A  B C D";
        QTest::newRow("unicode line separator") << QStringLiteral("A\u2028B") << "A B";
    }
    void lineNeverGainsAFieldOrALine()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QStringList cells = NoMovementCells();
        cells[SNombre] = name;
        const QString line = FileLine(cells, FileFields(BookKind::Sales));
        QCOMPARE(line.split(QLatin1Char('|')).size(), 17);
        QCOMPARE(line.split(QLatin1Char('|')).at(SNombre), written);
    }

    void saleCellsShowTheStoredSale()
    {
        const SqlRows sale({"IdVenta", "FechaV", "NroFact", "NroAut", "Estado", "NitCI", "Cliente", "TotalF", "ICE",
                            "Exentos", "Neto", "IVA", "CodigoC", "Sucursal"},
                           {{"V000000007", "2015-03-31", 12, qint64(290400110071234), "V", "4567890", "ANA", 45.5, 0.0, 0.0,
                             39.585, 5.915, "7B-F3-48-A8", 2}});
        QCOMPARE(SaleCells(sale, 4),
                 QStringList({"3", "4", "31/03/2015", "12", "290400110071234", "V", "4567890", "ANA", "45.50", "0.00",
                              "0.00", "0.00", "45.50", "0.00", "39.59", "5.92", "7B-F3-48-A8", "2", "V000000007"}));
    }

    void noMovementIsOneLineOfZeros()
    {
        QCOMPARE(FileText({FileLine(NoMovementCells(), FileFields(BookKind::Sales))}),
                 QByteArray("0|1|0|0|0|0||Sin Movimiento|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0\r\n"));
    }

    void missingInvoices_data()
    {
        QTest::addColumn<QList<BookInvoice>>("book");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("1, 2, 5") << QList<BookInvoice>{{1, 1}, {1, 2}, {1, 5}} << qint64(2) << QStringList{"3", "4"};
        QTest::newRow("no gap") << QList<BookInvoice>{{1, 7}, {1, 8}} << qint64(0) << QStringList{};
        QTest::newRow("a new dosage restarting at 1")
            << QList<BookInvoice>{{1, 40}, {1, 41}, {2, 1}, {2, 2}} << qint64(0) << QStringList{};
        QTest::newRow("a new dosage starting higher")
            << QList<BookInvoice>{{1, 4}, {2, 90}, {2, 91}} << qint64(0) << QStringList{};
        QTest::newRow("gaps inside each dosage")
            << QList<BookInvoice>{{1, 1}, {1, 3}, {2, 1}, {2, 3}} << qint64(2) << QStringList{"2", "2"};
        QTest::newRow("repeated or lower number records nothing")
            << QList<BookInvoice>{{1, 5}, {1, 5}, {1, 4}} << qint64(0) << QStringList{};
        QStringList thousand;
        for (int n = 2; n <= 1001; ++n)
            thousand << QString::number(n);
        QTest::newRow("a run of 1000 is listed") << QList<BookInvoice>{{1, 1}, {1, 1002}} << qint64(1000) << thousand;
        QTest::newRow("a run of 1001 is one line")
            << QList<BookInvoice>{{1, 1}, {1, 1003}} << qint64(1001) << QStringList{"2 - 1002"};
    }
    void missingInvoices()
    {
        QFETCH(QList<BookInvoice>, book);
        QFETCH(qint64, count);
        QFETCH(QStringList, lines);
        const MissingInvoices missing = FindMissingInvoices(book);
        QCOMPARE(missing.count(), count);
        QCOMPARE(missing.lines(), lines);
    }

    void counterJumpOfTenMillionIsFast()
    {
        QElapsedTimer timer;
        timer.start();
        const MissingInvoices missing = FindMissingInvoices({{1, 1}, {1, 2}, {1, 10000003}, {1, 10000004}});
        const QStringList lines = missing.lines();
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(missing.count(), qint64(10000000));
        QCOMPARE(lines, QStringList{"3 - 10000002"});
    }
};

QTEST_GUILESS_MAIN(TstBookLines)
#include "tst_booklines.moc"
