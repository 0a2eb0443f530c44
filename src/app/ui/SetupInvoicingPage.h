#pragma once
#include <QWizardPage>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// How the shop invoices: invoicing on or off, and for computerised invoices the dosage the tax
// authority gave (authorisation number, key, last day, legend) with its certification: the
// control code of one of the authority's test invoices, computed with the key typed, to compare
// with the code the authority gave for it.
class SetupInvoicingPage : public QWizardPage {
    Q_OBJECT
public:
    explicit SetupInvoicingPage(QWidget* parent = nullptr);
    void initializePage() override;
    bool validatePage() override;

private:
    QGroupBox* buildDosageGroup();
    QGroupBox* buildCertificationGroup();
    bool dosageTyped() const;
    bool storeInvoicing();
    bool storeDosage();
    void SBGenerarCCClick();
    void showActiveDosage();

    QCheckBox* m_CBFacturar;
    QGroupBox* m_dosage;
    QLabel* m_LDosificacion;
    QLineEdit* m_ENAutorizacion;
    QLineEdit* m_MDosificacion;
    QLineEdit* m_EFechaL;
    QLineEdit* m_MLeyenda;
    QLineEdit* m_ENFacturaC;
    QLineEdit* m_ECIC;
    QLineEdit* m_EFechaC;
    QLineEdit* m_EMontoC;
    QLineEdit* m_ECodigoC;
};
