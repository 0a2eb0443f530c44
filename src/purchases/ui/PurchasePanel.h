#pragma once
#include "purchases/PurchaseVoucher.h"
#include "purchases/ui/PurchaseEntrySteps.h"
#include "purchases/ui/StockWindowPanel.h"

#include <optional>

class DataGrid;
class PurchaseHeaderForm;
class PurchaseToolBar;
class RecentPurchasesGrid;
class QToolButton;
struct GoodsLineInput;

// "PComprarP", the purchase side of the purchases window: purchases of products for sale (mode
// 10) or of supplies (mode 11). The latest purchases of the kind down the left; on the right the
// supplier band, the lines "VecDP" and the receipt or invoice fields; the tool bar at the foot.
//
// It is browsing after opening, entering after "NUEVA ENTRADA" (the lines and fields take input,
// "REGISTRAR ENTRADA" and "+" work) and viewing once a listed purchase is chosen (shown, not
// editable; "ANULAR ENTRADA" works, and the print button for a receipt). Registration and
// deletion are PurchaseRegistration and PurchaseDeletion; this panel collects, shows and reports.
class PurchasePanel : public StockWindowPanel {
    Q_OBJECT
public:
    enum : int { ProductsMode = 10, SuppliesMode = 11 };
    using State = PurchaseEntrySteps::State;
    // The columns of the lines VecDP.
    enum LineColumn {
        LNumero,
        LIdProducto,
        LCategoria,
        LMarca,
        LProducto,
        LPresentacion,
        LUMedida,
        LCIni,
        LCEntr,
        LStock,
        LPUnit,
        LTotal,
        LIdCompra,
        LBorrar,
        LStockO,
    };

    PurchasePanel(int mode, WindowStatusBar* statusBar, QWidget* parent = nullptr);
    ~PurchasePanel() override;

    QString caption() const override;
    QString statusText() const override;
    QString openingOperation() const override;
    bool holdsUnsavedWork() const override;

    State state() const { return m_steps->state(); }
    // Compras.Inventario of the mode: 1 products, 2 supplies.
    int inventory() const;
    // The purchase shown (viewing), empty otherwise.
    const QString& purchaseId() const { return m_purchaseId; }

    QSize sizeHint() const override { return {980, 600}; }

public slots:
    void SBNuevoPClick();
    void SBInsertarPClick();
    void SBEliminarPClick();
    void SBImprimirClick();
    void SBListarPClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildLines();
    void FormCreate();
    void reloadList();
    void VecCSelectCell(int row);
    void VecDPClick(int row, int column);
    void editLine(int row);
    void removeLine(int row);
    void renumberLines();
    void recomputeTotals();
    void printVoucher(const QString& purchaseId);
    QList<GoodsLineInput> collectLines() const;

    QString m_purchaseId;

    RecentPurchasesGrid* m_VecC = nullptr;
    DataGrid* m_VecDP = nullptr;
    PurchaseHeaderForm* m_form = nullptr;
    PurchaseToolBar* m_TBAcciones = nullptr;
    PurchaseEntrySteps* m_steps = nullptr;
};
