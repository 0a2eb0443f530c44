#pragma once
#include <QString>
#include <QVariantList>

class QSqlError;

// Turns what either engine says when it refuses a statement into the one text the user reads,
// the same whichever engine holds the shop: "El dato "Cliente" no puede tener mas de 50
// caracteres" for a text too long, and so on. Server messages are read by their error codes and
// by the names the schema gives its constraints, so a server that speaks another language gives
// the same texts.
namespace EngineErrors {

// A SQLite refusal.
QString describeSqlite(const QString& engineText);
// A PostgreSQL refusal of `sql` run with `values` (used to tell which column a bad value was for).
QString describePostgres(const QSqlError& error, const QString& sql, const QVariantList& values);

// The server's connection is gone (network, server stopped): the transaction it held is undone.
bool isConnectionLost(const QSqlError& error);
// Another transaction got in the way (serialization failure, deadlock): running again may work.
bool isRetryable(const QSqlError& error);
// Another station held the database longer than this one waits for it.
bool isBusy(const QSqlError& error);

// A column or table name as the schema spells it ("nitci" gives "NitCI"); unknown names as given.
QString schemaSpelling(const QString& name);

extern const QString kConnectionLost;
extern const QString kConflict;
extern const QString kBusy;

}
