#pragma once
#include <QWizardPage>

class QLabel;

// The products: brought in from a spreadsheet here, or typed one by one later in "Gestionar
// Almacen".
class SetupProductsPage : public QWizardPage {
    Q_OBJECT
public:
    explicit SetupProductsPage(QWidget* parent = nullptr);
    void initializePage() override;

private:
    void countProducts();

    QLabel* m_LProductos;
};
