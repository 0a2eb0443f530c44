#pragma once
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The certification mode of "Datos Dosificacion/Contribuyente" (panel PCodigoC): the control
// code of an invoice typed by hand, to compare with the tax authority's test cases.
class CertificationPanel : public QWidget {
    Q_OBJECT
public:
    explicit CertificationPanel(QWidget* parent = nullptr);

public slots:
    void SBBorrerCCClick();
    void SBGenerarCCClick();
    void EMontoCExit();

private:
    QLineEdit* m_EAutorizacionC = nullptr;
    QPlainTextEdit* m_MDosificacionC = nullptr;
    QLineEdit* m_ENFacturaC = nullptr;
    QLineEdit* m_ECIC = nullptr;
    QLineEdit* m_EFechaC = nullptr;
    QLineEdit* m_EMontoC = nullptr;
    QLineEdit* m_ECodigoC = nullptr;
    QPushButton* m_SBBorrerCC = nullptr;
    QPushButton* m_SBGenerarCC = nullptr;
};
