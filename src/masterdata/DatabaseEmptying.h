#pragma once
#include <QString>
#include <QtGlobal>

// Emptying the shop's database: every cash session goes, and with it (through the cascading
// deletes) every sale, purchase, delivery and payment with their lines; the key counters start
// again (the product counter keeps going) and every stock is 0. Products, clients, suppliers,
// users, dosages, the taxpayer and the invoice counter stay.
namespace DatabaseEmptying {

// What an emptying would delete, for the question that asks to go on.
struct Summary {
    qint64 sessions = 0;
    qint64 sales = 0;
    qint64 invoiced = 0;  // sales that issued an invoice, annulled ones included
    qint64 purchases = 0;
    qint64 deliveries = 0;
    qint64 payments = 0;  // instalments on credit sales and purchases

    QString question() const;
};

Summary Count();

// Writes the consistent copy taken before emptying, beside the database:
// "<name>-antes-de-vaciar-<yyyyMMdd-HHmmss>.sqlite", stamped by the clock. Returns empty text and
// the copy's path in *copyPath, or the reason there is no copy.
QString BackUp(QString* copyPath);

// All in one transaction; throws DatabaseError and then nothing has changed.
void Empty();

}
