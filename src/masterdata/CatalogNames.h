#pragma once
#include "data/SqlRows.h"

#include <QString>

// Brands (table Marcas) and units of measure (table UMedida): a name unique in any letter case, a
// state and, for brands, an origin. Products keep the name as text, so renaming or deleting one
// leaves the products as they are. Refusals come back as the message to show (empty text when the
// write was done); engine failures throw DatabaseError.
namespace CatalogNames {

enum class Kind { Brand, Unit };

struct Entry {
    qint64 id = 0;
    QString name;
    QString origin;  // brands only
    int estado = 1;
};

// Id, name, origin (empty for units) and state of every entry, in key order.
SqlRows List(Kind kind);
QString Insert(Kind kind, const Entry& entry);
// The name is checked for uniqueness when it differs from the one the entry had when chosen.
QString Update(Kind kind, const Entry& entry, const QString& chosenName);
void Remove(Kind kind, qint64 id);

}
