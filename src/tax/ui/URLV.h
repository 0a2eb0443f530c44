#pragma once
#include "tax/BookLines.h"
#include "tax/InvoiceGaps.h"

#include <QWidget>

class DataGrid;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QToolButton;
class TFBuscar2;
class TFMensajes;
class SqlRows;

// "Libro de Ventas" (AdminMode 10) or "Libro de Compras" (AdminMode 11): the month's or the
// year's invoices as the tax authority wants them, the missing invoice numbers of the sales book,
// and the book exported as the authority's text file and as a spreadsheet.
class TFRLCV : public QWidget {
    Q_OBJECT
public:
    explicit TFRLCV(QWidget* parent = nullptr);

    BookKind kind() const { return m_kind; }
    // The period of the rows listed (BookPeriod of the last load).
    const BookPeriod& period() const { return m_period; }
    const MissingInvoices& missing() const { return m_missing; }
    TFMensajes* alert() const { return m_FMensajes; }
    TFBuscar2* searchDialog() const { return m_FBuscar2; }

public slots:
    void SBCargarClick();
    void SBBuscarClick();
    void SBExportarTXTClick();
    void SBExportarXLSClick();
    void SBPrimeroClick();
    void SBAnteriorClick();
    void SBSiguienteClick();
    void SBUltimoClick();
    void SBColumnasClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar();
    void buildList();
    void buildStatusBar();
    void periodChanged();
    void setListButtonsEnabled(bool enabled);
    void showRowNumber(int row);
    void fillRows(SqlRows& rows);
    void showMissingInvoices();
    QList<QStringList> listedRows() const;
    QString chooseFile(const QString& name, const QString& filter);
    void openWritten(const QString& path, const QString& failure);

    BookKind m_kind;
    BookPeriod m_period;
    MissingInvoices m_missing;
    QList<int> m_optionalColumns;
    bool m_showingAll = false;
    QString m_folder;  // where the last file was saved

    QLineEdit* m_EAnio = nullptr;
    QComboBox* m_CBMes = nullptr;
    QToolButton* m_SBCargar = nullptr;
    QToolButton* m_SBBuscar = nullptr;
    QToolButton* m_SBExportarTXT = nullptr;
    QToolButton* m_SBExportarXLS = nullptr;
    QToolButton* m_SBPrimero = nullptr;
    QToolButton* m_SBAnterior = nullptr;
    QToolButton* m_SBSiguiente = nullptr;
    QToolButton* m_SBUltimo = nullptr;
    QToolButton* m_SBColumnas = nullptr;
    DataGrid* m_grid = nullptr;
    QLabel* m_LRegistro = nullptr;
    QLabel* m_LEstado = nullptr;
    QProgressBar* m_PBar1 = nullptr;
    TFBuscar2* m_FBuscar2 = nullptr;
    TFMensajes* m_FMensajes = nullptr;
};
