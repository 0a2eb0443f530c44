#pragma once
#include <QString>
#include <QStringList>

// Every row of every table of a database file, as text, each table sorted: two databases with the
// same rows give the same list whatever their pages look like. Read on a read-only connection.
QStringList AllRows(const QString& path);
