#pragma once
#include <QList>
#include <QSqlDatabase>
#include <QString>

// Reads a shop database and names every rule of the books it breaks, with the rows involved:
// the engine's own integrity and foreign-key checks; every sale, purchase and delivery has its
// lines and a sale's total is the sum of its lines; no debt is paid beyond what was owed; every
// key counter is at or above the highest key of its table and the invoice counter above the
// active dosage's invoices; the invoice numbers of each dosage run without gap or repetition;
// every stored control code recomputes from its invoice and its dosage's key; at most one cash
// session is open; and every closing still adds up (what was counted against what was expected,
// and the sales it counted). Nothing is ever written.
namespace ConsistencyCheck {

struct Problem {
    QString rule;    // "Venta sin lineas", "Codigo de control"...
    QString detail;  // the rows involved

    QString line() const { return rule + QStringLiteral(": ") + detail; }
};

struct Outcome {
    // The database could not be checked at all (missing, not a shop database); then nothing else.
    QString failure;
    // Said beside the problems: the database is of an older version, checked as it stands.
    QString notice;
    QList<Problem> problems;
};

// Checks the shop database `databaseName` from one snapshot, on a connection of its own that only
// reads: a database of an older version is checked as it stands, never upgraded, and a file keeps
// no log companion files afterwards.
Outcome Run(const QString& databaseName);

// The rules on an open connection, from one snapshot. `sqlite` adds the engine's own checks.
QList<Problem> Check(QSqlDatabase db, bool sqlite);

}
