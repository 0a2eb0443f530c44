#pragma once
#include "purchases/PurchaseRegistration.h"

#include <QObject>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// The header fields of a purchase and their rules, the same on the purchase panel and the
// service panel: the supplier band (NIT/CI with its search button, the supplier's name, payment
// form, voucher kind and the date) and the data panel "PDatosP" holding either the receipt fields
// "PRecibo" or the invoice fields "PFactura". The panel places the two pieces.
//
// Its rules: the NIT/CI takes digits only, Enter moves to the date, the space bar and the search
// button open the supplier picker, and leaving it looks the supplier up; a payment form clears
// the amounts and fixes the voucher kind (free and credit purchases are receipts, a free one
// has no amounts); the voucher kind shows its panel; the balance box shows the change, or for a
// credit purchase what is still owed.
class PurchaseHeaderForm : public QObject {
    Q_OBJECT
public:
    // The names that differ between the panels.
    struct Names {
        const char* nitCi;   // "ENitCI" / "ENitCIS"
        const char* search;  // "SBBuscar" / "SBBuscarS"
        int pickerMode;      // the supplier picker's mode of the panel
    };

    PurchaseHeaderForm(const Names& names, QWidget* parent);

    QWidget* supplierBand() const { return m_band; }
    QWidget* dataPanel() const { return m_PDatosP; }
    QLineEdit* nitEdit() const { return m_ENitCI; }

    // The voucher kinds, read from the database; the first is chosen.
    void loadVoucherKinds();
    // "NUEVA ENTRADA": everything empty, cash, the first voucher kind, the business date.
    void clearForNew();
    // Shows a stored purchase from its row of the recent purchases list.
    void showStored(const QStringList& listRow);
    // The supplier band and the data panel take input only while a purchase is entered.
    void setEditable(bool editable);
    // The totals from the lines: the sum of the line amounts into both totals (0 without lines),
    // then the balance box.
    void setLinesTotal(bool hasLines, double total);

    int paymentForm() const;
    int voucherKind() const;
    // What a registration needs from the header (the session part included).
    PurchaseHeaderInput input(int inventory) const;

signals:
    // The payment form changed and cleared the totals: the panel works them out again.
    void totalsWanted();

public slots:
    void CBFormaPChange();
    void CBComprobanteChange();
    void ENitCIExit();
    void SBBuscarClick();
    void updateBalance();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSupplierBand(QWidget* parent, const Names& names);
    QWidget* buildReceiptPanel();
    QWidget* buildInvoicePanel();
    void showVoucherPanel(int kind);
    void applyPaymentForm(int form);

    int m_pickerMode;
    QWidget* m_band = nullptr;
    QLineEdit* m_ENitCI = nullptr;
    QToolButton* m_SBBuscar = nullptr;
    QLineEdit* m_EProveedor = nullptr;
    QComboBox* m_CBFormaP = nullptr;
    QComboBox* m_CBComprobante = nullptr;
    QLabel* m_LFechaRF = nullptr;
    QDateEdit* m_DTFechaC = nullptr;

    QWidget* m_PDatosP = nullptr;
    QWidget* m_PRecibo = nullptr;
    QLineEdit* m_ENRecibo = nullptr;
    QLineEdit* m_ETotalR = nullptr;
    QLineEdit* m_EEfectivoR = nullptr;
    QLabel* m_LCoS = nullptr;
    QLineEdit* m_ESaldoR = nullptr;
    QWidget* m_PFactura = nullptr;
    QLineEdit* m_ENFactura = nullptr;
    QLineEdit* m_ENAutorizacion = nullptr;
    QLineEdit* m_ENDui = nullptr;
    QLineEdit* m_ECodigoC = nullptr;
    QLineEdit* m_ETotalF = nullptr;
    QLineEdit* m_EExentos = nullptr;
    QLineEdit* m_EDescuentos = nullptr;
    QComboBox* m_CBTipoC = nullptr;
};
