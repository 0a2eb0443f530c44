#pragma once
#include <QWidget>

class DataGrid;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QToolButton;

// "Consulta de Compras": what was bought in a date range, by its WindowMode:
//   10 products and 11 supplies, grouped by item, unit and unit cost (printed as QRReporteI);
//   12 services, grouped by concept (printed as QRServicios).
// The window keeps the mode it was opened in; the printed range is that of the last "GENERAR".
class TFRCompras : public QWidget {
    Q_OBJECT
public:
    explicit TFRCompras(QWidget* parent = nullptr);

    int mode() const { return m_mode; }

public slots:
    void SBGenerarClick();
    void SBReporteClick();
    void SBGenerarSClick();
    void SBReporteSClick();

protected:
    bool event(QEvent* event) override;

private:
    QWidget* buildItemPanel();
    QWidget* buildServicePanel();
    void FormCreate();
    void categoryChosen();
    void filterChanged();
    void showProgress(int total);

    int m_mode = 10;
    QString m_from;  // the range of the last "GENERAR", dd/MM/yyyy
    QString m_to;

    QWidget* m_PCompras = nullptr;
    QDateEdit* m_DTFechaI = nullptr;
    QDateEdit* m_DTFechaF = nullptr;
    QComboBox* m_CBCategoria = nullptr;
    QComboBox* m_CBProductos = nullptr;
    QToolButton* m_SBGenerar = nullptr;
    QToolButton* m_SBReporte = nullptr;
    DataGrid* m_VecC = nullptr;

    QWidget* m_PCompraServ = nullptr;
    QDateEdit* m_DTFechaIS = nullptr;
    QDateEdit* m_DTFechaFS = nullptr;
    QToolButton* m_SBGenerarS = nullptr;
    QToolButton* m_SBReporteS = nullptr;
    DataGrid* m_VecS = nullptr;

    QLabel* m_LEstado = nullptr;
    QProgressBar* m_PBar1 = nullptr;
};
