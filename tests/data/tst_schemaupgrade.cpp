#include "ShopFixture.h"

#include "data/DatabaseCopy.h"
#include "data/DatabaseError.h"
#include "data/EngineConnection.h"
#include "data/PasswordHash.h"
#include "data/SchemaUpgrade.h"
#include "data/SessionLoader.h"
#include "data/SqlScript.h"
#include "data/ServerAddress.h"

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

int versionOf(TDataModule1& db) { return db.schemaVersion(); }

bool hasIndex(TDataModule1& db, const QString& name) { return db.hasIndex(name); }

// Writes a version number straight into a closed shop database, as an older or newer program
// would have left it.
void stampVersion(const ShopFixture& shop, int version)
{
    const QString name = QStringLiteral("stamp");
    QCOMPARE(EngineConnection::open(shop.databasePath(), name), QString());
    {
        QSqlQuery q(QSqlDatabase::database(name, false));
        QVERIFY(q.exec(shop.onServer() ? QStringLiteral("COMMENT ON TABLE Codigos IS 'version %1'").arg(version)
                                       : QStringLiteral("PRAGMA user_version = %1").arg(version)));
    }
    EngineConnection::remove(name);
}

// Where the copies before an upgrade go: beside the file, or (a server's shop) the program's folder.
QDir copyFolder(const ShopFixture& shop)
{
    return shop.onServer() ? QDir(shop.folder()) : QFileInfo(shop.databasePath()).dir();
}

QStringList copiesBeside(const ShopFixture& shop)
{
    return copyFolder(shop).entryList({QStringLiteral("*-antes-de-actualizar-*.sqlite")}, QDir::Files);
}

QString copyPrefix(const ShopFixture& shop)
{
    ServerAddress address;
    if (shop.onServer() && ServerAddress::parse(shop.databasePath(), &address, nullptr))
        return address.database;
    return QStringLiteral("dbzelto");
}

// What a newer-version refusal must leave as it was: the file's bytes, or on a server the version
// mark, the indexes and the rows.
QByteArray stateOf(const ShopFixture& shop)
{
    if (!shop.onServer())
        return fileBytes(shop.databasePath());
    const QString name = QStringLiteral("state");
    QByteArray state;
    if (EngineConnection::open(shop.databasePath(), name).isEmpty()) {
        QSqlQuery q(QSqlDatabase::database(name, false));
        if (q.exec(QStringLiteral("SELECT obj_description(to_regclass('codigos'), 'pg_class'), "
                                  "(SELECT COUNT(*) FROM pg_indexes WHERE schemaname = current_schema()), "
                                  "(SELECT COUNT(*) FROM Productos), (SELECT COUNT(*) FROM Caja)"))
            && q.next())
            for (int i = 0; i < 4; ++i)
                state += q.value(i).toString().toUtf8() + '|';
    }
    EngineConnection::remove(name);
    return state;
}

// A plan one or two versions ahead of the program's, so a freshly prepared shop plays the part of a
// database written by the previous program.
struct PlanAhead {
    SchemaUpgrade::Plan plan;
    explicit PlanAhead(QVector<QPair<int, QString>> extraSteps)
    {
        plan = SchemaUpgrade::currentPlan();
        plan.steps += extraSteps;
        plan.serverSteps += extraSteps;
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
        QVERIFY(copiesBeside(shop).isEmpty());
    }

