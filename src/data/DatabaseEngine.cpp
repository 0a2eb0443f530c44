#include "data/DatabaseEngine.h"

#include "data/ServerAddress.h"

namespace DatabaseEngine {

bool IsServer(const QString& databaseName) { return ServerAddress::isServerText(databaseName); }

}
