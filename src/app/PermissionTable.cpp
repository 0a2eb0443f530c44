#include "app/PermissionTable.h"

namespace {

QList<Permission> buildTable()
{
    QList<Permission> table;
    const auto add = [&table](QString SessionState::*rights, const char* prefix, int count) {
        for (int position = 1; position <= count; ++position)
            table.append({rights, position, QLatin1String(prefix) + QString::number(position)});
    };
    add(&SessionState::SalesRights, "V", 9);
    add(&SessionState::PurchaseRights, "C", 11);
    add(&SessionState::ToolRights, "H", 6);
    add(&SessionState::CashRights, "J", 3);  // position 5 belongs to the cash window itself
    add(&SessionState::StoreRights, "S", 8);
    return table;
}

}

namespace PermissionTable {

const QList<Permission>& entries()
{
    static const QList<Permission> table = buildTable();
    return table;
}

QStringList commands()
{
    QStringList names;
    for (const Permission& p : entries())
        names << p.command;
    return names;
}

QStringList allowedCommands(const SessionState& session)
{
    QStringList allowed;
    for (const Permission& p : entries()) {
        const QString& rights = session.*(p.rights);
        if (p.position <= rights.size() && rights.at(p.position - 1) == QLatin1Char('1'))
            allowed << p.command;
    }
    return allowed;
}

}
