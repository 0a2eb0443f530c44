#pragma once
#include "data/SqlRows.h"

#include <QStringList>

// The picker's three lists, each NIT/CI then name, sorted by name. Only enabled rows are offered.
// Each throws DatabaseError.
namespace PickerLists {

SqlRows Clients();
// One row per open credit sale (a client with three is listed three times); paid-off, annulled and
// disabled ones never.
SqlRows Debtors();
SqlRows Suppliers();

// The three statements, as run (for checking how they read the tables).
QStringList Statements();

}
