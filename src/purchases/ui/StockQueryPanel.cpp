#include "purchases/ui/StockQueryPanel.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "printing/ReportPreview.h"
#include "printing/URCaja.h"
#include "purchases/ui/PanelControls.h"
#include "purchases/ui/StockFilters.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

StockQueryPanel::StockQueryPanel(int mode, WindowStatusBar* statusBar, QWidget* parent)
    : StockListPanel(mode, StockGrid::Kind::Query, statusBar, parent)
{
    setObjectName(QStringLiteral("PInventario"));
    m_SBReporteI =
        PanelControls::Button(this, "SBReporteI", QStringLiteral("REPORTE"), QStringLiteral("Imprimir el stock listado"));
    m_SBReporteI->setEnabled(false);

    auto* left = new QVBoxLayout;
    for (QGroupBox* box : filters()->boxes())
        left->addWidget(box);
    for (QToolButton* button : {generateButton(), m_SBReporteI}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        left->addWidget(button);
    }
    left->addWidget(navigation());
    left->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addWidget(grid(), 1);

    connect(generateButton(), &QToolButton::clicked, this, &StockQueryPanel::SBGenerarIClick);
    connect(m_SBReporteI, &QToolButton::clicked, this, &StockQueryPanel::SBReporteIClick);
    // The report prints the list as generated: another filter no longer describes it.
    connect(filters(), &StockFilters::changed, m_SBReporteI, [this] { m_SBReporteI->setEnabled(false); });
}

void StockQueryPanel::SBGenerarIClick()
{
    if (generate())
        m_SBReporteI->setEnabled(true);
}

void StockQueryPanel::SBReporteIClick()
{
    const bool products = inventory() == 1;
    StockReportForm form;
    form.documentTitle = products ? QStringLiteral("Stock de Productos") : QStringLiteral("Stock de Insumos");
    form.heading = (products ? QStringLiteral("REPORTE STOCK DE PRODUCTOS[") : QStringLiteral("REPORTE STOCK DE INSUMOS["))
                   + Formats::Date(SessionState::current().WorkDate) + QLatin1Char(']');
    form.itemCaption = products ? QStringLiteral("Producto:") : QStringLiteral("Insumo:");
    form.category = filters()->categoryText();
    form.brand = filters()->brandText();
    form.item = filters()->itemText();
    const QDateTime now = ClockSeam::current().now();
    form.printStamp = QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(now.date()) + QLatin1Char(' ')
                      + Formats::Time(now.time());
    const StockGrid* g = grid();
    for (int row = 0; row < g->rowCount(); ++row)
        form.rows.append(StockReportRow{g->cell(StockGrid::CNro, row), g->cell(StockGrid::CProducto, row),
                                        g->cell(StockGrid::CUMedida, row), g->cell(StockGrid::CMinS, row),
                                        g->cell(StockGrid::CIngreso, row), g->cell(StockGrid::CEgreso, row),
                                        g->cell(StockGrid::CStock, row)});
    TFRCaja::instance().ShowStockReport(form);
}
