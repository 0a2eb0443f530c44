#pragma once
#include <QWizardPage>

class QLabel;
class QLineEdit;

// The taxpayer: NIT and business name (while the shop has sold nothing), owner, phone, activity,
// address and city. The cash session opens only once activity, address and city are known.
class SetupTaxpayerPage : public QWizardPage {
    Q_OBJECT
public:
    explicit SetupTaxpayerPage(QWidget* parent = nullptr);
    void initializePage() override;
    bool validatePage() override;

private:
    bool store();

    QLineEdit* m_ENIT;
    QLineEdit* m_ERazonS;
    QLineEdit* m_EPropietario;
    QLineEdit* m_ETelefonoM;
    QLineEdit* m_MActividadE;
    QLineEdit* m_EDireccionM;
    QLineEdit* m_ECiudadM;
    QLabel* m_state;
};
