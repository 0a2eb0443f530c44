#pragma once
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The parameters mode of "Gestionar Usuarios" (panel PParametros): invoicing, print format and
// ticket printer, the folder of the closing's backup copies, and emptying the database.
class ParametersPanel : public QWidget {
    Q_OBJECT
public:
    explicit ParametersPanel(QWidget* parent = nullptr);

public slots:
    void SBActualizarFClick();
    void SBVaciarDBClick();
    void SBCarpetaCClick();
    void SBCarpetaPClick();

private:
    QWidget* buildPrintingTab();
    QWidget* buildDatabaseTab();
    QWidget* buildBackupGroup(QWidget* parent);
    void showSettings();
    void showBackupFolder();
    void storeBackupFolder(const QString& folder);

    QCheckBox* m_CBFacturar = nullptr;
    QRadioButton* m_RBTicket = nullptr;
    QRadioButton* m_RBCarta = nullptr;
    QComboBox* m_CBImpresora = nullptr;
    QPushButton* m_SBActualizarF = nullptr;
    QPushButton* m_SBVaciarDB = nullptr;
    QLineEdit* m_ECarpetaC = nullptr;
    QPushButton* m_SBCarpetaC = nullptr;
    QPushButton* m_SBCarpetaP = nullptr;
};
