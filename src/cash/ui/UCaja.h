#pragma once
#include "cash/ClosingFigures.h"
#include "data/ShopBackup.h"

#include <QWidget>

class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class WindowStatusBar;

// "Gestionar Caja": opens the day's cash session, raises its opening balance, or closes it. The
// mode is fixed when the window is created, from CashMode and CashOpen.
class TFCaja : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Open, Update, Close };

    explicit TFCaja(QWidget* parent = nullptr);
    Mode mode() const { return m_mode; }

public slots:
    void BAbrirCClick();
    void BReporteCClick();
    void BCerrarCClick();

protected:
    bool event(QEvent* event) override;

private:
    void buildOpenPanel();
    void buildClosePanel();
    void buildStatusBar();
    void FormCreate();
    void FormActivate();
    void updateOpeningTotal();
    void updateClosingBalance();
    void openSession();
    void updateSession();
    // Validates the closing fields and reads them; false after showing why.
    bool readClosingInput(double* counted, double* transfer);
    // The pre-report's figures; the closing computes its own under the write lock.
    ClosingFigures CalcularCierre(double counted, double transfer);
    void TicketCierre(const ClosingFigures& figures);
    void ReporteCierre(const ClosingFigures& figures);
    ShopBackup::Outcome CopiaCierre();
    void setProgress(int position);
    void closeWindow();

    Mode m_mode = Mode::Open;
    QWidget* m_PAbrirC = nullptr;
    QWidget* m_PCerrarC = nullptr;
    QDateEdit* m_DTFechaC = nullptr;
    QLineEdit* m_ESaldoC = nullptr;
    QLineEdit* m_ESaldoI = nullptr;
    QLineEdit* m_ESaldoT = nullptr;
    QPushButton* m_BAbrirC = nullptr;
    QLineEdit* m_EEfectivo = nullptr;
    QLineEdit* m_ETraspaso = nullptr;
    QLineEdit* m_ESaldo = nullptr;
    QPushButton* m_BReporteC = nullptr;
    QPushButton* m_BCerrarC = nullptr;
    WindowStatusBar* m_SBar1 = nullptr;
    QProgressBar* m_PBar1 = nullptr;
};
