#pragma once
#include <QImage>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The taxpayer mode of "Datos Dosificacion/Contribuyente" (panel PDatosC): the shop's own data
// printed on invoices, and its logo. Saving updates the session record in place.
class TaxpayerPanel : public QWidget {
    Q_OBJECT
public:
    explicit TaxpayerPanel(QWidget* parent = nullptr);

    // The picture the logo shows (296 x 206 once chosen here), or a null image.
    QImage logo() const { return m_logo; }

signals:
    // The data was stored and the session record holds it.
    void saved();

public slots:
    void SBBorrarDClick();
    void SBGuardarDClick();
    // Clicking the picture: choose a JPEG picture for the logo.
    void LogoClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* readOnlyField(const char* name, const QString& text);
    void showLogo(const QImage& picture);

    QLineEdit* m_ENIT = nullptr;
    QLineEdit* m_ERazonS = nullptr;
    QLineEdit* m_ESucursal = nullptr;
    QLineEdit* m_EPropietario = nullptr;
    QLineEdit* m_ETelefonoM = nullptr;
    QPlainTextEdit* m_MActividadE = nullptr;
    QLineEdit* m_EDireccionM = nullptr;
    QLineEdit* m_ECiudadM = nullptr;
    QLabel* m_Logo = nullptr;
    QPushButton* m_SBBorrarD = nullptr;
    QPushButton* m_SBGuardarD = nullptr;
    QImage m_logo;
    bool m_logoChanged = false;  // only a picture chosen or cleared here is written as the logo
};
