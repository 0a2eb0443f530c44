#pragma once
#include <QWizardPage>

class QLabel;

// What the assistant does, and which steps are done and which are still to do.
class SetupWelcomePage : public QWizardPage {
    Q_OBJECT
public:
    explicit SetupWelcomePage(QWidget* parent = nullptr);
    void initializePage() override;

private:
    QLabel* m_LPasos;
};
