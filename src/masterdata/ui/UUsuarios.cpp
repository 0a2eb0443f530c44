#include "masterdata/ui/UUsuarios.h"

#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "masterdata/ui/ParametersPanel.h"
#include "masterdata/ui/UsersPanel.h"
#include "widgets/WindowStatusBar.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

TFUsuarios::TFUsuarios(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FUsuarios"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_mode = SessionState::current().AdminMode == 2 ? 2 : 1;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->setSpacing(2);
    QString statusText;
    if (m_mode == 2) {
        setWindowTitle(QStringLiteral("Parametros de Configuración"));
        statusText = QStringLiteral("Gestionar Parametros de Configuración");
        m_PParametros = new ParametersPanel(this);
        layout->addWidget(m_PParametros, 1);
    } else {
        setWindowTitle(QStringLiteral("Usuarios del Sistema"));
        statusText = QStringLiteral("Gestionar Usuarios del Sistema");
        m_PUsuarios = new UsersPanel(this);
        layout->addWidget(m_PUsuarios, 1);
    }
    m_SBar1 = new WindowStatusBar(statusText, this);
    layout->addWidget(m_SBar1);
}

bool TFUsuarios::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFUsuarios::FormActivate()
{
    MainStatus::setText(3, m_mode == 2 ? QStringLiteral("Operacion: Parametros de Configuración")
                                       : QStringLiteral("Operacion: Usuarios del Sistema"));
}
