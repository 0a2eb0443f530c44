#pragma once
#include <QWizardPage>

class QLabel;
class QLineEdit;

// The password of the user running the assistant: required while it is still the shipped one,
// otherwise changed only when typed.
class SetupPasswordPage : public QWizardPage {
    Q_OBJECT
public:
    explicit SetupPasswordPage(QWidget* parent = nullptr);
    void initializePage() override;
    bool validatePage() override;

private:
    QLineEdit* m_ENuevaC;
    QLineEdit* m_ERepetirC;
    QLabel* m_state;
};
