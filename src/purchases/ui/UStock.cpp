#include "purchases/ui/UStock.h"

#include "data/MainStatus.h"
#include "purchases/ui/PurchasePanel.h"
#include "purchases/ui/StockCountPanel.h"
#include "purchases/ui/StockQueryPanel.h"
#include "purchases/ui/StockWindowPanel.h"
#include "widgets/WindowStatusBar.h"

#include <QEvent>
#include <QVBoxLayout>

namespace {

using PanelMaker = StockWindowPanel* (*)(int mode, WindowStatusBar* statusBar, QWidget* parent);

template <typename Panel> StockWindowPanel* Make(int mode, WindowStatusBar* statusBar, QWidget* parent)
{
    return new Panel(mode, statusBar, parent);
}

// The panel of each mode the window serves.
const struct {
    int mode;
    PanelMaker make;
} kPanels[] = {
    {PurchasePanel::ProductsMode, &Make<PurchasePanel>},     {PurchasePanel::SuppliesMode, &Make<PurchasePanel>},
    {StockQueryPanel::ProductsMode, &Make<StockQueryPanel>}, {StockQueryPanel::SuppliesMode, &Make<StockQueryPanel>},
    {StockCountPanel::ProductsMode, &Make<StockCountPanel>}, {StockCountPanel::SuppliesMode, &Make<StockCountPanel>},
};

PanelMaker MakerOf(int mode)
{
    for (const auto& entry : kPanels)
        if (entry.mode == mode)
            return entry.make;
    return nullptr;
}

}

TFCompras::TFCompras(int mode, QWidget* parent) : QWidget(parent), m_mode(mode)
{
    setObjectName(QStringLiteral("FCompras"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_SBar1 = new WindowStatusBar(QString(), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    if (const PanelMaker make = MakerOf(mode)) {
        m_panel = make(mode, m_SBar1, this);
        layout->addWidget(m_panel, 1);
    } else {
        layout->addStretch(1);
    }
    layout->addWidget(m_SBar1);
    FormCreate();
    resize(sizeHint());
}

bool TFCompras::Serves(int mode) { return MakerOf(mode) != nullptr; }

QSize TFCompras::sizeHint() const { return m_panel ? m_panel->sizeHint() + QSize(8, 30) : QSize(400, 200); }

bool TFCompras::holdsUnsavedWork() const { return m_panel && m_panel->holdsUnsavedWork(); }

void TFCompras::FormCreate()
{
    if (!m_panel)
        return;
    setWindowTitle(m_panel->caption());
    m_SBar1->setCaption(m_panel->statusText());
    MainStatus::setText(3, m_panel->openingOperation());
}

bool TFCompras::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFCompras::FormActivate()
{
    if (m_panel)
        MainStatus::setText(3, m_panel->activeOperation());
}
