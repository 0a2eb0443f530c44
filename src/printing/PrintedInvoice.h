#pragma once
#include "printing/VoucherRows.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// One line of an invoice as every layout prints it.
struct PrintedInvoiceLine {
    QString quantity;  // as the cart showed it: 1, 2.5
    QString description;
    QString unit;
    double unitPrice = 0;
    double lineTotal = 0;
};

// The texts an invoice carries, whatever paper it is printed on: built once from the stored sale
// (SaleVoucher::printedInvoice), and only laid out by the roll ticket, the two-copy letter form
// and the one-copy reprint. The taxpayer's name and addresses are the session's and each layout
// places them its own way.
struct PrintedInvoice {
    QString issuerNit;
    QString number;  // the invoice number with its display zeros: 00000150
    QString authorization;
    QString controlCode;
    QDate date;
    QString time;  // hh:mm:ss
    QString clientName;
    QString nitCi;
    double total = 0;
    QString amountInWords;  // "CIENTO CINCUENTA 00/100 BOLIVIANOS", no trailing blanks
    QString orderNumber;    // the sale key's number: 123
    QString cashierId;      // order number / the login of the user printing it
    QDate deadline;         // of the invoice's own dosage
    QString qrText;
    QString legend;           // the dosage's legend in one piece
    QStringList legendLines;  // the same, wrapped for the roll
    QString observation;
    QList<PrintedInvoiceLine> lines;

    // The law's notice every invoice prints in one piece.
    static QString lawNotice();
    // The lines as letter-size rows: quantity, description, unit price and total with two decimals,
    // then the observation row and empty rows up to seven.
    QList<VoucherRow> letterRows() const;
};
