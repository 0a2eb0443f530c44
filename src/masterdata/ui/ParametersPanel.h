#pragma once
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The parameters mode of "Gestionar Usuarios" (panel PParametros): invoicing, print format and
// ticket printer (an installed one, or a thermal printer driven directly with its code page and
// cash drawer), the folder of the closing's backup copies, and emptying the database.
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
    QWidget* buildTicketPrinter(QWidget* parent);
    void showPrinterKind();
    QWidget* buildDatabaseTab();
    QWidget* buildBackupGroup(QWidget* parent);
    void showSettings();
    void showBackupFolder();
    void storeBackupFolder(const QString& folder);

    QCheckBox* m_CBFacturar = nullptr;
    QRadioButton* m_RBTicket = nullptr;
    QRadioButton* m_RBCarta = nullptr;
    QComboBox* m_CBImpresora = nullptr;
    QWidget* m_PImpresoraTicket = nullptr;
    QComboBox* m_CBTipoImpresora = nullptr;
    QWidget* m_PImpresoraDirecta = nullptr;
    QLineEdit* m_EImpresoraDirecta = nullptr;
    QComboBox* m_CBPaginaCodigos = nullptr;
    QCheckBox* m_CBCajon = nullptr;
    QPushButton* m_SBActualizarF = nullptr;
    QPushButton* m_SBVaciarDB = nullptr;
    QLineEdit* m_ECarpetaC = nullptr;
    QPushButton* m_SBCarpetaC = nullptr;
    QPushButton* m_SBCarpetaP = nullptr;
};
