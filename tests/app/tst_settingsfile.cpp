#include "app/SettingsFile.h"
#include "app/SettingsScrambler.h"

#include <QFile>
#include <QSet>
#include <QSettings>
#include <QtTest>

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(SettingsFile::writePath()); }

    void tableIsOneToOne()
    {
        const QString plain = SettingsScrambler::plainColumn();
        const QString scrambled = SettingsScrambler::scrambledColumn();
        QCOMPARE(plain.size(), 70);
        QCOMPARE(scrambled.size(), 70);
        QCOMPARE(QSet<QChar>(plain.cbegin(), plain.cend()).size(), 70);
        QCOMPARE(QSet<QChar>(scrambled.cbegin(), scrambled.cend()), QSet<QChar>(plain.cbegin(), plain.cend()));
    }

    void scrambleRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("linux path") << QStringLiteral("/home/Maria/Tienda 2/dbzelto.sqlite");
        QTest::newRow("windows path") << QStringLiteral("C:\\Datos\\CVI_Zelto\\dbzelto.sqlite");
        QTest::newRow("signs") << QStringLiteral("a:b;c=d[e]{f}<g>~h!?@#$%&*()+,-._");
        QTest::newRow("accents") << QStringLiteral("ÑANDÚ ñandú Éxito");
        QTest::newRow("outside the table") << QStringLiteral("ü\"'|^`");
        QTest::newRow("empty") << QString();
    }
    void scrambleRoundTrips()
    {
        QFETCH(QString, text);
        const QString scrambled = SettingsScrambler::scramble(text);
        QCOMPARE(SettingsScrambler::unscramble(scrambled), text);
        if (text.contains(QLatin1Char('/')))
            QVERIFY(!scrambled.contains(QStringLiteral("dbzelto")));
    }

    void fileRoundTrip_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("expectedUser");
        QTest::addColumn<QString>("expectedPassword");
        QTest::newRow("typed upper-case") << "CAJERO" << "ClaVe9" << "cajero" << "clave9";
        QTest::newRow("password not remembered") << "admin" << "" << "admin" << "";
        QTest::newRow("signs kept") << "juan.perez" << "a-b_c:1" << "juan.perez" << "a-b_c:1";
    }
    void fileRoundTrip()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, expectedUser);
        QFETCH(QString, expectedPassword);
        const QString path = QStringLiteral("/srv/Tienda Central/dbzelto.sqlite");
        QVERIFY(!SettingsFile::exists());
        QVERIFY(SettingsFile::write({path, password, user}));
        QVERIFY(SettingsFile::exists());

        const ConnectionSettings back = SettingsFile::read();
        QCOMPARE(back.user, expectedUser);
        QCOMPARE(back.password, expectedPassword);
        // The path keeps its case: on this disk "Tienda Central" and "tienda central" differ.
        QCOMPARE(back.databasePath, path);
    }

    void fileHoldsNoClearText()
    {
        QVERIFY(SettingsFile::write({QStringLiteral("/srv/dbzelto.sqlite"), QStringLiteral("secreto"),
                                     QStringLiteral("admin")}));
        QSettings ini(SettingsFile::readPath(), QSettings::IniFormat);
        QCOMPARE(ini.childGroups(), QStringList{QStringLiteral("ConfigDB")});
        ini.beginGroup(QStringLiteral("ConfigDB"));
        QCOMPARE(ini.childKeys().size(), 3);
        QCOMPARE(ini.value(QStringLiteral("tormelquadry")).toString(), SettingsScrambler::scramble(QStringLiteral("ADMIN")));
        QCOMPARE(ini.value(QStringLiteral("qentrovalis")).toString(), SettingsScrambler::scramble(QStringLiteral("SECRETO")));
        QVERIFY(!ini.value(QStringLiteral("vosterinpak")).toString().contains(QStringLiteral("dbzelto")));
    }

    void environmentNamesTheFile()
    {
        QCOMPARE(SettingsFile::writePath(), qEnvironmentVariable("CVI_SETTINGS_FILE"));
        QCOMPARE(SettingsFile::readPath(), qEnvironmentVariable("CVI_SETTINGS_FILE"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
