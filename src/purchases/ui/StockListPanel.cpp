#include "purchases/ui/StockListPanel.h"

#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "purchases/ui/PanelControls.h"
#include "purchases/ui/StockFilters.h"
#include "widgets/GridNavigation.h"
#include "widgets/WindowStatusBar.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QToolButton>

namespace {

struct ModeTexts {
    int mode;
    const char* caption;
    const char* status;
    const char* opening;
    const char* active;
};

// The query modes name the operation a little differently once the window is active.
const ModeTexts kModes[] = {
    {20, "Consultar Stock de Productos", "Inventario/Stock Productos", "Operacion: Consultar Stock de Productos",
     "Operacion: Consultar Stock Productos"},
    {21, "Consultar Stock de Insumos", "Inventario/Stock Insumos", "Operacion: Consultar Stock de Insumos",
     "Operacion: Consultar Stock Insumos"},
    {30, "Arqueo Inventario de Productos", "Inventario Productos", "Operacion: Arqueo Inventario de Productos",
     "Operacion: Arqueo Inventario de Productos"},
    {31, "Arqueo Inventario de Insumos", "Inventario Insumos", "Operacion: Arqueo Inventario de Insumos",
     "Operacion: Arqueo Inventario de Insumos"},
};

const ModeTexts& TextsOf(int mode)
{
    for (const ModeTexts& texts : kModes)
        if (texts.mode == mode)
            return texts;
    return kModes[0];
}

}

StockListPanel::StockListPanel(int mode, StockGrid::Kind kind, WindowStatusBar* statusBar, QWidget* parent)
    : StockWindowPanel(mode, statusBar, parent)
{
    const bool count = kind == StockGrid::Kind::Count;
    m_filters = new StockFilters(inventory(),
                                 count ? StockFilters::Names{"CBCategoriaS", "CBMarca", "CBProducto"}
                                       : StockFilters::Names{"CBCategoria", "CBMarcas", "CBProductos"},
                                 this);
    m_grid = new StockGrid(kind, this);
    m_generate = PanelControls::Button(this, count ? "SBGenerar" : "SBGenerarI", QStringLiteral("GENERAR"),
                                       QStringLiteral("Listar los items que eligen los filtros"));
    m_navigation = new QWidget(this);
    auto* arrows = new QHBoxLayout(m_navigation);
    arrows->setContentsMargins(0, 0, 0, 0);
    for (QToolButton* button : GridNavigation::Buttons(this, m_grid)) {
        button->setMinimumSize(36, 30);
        arrows->addWidget(button);
    }
    m_filters->load();
}

int StockListPanel::inventory() const { return mode() % 10 == 1 ? 2 : 1; }

QString StockListPanel::caption() const { return QString::fromUtf8(TextsOf(mode()).caption); }
QString StockListPanel::statusText() const { return QString::fromUtf8(TextsOf(mode()).status); }
QString StockListPanel::openingOperation() const { return QString::fromUtf8(TextsOf(mode()).opening); }
QString StockListPanel::activeOperation() const { return QString::fromUtf8(TextsOf(mode()).active); }

bool StockListPanel::generate()
{
    startProgress(0);
    m_grid->clearRows();
    QList<StockItem> items;
    try {
        items = StockLists::Items(m_filters->current());
    } catch (const DatabaseError& e) {
        endProgress();
        MessageSeam::current().error(e.text());
        return false;
    }
    startProgress(int(items.size()));
    m_grid->fill(items, [this](int done) { advanceProgress(done); });
    endProgress();
    return true;
}

void StockListPanel::startProgress(int maximum)
{
    QProgressBar* bar = statusBar()->progressBar();
    bar->setRange(0, qMax(1, maximum));
    bar->setValue(0);
    bar->show();
}

void StockListPanel::advanceProgress(int done) { statusBar()->progressBar()->setValue(done); }

void StockListPanel::endProgress() { statusBar()->progressBar()->hide(); }
