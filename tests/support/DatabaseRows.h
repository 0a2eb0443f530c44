#pragma once
#include <QString>
#include <QStringList>
#include <QVariantList>

class TDataModule1;

// Every row of every table of a database file, as text, each table sorted: two databases with the
// same rows give the same list whatever their pages look like. Read on a read-only connection.
QStringList AllRows(const QString& path);

// Every row `sql` answers through the gateway, each as its cells joined by "|".
QStringList StatementRows(TDataModule1& db, const QString& sql, const QVariantList& values = {});
// The rows of several statements, one after another.
QStringList StatementRows(TDataModule1& db, const QStringList& statements);
