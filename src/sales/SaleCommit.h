#pragma once
#include "sales/SaleVoucher.h"
#include "sales/SaleRecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// One cart line as the register holds it.
struct SaleLine {
    QString productId;
    int categoryId = 0;
    QString quantity;   // as shown: "2", "2.5"
    QString unitPrice;  // as shown: "12.5"
    QString productName;
    QString unit;
};

// Everything a sale is stored from: what the cashier entered and the session it is booked in.
struct SaleInput {
    QString saleNumberText;  // the sale number field; a sale is refused while it is empty
    QList<SaleLine> lines;
    int paymentForm = 1;  // 0 free, 1 cash, 2 credit, 3 card or cheque
    int voucherKind = 0;  // 1 = invoice
    QString cashText;
    QString nitCi;
    QString clientName;
    QString clientCompany;  // printed on the delivery note
    QString observation;

    QString cashSessionId;
    QDate workDate;
    QString cashier;
    int branchNumber = 0;
    bool invoicingEnabled = false;
    int dosageId = 0;
    QString authorizationNumber;
    QString dosageKey;

    // The session part taken from the session record.
    static SaleInput fromSession();
};

struct SaleCommitResult {
    enum class Outcome {
        Stored,    // the sale, its lines, stock and client are stored
        Refused,   // nothing was written; `message` says why
        KeyTaken,  // the next sale key is already stored; nothing was written
    };
    Outcome outcome = Outcome::Refused;
    QString message;
    bool conversionError = false;  // the refusal is a number that cannot be read (error box)
    SaleRecord record;             // Stored: the Ventas row as written
    SaleVoucher voucher;           // Stored: what its vouchers print

    bool stored() const { return outcome == Outcome::Stored; }
};

// Turns a cart into a stored sale: validation, then one transaction that re-checks what another
// counter may have changed (the cash session still open, the dosage still active, the client's
// open credits), takes the invoice number and the control code, the sale key, writes the sale, its
// lines, the stock outflow and the client, and commits. All of it or nothing.
class SaleCommit {
public:
    // `progress` is told 3, 6 and 8 as the sale, its lines and the client are written.
    // Engine failures throw DatabaseError after everything was rolled back.
    static SaleCommitResult Commit(const SaleInput& input, const std::function<void(int)>& progress = {});

    static const QString KeyTakenMessage;
    // The reads a sale makes inside its transaction (client, open credits, dosage, key), for
    // checking their query plans.
    static QStringList ReadStatements();
};
