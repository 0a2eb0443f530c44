#include "tax/ui/UDatosF.h"

#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "tax/ui/CertificationPanel.h"
#include "tax/ui/DosagePanel.h"
#include "tax/ui/TaxpayerPanel.h"
#include "widgets/WindowStatusBar.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

TFDatosF::TFDatosF(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FDatosF"));
    setAttribute(Qt::WA_DeleteOnClose);
    const int mode = SessionState::current().DataMode;
    m_mode = mode == 2 || mode == 3 ? mode : 1;

    auto* layout = new QVBoxLayout(this);
    QString statusText;
    switch (m_mode) {
    case 2:
        setWindowTitle(QStringLiteral("Gestionar Datos Contribuyente"));
        statusText = QStringLiteral("Editar Datos Contribuyente");
        m_PDatosC = new TaxpayerPanel(this);
        connect(m_PDatosC, &TaxpayerPanel::saved, this, &TFDatosF::taxpayerSaved);
        layout->addWidget(m_PDatosC, 1);
        break;
    case 3:
        setWindowTitle(QStringLiteral("Certificacion Codigo de Control"));
        statusText = QStringLiteral("Certificacion Codigo de Control");
        m_PCodigoC = new CertificationPanel(this);
        layout->addWidget(m_PCodigoC, 1);
        break;
    default:
        setWindowTitle(QStringLiteral("Gestionar Dosificaciones"));
        statusText = QStringLiteral("Editar Datos Dosificacion");
        m_PDosificaciones = new DosagePanel(this);
        layout->addWidget(m_PDosificaciones, 1);
        break;
    }
    m_SBar1 = new WindowStatusBar(statusText, this);
    layout->addWidget(m_SBar1);
}

bool TFDatosF::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFDatosF::FormActivate() { MainStatus::setText(3, QStringLiteral("Gestionar Dosificacion/Contribuyente")); }
