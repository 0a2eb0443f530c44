#pragma once
#include <QWidget>

class DataGrid;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class WindowStatusBar;
class QToolButton;
class SqlRows;
struct ClosingReportData;

// "Reportes de Caja Diaria": the closed cash sessions of a year, newest first, with their stored
// closing figures; the print cell of a row shows that closing report again. Nothing is recomputed:
// every figure comes from the session's Caja row.
class TFRCajaDiaria : public QWidget {
    Q_OBJECT
public:
    explicit TFRCajaDiaria(QWidget* parent = nullptr);

    // The list's columns: the row number, every Caja column in table order, the print cell.
    enum Column {
        ColNro,
        ColIdCaja,
        ColFecha,
        ColCInicial,
        ColVentasEf,
        ColVentasCr,
        ColVentasDo,
        ColComprasEf,
        ColComprasCr,
        ColComprasDo,
        ColTraspaso,
        ColSaldo,
        ColSobFal,
        ColPCobrar,
        ColPPagar,
        ColNVentasEf,
        ColNVentasCr,
        ColNVentasDo,
        ColNVentasSC,
        ColNComprasEf,
        ColNComprasCr,
        ColNComprasDo,
        ColNComprasSC,
        ColNVentasA,
        ColNComprasA,
        ColCajero,
        ColImprimir
    };

    // The index of the last row selected while the list had rows, or -1.
    int lastSelectedRow() const { return m_lastRow; }

public slots:
    void SBListarClick();
    void SBPrimeroClick();
    void SBAnteriorClick();
    void SBSiguienteClick();
    void SBUltimoClick();
    void VecCCellClick(int row, int column);

protected:
    bool event(QEvent* event) override;

private:
    void buildToolBar();
    void buildList();
    void buildStatusBar();
    void FormCreate();
    void FormActivate();
    void addSession(const SqlRows& rows, int number);
    ClosingReportData reportDataOfRow(int row) const;
    void yearEdited(const QString& text);
    void updateHandCursor(int row, int column);

    QLineEdit* m_EAnio = nullptr;
    QSpinBox* m_upDAnio = nullptr;
    QToolButton* m_SBListar = nullptr;
    QToolButton* m_SBPrimero = nullptr;
    QToolButton* m_SBAnterior = nullptr;
    QToolButton* m_SBSiguiente = nullptr;
    QToolButton* m_SBUltimo = nullptr;
    DataGrid* m_VecC = nullptr;
    WindowStatusBar* m_SBar1 = nullptr;
    QProgressBar* m_PBar1 = nullptr;
    int m_lastRow = -1;
};
