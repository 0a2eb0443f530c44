#pragma once
#include <QString>

// The PostgreSQL server of the test run, when the test program runs for that engine (CTest sets
// CVI_TEST_ENGINE=postgresql and names the file holding the server's connection text; see
// tests/support/pg-server.sh). Each shop of a test gets a database of its own there.
namespace TestServer {

// True when this run of the test program is for the server.
bool enabled();
// The connection text of the server's administration database; empty when not enabled.
QString adminText();
// Creates an empty database and returns its connection text; empty text (and a warning) on failure.
QString createDatabase();
// Drops a database made by createDatabase, whatever connection still uses it.
void dropDatabase(const QString& connectionText);
// Runs a statement on the administration database; the engine's error text, or empty text.
QString adminExecute(const QString& sql);

}
