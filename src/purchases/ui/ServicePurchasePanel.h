#pragma once
#include "purchases/ui/PurchaseEntrySteps.h"
#include "purchases/ui/SupplyWindowPanel.h"

class DataGrid;
class PurchaseHeaderForm;
class PurchaseToolBar;
class RecentPurchasesGrid;
struct ServiceLineInput;

// "Compra de Servicios" (panel PCompraS): services the shop pays for, recorded as purchases
// without items. The latest service purchases down the left; on the right the supplier band, the
// service lines "VecS" (quantity, concept, amount, typed in the quantity dialog's service mode) and
// the receipt or invoice fields; the tool bar at the foot. The header and its rules are those of
// the purchase panel; the purchase is stored by PurchaseRegistration::RegisterServices and deleted
// by PurchaseDeletion, and moves no stock.
class ServicePurchasePanel : public SupplyWindowPanel {
    Q_OBJECT
public:
    static constexpr int Mode = 22;
    using State = PurchaseEntrySteps::State;
    // The columns of the service lines VecS.
    enum LineColumn { SCantidad, SConcepto, STotal, SBorrar };

    explicit ServicePurchasePanel(QWidget* parent = nullptr);

    QString caption() const override { return QStringLiteral("Compra de Servicios"); }
    QString statusText() const override { return QStringLiteral("Registrar Compra de Servicios"); }
    QString operationText() const override { return QStringLiteral("Operacion: Registrar Compra de Servicios"); }
    QSize preferredSize() const override { return {980, 600}; }
    void open(QProgressBar* progress) override;

    State state() const { return m_steps->state(); }
    // The purchase shown (viewing), empty otherwise.
    const QString& purchaseId() const { return m_purchaseId; }

public slots:
    void SBNuevoSClick();
    void SBInsertarSClick();
    void SBAnularSClick();
    void SBImprimirSClick();
    void SBListarPClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildLines();
    void reloadList();
    void VecCSelectCell(int row);
    void VecSClick(int row, int column);
    void recomputeTotals();
    void printVoucher(const QString& purchaseId);
    QList<ServiceLineInput> collectLines() const;

    QString m_purchaseId;
    RecentPurchasesGrid* m_VecC = nullptr;
    DataGrid* m_VecS = nullptr;
    PurchaseHeaderForm* m_form = nullptr;
    PurchaseToolBar* m_TBAcciones = nullptr;
    PurchaseEntrySteps* m_steps = nullptr;
};
