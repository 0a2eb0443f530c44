#include "purchases/ui/UEgresoI.h"

#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "purchases/ui/DeliveryEditPanel.h"
#include "purchases/ui/DeliveryPanel.h"
#include "purchases/ui/ServicePurchasePanel.h"
#include "widgets/WindowStatusBar.h"

#include <QEvent>
#include <QProgressBar>
#include <QVBoxLayout>
#include <functional>
#include <map>

namespace {

// The modes the window serves, each with the panel it shows. A new mode is one more entry.
const std::map<int, std::function<SupplyWindowPanel*(QWidget*)>>& Panels()
{
    static const std::map<int, std::function<SupplyWindowPanel*(QWidget*)>> panels{
        {DeliveryPanel::Mode, [](QWidget* parent) { return new DeliveryPanel(parent); }},
        {DeliveryEditPanel::Mode, [](QWidget* parent) { return new DeliveryEditPanel(parent); }},
        {ServicePurchasePanel::Mode, [](QWidget* parent) { return new ServicePurchasePanel(parent); }},
    };
    return panels;
}

}

bool TFEgresoI::ServesMode(int mode) { return Panels().count(mode) > 0; }

TFEgresoI::TFEgresoI(QWidget* parent) : QWidget(parent), m_mode(SessionState::current().WindowMode)
{
    setObjectName(QStringLiteral("FEgresoI"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->setSpacing(4);

    const auto found = Panels().find(m_mode);
    if (found != Panels().end()) {
        m_panel = found->second(this);
        setWindowTitle(m_panel->caption());
        layout->addWidget(m_panel, 1);
    }
    m_SBar1 = new WindowStatusBar(m_panel ? m_panel->statusText() : QString(), this);
    layout->addWidget(m_SBar1);
    m_SBar1->progressBar()->setRange(0, 10);

    FormActivate();
    if (m_panel)
        m_panel->open(m_SBar1->progressBar());
    resize(sizeHint());
}

QSize TFEgresoI::sizeHint() const { return m_panel ? m_panel->preferredSize() : QSize(400, 200); }

bool TFEgresoI::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFEgresoI::FormActivate()
{
    if (m_panel)
        MainStatus::setText(3, m_panel->operationText());
}
