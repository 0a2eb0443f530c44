#include "sales/ui/USaldarD.h"

#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "sales/ui/DebtPanel.h"
#include "sales/ui/SaldarDPanel.h"
#include "sales/ui/SalesManagementPanel.h"
#include "widgets/WindowStatusBar.h"

#include <QEvent>
#include <QVBoxLayout>

namespace {
constexpr int SalesManagementMode = 4;
}

SaldarDPanel* TFSaldarD::MakePanel(int mode, QWidget* parent)
{
    switch (mode) {
    case SalesManagementMode: return new SalesManagementPanel(parent);
    case DebtPanel::CollectionMode: return new DebtPanel(DebtSide::Sales, parent);
    case DebtPanel::PaymentMode: return new DebtPanel(DebtSide::Purchases, parent);
    default: return nullptr;
    }
}

bool TFSaldarD::HasPanel(int mode)
{
    return mode == SalesManagementMode || mode == DebtPanel::CollectionMode || mode == DebtPanel::PaymentMode;
}

TFSaldarD::TFSaldarD(QWidget* parent) : QWidget(parent), m_mode(SessionState::current().WindowMode)
{
    setObjectName(QStringLiteral("FSaldarD"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_panel = MakePanel(m_mode, this);
    const QString caption = m_panel ? m_panel->caption() : QString();
    setWindowTitle(caption);
    auto* status = new WindowStatusBar(caption, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    if (m_panel) {
        m_panel->setProgressBar(status->progressBar());
        layout->addWidget(m_panel, 1);
    }
    layout->addWidget(status);
    resize(sizeHint());
    FormActivate();
}

bool TFSaldarD::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFSaldarD::FormActivate()
{
    if (m_panel)
        MainStatus::setText(3, QStringLiteral("Operacion: ") + m_panel->caption());
}
