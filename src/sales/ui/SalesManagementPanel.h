#pragma once
#include "sales/ui/SaldarDPanel.h"
#include "sales/StoredSale.h"

#include <optional>

class DataGrid;
class QComboBox;
class QLineEdit;
class QToolButton;
class StatusShape;
class TFBuscar2;

// "Gestionar Ventas" (panel PBuscarV of TFSaldarD): the sales of a year that belong to earlier cash
// sessions, by client; choosing one shows it with its lines, and lets it be annulled or its voucher
// printed again from the stored values.
class SalesManagementPanel : public SaldarDPanel {
    Q_OBJECT
public:
    // Columns of the list VecV: the row number, then the sale's columns as the list reads them
    // (only "Nº" and "Cliente" are shown).
    enum ListColumn {
        VNumero,
        VIdVenta,
        VFechaV,
        VNroFact,
        VNroAut,
        VEstado,
        VNitCI,
        VCliente,
        VTotalF,
        VTotalE,
        VSaldo,
        VCodigoC,
        VSucursal,
        VHoraV,
        VFormaP,
        VComprobante,
        VIdCaja,
        VIdDosificacion,
        VObs,
        VCajero,
    };
    // Columns of the line grid Vec1 (Cant, Nombre Producto, Unidad, C.U. and C.T. are shown).
    enum LineColumn {
        LCantidad,
        LIdProducto,
        LIdCategoria,
        LMarca,
        LProducto,
        LPresentacion,
        LUMedida,
        LStockM,
        LPrecioU,
        LPrecioT,
        LCodigoB,
        LPVenta,
    };
    static constexpr int FirstYear = 2018;
    static constexpr int LastYear = 2100;
    static const QColor AnnulledMark;  // the Nº and Cliente cells of an annulled sale

    explicit SalesManagementPanel(QWidget* parent = nullptr);
    ~SalesManagementPanel() override;

    QString caption() const override { return QStringLiteral("Gestionar Ventas"); }
    // The sale chosen, as read when it was chosen (or after its annulment).
    const std::optional<StoredSale>& chosenSale() const { return m_sale; }
    TFBuscar2* searchDialog() const { return m_FBuscar2; }

    // The year list's statement: a date range on FechaV, the open session's sales left out.
    static QString ListStatement();

public slots:
    void loadList();
    void SBAnularClick();
    void SBImprimirClick();
    void SBuscar2Click();

private:
    QWidget* buildList();
    QWidget* buildSale();
    void fillVoucherKinds();
    void EAnioVChange();
    void chooseSale(int row);
    void showSale(const QString& saleId);
    void clearSale();
    void selectSale(const QString& saleId);

    std::optional<StoredSale> m_sale;
    bool m_loading = false;

    DataGrid* m_VecV = nullptr;
    QLineEdit* m_EAnioV = nullptr;
    QToolButton* m_SBuscar2 = nullptr;
    QLineEdit* m_EIdVenta = nullptr;
    QComboBox* m_CBFormaP = nullptr;
    QComboBox* m_CBComprobante = nullptr;
    StatusShape* m_SEstado = nullptr;
    QToolButton* m_SBAnular = nullptr;
    QToolButton* m_SBImprimir = nullptr;
    DataGrid* m_Vec1 = nullptr;
    QLineEdit* m_EObs1 = nullptr;
    QLineEdit* m_ETotal = nullptr;
    QLineEdit* m_EEfectivo = nullptr;
    QLineEdit* m_ECambio = nullptr;
    QLineEdit* m_ENitC = nullptr;
    QLineEdit* m_ENombreC = nullptr;
    TFBuscar2* m_FBuscar2 = nullptr;
};
