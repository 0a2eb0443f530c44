#pragma once
#include "sales/DebtSide.h"

#include <QString>

// Annuls a payment row of the history: the row is deleted and its amount, as stored, goes back to
// the debt (TotalE less, Saldo more, the credit open again with FormaP 2), in one transaction. The
// row is deleted first and the amount given back only when exactly that row went, so a payment
// annulled twice (two windows, a stale screen) gives its amount back once. A payment of an annulled
// sale stays as it is: its sale owes nothing to reopen. The open cash session's closing no longer
// counts a deleted row; a closed session keeps the figures it stored.
class InstalmentAnnulment {
public:
    struct Result {
        bool annulled = false;
        QString message;  // why nothing was written (empty when annulled)
    };

    // `cashSessionId`: the window's open session, which must still be open. Engine failures throw
    // DatabaseError after everything was rolled back.
    static Result Annul(DebtSide side, qint64 paymentId, const QString& cashSessionId);

    static const QString QuestionTitle;  // "Anular Amortización"
    static const QString Question;       // "Esta Seguro de Anular esta Amortización?..."
};
