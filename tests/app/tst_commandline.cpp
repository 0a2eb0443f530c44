#include "app/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program itself, run as a nightly job or a person at a terminal runs it.
namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run runProgram(const QStringList& arguments, const QString& folder)
{
    QProcess program;
    program.setWorkingDirectory(folder);
    program.start(QStringLiteral(CVI_PROGRAM_PATH), arguments);
    Run run;
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        run.err = QStringLiteral("the program did not end");
        return run;
    }
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

QStringList entries(const QString& folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

}

class TstCommandLine : public QObject {
    Q_OBJECT
private slots:
    // Every mistake in a command is refused with the usage and exit status 2, before anything is
    // read or written: a nightly job with a typo must not report success, nor start the window.
    void refusedCommands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QStringList& arguments, const char* message) {
            QTest::newRow(name) << arguments << QString::fromUtf8(message);
        };
        row("misspelt tool", {"--chek", "tienda.sqlite"}, "opcion desconocida: --chek");
        row("misspelt backup", {"--bakup", "tienda.sqlite", "."}, "opcion desconocida: --bakup");
        row("unknown short option", {"-x"}, "opcion desconocida: -x");
        row("bare argument", {"tienda.sqlite"}, "no se indico ninguna herramienta");
        row("extra argument", {"--check", "tienda.sqlite", "otra.sqlite"}, "argumento de mas: otra.sqlite");
        row("missing value", {"--check"}, "Uso: cvi-zelto --check");
        row("missing folder", {"--backup", "tienda.sqlite"}, "falta CARPETA");
        row("option of another tool", {"--check", "tienda.sqlite", "--demo"}, "--demo no va con --check");
        row("two tools", {"--check", "a.sqlite", "--backup", "b.sqlite", "."}, "una sola herramienta");
        row("option twice", {"--simulate", "t.sqlite", "--days", "2", "--days", "3"}, "--days se dio mas de una vez");
        row("days past 32 bits", {"--create-database", "nueva.sqlite", "--demo", "--days", "4294967297"},
            "--days debe ser un numero entero de 0 a");
        row("negative days", {"--create-database", "nueva.sqlite", "--demo", "--days", "-1"}, "--days debe ser");
        row("days without demo", {"--create-database", "nueva.sqlite", "--days", "3"}, "--days solo va con --demo");
        row("simulated days past 32 bits", {"--simulate", "t.sqlite", "--days", "4294967297"}, "--days debe ser");
        row("zero simulated days", {"--simulate", "t.sqlite", "--days", "0"}, "--days debe ser");
        row("sales not a number", {"--simulate", "t.sqlite", "--sales-per-day", "1e3"}, "--sales-per-day debe ser");
        row("seed with a sign", {"--simulate", "t.sqlite", "--seed", "+5"}, "--seed debe ser");
        row("day that does not exist", {"--simulate", "t.sqlite", "--from", "2026-02-30"}, "--from debe ser");
        row("day with a tail", {"--simulate", "t.sqlite", "--from", "2026-02-10x"}, "--from debe ser");
        row("five-digit year", {"--simulate", "t.sqlite", "--from", "10000-01-01"}, "--from debe ser");
        row("run past the last year", {"--simulate", "t.sqlite", "--from", "9999-12-31", "--days", "2"}, "--from debe ser");
        row("memory database", {"--create-database", ":memory:"}, "no es un nombre de archivo");
        row("address with options", {"--create-database", "file:nueva.sqlite?mode=memory"}, "no es un nombre de archivo");
        row("empty name", {"--create-database", ""}, "falta ARCHIVO");
    }
    void refusedCommands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const Run run = runProgram(arguments, folder.path());
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY2(run.err.contains(QLatin1String("Uso: cvi-zelto")), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(entries(folder.path()), QStringList());
    }

    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answer");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << QStringLiteral("Estado de salida");
        QTest::newRow("short help") << QStringList{QStringLiteral("-h")} << QStringLiteral("--import-products");
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << QStringLiteral("cvi-zelto " CVI_PROGRAM_VERSION);
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answer);
        QTemporaryDir folder;
        const Run run = runProgram(arguments, folder.path());
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(answer), qPrintable(run.out));
    }

    // The help names every tool and every option it takes.
    void helpNamesEveryOption()
    {
        QTemporaryDir folder;
        const Run run = runProgram({QStringLiteral("--help")}, folder.path());
        for (const char* option : {"--create-database", "--demo", "--days", "--nit", "--name", "--simulate", "--sales-per-day",
                                   "--from", "--seed", "--check", "--certify", "--migrate", "--backup", "--restore",
                                   "--import-products", "--version", "PGPASSWORD"})
            QVERIFY2(run.out.contains(QLatin1String(option)), option);
    }

    // A case file must be a plain file: a device or a folder is refused as unreadable.
    void certifyReadsOnlyPlainFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("device") << QStringLiteral("/dev/null");
        QTest::newRow("folder") << QStringLiteral(".");
    }
    void certifyReadsOnlyPlainFiles()
    {
        QFETCH(QString, path);
        QTemporaryDir folder;
        const Run run = runProgram({QStringLiteral("--certify"), path}, folder.path());
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(QLatin1String("no es un archivo comun")), qPrintable(run.err));
    }

    // Qt's own window options still start the window program.
    void windowOptionsAreNoTool()
    {
        QVERIFY(!IsCommandLineRequest({QStringLiteral("cvi-zelto")}));
        QVERIFY(!IsCommandLineRequest({QStringLiteral("cvi-zelto"), QStringLiteral("-platform"), QStringLiteral("offscreen")}));
        QVERIFY(IsCommandLineRequest({QStringLiteral("cvi-zelto"), QStringLiteral("--chek")}));
        QVERIFY(IsCommandLineRequest({QStringLiteral("cvi-zelto"), QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                      QStringLiteral("extra")}));
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
