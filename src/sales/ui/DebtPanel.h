#pragma once
#include "sales/InstalmentVoucher.h"
#include "sales/DebtSide.h"
#include "sales/ui/SaldarDPanel.h"

class DataGrid;
class QLineEdit;
class QTabWidget;
class QToolButton;

// The debts of one side in the window TFSaldarD: "Cobrar Deudas" (mode 3, panel PSaldarD) collects
// clients' instalments on credit sales, "Pagar Deudas" (mode 5, panel PPorPagar) pays suppliers'
// on credit purchases. Two tabs: the open credits of a year with the instalment, and the payments
// of a year, any of which can be annulled. Both sides are laid out alike; their controls carry
// each side's names.
class DebtPanel : public SaldarDPanel {
    Q_OBJECT
public:
    static constexpr int CollectionMode = 3;
    static constexpr int PaymentMode = 5;

    // Columns of the debt list (VecD / VecP): the row number, then the debt's columns as read; only
    // the name shows. Purchases have no observation.
    enum DebtColumn { DNumero, DId, DFecha, DNitCI, DNombre, DTotalF, DTotalE, DSaldo, DObs };
    // Columns of the payment history (VecHS / VecHP); only the name shows.
    enum PaymentColumn { PNumero, PIdSaldo, PFechaR, PNitCI, PNombre, PTotalE, PFecha, PId };

    DebtPanel(DebtSide side, QWidget* parent = nullptr);

    DebtSide side() const { return m_side; }
    QString caption() const override;

    QSize sizeHint() const override { return {860, 470}; }

public slots:
    void CargarDeudas();
    void CargarPagos();
    void SBSaldarClick();
    void SBAnularClick();

private:
    QWidget* buildDebtsTab();
    QWidget* buildHistoryTab();
    void yearChanged(QLineEdit* year, DataGrid* list);
    void chooseDebt(int row);
    void choosePayment(int row);
    void amountChanged();
    void clearDebt();
    void clearPayment();
    // Both lists again, each for its own year, their tabs' fields cleared.
    void reloadBoth();
    // The voucher after the commit, as the print format says; a failure is shown, nothing undone.
    void printVoucher(const InstalmentVoucher& voucher);
    // The roll voucher, of a client's payment (TicketPagoV) or of one to a supplier (TicketPagoC).
    void TicketPago(const InstalmentVoucher& voucher);

    DebtSide m_side;
    qint64 m_paymentId = 0;

    QTabWidget* m_tabs = nullptr;
    DataGrid* m_VecD = nullptr;
    QLineEdit* m_EAnio = nullptr;
    QLineEdit* m_EBuscar = nullptr;
    QLineEdit* m_ENOrden = nullptr;
    QLineEdit* m_EFechaV = nullptr;
    QLineEdit* m_ENitCI = nullptr;
    QLineEdit* m_ECliente = nullptr;
    QLineEdit* m_EObsD = nullptr;
    QLineEdit* m_ETotalF = nullptr;
    QLineEdit* m_ETotalE = nullptr;
    QLineEdit* m_ESaldo = nullptr;
    QLineEdit* m_EAmortizar = nullptr;
    QToolButton* m_SBSaldar = nullptr;

    DataGrid* m_VecHS = nullptr;
    QLineEdit* m_EAnio2 = nullptr;
    QLineEdit* m_EBuscar2 = nullptr;
    QLineEdit* m_ENOrden2 = nullptr;
    QLineEdit* m_EFechaV2 = nullptr;
    QLineEdit* m_ENitCI2 = nullptr;
    QLineEdit* m_ECliente2 = nullptr;
    QLineEdit* m_ETotalA2 = nullptr;
    QLineEdit* m_EFechaA2 = nullptr;
    QToolButton* m_SBAnular2 = nullptr;
};
