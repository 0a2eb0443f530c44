#pragma once
#include "purchases/ui/SupplyWindowPanel.h"

class DataGrid;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class QToolButton;
class StatusShape;
class TFBuscar2;

// "Editar Egreso de Insumos" (panel PAnular): the deliveries of a year made in other cash
// sessions, by recipient; choosing one shows it read-only, to be reprinted or annulled. "Buscar
// Por" finds a delivery of the list by NIT/CI, order number or name.
class DeliveryEditPanel : public SupplyWindowPanel {
    Q_OBJECT
public:
    static constexpr int Mode = 21;

    // Columns of the delivery list VecE: the recipient, then the ten stored columns in table order
    // (the finder reads the NIT/CI, the key and the name from columns 3, 1 and 4).
    enum Column {
        EConsignatario,
        EIdEntrega,
        EFechaE,
        ENitCI,
        ECliente,
        EHoraE,
        EObs,
        ESucursal,
        ECajero,
        EIdCaja,
        EEstado
    };

    explicit DeliveryEditPanel(QWidget* parent = nullptr);

    QString caption() const override { return QStringLiteral("Editar Egreso de Insumos"); }
    QString statusText() const override { return caption(); }
    QString operationText() const override { return QStringLiteral("Operacion: Editar Egreso de Insumos"); }
    QSize preferredSize() const override { return {1000, 560}; }
    void open(QProgressBar* progress) override;

    // The delivery shown; empty before one is chosen.
    const QString& selectedDelivery() const { return m_selectedId; }

public slots:
    void EAnioEChange(int year);
    void SBuscarEClick();
    void SBAnularAClick();
    void SBImprimirAClick();

private:
    QWidget* buildList();
    QWidget* buildDetail();
    void loadList();
    void selectRow(int row);
    void showState(bool valid);

    QString m_selectedId;
    bool m_reloading = false;
    TFBuscar2* m_FBuscar2 = nullptr;

    DataGrid* m_VecE = nullptr;
    QSpinBox* m_EAnioE = nullptr;
    QToolButton* m_SBuscarE = nullptr;
    QLineEdit* m_ENitCIA = nullptr;
    QLineEdit* m_ENombreA = nullptr;
    DataGrid* m_VecD = nullptr;
    QLineEdit* m_EObsA = nullptr;
    QLineEdit* m_EOrdenA = nullptr;
    QToolButton* m_SBAnularA = nullptr;
    QToolButton* m_SBImprimirA = nullptr;
    StatusShape* m_EstadoA = nullptr;
};
