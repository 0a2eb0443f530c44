#pragma once
#include "purchases/PurchaseCodes.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The header of a purchase as the purchase windows' fields hold it. The receipt fields count for
// every voucher kind but the invoice, the invoice fields for the invoice only.
struct PurchaseHeaderInput {
    int inventory = PurchaseCodes::Products;  // 1 products, 2 supplies, 3 services
    QString nitCi;
    QString supplierName;  // as the supplier lookup showed it
    QDate date;
    int paymentForm = PurchaseCodes::Cash;
    int voucherKind = PurchaseCodes::ReceiptVoucher;

    QString receiptNumber;
    QString receiptTotal;
    QString receiptCash;     // the cash handed over
    QString receiptBalance;  // the balance box: change, or for a credit purchase what is owed

    QString invoiceNumber;
    QString authorization;
    QString dui;
    QString invoiceTotal;
    QString exempt;
    QString discounts;
    QString controlCode;
    int purchaseType = 1;  // 0 is the prompt "< Elegir Tipo de Compra >"

    QString cashSessionId;
    QString cashier;

    // An empty header of `inventory` booked in the open session by the logged-in user.
    static PurchaseHeaderInput fromSession(int inventory);
};

// One line of a purchase of products or supplies, as the lines grid holds it.
struct GoodsLineInput {
    QString productId;
    int categoryId = 0;
    QString name;             // named in the refusals
    double initialStock = 0;  // the item's stock when the line was entered
    QString quantity;         // as the line shows it: "4", "2.5"
    QString lineCost;         // the line's total cost
};

// One line of a service purchase.
struct ServiceLineInput {
    QString quantity;
    QString detail;  // the service's concept
    QString amount;
};

struct PurchaseRegistrationResult {
    enum class Outcome {
        Stored,   // the purchase, its lines and (for goods) the stock are stored
        Refused,  // nothing was written; `message` says why
        NoLines,  // a purchase without lines: nothing to do and nothing to say
    };
    Outcome outcome = Outcome::Refused;
    QString message;
    bool conversionError = false;  // the refusal is a number that cannot be read (error box)
    int line = -1;                 // the line the refusal is about, when it is about one
    QString purchaseId;            // Stored: the key it was stored under

    bool stored() const { return outcome == Outcome::Stored; }
};

// Stores a purchase: the checks in the order the cashier meets them, then one transaction that
// re-checks what another counter may have changed (the cash session still open, the supplier
// still there, the supplier's invoice not stored meanwhile), takes the purchase key, writes the
// header, the lines and (for goods) each item's intake and last cost, and commits. All of it or
// nothing: a refused or failed registration takes no key. Engine failures throw DatabaseError
// after everything was rolled back.
//
// What is stored: the invoice form keeps the invoice total in TotalF and TotalE and no Saldo; the
// receipt form keeps the total, the cash handed over in TotalE and in Saldo the change (cash
// purchases) or what is still owed (credit purchases), as the closing and the debts read them.
class PurchaseRegistration {
public:
    // Products (inventory 1) or supplies (2).
    static PurchaseRegistrationResult RegisterGoods(const PurchaseHeaderInput& header, const QList<GoodsLineInput>& lines);
    // Services (inventory 3): no stock moves.
    static PurchaseRegistrationResult RegisterServices(const PurchaseHeaderInput& header,
                                                       const QList<ServiceLineInput>& lines);

    // The reads a registration makes inside its transaction, for checking their query plans.
    static QStringList ReadStatements();
};
