#pragma once
#include "purchases/SupplyDeliveryVoucher.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

// One line of a delivery as the panel holds it.
struct DeliveryLine {
    QString supplyId;
    int categoryId = 0;
    QString quantity;  // as shown: "2", "2.5"
    QString supplyName;
    QString unit;
};

// Everything a delivery is stored from: what the cashier entered and the session it is booked in.
struct DeliveryInput {
    QString orderNumberText;  // the order number field; a delivery is refused while it is empty
    QList<DeliveryLine> lines;
    QString nitCi;  // the recipient; both may be empty
    QString recipient;
    QString observation;

    QString cashSessionId;
    QDate workDate;
    QString cashier;
    int branchNumber = 0;

    // The session part taken from the session record.
    static DeliveryInput fromSession();
};

struct DeliveryResult {
    bool stored = false;
    QString message;                // why it was refused
    bool conversionError = false;   // the refusal is a number that cannot be read (error box)
    SupplyDeliveryVoucher voucher;  // stored: the delivery as written, under its key
};

// Hands supplies out: validation, then one transaction that re-checks that the cash session is
// still open, takes the delivery key, writes the header, its lines with their stock outflow and
// the recipient's client row, and commits. All of it or nothing.
class DeliveryRegistration {
public:
    // `progress` is told 2 after the header, 4 after each line, 6 after the last line and 8 after
    // the recipient. Engine failures throw DatabaseError after everything was rolled back.
    static DeliveryResult Register(const DeliveryInput& input, const std::function<void(int)>& progress = {});
};
