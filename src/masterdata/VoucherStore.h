#pragma once
#include "data/SqlRows.h"

#include <QString>

// The voucher kinds of sales (ComprobanteV) and of purchases (ComprobanteC) and the number kept
// for each. Kinds and names come with the database; only the number is edited.
namespace VoucherStore {

enum class Kind { Sales, Purchases };

// Id, name and number of every kind, in key order. Throws DatabaseError.
SqlRows List(Kind kind);
// Writes the number of one kind: a whole number of at most 10 digits, for a chosen kind; anything
// else is refused with the message to show. Engine failures throw DatabaseError.
QString UpdateNumber(Kind kind, const QString& id, const QString& number);

}
