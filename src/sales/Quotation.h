#pragma once
#include "sales/SaleVoucher.h"

#include <QDate>
#include <QList>
#include <QString>

struct QuotationForm;

// A quotation (or a bill) of the register's cart, printed before selling; nothing of it is stored.
struct Quotation {
    QDate date;          // the session's business date
    QString clientName;  // may be empty on the roll printer
    QString nitCi;
    QString clientCompany;
    QString observation;
    bool invoice = false;  // the voucher kind chosen is the invoice: prices include the VAT
    double total = 0;
    QList<SaleVoucherLine> lines;

    // The quotation on letter paper.
    QuotationForm letterForm() const;
};
