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
    m_SBReporteI = PanelControls::Button(this, "SBReporteI", QStringLiteral("REPORTE"),
                                         QStringLiteral("Imprimir el stock listado"));
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
    ReportDefinition& report = TFRCaja::instance().QRReporteS();
    report.title = products ? QStringLiteral("Stock de Productos") : QStringLiteral("Stock de Insumos");
    report.label(QStringLiteral("LInsupr"))->setText(products ? QStringLiteral("Producto:") : QStringLiteral("Insumo:"));
    report.label(QStringLiteral("LTituloS"))
        ->setText((products ? QStringLiteral("REPORTE STOCK DE PRODUCTOS[") : QStringLiteral("REPORTE STOCK DE INSUMOS["))
                  + Formats::Date(SessionState::current().WorkDate) + QLatin1Char(']'));
    report.label(QStringLiteral("LCategoriaS"))->setText(filters()->categoryText());
    report.label(QStringLiteral("LMarcaS"))->setText(filters()->brandText());
    report.label(QStringLiteral("LProductoI"))->setText(filters()->itemText());
    const QDateTime now = ClockSeam::current().now();
    report.label(QStringLiteral("LFechaIS"))
        ->setText(QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(now.date()) + QLatin1Char(' ')
                  + Formats::Time(now.time()));
    report.setRowCallbacks([this] { m_reportRow = 0; }, [this] { return nextReportRow(); });
    ReportPreview::current().show(report);
    // The preview is closed: the report no longer reads this window's grid.
    report.clearRowCallbacks();
}

bool StockQueryPanel::nextReportRow()
{
    if (m_reportRow >= grid()->rowCount())
        return false;
    ReportDefinition& report = TFRCaja::instance().QRReporteS();
    const struct {
        const char* label;
        int column;
    } cells[] = {
        {"LNroS", StockGrid::CNro},        {"LProductoS", StockGrid::CProducto}, {"LUnidadS", StockGrid::CUMedida},
        {"LMinS", StockGrid::CMinS},       {"LInicialS", StockGrid::CIngreso},   {"LEgresoS", StockGrid::CEgreso},
        {"LStockS", StockGrid::CStock},
    };
    for (const auto& c : cells)
        report.label(QLatin1String(c.label))->setText(grid()->cell(c.column, m_reportRow));
    ++m_reportRow;
    return true;
}
