#include "masterdata/HistoryRows.h"

#include "data/UDataModule.h"

namespace HistoryRows {

bool Any(const QStringList& tables, const QString& column, const QString& key)
{
    auto& db = TDataModule1::instance();
    for (const QString& table : tables)
        if (!db.query(QStringLiteral("SELECT 1 FROM %1 WHERE %2=? LIMIT 1").arg(table, column), {key}).isEmpty())
            return true;
    return false;
}

}
