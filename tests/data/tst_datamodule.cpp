#include "ShopFixture.h"

#include "data/DatabaseError.h"

#include <QtTest>

namespace {

qint64 countOf(TDataModule1& db, const QString& sql) { return db.query(sql).integer(0); }

}

class TstDataModule : public QObject {
    Q_OBJECT
private slots:
    // A COMMIT the engine refuses must not leave the connection inside the transaction: the next
    // operation of this station would fail to begin and the refused rows would linger.
    void refusedCommitRollsBack_data()
    {
        QTest::addColumn<bool>("nested");
        QTest::newRow("one level") << false;
        QTest::newRow("with an inner level committed") << true;
    }
    void refusedCommitRollsBack()
    {
        QFETCH(bool, nested);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        TDataModule1& db = shop.db();
        QString error;
        try {
            WriteTransaction transaction;
            db.execute(QStringLiteral("PRAGMA defer_foreign_keys=ON"));
            const QString orphan = QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, IdCaja) "
                                                  "VALUES('V000000001', '2026-12-09', 'C999999999')");
            if (nested) {
                WriteTransaction inner;
                db.execute(orphan);
                inner.commit();
            } else {
                db.execute(orphan);
            }
            transaction.commit();
        } catch (const DatabaseError& e) {
            error = e.text();
        }
        QVERIFY2(error.contains(QStringLiteral("FOREIGN KEY constraint failed")), qPrintable(error));
        QCOMPARE(db.transactionDepth(), 0);

        try {
            WriteTransaction next;
            db.execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente) VALUES('7', 'ANA')"));
            next.commit();
        } catch (const DatabaseError& e) {
            QFAIL(qPrintable(QStringLiteral("the next operation failed: ") + e.text()));
        }
        QCOMPARE(countOf(db, QStringLiteral("SELECT COUNT(*) FROM Ventas")), 0);
        QCOMPARE(countOf(db, QStringLiteral("SELECT COUNT(*) FROM Clientes WHERE NitCI='7'")), 1);
    }
};

QTEST_GUILESS_MAIN(TstDataModule)
#include "tst_datamodule.moc"
