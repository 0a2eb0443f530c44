#pragma once
#include <QPair>
#include <QString>
#include <QVector>

class TDataModule1;

// Brings a shop database of an older schema version up to the version this program writes, with
// the numbered steps of src/data/schema/upgrades/ (see the README there).
namespace SchemaUpgrade {

struct Plan {
    int version = 0;                           // the version the program writes
    QVector<QPair<int, QString>> steps;        // (version reached, statements), in order
    QVector<QPair<int, QString>> serverSteps;  // the same steps as a PostgreSQL server runs them
};

// The compiled-in plan, unless a test installed another one (nullptr puts it back).
const Plan& currentPlan();
void installPlan(const Plan* plan);

// Refusal text for a database of a version newer than the plan knows; empty otherwise.
QString checkNotNewer(int databaseVersion);

// With the database open and at `databaseVersion` below the plan's version: writes a consistent
// copy beside it (of a server's database, a shop file in the program's folder), then applies the missing steps and records
// the new version in one transaction (the version is read again under the write lock, so two stations never apply a step twice).
// Returns empty text on success, otherwise the message; a failed upgrade leaves the database as
// it was. `copyPath` receives the copy's path.
QString upgrade(TDataModule1& db, int databaseVersion, QString* copyPath = nullptr);

}
