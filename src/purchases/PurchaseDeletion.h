#pragma once
#include <QString>

// Removes a stored purchase (purchases are deleted, never annulled), in one transaction: each
// product or supply line takes its stored quantity back from the item's intake (the stock may go
// below zero when it was sold meanwhile), and the purchase row goes with its lines. A purchase
// with payments made on it is refused, naming them: they are annulled first. A purchase that is no longer there (deleted at
// another station, a list shown before that) is refused and nothing changes, so its stock is never taken back twice. Returns
// the refusal to show, or empty text when deleted; engine failures throw DatabaseError after everything was rolled back.
namespace PurchaseDeletion {

QString Delete(const QString& purchaseId);

}
