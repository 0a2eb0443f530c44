#include "app/AppStartup.h"
#include "app/ProgramFolder.h"
#include "data/Formats.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QTemporaryDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
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

    // The question boxes ask in Spanish: Qt's own texts come from its Spanish translations.
    void questionBoxAnswersInSpanish()
    {
        QVERIFY(AppStartup::loadQtSpanish());
        QMessageBox box(QMessageBox::Question, QStringLiteral("Salir"), QStringLiteral("¿Salir?"),
                        QMessageBox::Yes | QMessageBox::No);
        const auto shown = [&box](QMessageBox::StandardButton which) {
            return box.button(which)->text().remove(QLatin1Char('&'));
        };
        QCOMPARE(shown(QMessageBox::Yes), QStringLiteral("Sí"));
        QCOMPARE(shown(QMessageBox::No), QStringLiteral("No"));
    }

    // Installed under a prefix the program's files are in <prefix>/share/cvi-zelto; run from the
    // build folder they are beside the program.
    void programFilesFolder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed") << QStringList{"usr/bin/cvi-zelto", "usr/share/cvi-zelto/ayuda.html"}
                                   << "usr/share/cvi-zelto/";
        QTest::newRow("build folder") << QStringList{"usr/bin/cvi-zelto", "usr/bin/ayuda.html"} << "usr/bin/";
        QTest::newRow("a share folder without our help page")
            << QStringList{"usr/bin/cvi-zelto", "usr/share/cvi-zelto/otro.txt"} << "usr/bin/";
    }
    void programFilesFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        QTemporaryDir root;
        for (const QString& file : files) {
            QVERIFY(QDir().mkpath(QFileInfo(root.filePath(file)).path()));
            QFile f(root.filePath(file));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(ProgramFolder::ForProgramIn(root.filePath(QStringLiteral("usr/bin"))), root.filePath(expected));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
