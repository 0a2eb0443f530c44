#include "purchases/ui/StockWindowPanel.h"

StockWindowPanel::StockWindowPanel(int mode, WindowStatusBar* statusBar, QWidget* parent)
    : QWidget(parent)
    , m_mode(mode)
    , m_statusBar(statusBar)
{
}
