#include "ShopFixture.h"
#include "WindowDriver.h"

#include "data/DatabaseError.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "widgets/UMensajes.h"

#include <QLabel>
#include <QtTest>

class TstSharedFunctions : public QObject {
    Q_OBJECT
private slots:
    void padding_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first key") << PadNextId(0) << "000000001";
        QTest::newRow("nine nines minus one") << PadNextId(999999998) << "999999999";
        QTest::newRow("nine nines grows to ten digits") << PadNextId(999999999) << "1000000000";
        QTest::newRow("invoice 7") << PadInvoiceNumber(7) << "00000007";
        QTest::newRow("invoice of nine digits") << PadInvoiceNumber(123456789) << "123456789";
    }
    void padding()
    {
        QFETCH(QString, result);
        QFETCH(QString, expected);
        QCOMPARE(result, expected);
    }

    // Brackets show the blanks exactly.
    void words_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("amount 1") << AmountInWords("1") << "[UN 00/100 Bs]";
        QTest::newRow("amount 12.05") << AmountInWords("12.05") << "[DOCE 5/100 Bs]";
        QTest::newRow("amount 21") << AmountInWords("21") << "[ VEINTIUN 00/100 Bs]";
        QTest::newRow("amount 100") << AmountInWords("100") << "[ CIEN  00/100 Bs]";
        QTest::newRow("amount 116") << AmountInWords("116") << "[CIENTO  DIECISEIS 00/100 Bs]";
        QTest::newRow("amount 1250.50") << AmountInWords("1250.50") << "[ MIL DOSCIENTOS  CINCUENTA 50/100 Bs]";
        QTest::newRow("amount 2000000") << AmountInWords("2000000") << "[DOS MILLONES  00/100 Bs]";
        QTest::newRow("amount 0.75") << AmountInWords("0.75") << "[CERO 75/100 Bs]";
        QTest::newRow("amount 0.5") << AmountInWords("0.5") << "[CERO 50/100 Bs]";
        QTest::newRow("cents of a large amount") << AmountInWords("123456.78").right(10) << "[ 78/100 Bs]";
        QTest::newRow("number 1000") << NumberInWords(1000) << "[ MIL ]";
        QTest::newRow("number 1001") << NumberInWords(1001) << "[ MIL UN]";
        QTest::newRow("number -5") << NumberInWords(-5) << "[MENOS CINCO]";
        QTest::newRow("number 0") << NumberInWords(0) << "[CERO]";
        QTest::newRow("number 1000000") << NumberInWords(1000000) << "[ UN MILLON ]";
        QTest::newRow("number 35") << NumberInWords(35) << "[ TREINTA Y CINCO]";
        QTest::newRow("number 30") << NumberInWords(30) << "[ TREINTA]";
        QTest::newRow("number 20") << NumberInWords(20) << "[ VEINTE ]";
        QTest::newRow("number 15") << NumberInWords(15) << "[QUINCE]";
        QTest::newRow("number 999") << NumberInWords(999) << "[NOVECIENTOS  NOVENTA Y NUEVE]";
        QTest::newRow("number 2500") << NumberInWords(2500) << "[DOS MIL QUINIENTOS ]";
        QTest::newRow("hundreds 0") << HundredsInWords(0) << "[]";
        QTest::newRow("hundreds 16") << HundredsInWords(16) << "[ DIECISEIS]";
        QTest::newRow("beyond the tables stays in words") << NumberInWords(2000000000) << "[DOS MIL  MILLONES ]";
        QTest::newRow("not a number") << AmountInWords("doce") << "[]";
    }
    void words()
    {
        QFETCH(QString, result);
        QFETCH(QString, expected);
        QCOMPARE(QLatin1Char('[') + result + QLatin1Char(']'), expected);
    }

    void trimRight_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing") << "ABC   "
                                  << "ABC";
        QTest::newRow("leading kept") << "  ABC "
                                      << "  ABC";
        QTest::newRow("all blanks") << "    "
                                    << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void trimRight()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TrimRight(text), expected);
    }

    void wrapText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("shorter than the width") << "UNA LINEA" << 30 << QStringList{"UNA LINEA"};
        QTest::newRow("cut after a word that straddles the width")
            << "El proveedor debe exhibir sus precios de forma visible y en moneda" << 30
            << QStringList{"El proveedor debe exhibir sus precios", "de forma visible y en moneda"};
        QTest::newRow("long word never split") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 FIN" << 10
                                               << QStringList{"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "FIN"};
        QTest::newRow("blank right at the width") << "AAA BBB CCC" << 3 << QStringList{"AAA", "BBB", "CCC"};
        QTest::newRow("empty") << "" << 30 << QStringList{};
    }
    void wrapText()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        QCOMPARE(WrapText(text, width), lines);
    }

    void legendLineEndsWithTheWholeWord()
    {
        const QString legend =
            QStringLiteral("LEY Nº 453: \"Usted tiene derecho a recibir informacion sobre las caracteristicas\"");
        const QStringList lines = WrapText(legend, 30);
        QVERIFY(legend.at(29) != QLatin1Char(' '));
        QCOMPARE(lines.first(), QStringLiteral("LEY Nº 453: \"Usted tiene derecho"));
        QCOMPARE(lines.join(QLatin1Char(' ')), legend);
    }

    void countersGiveConsecutiveKeys()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        QStringList keys;
        for (int i = 0; i < 2; ++i)
            keys << AllocateKey(SaleCounter, [&](const QString& key) {
                shop.db().execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha) VALUES(?, '2026-12-09')"),
                                  {QStringLiteral("C") + key.mid(1)});
            });
        QCOMPARE(keys, (QStringList{"V000000001", "V000000002"}));
        QCOMPARE(NextCounterId(SaleCounter), QStringLiteral("000000003"));
        QCOMPARE(NextCounterId(CashSessionCounter), QStringLiteral("000000001"));
    }

    void failedInsertKeepsTheCounter()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, AllocateKey(CashSessionCounter, [&](const QString& key) {
                                     shop.db().execute(
                                         QStringLiteral("INSERT INTO Caja(IdCaja, Fecha) VALUES(?, 'no es fecha')"), {key});
                                 }));
        QCOMPARE(NextCounterId(CashSessionCounter), QStringLiteral("000000001"));
    }

    void keyLettersFollowTheCounter_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<QString>("letter");
        QTest::newRow("cash") << int(CashSessionCounter) << "C";
        QTest::newRow("sale") << int(SaleCounter) << "V";
        QTest::newRow("purchase") << int(PurchaseCounter) << "P";
        QTest::newRow("product") << int(ProductCounter) << "P";
        QTest::newRow("delivery") << int(DeliveryCounter) << "E";
    }
    void keyLettersFollowTheCounter()
    {
        QFETCH(int, counter);
        QFETCH(QString, letter);
        QCOMPARE(QString(CounterLetter(counter)), letter);
    }

    void invoiceCounter()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        QCOMPARE(ReadInvoiceCounter(), 1);
        AdvanceInvoiceCounter();
        QCOMPARE(ReadInvoiceCounter(), 2);
    }

    void openCashSessionLookup()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        SessionState& s = SessionState::current();
        s.WorkDate = QDate(2026, 1, 2);
        QVERIFY(!FindOpenCashSession());
        QCOMPARE(s.WorkDate, QDate(2026, 1, 2));
        QVERIFY(s.CashSessionId.isEmpty());

        shop.db().execute(
            QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial, Estado) VALUES('C000000001', '2026-11-30', 5, 0)"));
        shop.db().execute(
            QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial) VALUES('C000000002', '2026-12-01', 150.5)"));
        QVERIFY(FindOpenCashSession());
        QCOMPARE(s.CashSessionId, QStringLiteral("C000000002"));
        QCOMPARE(s.WorkDate, QDate(2026, 12, 1));
        QCOMPARE(s.CashInitialAmount, 150.5);

        // Only the open row counts, whatever this station remembers.
        QVERIFY(!CashSessionIsOpen(QStringLiteral("C000000001")));
        QVERIFY(CashSessionIsOpen(QStringLiteral("C000000002")));
        QVERIFY(!CashSessionIsOpen(QStringLiteral("C000000003")));
        shop.db().execute(QStringLiteral("UPDATE Caja SET Estado=0 WHERE IdCaja='C000000002'"));
        QVERIFY(!CashSessionIsOpen(QStringLiteral("C000000002")));
    }

    void alertWindowPanels_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("list");
        QTest::addColumn<bool>("loading");
        QTest::newRow("missing invoices") << 1 << true << false;
        QTest::newRow("loading") << 2 << false << true;
        QTest::newRow("other") << 0 << false << false;
    }
    void alertWindowPanels()
    {
        QFETCH(int, mode);
        QFETCH(bool, list);
        QFETCH(bool, loading);
        TFMensajes window;
        window.setAlertMode(mode);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Mensaje de Alerta"));
        QCOMPARE(Drive::visible(window, "PMensajeLV"), list);
        QCOMPARE(Drive::visible(window, "PCargando"), loading);
        QCOMPARE(Drive::control<QLabel>(window, "LFacurasF")->text(),
                 QStringLiteral("Faltan 0000 Facturas y son las Siguientes:"));
        if (list) {
            auto* accept = Drive::control(window, "BAceptar");
            QVERIFY(accept->hasFocus() || QApplication::focusWidget() == nullptr);
            Drive::click(window, "BAceptar");
            QVERIFY(!window.isVisible());
        }
    }
};

QTEST_MAIN(TstSharedFunctions)
#include "tst_sharedfunctions.moc"
