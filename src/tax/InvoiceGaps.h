#pragma once
#include <QList>
#include <QStringList>

// Missing invoice numbers of a sales book. Numbers run on within one dosage; a new dosage may
// start again at 1 or anywhere higher, so only neighbours of the same dosage are compared.
struct BookInvoice {
    qint64 dosage = 0;
    qint64 number = 0;
};

struct MissingRun {
    qint64 first = 0;
    qint64 last = 0;
    qint64 count() const { return last - first + 1; }
};

struct MissingInvoices {
    QList<MissingRun> runs;  // in book order

    qint64 count() const;
    bool isEmpty() const { return runs.isEmpty(); }
    // The alert's lines: one number a line, except that a run longer than `longRun` numbers (a
    // jump of the invoice counter) is one line "first - last".
    QStringList lines(qint64 longRun = 1000) const;
};

// `book` in the book's order (dosage, then number). A next number of the same dosage that is
// higher than the one after this leaves the numbers between missing; an equal or lower one
// records nothing.
MissingInvoices FindMissingInvoices(const QList<BookInvoice>& book);
