#pragma once
#include <QWidget>

class CertificationPanel;
class DosagePanel;
class QStatusBar;
class TaxpayerPanel;

// "Datos Dosificacion/Contribuyente": the dosages and the next invoice number (DataMode 1), the
// taxpayer's data and logo (DataMode 2), or the control-code certification tool (DataMode 3).
// The mode is fixed when the window is created.
class TFDatosF : public QWidget {
    Q_OBJECT
public:
    explicit TFDatosF(QWidget* parent = nullptr);
    int dataMode() const { return m_mode; }

signals:
    // The taxpayer's data was stored; the session record holds it.
    void taxpayerSaved();

protected:
    bool event(QEvent* event) override;

private:
    void FormActivate();

    int m_mode = 1;
    DosagePanel* m_PDosificaciones = nullptr;
    TaxpayerPanel* m_PDatosC = nullptr;
    CertificationPanel* m_PCodigoC = nullptr;
    QStatusBar* m_SBar1 = nullptr;
};
