#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct DeliveryNoteForm;
struct PrintedInvoice;

// One line of a sale as its vouchers print it.
struct SaleVoucherLine {
    QString quantity;  // as the cart shows it: 1, 2.5
    QString product;
    QString unit;
    double unitPrice = 0;
    double lineTotal = 0;
};

// The dosage an invoice was issued under: its deadline and its legend (Leyenda as stored).
struct VoucherDosage {
    QDate deadline;
    QString legend;
};

// A stored sale as its vouchers print it (invoice ticket, sale ticket, letter invoice, delivery
// note). It is made from the values the sale was stored with, so printing it again prints the
// same voucher. The taxpayer comes from the session record at printing time, and so does the
// dosage, unless the voucher carries the sale's own (a stored invoice printed again).
struct SaleVoucher {
    QString saleId;  // "V000000123"
    QDate date;
    QString time;         // hh:mm:ss
    int voucherKind = 0;  // 1 = invoice
    qint64 invoiceNumber = 0;
    QString authorization;
    QString controlCode;
    QString nitCi;                 // as stored ("0" for an anonymous client)
    QString clientName;            // as stored ("S/N" for an anonymous client)
    bool clientNameTyped = false;  // the sale ticket names the client only when a name was typed
    QString clientCompany;
    int paymentForm = 1;  // 0 free, 1 cash, 2 credit, 3 card or cheque
    QString paymentFormText;
    double total = 0;
    double cashReceived = 0;
    double changeOrBalance = 0;  // the change, or for a credit sale the balance still owed
    QString observation;
    QString cashier;
    QList<SaleVoucherLine> lines;
    std::optional<VoucherDosage> dosage;  // the sale's own dosage; none: the session's active one

    bool isInvoice() const { return voucherKind == 1; }
    bool isCredit() const { return paymentForm == 2; }
    // The order number: the key without its letter, as a number (V000000123 gives 123).
    QString orderNumber() const;
    // The key's nine digits, as the sale number field shows them.
    QString saleNumberText() const;

    // The deadline and the legend invoices print: the sale's own dosage when the voucher carries
    // it, otherwise the active dosage of the session. The legend in one piece (letter invoice) and
    // in the ticket's lines (none for an empty Leyenda).
    QDate invoiceDeadline() const;
    QString invoiceLegend() const;
    QStringList invoiceLegendLines() const;

    // The texts its invoice prints on any paper; the taxpayer's NIT and the cashier's login are
    // the session's at printing time.
    PrintedInvoice printedInvoice() const;
    // Its letter-size delivery note, numbered `number` (the nine digits on the day of the sale, the
    // whole key when printed again).
    DeliveryNoteForm deliveryNote(const QString& number) const;
};
