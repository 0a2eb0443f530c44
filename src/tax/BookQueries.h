#pragma once
#include "data/SqlRows.h"
#include "tax/BookLines.h"

// The statements of the books: the period is a date range on the date index, the sales book in
// dosage and invoice order, the purchases book by date and supplier invoice. Throw DatabaseError.
namespace BookQueries {

QString SalesStatement();
QString PurchasesStatement();
SqlRows Load(BookKind kind, const BookPeriod& period);

}
