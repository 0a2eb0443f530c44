#include "DatabaseRows.h"
#include "ShopFixture.h"

#include "app/CommandLine.h"
#include "data/DatabaseCreator.h"
#include "data/ReadOnlyDatabase.h"
#include "data/ShopBackup.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QSqlQuery>
#include <QtTest>

namespace {

struct Run {
    int status = 0;
    QString out, err;
};

Run runTool(const QStringList& arguments)
{
    Run run;
    QTextStream out(&run.out), err(&run.err);
    run.status = RunCommandLine(QStringList{QStringLiteral("cvi-zelto")} + arguments, out, err);
    return run;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList copiesIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.sqlite")}, QDir::Files, QDir::Name);
}

// `count` copies of the database `source` in `folder`, named from session `firstSession` on and
// written (by their time stamps) a day apart from `firstWritten` on.
bool placeCopies(const QString& source, const QString& folder, int firstSession, int count, const QDateTime& firstWritten)
{
    for (int i = 0; i < count; ++i) {
        const QString name = folder + QStringLiteral("/C%1-2026-11-01.sqlite").arg(firstSession + i, 9, 10, QLatin1Char('0'));
        QFile copy(name);
        if (!QFile::copy(source, name) || !copy.open(QIODevice::ReadWrite)
            || !copy.setFileTime(firstWritten.addDays(i), QFileDevice::FileModificationTime))
            return false;
    }
    return true;
}

// Makes the shop's file big enough (some 60 MB) that writing its copy takes a while.
void fillShop(const QString& path)
{
    const QString connection = QStringLiteral("fill");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE Relleno(Datos BLOB)")));
        QVERIFY(q.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<4000) "
                                      "INSERT INTO Relleno SELECT randomblob(16000) FROM n")));
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

}

class TstBackupCommands : public QObject {
    Q_OBJECT
private slots:
    // The nightly copy: named by the latest session, checked, the source left as it was.
    void backupWritesACheckedCopyNamedByTheLatestSession()
    {
        ShopFixture shop;
        shop.login();
        shop.openCashSession(QDate(2026, 12, 9), 100);
        shop.db().close();
        const QString folder = shop.folder() + QStringLiteral("noche");
        QVERIFY(QDir().mkpath(folder));
        const QByteArray before = fileBytes(shop.databasePath());

        const Run first = runTool({QStringLiteral("--backup"), shop.databasePath(), folder});
        QCOMPARE(first.err, QString());
        QCOMPARE(first.status, 0);
        QCOMPARE(copiesIn(folder), QStringList{QStringLiteral("C000000001-2026-12-09.sqlite")});
        QVERIFY2(first.out.contains(QStringLiteral("C000000001-2026-12-09.sqlite")), qPrintable(first.out));
        QCOMPARE(AllRows(folder + QStringLiteral("/C000000001-2026-12-09.sqlite")), AllRows(shop.databasePath()));
        QCOMPARE(fileBytes(shop.databasePath()), before);

        // A second copy of the same session never replaces the first.
        const Run second = runTool({QStringLiteral("--backup"), shop.databasePath(), folder});
        QCOMPARE(second.status, 0);
        QCOMPARE(copiesIn(folder), QStringList({QStringLiteral("C000000001-2026-12-09-103000.sqlite"),
                                                QStringLiteral("C000000001-2026-12-09.sqlite")}));
    }

