#pragma once
#include <QDate>
#include <QList>
#include <QString>

struct DeliveryNoteForm;
struct ServiceVoucherForm;

// One line of a purchase as its voucher prints it: a product or supply bought, or a service.
struct PurchaseVoucherLine {
    QString quantity;     // as the lines show it: 4, 2.5
    QString description;  // the item's name, or the service's concept
    QString unit;         // empty for services
    double unitCost = 0;  // products and supplies
    double lineTotal = 0;
};

// A stored purchase as its letter-size voucher prints it. It is made from the values the purchase
// was stored with, so printing it again prints the same voucher.
struct PurchaseVoucher {
    QString purchaseId;  // "P000000123"
    QDate date;          // the purchase date
    QString nitCi;       // the supplier's
    QString supplierName;
    int paymentForm = 1;  // 0 free, 1 cash, 2 credit, 3 cheque or deposit
    QString paymentFormText;
    double total = 0;            // TotalF
    double cash = 0;             // TotalE: what was handed over
    double changeOrBalance = 0;  // Saldo: the change, or for a credit purchase what is still owed
    QList<PurchaseVoucherLine> lines;

    bool isCredit() const { return paymentForm == 2; }
    // The voucher of a purchase of products or supplies: the delivery note's layout with the
    // supplier in the client's place.
    DeliveryNoteForm voucherForm() const;
    // The voucher of a service purchase.
    ServiceVoucherForm serviceForm() const;
};
