#pragma once
#include <QDate>
#include <QList>
#include <QString>

struct SupplyDeliveryForm;

// One line of a supply delivery as its vouchers print it.
struct SupplyDeliveryLine {
    QString quantity;  // as stored, in the general number format: 2, 2.5
    QString supply;
    QString unit;
};

// A stored supply delivery as its vouchers print it (the roll ticket and the letter note). It is
// made from the values the delivery was stored with, so a reprint prints the same voucher.
struct SupplyDeliveryVoucher {
    QString deliveryId;  // "E000000012"
    QDate date;
    QString nitCi;
    QString recipient;
    QString observation;
    QList<SupplyDeliveryLine> lines;

    // The key without its letter, as a number: E000000012 gives 12.
    QString orderNumber() const;
    // The key's nine digits, as the order number field shows them.
    QString orderDigits() const;
    // Its letter-size note, numbered `number`.
    SupplyDeliveryForm letterForm(const QString& number) const;
};
