#pragma once
#include "sales/InstalmentVoucher.h"
#include "sales/DebtSide.h"

#include <QDate>
#include <QString>
#include <QStringList>

// One instalment on a debt: a client paying part of a credit sale, or the shop paying part of a
// credit purchase.
struct InstalmentInput {
    DebtSide side = DebtSide::Sales;
    QString key;         // "V000000012" / "P000000003"
    QString amountText;  // as typed
    QString cashSessionId;
    QDate workDate;
    QString cashier;

    // The session part taken from the session record.
    static InstalmentInput fromSession(DebtSide side, const QString& key, const QString& amountText);
};

struct InstalmentResult {
    bool stored = false;
    QString message;               // why nothing was written (empty when stored)
    bool conversionError = false;  // the amount is not one (error box rather than information)
    bool paymentRow = false;       // a payment row of the open session was written
    InstalmentVoucher voucher;     // stored: what the vouchers print
};

// Books an instalment in one transaction: re-reads the debt under the write lock (another counter
// may have paid it, or annulled the sale, since the window listed it), refuses when it is no longer
// an open credit or the amount is above what is still owed, then moves the amount from Saldo to
// TotalE, in cents, closing the credit (FormaP 1) exactly when nothing is left. A debt of an earlier
// cash session also gets a payment row in the open session, which that session's closing counts;
// a debt of the open session does not (its closing reads the raised TotalE and lowered Saldo).
class Instalment {
public:
    // Engine failures throw DatabaseError after everything was rolled back.
    static InstalmentResult Pay(const InstalmentInput& input);

    // An amount as typed, in cents: digits with at most one point and two decimals ("12", "12.5",
    // "0.05", ".5"). False for anything else ("1.2.3", ".", "1.005", "-3", empty).
    static bool ParseCents(const QString& text, qint64* cents);

    // The refusal for an amount that is not one.
    static QString NotAnAmount(const QString& text);

    static const QString QuestionText;            // "Esta Seguro de Amortizar esta Deuda?..."
    static QString QuestionTitle(DebtSide side);  // "Saldar Deuda" / "Pagar Deuda"
};
