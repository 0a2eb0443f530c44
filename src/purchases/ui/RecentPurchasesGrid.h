#pragma once
#include "widgets/DataGrid.h"

// The list "VecC" of the latest purchases of one kind down the side of a purchase panel: only
// the supplier shows; the hidden columns carry each purchase's header (StoredPurchases::Column).
class RecentPurchasesGrid : public DataGrid {
    Q_OBJECT
public:
    RecentPurchasesGrid(const QString& supplierTitle, QWidget* parent);

    // Reads the list again (newest first) with no row chosen, so choosing any row shows it.
    void load(int inventory);
    // The texts of a row, by StoredPurchases::Column.
    QStringList rowValues(int row) const;
};
