#pragma once
#include "purchases/InventoryCount.h"
#include "purchases/ui/StockListPanel.h"

class QToolButton;

// "PArqueo", the inventory count of the purchases window for products (mode 30) or supplies
// (mode 31): the listed items with their counters and a column "Fisico" where the counted
// quantity is typed; "ARQUEAR STOCK" makes the counted quantities the stock, " ACTUALIZAR
// INICIAL" restarts the counters from the stock and " REINICIAR STOCK" sets them to zero, always
// for the listed items only. The grid "VecS" stands on the left, filters and buttons on the right.
class StockCountPanel : public StockListPanel {
    Q_OBJECT
public:
    enum : int { ProductsMode = 30, SuppliesMode = 31 };

    StockCountPanel(int mode, WindowStatusBar* statusBar, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {960, 580}; }

public slots:
    void SBGenerarClick();
    void SBArquearClick();
    void SBActualizarIClick();
    void SBReiniciarSClick();

private:
    using Operation = std::function<InventoryResult(const InventoryCount::Progress&)>;
    using Show = std::function<void(int row, const ListedStock& stored)>;
    // Asks, runs the operation over the listed rows with the progress bar, and shows what each
    // row now holds; a refusal or an engine error is shown and nothing changes.
    void runOverList(const QString& title, const QString& question, const Operation& operation, const Show& show);

    QToolButton* m_SBArquear;
    QToolButton* m_SBActualizarI;
    QToolButton* m_SBReiniciarS;
};
