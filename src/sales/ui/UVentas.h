#pragma once
#include "sales/SaleVoucher.h"
#include "sales/StoredSale.h"
#include "widgets/UnsavedWork.h"

#include <QWidget>
#include <optional>

class DataGrid;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QStatusBar;
class QToolButton;
class StatusShape;
struct QuantityRequest;
struct SaleInput;

// What the register remembers between the cashier's steps.
struct SalesRegisterState {
    int CurrentCategory = 1;    // the category last loaded into the product list (1 to 8)
    int ClientKnown = 0;        // 1 when the last NIT/CI lookup found the client
    int ClientCreditLimit = 0;  // the found client's NCreditos (0 when not found)
    QString ClientCompany;      // the found client's company, printed on the delivery note
    int FormaP = 1;             // the payment form and voucher kind of the sale last committed
    int Comprobante = 0;
    int ProductRow = -1;  // the rows last chosen in each grid
    int CartRow = -1;
};

// "Registrar Ventas": the cashier picks products from the category lists into a cart of six lines
// at most, chooses the payment form and the voucher kind, names the client, types the cash
// received and sells. The sale itself is stored by SaleCommit and printed by PrintSaleVoucher;
// this window collects the input, shows prices, totals and the change, and reports.
//
// After a sale whose voucher failed to print, the register holds that stored sale: it cannot be
// sold again, "Imprimir" prints it again, "NUEVO" returns to a new sale.
//
// A sale of the open cash session is brought back by its number (Enter in the number field or
// "Buscar"): the register shows it read-only, prints its voucher again or annuls it. Typing in the
// number field lets go of it. "Cotizar" prints the cart as a quotation and stores nothing.
class TFVentas : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    // Columns of the product list Vec0 (only Producto and Stock are shown).
    enum ProductColumn {
        PIdProducto,
        PIdCategoria,
        PMarca,
        PProducto,
        PPresentacion,
        PUMedida,
        PStockM,
        PPVenta,
        PPVentaIVA,
        PCodigoB,
        PStock,
    };
    // Columns of the cart Vec1.
    enum CartColumn {
        NxCantidad,
        NxIdProducto1,
        NxIdCategoria1,
        NxMarca1,
        NxProducto1,
        NxPresentacion1,
        NxUnidad,
        NxStockM1,
        NxPVenta1,
        NxCTotal,
        NxCodigoB1,
        NxBorrarP,
        NxPVentaO,
        NxVentaIVA,
    };
    static constexpr int MaxLines = 6;
    static const QColor StockAboveMinimum;

    explicit TFVentas(QWidget* parent = nullptr);
    ~TFVentas() override;

    QSize sizeHint() const override { return {1040, 600}; }

    const SalesRegisterState& registerState() const { return m_state; }
    // The stored sale the register holds after its voucher failed to print.
    const std::optional<SaleVoucher>& heldSale() const { return m_held; }
    // The sale brought back by its number, until the number field is typed in or "NUEVO".
    const std::optional<StoredSale>& foundSale() const { return m_found; }
    // A cart with lines not sold yet.
    bool holdsUnsavedWork() const override;

public slots:
    void BGrupoClick(int category);
    void SBNuevoPClick();
    void SBVenderClick();
    void SBImprimirClick();
    void SBBuscarClick();
    void SBAnularClick();
    void SBCotizarClick();
    void EIdVentaChange();
    void ENitCIPick();
    void CBFormaPChange();
    void CBComprobanteChange();
    void ENitCIExit();
    void EEfectivoExit();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCategoryButtons();
    QWidget* buildProductList();
    QWidget* buildCart();
    QWidget* buildClientBox();
    QWidget* buildPaymentBox();
    QWidget* buildOrderBox();
    QWidget* buildButtons();
    void buildStatusBar();
    void arrangeKeyboard();
    void focusField(QLineEdit* field);
    void focusNextSale();
    bool cartKey(int key);
    void stepQuantity(int row, int step);
    void FormCreate();
    void FormActivate();
    void prepareCategoryButtons();
    void fillVoucherKinds();
    void loadCategory(int category);
    void colourStock(int row);

    void addProduct(int row);
    void addScanned(const QString& code);
    void addToCart(const QStringList& product, double quantity);
    void showPhoto(int row);
    void changeQuantity(int row);
    void changeUnitPrice(int row);
    void removeLine(int row);
    static QuantityRequest Request(int mode, const QString& brand, const QString& product, const QString& presentation,
                                   const QString& unit);
    void setLineTotal(int row);
    void reprice(bool invoiceBasis);
    void updateTotals();
    void updateChange();
    QStringList lineTotals() const;

    SaleInput collectSale() const;
    void setProgress(int position);
    void holdSale(const SaleVoucher& sale);
    void refuseLookup(const QString& message);
    void showFoundSale(const StoredSale& sale);
    void setEntryEnabled(bool enabled);
    void resetWindow();

    SalesRegisterState m_state;
    std::optional<SaleVoucher> m_held;
    std::optional<StoredSale> m_found;
    bool m_scannerInUse = false;  // the last product came from the scanner or the "Código" field

    QList<QToolButton*> m_BGrupo;
    QLineEdit* m_ECodigoB = nullptr;
    DataGrid* m_Vec0 = nullptr;
    DataGrid* m_Vec1 = nullptr;
    QGroupBox* m_GBCliente = nullptr;
    QGroupBox* m_GBPago = nullptr;
    QComboBox* m_CBFormaP = nullptr;
    QComboBox* m_CBComprobante = nullptr;
    QLineEdit* m_ENitCI = nullptr;
    QLineEdit* m_ENombreC = nullptr;
    QLineEdit* m_ETotal = nullptr;
    QLineEdit* m_EEfectivo = nullptr;
    QLineEdit* m_ECambio = nullptr;
    QLabel* m_LSaldoC = nullptr;
    QLineEdit* m_EObs = nullptr;
    QLineEdit* m_EIdVenta = nullptr;
    StatusShape* m_SEstado = nullptr;
    QToolButton* m_SBNuevoP = nullptr;
    QToolButton* m_SBVender = nullptr;
    QToolButton* m_SBImprimir = nullptr;
    QToolButton* m_SBBuscar = nullptr;
    QToolButton* m_SBAnular = nullptr;
    QToolButton* m_SBCotizar = nullptr;
    QStatusBar* m_SBar1 = nullptr;
    QProgressBar* m_PBar1 = nullptr;
};
