#include "data/DatabaseEngine.h"

namespace DatabaseEngine {

bool IsServer(const QString& databaseName)
{
    return databaseName.trimmed().startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive);
}

}
