#include "app/ui/SingleInstance.h"

#include <QCoreApplication>
#include <QUuid>
#include <QtTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
private:
    static QString uniqueName() { return QStringLiteral("cvi-test-") + QUuid::createUuid().toString(QUuid::Id128); }

private slots:
    void secondCopyHandsOverToTheFirst()
    {
        const QString name = uniqueName();
        SingleInstance first(name);
        QVERIFY(!first.notifyRunningCopy(200));  // nobody there yet: this copy runs
        QVERIFY(first.listen());
        QSignalSpy asked(&first, &SingleInstance::activationRequested);

        SingleInstance second(name);
        QVERIFY(second.notifyRunningCopy());
        QTRY_COMPARE(asked.count(), 1);

        SingleInstance third(name);
        QVERIFY(third.notifyRunningCopy());
        QTRY_COMPARE(asked.count(), 2);
    }

    void copyAfterTheFirstEndedRunsItself()
    {
        const QString name = uniqueName();
        {
            SingleInstance first(name);
            QVERIFY(first.listen());
        }
        SingleInstance next(name);
        QVERIFY(!next.notifyRunningCopy(200));
        QVERIFY(next.listen());
    }

    void namesDifferByUser()
    {
        const QByteArray saved = qgetenv("USER");
        qputenv("USER", "cajero1");
        const QString one = SingleInstance::defaultServerName();
        qputenv("USER", "cajero2");
        const QString two = SingleInstance::defaultServerName();
        qputenv("USER", saved);
        QVERIFY(one != two);
        QVERIFY(one.startsWith(QStringLiteral("cvi-zelto-")));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
