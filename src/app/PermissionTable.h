#pragma once
#include "data/SessionState.h"

#include <QList>
#include <QString>
#include <QStringList>

// Which character of which rights string allows which main-window command.
struct Permission {
    QString SessionState::*rights;
    int position;  // 1 = first character
    QString command;
};

namespace PermissionTable {

const QList<Permission>& entries();
// Every command the table governs (they all start disabled).
QStringList commands();
// The commands whose position holds '1'; a position past the end of its string is not allowed.
QStringList allowedCommands(const SessionState& session);

}
