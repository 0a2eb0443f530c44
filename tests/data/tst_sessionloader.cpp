#include "ShopFixture.h"

#include "data/PasswordHash.h"
#include "data/SessionLoader.h"
#include "data/SessionState.h"

#include <QtTest>

class TstSessionLoader : public QObject {
    Q_OBJECT
private slots:
    void findsOnlyActiveUsersIgnoringCase_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("estado");
        QTest::addColumn<bool>("found");
        QTest::newRow("typed lower, stored upper") << "cajero"
                                                   << "secreto" << 1 << true;
        QTest::newRow("typed mixed") << "CaJeRo"
                                     << "SeCrEtO" << 1 << true;
        QTest::newRow("wrong password") << "cajero"
                                        << "otra" << 1 << false;
        QTest::newRow("blocked") << "cajero"
                                 << "secreto" << 0 << false;
        QTest::newRow("quote in the password") << "cajero"
                                               << "' OR '1'='1" << 1 << false;
    }
    void findsOnlyActiveUsersIgnoringCase()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(int, estado);
        QFETCH(bool, found);
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        static const QString hash = PasswordHash::Make(QStringLiteral("SECRETO"));
        shop.db().execute(
            QStringLiteral(
                "INSERT INTO Usuario(Login, ClaveHash, Nombre, Ocupacion, Estado) VALUES('CAJERO', ?, 'ANA', 'CAJERA', ?)"),
            {hash, estado});
        QCOMPARE(!SessionLoader::FindActiveUser(login, password).isEmpty(), found);
    }

    void loginFillsTheSessionRecord()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.db().execute(QStringLiteral("UPDATE Codigos SET Facturar=0, ImprimirTC=1, Parametro1=2"));
        shop.login();
        const SessionState& s = SessionState::current();
        QCOMPARE(s.UserLogin, QStringLiteral("admin"));
        QCOMPARE(s.UserName, QStringLiteral("ADMINISTRADOR"));
        QCOMPARE(s.SalesRights, QString(20, QLatin1Char('1')));
        QCOMPARE(s.InvoicingEnabled, 0);
        QCOMPARE(s.PrintFormat, 1);
        QCOMPARE(s.TicketPrinterIndex, 2);
        QCOMPARE(s.TaxpayerName, QStringLiteral("MI NEGOCIO"));
        QCOMPARE(s.HeadOfficeCity, QStringLiteral("LA PAZ"));
        QCOMPARE(s.OwnerName, QStringLiteral("JUAN PEREZ MAMANI"));
        QCOMPARE(s.CashOpen, 0);
        QVERIFY(s.DosageId > 0);
        QCOMPARE(s.InvoiceDeadline, shop.clock.today().addYears(1));
        QVERIFY(s.InvoiceLegend.startsWith(QStringLiteral("LEY Nº 453: \"El proveedor")));
        QVERIFY(s.InvoiceLegend.endsWith(QLatin1Char('"')));
        QVERIFY(s.InvoiceLegendLines.size() > 1);
        QCOMPARE(s.InvoiceLegendLines.join(QLatin1Char(' ')), s.InvoiceLegend);
    }

    // The columns hold 40 characters for an address: the session keeps all of them.
    void branchAddressLoadsWhole()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const QString address = QStringLiteral("AV. BUENOS AIRES 1234 ENTRE C. 5 Y C. 6");  // 39
        const QString longest = address + QLatin1Char('X');
        shop.db().execute(QStringLiteral("UPDATE Dosificaciones SET DireccionS=?, CiudadS=? WHERE Estado=1"),
                          {longest, QStringLiteral("SANTA CRUZ DE LA SIE")});
        SessionLoader::LoadActiveDosage();
        const SessionState& s = SessionState::current();
        QCOMPARE(s.BranchAddress, longest);
        QCOMPARE(s.BranchCity, QStringLiteral("SANTA CRUZ DE LA SIE"));
    }

    void noActiveDosageLeavesTheDosageFieldsEmpty()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.db().execute(QStringLiteral("UPDATE Dosificaciones SET Estado=0"));
        SessionState& s = SessionState::current();
        s.DosageId = 9;
        s.InvoiceLegendLines = QStringList{QStringLiteral("old")};
        SessionLoader::LoadActiveDosage();
        QCOMPARE(s.DosageId, 0);
        QVERIFY(s.AuthorizationNumber.isEmpty());
        QVERIFY(s.DosageKey.isEmpty());
        QVERIFY(!s.InvoiceDeadline.isValid());
        QVERIFY(s.InvoiceLegend.isEmpty());
        QVERIFY(s.InvoiceLegendLines.isEmpty());
    }

    void openSessionIsRestoredAtLogin()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.db().execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial) VALUES('C000000004', '2026-12-01', 80)"));
        shop.login();
        const SessionState& s = SessionState::current();
        QCOMPARE(s.CashOpen, 1);
        QCOMPARE(s.CashSessionId, QStringLiteral("C000000004"));
        QCOMPARE(s.WorkDate, QDate(2026, 12, 1));
        QCOMPARE(s.CashInitialAmount, 80.0);
    }
};

QTEST_GUILESS_MAIN(TstSessionLoader)
#include "tst_sessionloader.moc"
