#pragma once
#include <QWidget>

class DataGrid;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The dosage mode of "Datos Dosificacion/Contribuyente" (panel PDosificaciones): the latest
// dosages, the tab that inserts a new one or corrects the active one, and the tab that sets the
// number of the next invoice. Every change ends the program, so the next login reads it.
class DosagePanel : public QWidget {
    Q_OBJECT
public:
    // Grid columns: the visible ones, then the row's data in table order.
    enum Column {
        ColN,
        ColFecha,
        ColE,
        ColIdDosificacion,
        ColFechaR,
        ColNAutorizacion,
        ColDosificacion,
        ColFLimiteE,
        ColLeyenda,
        ColTelefonoS,
        ColDireccionS,
        ColCiudadS,
        ColTelefonoM,
        ColDireccionM,
        ColCiudadM
    };

    explicit DosagePanel(QWidget* parent = nullptr);

public slots:
    void SBBorrarDsClick();
    void SBInsertarDoClick();
    void SBActualizarDoClick();
    void SBActualizarFClick();

private:
    QWidget* buildDosageTab();
    QWidget* buildInvoiceNumberTab();
    void loadDosages();
    void loadInvoiceNumber();
    void selectRow(int row);
    void showAddress(const QString& phone, const QString& address, const QString& city);
    bool atBranch() const;
    // Shows the refusal (information, or the error box for a value that is no number or date);
    // false when there is one.
    bool accepted(const QString& refusal, bool error);
    void finish(const QString& message);

    DataGrid* m_VecDo = nullptr;
    QLineEdit* m_ENAutorizacion = nullptr;
    QPlainTextEdit* m_MDosificacion = nullptr;
    QLineEdit* m_EFechaL = nullptr;
    QPlainTextEdit* m_MLeyenda = nullptr;
    QLabel* m_LTelefono = nullptr;
    QLabel* m_LDireccion = nullptr;
    QLabel* m_LCiudad = nullptr;
    QLineEdit* m_ETelefono = nullptr;
    QLineEdit* m_EDireccion = nullptr;
    QLineEdit* m_ECiudad = nullptr;
    QPushButton* m_SBBorrarDs = nullptr;
    QPushButton* m_SBActualizarDo = nullptr;
    QPushButton* m_SBInsertarDo = nullptr;
    QLineEdit* m_ENumeroF = nullptr;
    QPushButton* m_SBActualizarF = nullptr;
    int m_row = -1;
};
