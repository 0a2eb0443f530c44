#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The small dialog every window asks quantities, costs and service details with, and shows
// product and supply photos in. It reads its mode, labels and starting values from
// QuantityExchange when created and writes the confirmed values back there.
//
// Numbers must be numbers: quantities above 0, prices and costs 0 or more. ACEPTAR always closes
// the dialog; only valid values set Accepted. Escape closes it without a change.
class TFCantidad : public QDialog {
    Q_OBJECT
public:
    explicit TFCantidad(QWidget* parent = nullptr);

    // Shows the dialog modally for QuantityExchange's mode; true when the user confirmed valid
    // values (Accepted is 1 then).
    static bool Run(QWidget* parent = nullptr);

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
};
