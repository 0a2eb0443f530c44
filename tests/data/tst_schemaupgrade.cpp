#include "ShopFixture.h"

#include "data/DatabaseCopy.h"
#include "data/DatabaseError.h"
#include "data/SchemaUpgrade.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int versionOf(TDataModule1& db) { return int(db.query(QStringLiteral("PRAGMA user_version")).integer(0)); }

bool hasIndex(TDataModule1& db, const QString& name)
{
    return db.query(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='index' AND name=?"), {name}).integer(0)
        == 1;
}

// Writes a version number straight into a closed database file, as an older or newer program
// would have left it.
void stampVersion(const QString& path, int version)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("stamp"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("stamp"));
}

QStringList copiesBeside(const QString& path)
{
    return QFileInfo(path).dir().entryList({QStringLiteral("*-antes-de-actualizar-*.sqlite")}, QDir::Files);
}

// A plan one or two versions ahead of the program's, so a freshly prepared shop plays the part of a
// database written by the previous program.
struct PlanAhead {
    SchemaUpgrade::Plan plan;
    explicit PlanAhead(QVector<QPair<int, QString>> extraSteps)
    {
        plan = SchemaUpgrade::currentPlan();
        plan.steps += extraSteps;
        plan.version = extraSteps.last().first;
        SchemaUpgrade::installPlan(&plan);
    }
    ~PlanAhead() { SchemaUpgrade::installPlan(nullptr); }
};

}

class TstSchemaUpgrade : public QObject {
    Q_OBJECT
private slots:
    void newShopIsAtTheProgramsVersion()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        QCOMPARE(versionOf(shop.db()), SchemaUpgrade::currentPlan().version);
        QVERIFY(copiesBeside(shop.databasePath()).isEmpty());
    }

    void olderDatabaseOpensUpgradedWithACopyBeside()
    {
        ShopFixture shop;
        QVERIFY(shop.ok());
        const int old = versionOf(shop.db());
        shop.db().close();

        const PlanAhead ahead({{old + 1, QStringLiteral("-- a step; with a comment\nCREATE INDEX StepOne ON Ventas(Cliente);")},
                               {old + 2, QStringLiteral("CREATE INDEX StepTwo ON Compras(Proveedor);\n"
                                                         "ALTER TABLE Marcas ADD COLUMN Nota TEXT DEFAULT '';")}});
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        QCOMPARE(versionOf(shop.db()), old + 2);
        QVERIFY(hasIndex(shop.db(), QStringLiteral("StepOne")));
        QVERIFY(hasIndex(shop.db(), QStringLiteral("StepTwo")));
        QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Marcas WHERE Nota=''")).integer(0),
                 shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Marcas")).integer(0));

        // The copy holds the database as it was before the steps, with its rows.
        const QStringList copies = copiesBeside(shop.databasePath());
        QCOMPARE(copies.size(), 1);
        QVERIFY(copies[0].startsWith(QStringLiteral("dbzelto-antes-de-actualizar-v%1-").arg(old)));
        shop.db().close();
        SchemaUpgrade::installPlan(nullptr);
        QCOMPARE(shop.db().open(QFileInfo(shop.databasePath()).dir().filePath(copies[0])), QString());
        QCOMPARE(versionOf(shop.db()), old);
        QVERIFY(!hasIndex(shop.db(), QStringLiteral("StepOne")));
        QVERIFY(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0) > 0);
    }

    void upgradedDatabaseIsNotUpgradedTwice()
    {
        ShopFixture shop;
        const int old = versionOf(shop.db());
        shop.db().close();
        const PlanAhead ahead({{old + 1, QStringLiteral("CREATE INDEX StepOne ON Ventas(Cliente)")}});
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        shop.db().close();
        QCOMPARE(shop.db().open(shop.databasePath()), QString()); // the index exists: a second run would fail
        QCOMPARE(copiesBeside(shop.databasePath()).size(), 1);
    }

    // A database that already carries a column a step adds (its schema is newer than the version it
    // says): the column is left alone and the rest of the step still runs.
    void columnAlreadyThereIsNotAddedTwice()
    {
        ShopFixture shop;
        const int old = versionOf(shop.db());
        shop.db().close();
        const PlanAhead ahead({{old + 1, QStringLiteral("ALTER TABLE Codigos ADD COLUMN CarpetaCopias TEXT NOT NULL DEFAULT '';\n"
                                                         "alter table Marcas add Nota TEXT DEFAULT '';")}});
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        QCOMPARE(versionOf(shop.db()), old + 1);
        QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('Marcas') WHERE name='Nota'")).integer(0), 1);
    }

    void failedStepLeavesTheDatabaseAsItWas()
    {
        ShopFixture shop;
        const int old = versionOf(shop.db());
        shop.db().close();
        const PlanAhead ahead({{old + 1, QStringLiteral("CREATE INDEX StepOne ON Ventas(Cliente);\n"
                                                         "CREATE INDEX StepBad ON NoSuchTable(Nada);")}});
        const QString refusal = shop.db().open(shop.databasePath());
        QVERIFY2(refusal.contains(QStringLiteral("No se pudo actualizar la base de datos")), qPrintable(refusal));
        QVERIFY(refusal.contains(QStringLiteral("antes-de-actualizar")));
        QVERIFY(!shop.db().isOpen());

        SchemaUpgrade::installPlan(nullptr);
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        QCOMPARE(versionOf(shop.db()), old);
        QVERIFY(!hasIndex(shop.db(), QStringLiteral("StepOne")));
    }

    void consistentCopy_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("new file") << "copia.sqlite" << "";
        QTest::newRow("existing file") << "dbzelto.sqlite" << "no se escribe sobre un archivo existente";
        QTest::newRow("missing folder") << "no-existe/copia.sqlite" << "No existe la carpeta";
    }

    void consistentCopy()
    {
        QFETCH(QString, target);
        QFETCH(QString, refusal);
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE DatosC SET RazonSocial='TIENDA O''HARA'"));
        const QString path = shop.folder() + target;
        const QByteArray before = fileBytes(path);
        const QString error = DatabaseCopy::write(shop.db(), path);
        if (refusal.isEmpty()) {
            QCOMPARE(error, QString());
            shop.db().close();
            QCOMPARE(shop.db().open(path), QString());
            QCOMPARE(shop.db().query(QStringLiteral("SELECT RazonSocial FROM DatosC")).text(0), QStringLiteral("TIENDA O'HARA"));
        } else {
            QVERIFY2(error.contains(refusal), qPrintable(error));
            QCOMPARE(fileBytes(path), before);
        }
    }

    void newerDatabaseIsRefusedUntouched()
    {
        ShopFixture shop;
        const int known = versionOf(shop.db());
        shop.db().close();
        stampVersion(shop.databasePath(), known + 3);
        const QByteArray before = fileBytes(shop.databasePath());

        const QString refusal = shop.db().open(shop.databasePath());
        QVERIFY2(refusal.contains(QStringLiteral("version mas reciente")), qPrintable(refusal));
        QVERIFY(refusal.contains(QString::number(known + 3)));
        QVERIFY(!shop.db().isOpen());
        QCOMPARE(fileBytes(shop.databasePath()), before);
        QVERIFY(copiesBeside(shop.databasePath()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstSchemaUpgrade)
#include "tst_schemaupgrade.moc"
