#pragma once
#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

// The parameters mode of "Gestionar Usuarios" (panel PParametros): invoicing, print format and
// ticket printer, and emptying the database.
class ParametersPanel : public QWidget {
    Q_OBJECT
public:
    explicit ParametersPanel(QWidget* parent = nullptr);

public slots:
    void SBActualizarFClick();
    void SBVaciarDBClick();

private:
    QWidget* buildPrintingTab();
    QWidget* buildDatabaseTab();
    void showSettings();

    QCheckBox* m_CBFacturar = nullptr;
    QRadioButton* m_RBTicket = nullptr;
    QRadioButton* m_RBCarta = nullptr;
    QComboBox* m_CBImpresora = nullptr;
    QPushButton* m_SBActualizarF = nullptr;
    QPushButton* m_SBVaciarDB = nullptr;
};
