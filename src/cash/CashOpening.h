#pragma once
#include <QDate>
#include <QString>

// Opening a cash session and raising its opening balance. Refusals come back as the message to
// show (empty text on success); engine failures throw DatabaseError.
namespace CashOpening {

// What the latest session left in the till (0 when there is none).
double LatestBalance();

// A session can only be opened for a date after the latest session's; the refusal, or empty text.
QString CheckDate(const QDate& date);

// Opens a session dated `date` for `cashier` with what the latest session left in the till plus
// `added`, the balance read under the write lock (another station may have closed a session since
// the window showed it): only for a date after the latest session's, and never while another
// session is open. On success the session record holds the new session and the store is open for
// sales again.
QString Open(const QDate& date, double added, const QString& cashier);

// Adds `added` to the opening balance stored in the session row, only while the session is open,
// so a closed session keeps the balance its closing used and two stations topping up at once
// both count. On success the session record takes the stored balance.
QString AddToInitialAmount(const QString& sessionId, double added);

}
