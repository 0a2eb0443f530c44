#pragma once
#include "purchases/ui/SupplyWindowPanel.h"

#include <QList>
#include <QStringList>

class DataGrid;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QToolButton;
class StatusShape;
struct DeliveryInput;

// "Registro Egreso de Insumos" (panel PEntrega): the cashier picks supplies from the category
// lists into at most six lines, names who receives them and hands them out against a printed
// voucher; a delivery of the open cash session can be looked up by its order number, reprinted
// and annulled. The delivery itself is stored by DeliveryRegistration and annulled by
// DeliveryAnnulment; this panel collects the input and reports.
class DeliveryPanel : public SupplyWindowPanel {
    Q_OBJECT
public:
    static constexpr int Mode = 20;
    static constexpr int MaxLines = 6;

    explicit DeliveryPanel(QWidget* parent = nullptr);

    QString caption() const override { return QStringLiteral("Registro Egreso de Insumos"); }
    QString statusText() const override { return caption(); }
    QString operationText() const override { return QStringLiteral("Operacion: Registrar Egreso de Insumos"); }
    QSize preferredSize() const override { return {1010, 600}; }
    void open(QProgressBar* progress) override;

    // The category last loaded into the supply list (17 to 24).
    int currentCategory() const { return m_category; }
    // The stored delivery the panel shows after a search; empty while a new one is entered.
    const QString& loadedDelivery() const { return m_loadedId; }

public slots:
    void BGrupoClick(int category);
    void SBNuevoEClick();
    void SBEgresoClick();
    void SBBuscarClick();
    void SBAnularClick();
    void SBImprimirClick();
    void ENitCIExit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCategoryButtons();
    QWidget* buildSupplyList();
    QWidget* buildDeliveryArea();
    QWidget* buildRecipientBox();
    QWidget* buildLines();
    QWidget* buildOrderBox();
    QWidget* buildToolBar();
    void prepareCategoryButtons();
    void loadCategory(int category);

    void addSupply(int row);
    void showPhoto(int row);
    void arrangeKeyboard();
    void changeQuantity(int row);
    void removeLine(int row);
    bool askQuantity(int row, const DataGrid* grid, double start, double* quantity);
    void pickRecipient();

    DeliveryInput collectDelivery() const;
    bool showDelivery(const QString& deliveryId);
    void setEntryEnabled(bool enabled);
    void setProgress(int position);
    void resetForm();

    int m_category = 17;
    QStringList m_categoryNames;  // of categories 17 to 24, by position
    QString m_loadedId;
    QProgressBar* m_PBar1 = nullptr;

    QList<QToolButton*> m_BGrupo;
    DataGrid* m_Vec0 = nullptr;
    DataGrid* m_Vec1 = nullptr;
    QGroupBox* m_GBPersonal = nullptr;
    QLineEdit* m_ENitCI = nullptr;
    QLineEdit* m_ENombreC = nullptr;
    QLineEdit* m_EObs = nullptr;
    QLineEdit* m_EIdEgreso = nullptr;
    QToolButton* m_SBBuscar = nullptr;
    QToolButton* m_SBNuevoE = nullptr;
    QToolButton* m_SBEgreso = nullptr;
    QToolButton* m_SBAnular = nullptr;
    QToolButton* m_SBImprimir = nullptr;
    StatusShape* m_SEstado = nullptr;
};
