#pragma once
#include <QString>

// Annuls a stored supply delivery in one transaction: only while it is still valid (checked under
// the write lock, so two counters annulling it at once give its stock back once), the header and
// its lines become 'A', the recipient is overwritten, and every stored line's quantity goes back
// to its supply's stock.
class DeliveryAnnulment {
public:
    static const QString AlreadyAnnulled;

    // Empty text when annulled, otherwise why nothing changed. Engine failures throw DatabaseError
    // after everything was rolled back.
    static QString Annul(const QString& deliveryId);
};
