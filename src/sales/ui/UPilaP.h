#pragma once
#include <QDialog>

class DataGrid;
class QLineEdit;
class QTimer;
class QToolButton;

// "Pila de Pedidos en Espera": the orders waiting to be handed out, shown modally from "Entregas".
// Choosing an order shows its lines, client and remark; " D E S P A C H A R" marks the order shown
// dispatched. The queue is read again every minute, never sooner than a minute after the last
// choice in either list, and at once with " ACTUALIZAR"; a refresh keeps the lines shown.
class TFPilaP : public QDialog {
    Q_OBJECT
public:
    // Columns of the order list VecV ("#", "Nro Orden" and "Hora" are shown).
    enum OrderColumn { ONumero, OOrden, OHora, OCliente, OObs, OIdIngreso };
    // Columns of the line list Vec1 (the first five are shown).
    enum LineColumn { LCantidad, LProducto, LUnidad, LPrecioU, LPrecioT, LIdProducto, LIdCategoria, LControlStock };
    static constexpr int RefreshMs = 60000;

    explicit TFPilaP(QWidget* parent = nullptr);

    QTimer* refreshTimer() const { return m_Timer1; }
    // The order whose lines are shown (its IdIngreso), empty before one is chosen.
    const QString& shownOrder() const { return m_shownOrder; }

public slots:
    void loadQueue();
    void SBDespacharClick();
    void SBActualizarClick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void chooseOrder(int row);
    void restartTimer();

    DataGrid* m_VecV = nullptr;
    DataGrid* m_Vec1 = nullptr;
    QLineEdit* m_ECliente = nullptr;
    QLineEdit* m_EObs = nullptr;
    QToolButton* m_SBDespachar = nullptr;
    QToolButton* m_SBActualizar = nullptr;
    QTimer* m_Timer1 = nullptr;
    QString m_shownOrder;
    bool m_loading = false;
};
