#pragma once
#include "purchases/ui/StockListPanel.h"

class QToolButton;

// "PInventario", the stock query of the purchases window: the items of products (mode 20) or of
// supplies (mode 21) the filters choose, with their counters and stock, and the printed stock
// report of the list. The filters and buttons stand in a column on the left, the grid "VecI"
// fills the rest.
class StockQueryPanel : public StockListPanel {
    Q_OBJECT
public:
    enum : int { ProductsMode = 20, SuppliesMode = 21 };

    StockQueryPanel(int mode, WindowStatusBar* statusBar, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {960, 580}; }

public slots:
    void SBGenerarIClick();
    void SBReporteIClick();

private:
    QToolButton* m_SBReporteI;
};
