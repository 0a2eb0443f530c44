#pragma once
#include <QWizardPage>

class QComboBox;
class QLabel;
class QRadioButton;

// Where tickets and invoices print: the roll printer chosen among the computer's printers, or
// letter paper; a computer without printers keeps each ticket as a PDF file. "Imprimir Prueba"
// stores the choice and prints a test ticket on it.
class SetupPrinterPage : public QWizardPage {
    Q_OBJECT
public:
    explicit SetupPrinterPage(QWidget* parent = nullptr);
    void initializePage() override;
    bool validatePage() override;

private:
    bool store();
    void SBPruebaClick();

    QRadioButton* m_RBTicket;
    QRadioButton* m_RBCarta;
    QComboBox* m_CBImpresora;
    QLabel* m_LSinImpresora;
};
