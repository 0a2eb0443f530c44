#pragma once
#include "sales/ui/QuantityRequest.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The small dialog every window asks quantities, costs and service details with, and shows
// product and supply photos in. It shows the mode, labels and starting values of the request it
// is made with and keeps the values the user confirms in its own copy.
//
// Numbers must be numbers: quantities above 0, prices and costs 0 or more. ACEPTAR always closes
// the dialog; only valid values make an answer. Escape closes it without one.
class TFCantidad : public QDialog {
    Q_OBJECT
public:
    explicit TFCantidad(const QuantityRequest& request, QWidget* parent = nullptr);

    // Shows the dialog modally for the request; the request with the values the user confirmed,
    // or nothing when the dialog closed without valid values (the photo modes never answer).
    static std::optional<QuantityRequest> Run(const QuantityRequest& request, QWidget* parent = nullptr);

    // What the dialog was asked, with the values confirmed so far.
    const QuantityRequest& request() const { return m_request; }

    // For tests: instead of waiting in exec(), Run shows the dialog and hands it to the runner,
    // which plays the user's part (types, clicks ACEPTAR, presses Escape). An empty runner puts
    // exec() back.
    using Runner = std::function<void(TFCantidad&)>;
    static void setRunner(Runner runner);

    // The picture shown in the photo modes (null when neither file loads).
    QPixmap photo() const;

public slots:
    void BAceptarClick();

private:
    QWidget* buildProductLabels();
    QWidget* buildSaleQuantityPanel();
    QWidget* buildPurchasePanel();
    QWidget* buildCostPanel();
    QWidget* buildPhotoPanel();
    QWidget* buildServicePanel();
    void showMode();
    bool confirmSaleQuantity();
    bool confirmPurchase();
    bool confirmCost();
    bool confirmService();

    QWidget* m_labels = nullptr;
    QLabel* m_LMarca = nullptr;
    QLabel* m_LProducto = nullptr;
    QLabel* m_LPresentacion = nullptr;
    QLabel* m_LUnidad = nullptr;
    QWidget* m_PCantidadV = nullptr;
    QLineEdit* m_ECantidadV = nullptr;
    QWidget* m_PCantidadC = nullptr;
    QLineEdit* m_ECantidadC = nullptr;
    QLineEdit* m_ECTotalC = nullptr;
    QWidget* m_PECosto = nullptr;
    QLineEdit* m_ECostoN = nullptr;
    QWidget* m_PImagen = nullptr;
    QLabel* m_LNombreI = nullptr;
    QLabel* m_IFoto = nullptr;
    QWidget* m_PDServicio = nullptr;
    QLineEdit* m_ECantidadS = nullptr;
    QPlainTextEdit* m_MConceptoS = nullptr;
    QLineEdit* m_ETotalS = nullptr;
    QPushButton* m_BAceptar = nullptr;
    QPushButton* m_BCerrar = nullptr;
    QuantityRequest m_request;
    bool m_confirmed = false;
};