    // Every step runs on this engine: on a fresh shop its indexes are there already, and a column it
    // adds too, so only "already exists" may come back.
    void everyStepRunsOnThisEngine()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const SchemaUpgrade::Plan& plan = SchemaUpgrade::currentPlan();
        for (const auto& [version, script] : shop.onServer() ? plan.serverSteps : plan.steps) {
            for (const QString& statement : SqlScriptStatements(script)) {
                try {
                    WriteTransaction step;
                    shop.db().execute(statement);
                } catch (const DatabaseError& e) {
                    QVERIFY2(e.text().contains(QStringLiteral("duplicate column"))
                                 || e.text().contains(QStringLiteral("already exists")),
                             qPrintable(QStringLiteral("step %1: %2: %3").arg(version).arg(statement, e.text())));
                }
            }
        }
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
        const QStringList copies = copiesBeside(shop);
        QCOMPARE(copies.size(), 1);
        QVERIFY2(copies[0].startsWith(QStringLiteral("%1-antes-de-actualizar-v%2-").arg(copyPrefix(shop)).arg(old)),
                 qPrintable(copies[0]));
        shop.db().close();
        SchemaUpgrade::installPlan(nullptr);
        QCOMPARE(shop.db().open(copyFolder(shop).filePath(copies[0])), QString());
        QCOMPARE(versionOf(shop.db()), old);
        QVERIFY(!hasIndex(shop.db(), QStringLiteral("StepOne")));
        QVERIFY(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0) > 0);
    }

    // A credit paid in full (nothing owed) is settled as cash by the upgrade, so it leaves the debt
    // lists; a debt still owed and an annulled credit keep their form.
    void settledCreditsBecomeCash()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const QString caja = shop.openCashSession(QDate(2026, 12, 9));
        struct Row {
            const char* id;
            double paid, owed;
            const char* state;
            int formAfter;
        };
        const Row rows[] = {{"000000001", 40, 0, "V", 1}, {"000000002", 30, 10, "V", 2}, {"000000003", 40, 0, "A", 2}};
        for (const Row& r : rows) {
            shop.db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, TotalF, TotalE, Saldo, FormaP, Estado, IdCaja) "
                                             "VALUES(?, '2026-12-09', 40, ?, ?, 2, ?, ?)"),
                              {QStringLiteral("V") + QLatin1String(r.id), r.paid, r.owed, QLatin1String(r.state), caja});
            shop.db().execute(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, TotalF, TotalE, Saldo, FormaP, Estado, IdCaja) "
                                             "VALUES(?, '2026-12-09', 40, ?, ?, 2, ?, ?)"),
                              {QStringLiteral("P") + QLatin1String(r.id), r.paid, r.owed, QLatin1String(r.state), caja});
        }
        shop.db().close();
        stampVersion(shop, 8);
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        QCOMPARE(versionOf(shop.db()), SchemaUpgrade::currentPlan().version);
        for (const Row& r : rows) {
            QCOMPARE(shop.db()
                         .query(QStringLiteral("SELECT FormaP FROM Ventas WHERE IdVenta=?"),
                                {QStringLiteral("V") + QLatin1String(r.id)})
                         .integer(0),
                     r.formAfter);
            QCOMPARE(shop.db()
                         .query(QStringLiteral("SELECT FormaP FROM Compras WHERE IdCompra=?"),
                                {QStringLiteral("P") + QLatin1String(r.id)})
                         .integer(0),
                     r.formAfter);
        }
    }

    // A database of clear passwords comes out with only their hashes, in either letter case as
    // before. The shipped-password mark keeps its meaning: set from the clear password by step 8
    // (a database of version 7), left as it was from version 9.
    void clearPasswordsAreHashed_data()
    {
        QTest::addColumn<int>("from");
        QTest::newRow("from version 7") << 7;
        QTest::newRow("from version 9") << 9;
    }
    void clearPasswordsAreHashed()
    {
        QFETCH(int, from);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.db().execute(QStringLiteral("UPDATE Usuario SET Clave='admin', ClaveHash='', CambiarClave=? WHERE Login='admin'"),
                          {from == 7 ? 0 : 1});
        shop.db().execute(QStringLiteral("INSERT INTO Usuario(Login, Clave, Nombre, Ocupacion) "
                                         "VALUES('CAJERO', 'Secreto', 'ANA', 'CAJERA')"));
        shop.db().close();
        stampVersion(shop, from);
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Usuario WHERE Clave<>''")).integer(0), 0);
        const SqlRows admin =
            shop.db().query(QStringLiteral("SELECT ClaveHash, CambiarClave FROM Usuario WHERE Login='admin'"));
        QVERIFY(PasswordHash::Matches(QStringLiteral("ADMIN"), admin.text(0)));
        QCOMPARE(admin.integer(1), 1);
        const SqlRows cashier =
            shop.db().query(QStringLiteral("SELECT ClaveHash, CambiarClave FROM Usuario WHERE Login='CAJERO'"));
        QVERIFY(PasswordHash::Matches(QStringLiteral("secreto"), cashier.text(0)));
        QVERIFY(!PasswordHash::Matches(QStringLiteral("Secret"), cashier.text(0)));
        QCOMPARE(cashier.integer(1), 0);
        QVERIFY(!SessionLoader::FindActiveUser(QStringLiteral("cajero"), QStringLiteral("SECRETO")).isEmpty());
    }

    void upgradedDatabaseIsNotUpgradedTwice()
    {
        ShopFixture shop;
        const int old = versionOf(shop.db());
        shop.db().close();
        const PlanAhead ahead({{old + 1, QStringLiteral("CREATE INDEX StepOne ON Ventas(Cliente)")}});
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        shop.db().close();
        QCOMPARE(shop.db().open(shop.databasePath()), QString());  // the index exists: a second run would fail
        QCOMPARE(copiesBeside(shop).size(), 1);
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
        QCOMPARE(shop.db().tableColumns(QStringLiteral("Marcas")).filter(QStringLiteral("Nota"), Qt::CaseInsensitive).size(),
                 1);
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
        QTest::newRow("new file") << "copia.sqlite"
                                  << "";
        QTest::newRow("existing file") << "existente.sqlite"
                                       << "no se escribe sobre un archivo existente";
        QTest::newRow("missing folder") << "no-existe/copia.sqlite"
                                        << "No existe la carpeta";
    }

    void consistentCopy()
    {
        QFETCH(QString, target);
        QFETCH(QString, refusal);
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE DatosC SET RazonSocial='TIENDA O''HARA'"));
        const QString path = shop.folder() + target;
        if (target == QLatin1String("existente.sqlite")) {
            QFile existing(path);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("otra cosa");
        }
        const QByteArray before = fileBytes(path);
        const QString error = DatabaseCopy::write(shop.db(), path);
        if (refusal.isEmpty()) {
            QCOMPARE(error, QString());
            shop.db().close();
            QCOMPARE(shop.db().open(path), QString());
            QCOMPARE(shop.db().query(QStringLiteral("SELECT RazonSocial FROM DatosC")).text(0),
                     QStringLiteral("TIENDA O'HARA"));
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
        stampVersion(shop, known + 3);
        const QByteArray before = stateOf(shop);

        const QString refusal = shop.db().open(shop.databasePath());
        QVERIFY2(refusal.contains(QStringLiteral("version mas reciente")), qPrintable(refusal));
        QVERIFY(refusal.contains(QString::number(known + 3)));
        QVERIFY(!shop.db().isOpen());
        QCOMPARE(stateOf(shop), before);
        QVERIFY(copiesBeside(shop).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstSchemaUpgrade)
#include "tst_schemaupgrade.moc"
