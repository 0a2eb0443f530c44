#pragma once
#include <QList>
#include <QString>
#include <functional>

// A listed item's counters as "GENERAR" read them.
struct ListedStock {
    QString productId;
    QString name;
    double ingreso = 0;
    double egreso = 0;

    double stock() const { return ingreso - egreso; }
};

// A row of the count: the item, the stock text the list showed and the quantity typed beside it.
struct CountedStock {
    ListedStock item;
    QString stockText;
    QString countedText;
};

struct InventoryResult {
    QString refusal;           // empty when stored; otherwise nothing was written
    QList<ListedStock> items;  // the counters as stored afterwards, in the order given
    QList<bool> written;       // which rows changed (a count leaves rows counted as listed alone)

    bool stored() const { return refusal.isEmpty(); }
};

// The inventory count, the roll-over and the reset of the listed items, each in one transaction
// that first reads every listed item again: a sale, purchase or delivery booked at another station
// since the list was generated refuses the whole operation (naming the item), since the figures
// typed or shown no longer describe the shelf. All the rows are written or none is. Every movement
// goes through StockMoves. Engine failures throw DatabaseError after everything was rolled back.
class InventoryCount {
public:
    using Progress = std::function<void(int row)>;  // told each row's index once it is done

    // The counted quantity becomes the stock of each row whose typed text differs from the stock
    // text listed (an identical text leaves the row alone, a whole number typed against a stock
    // with decimals does not); the outflow takes the difference. A typed quantity must be a whole
    // number, 0 or more.
    static InventoryResult Count(const QList<CountedStock>& rows, const Progress& progress = {});
    // Each item's stock becomes its intake and its outflow 0: the stock stays.
    static InventoryResult RollOver(const QList<ListedStock>& rows, const Progress& progress = {});
    // Both counters of every item to 0.
    static InventoryResult Reset(const QList<ListedStock>& rows, const Progress& progress = {});

    // Whether a typed count is a whole number of at most nine digits.
    static bool IsWholeCount(const QString& text);
};
