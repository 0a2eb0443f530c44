#pragma once
#include <QDate>
#include <QWidget>

class DataGrid;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QToolButton;
class SqlRows;
struct Statement;

// The sales report window over a date range, by its WindowMode:
//   1 "Reporte de Ventas": what each product sold, one row per unit price;
//   6 "Reporte Entrega de Insumos": what each supply was handed out;
//   2 "Reporte de Deudores": the valid sales of one payment form with what is still owed,
//     printed with their lines (QRCreditos) and exported as a spreadsheet.
class TFRIngresos : public QWidget {
    Q_OBJECT
public:
    explicit TFRIngresos(QWidget* parent = nullptr);

    int mode() const { return m_mode; }

    // Columns of the debtors list.
    enum DebtorColumn { MNro, MFecha, MNitCI, MCliente, MTotal, MEfectivo, MSaldo, MDias, MIdVenta };

public slots:
    void SBGenerar2Click();
    void SBReporteClick();
    void SBGenerarMClick();
    void SBReporteMClick();
    void SBExportarXLSClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildProductPanel();
    QWidget* buildDebtorsPanel();
    void FormCreate();
    void categoryChosen();
    void productFilterChanged();
    void debtorFilterChanged();
    void ENitCIPick();
    bool loadRows(const Statement& statement, SqlRows& rows);
    void showProgress(int total);

    int m_mode = 1;
    // The range and filters of the last "GENERAR": what the report and the spreadsheet say.
    QString m_from;
    QString m_to;
    QDate m_fromDate;
    QDate m_toDate;
    QString m_categoryText;
    QString m_productText;
    QString m_nitCI;
    int m_paymentForm = 2;
    QString m_paymentFormText;
    QString m_folder;

    QWidget* m_PReporteI = nullptr;
    QDateEdit* m_DTFechaI = nullptr;
    QDateEdit* m_DTFechaF = nullptr;
    QComboBox* m_CBCategoria = nullptr;
    QComboBox* m_CBProductos = nullptr;
    QToolButton* m_SBGenerar2 = nullptr;
    QToolButton* m_SBReporte = nullptr;
    DataGrid* m_VecI = nullptr;

    QWidget* m_PReporteD = nullptr;
    QDateEdit* m_FechaI = nullptr;
    QDateEdit* m_FechaF = nullptr;
    QComboBox* m_CBFPago = nullptr;
    QComboBox* m_CBOrden = nullptr;
    QLineEdit* m_ENitCI = nullptr;
    QToolButton* m_SBGenerarM = nullptr;
    QToolButton* m_SBReporteM = nullptr;
    QToolButton* m_SBExportarXLS = nullptr;
    DataGrid* m_VecM = nullptr;

    QLabel* m_LEstado = nullptr;
    QProgressBar* m_PBar1 = nullptr;
};
