#pragma once
#include <QString>

// Which engine holds a shop: a database name that is a server's connection text
// ("postgresql://user@host/shop") lives on a server, anything else is a SQLite file of this computer.
namespace DatabaseEngine {

bool IsServer(const QString& databaseName);

}
