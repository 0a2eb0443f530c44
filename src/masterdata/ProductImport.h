#pragma once
#include "masterdata/ImportColumns.h"
#include "masterdata/ImportTable.h"

#include <QList>
#include <QString>
#include <QStringList>

// A shop's product list brought in from a spreadsheet. Every row is checked first; while any row
// is bad nothing is written, and the owner gets every bad row with its line and the reason. A
// good file is stored in one transaction: the brands, units and categories it names that the
// shop lacks, every product under a key of the product counter, and each starting stock as an
// intake, so the stock lists, the closing and the reports count it as any other intake.
//
// Categories are the shop's fixed rows (eight for sale, eight for supplies): a category the shop
// lacks takes the place of one that no product has ever used, which is renamed.
namespace ProductImport {

struct Problem {
    int line = 0;
    QString reason;
    // "Linea 7: el precio no es un numero: \"doce\""
    QString text() const;
};

struct Outcome {
    QString failure;  // the file cannot be taken at all (a required column missing)
    QList<Problem> problems;
    int products = 0;  // products imported, or that would be
    double stock = 0;  // units of starting stock brought in
    QStringList newBrands, newUnits;
    QStringList newCategories;  // "FERRETERIA (en lugar de ABARROTES)"
    bool written = false;

    bool ok() const { return failure.isEmpty() && problems.isEmpty(); }
    // The lines the owner reads: what was (or would be) brought in, or what is wrong.
    QStringList report() const;
};

// Checks the rows against the shop as it is now; writes nothing.
Outcome Check(const ImportTable& table, const ImportColumns::Map& map);
// Checks again under the write lock and stores everything, or nothing while a row is bad.
// Engine failures throw DatabaseError (and nothing is written).
Outcome Import(const ImportTable& table, const ImportColumns::Map& map, const QString& user);

}