    // A folder shared by two shops, and a shop restored from an older copy (its session numbers
    // start again below those of its copies): the copy just written stays, the other shop's copies
    // are never touched, and of this shop's copies the ones written longest ago go first.
    void pruningKeepsTheNewCopyAndOtherShopsCopies()
    {
        ShopFixture shop;
        shop.login();
        shop.openCashSession(QDate(2026, 12, 9), 100);
        shop.db().close();
        const QString folder = shop.folder() + QStringLiteral("usb");
        const QString other = shop.folder() + QStringLiteral("otra.sqlite");
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(DatabaseCreator::create(other), QString());
        const QDateTime longAgo(QDate(2026, 1, 1), QTime(12, 0));
        QVERIFY(placeCopies(other, folder, 900, ShopBackup::kCopiesKept + 1, longAgo));
        QVERIFY(placeCopies(shop.databasePath(), folder, 50, ShopBackup::kCopiesKept, longAgo));
        const QStringList otherShops = copiesIn(folder).filter(QRegularExpression(QStringLiteral("^C0000009")));
        QCOMPARE(otherShops.size(), ShopBackup::kCopiesKept + 1);

        const Run run = runTool({QStringLiteral("--backup"), shop.databasePath(), folder});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        const QString written = QStringLiteral("C000000001-2026-12-09.sqlite");
        QVERIFY2(run.out.contains(written), qPrintable(run.out));
        const QStringList copies = copiesIn(folder);
        QVERIFY(copies.contains(written));
        QCOMPARE(copies.filter(QRegularExpression(QStringLiteral("^C0000009"))), otherShops);
        // Of this shop's 30 older copies the one written first went; the newest 29 stay.
        QVERIFY(!copies.contains(QStringLiteral("C000000050-2026-11-01.sqlite")));
        QCOMPARE(copies.filter(QRegularExpression(QStringLiteral("^C00000005|^C00000006|^C00000007"))).size(),
                 ShopBackup::kCopiesKept - 1);
        // A copy holds the whole shop: its owner and group read it, nobody else.
        const QFile::Permissions mode = QFileInfo(folder + QLatin1Char('/') + written).permissions();
        QVERIFY(!(mode & (QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::WriteGroup)));
    }

