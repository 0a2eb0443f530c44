#pragma once
#include <QDate>
#include <QString>

// An instalment as its vouchers print it: the figures the payment's transaction read and wrote,
// so the voucher says what was stored whatever the window showed.
struct InstalmentVoucher {
    bool purchase = false;  // paid to a supplier on a credit purchase; otherwise a client's payment
    QString orderNumber;    // the nine digits of the sale or purchase
    QDate date;             // of the sale or purchase
    QDate paymentDate;      // the business date of the payment
    QString nitCi;
    QString name;           // the client or the supplier
    double total = 0;       // of the sale or purchase
    double paidBefore = 0;  // paid before this instalment ("CANCELADO")
    double amount = 0;      // this instalment ("AMORTIZANDO")
    double balance = 0;     // still owed after it ("SALDO")
};
