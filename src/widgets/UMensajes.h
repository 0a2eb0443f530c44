#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// "Mensaje de Alerta": lists the missing invoice numbers for the books (mode 1), or says that a
// long load is running (mode 2). Any other mode shows neither panel.
class TFMensajes : public QDialog {
    Q_OBJECT
public:
    explicit TFMensajes(QWidget* parent = nullptr);

    void setAlertMode(int mode);
    int alertMode() const { return m_mode; }
    QLabel* invoicesLabel() const { return m_LFacurasF; }
    QPlainTextEdit* invoicesMemo() const { return m_MFacturasF; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_mode = 0;
    QWidget* m_PMensajeLV;
    QWidget* m_PCargando;
    QLabel* m_LFacurasF;
    QPlainTextEdit* m_MFacturasF;
    QPushButton* m_BAceptar;
};