    // A nightly copy killed half-way leaves nothing under a copy's name; the next copy clears
    // what it left and writes a whole one.
    void killedBackupLeavesNoCopy()
    {
        ShopFixture shop;
        shop.db().close();
        fillShop(shop.databasePath());
        const QString folder = shop.folder() + QStringLiteral("noche");
        QVERIFY(QDir().mkpath(folder));

        QProcess program;
        program.start(QStringLiteral(CVI_PROGRAM_PATH), {QStringLiteral("--backup"), shop.databasePath(), folder});
        QVERIFY(program.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        auto passing = [&] { return QDir(folder).entryList({QStringLiteral("*.incompleta")}, QDir::Files); };
        while (passing().isEmpty() && program.state() == QProcess::Running && waited.elapsed() < 60000)
            QThread::msleep(5);
        QVERIFY2(!passing().isEmpty(), "the copy was never seen being written");
        program.kill();
        QVERIFY(program.waitForFinished());
        QCOMPARE(copiesIn(folder), QStringList());

        const Run run = runTool({QStringLiteral("--backup"), shop.databasePath(), folder});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("C000000000-2026-12-09.sqlite")});
    }

    void backupRefusals_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder") << "dbzelto.sqlite"
                                        << "no-existe" << 1 << "no existe";
        QTest::newRow("missing database") << "otra.sqlite"
                                          << "." << 3 << "No se encuentra el archivo";
        QTest::newRow("not a shop database") << "nota.txt"
                                             << "." << 3 << "no es una base de datos del sistema";
        QTest::newRow("server shop") << "postgresql://caja@servidor/tienda"
                                     << "." << 1 << "servidor";
        QTest::newRow("folder left out") << "dbzelto.sqlite"
                                         << "" << 2 << "Uso:";
    }
    void backupRefusals()
    {
        QFETCH(QString, database);
        QFETCH(QString, folder);
        QFETCH(int, status);
        QFETCH(QString, message);
        ShopFixture shop;
        shop.db().close();
        QFile note(shop.folder() + QStringLiteral("nota.txt"));
        QVERIFY(note.open(QIODevice::WriteOnly));
        note.write("no soy una base de datos\n");
        note.close();
        const QStringList before = QDir(shop.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        QStringList arguments{QStringLiteral("--backup"),
                              database.startsWith(QLatin1String("postgresql:")) ? database : shop.folder() + database};
        if (!folder.isEmpty())
            arguments << shop.folder() + folder;
        const Run run = runTool(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(QDir(shop.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }

    // A shop on a server is copied by the server: nothing is written on this computer.
    void serverShopIsNotCopied()
    {
        ShopFixture shop;
        const ShopBackup::Outcome outcome =
            ShopBackup::AfterClosing(QStringLiteral("postgresql://caja@servidor/tienda"), QStringLiteral("C000000001"));
        QCOMPARE(outcome.notice, ShopBackup::ServerNotice());
        QCOMPARE(outcome.failure, QString());
        QCOMPARE(outcome.copyPath, QString());
        QVERIFY(!QFileInfo::exists(shop.folder() + QStringLiteral("backups")));
    }

    // Back from a copy: the same rows as the database it was taken from, opened by the program.
    void restorePutsTheSameRowsBack()
    {
        ShopFixture shop;
        shop.login();
        shop.openCashSession(QDate(2026, 12, 9), 100);
        shop.db().execute(QStringLiteral("UPDATE DatosC SET RazonSocial='TIENDA O''HARA'"));
        const ShopBackup::Outcome copy = ShopBackup::AfterClosing(shop.databasePath(), QStringLiteral("C000000001"));
        QCOMPARE(copy.failure, QString());
        shop.db().close();

        const QString restored = shop.folder() + QStringLiteral("restaurada.sqlite");
        const Run run = runTool({QStringLiteral("--restore"), copy.copyPath, restored});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(AllRows(restored), AllRows(shop.databasePath()));
        QVERIFY(!QFileInfo::exists(restored + QStringLiteral(".restaurando")));
        QCOMPARE(shop.db().open(restored), QString());
        QCOMPARE(shop.db().query(QStringLiteral("SELECT RazonSocial FROM DatosC")).text(0), QStringLiteral("TIENDA O'HARA"));
    }

    void restoreRefusals_data()
    {
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("existing target") << "buena"
                                         << "dbzelto.sqlite"
                                         << "ya existe y no se sobrescribe";
        QTest::newRow("corrupt copy") << "danada"
                                      << "nueva.sqlite"
                                      << "no es una copia valida";
        QTest::newRow("not a database") << "texto"
                                        << "nueva.sqlite"
                                        << "no es una copia valida";
        QTest::newRow("missing copy") << "ninguna"
                                      << "nueva.sqlite"
                                      << "no se encuentra el archivo";
        QTest::newRow("missing target folder") << "buena"
                                               << "no-existe/nueva.sqlite"
                                               << "no existe la carpeta";
    }
    void restoreRefusals()
    {
        QFETCH(QString, copy);
        QFETCH(QString, target);
        QFETCH(QString, message);
        ShopFixture shop;
        const ShopBackup::Outcome good = ShopBackup::AfterClosing(shop.databasePath(), QString());
        QCOMPARE(good.failure, QString());
        shop.db().close();
        // A copy whose second half was overwritten, as a failing disk leaves it.
        QByteArray damaged = fileBytes(good.copyPath);
        damaged.replace(damaged.size() / 2, damaged.size() / 2, QByteArray(damaged.size() / 2, '\x5a'));
        const QHash<QString, QByteArray> contents{{QStringLiteral("danada"), damaged},
                                                  {QStringLiteral("texto"), QByteArray("hola\n")}};
        for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
            QFile f(shop.folder() + it.key());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(it.value());
        }
        const QString copyPath = copy == QLatin1String("buena") ? good.copyPath : shop.folder() + copy;
        const QByteArray databaseBefore = fileBytes(shop.databasePath());
        const QStringList before = QDir(shop.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        const Run run = runTool({QStringLiteral("--restore"), copyPath, shop.folder() + target});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(QDir(shop.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QCOMPARE(fileBytes(shop.databasePath()), databaseBefore);
    }
};

QTEST_GUILESS_MAIN(TstBackupCommands)
#include "tst_backupcommands.moc"
