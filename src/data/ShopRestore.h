#pragma once
#include <QString>

// Puts a backup copy back as a shop database file. The copy is checked first (a file that is not a
// whole shop database is refused) and the target must not exist: a restore never replaces a
// database, not even an older one. The new file appears whole or not at all.
namespace ShopRestore {

// Empty text when `target` now holds the copy's database; otherwise why nothing was written.
QString Restore(const QString& copy, const QString& target);

}
