#include "data/SchemaUpgrade.h"

#include "data/ClockSeam.h"
#include "data/DatabaseCopy.h"
#include "data/DatabaseError.h"
#include "data/PasswordHash.h"
#include "data/SchemaSql.h"
#include "data/SqlScript.h"
#include "data/UDataModule.h"

#include <QRegularExpression>

namespace SchemaUpgrade {

namespace {

const Plan* g_installed = nullptr;

Plan compiledPlan()
{
    Plan plan;
    plan.version = kSqliteSchemaVersion;
    for (const SchemaUpgradeStep& step : kSchemaUpgrades) {
        if (!step.sqlite)
            continue;
        plan.steps.append({step.version, QString::fromUtf8(step.sqlite)});
        plan.serverSteps.append({step.version, QString::fromUtf8(step.postgresql)});
    }
    return plan;
}

// What a step needs beyond statements, run right after them in the same transaction.
void ProgramPart(TDataModule1& db, int reached)
{
    if (reached == 10)
        PasswordHash::HashClearPasswords(db);
}

// A column a step adds may already be there, when the database was written by a schema that
// carries it: adding it again would fail the whole upgrade.
bool addsExistingColumn(TDataModule1& db, const QString& statement)
{
    static const QRegularExpression addColumn(QStringLiteral("^\\s*ALTER\\s+TABLE\\s+(\\w+)\\s+ADD\\s+(?:COLUMN\\s+)?(\\w+)"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = addColumn.match(statement);
    if (!m.hasMatch())
        return false;
    return db.tableColumns(m.captured(1)).contains(m.captured(2), Qt::CaseInsensitive);
}

}

const Plan& currentPlan()
{
    static const Plan compiled = compiledPlan();
    return g_installed ? *g_installed : compiled;
}

void installPlan(const Plan* plan) { g_installed = plan; }

QString checkNotNewer(int databaseVersion)
{
    const int known = currentPlan().version;
    if (databaseVersion <= known)
        return {};
    return QStringLiteral("La base de datos es de una version mas reciente del programa (version %1; este programa "
                          "conoce hasta la version %2). Actualice el programa para abrirla.")
        .arg(databaseVersion)
        .arg(known);
}

QString upgrade(TDataModule1& db, int databaseVersion, QString* copyPath)
{
    const Plan& plan = currentPlan();
    const QString copy = DatabaseCopy::besideDatabase(
        db.path(), QStringLiteral("antes-de-actualizar-v%1").arg(databaseVersion), ClockSeam::current().now());
    if (copyPath)
        *copyPath = copy;
    if (const QString error = DatabaseCopy::write(db, copy); !error.isEmpty())
        return QStringLiteral("No se actualizo la base de datos: %1").arg(error);

    try {
        WriteTransaction transaction(db);
        const int version = db.schemaVersion();  // another station may have upgraded meanwhile
        for (const auto& [reached, script] : db.onServer() ? plan.serverSteps : plan.steps) {
            if (reached <= version)
                continue;
            for (const QString& statement : SqlScriptStatements(script))
                if (!addsExistingColumn(db, statement))
                    db.execute(statement);
            ProgramPart(db, reached);
        }
        if (version < plan.version)
            db.setSchemaVersion(plan.version);
        transaction.commit();
    } catch (const DatabaseError& e) {
        return QStringLiteral("No se pudo actualizar la base de datos a la version %1: %2. La base de datos quedo "
                              "como estaba; la copia anterior esta en %3")
            .arg(plan.version)
            .arg(e.text(), copy);
    }
    return {};
}

}
