#include "reports/ui/URCompras.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "printing/ReportPreview.h"
#include "printing/URCaja.h"
#include "reports/ui/ReportFilters.h"
#include "reports/ReportQueries.h"
#include "reports/ui/ReportWindowParts.h"
#include "widgets/DataGrid.h"
#include "widgets/WindowStatusBar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ReportWindowParts;

namespace {

enum ItemColumn { CNro, CCantidad, CProducto, CUnidad, CUnitario, CTotal };
enum ServiceColumn { SNro, SCantidad, SConcepto, STotal };

struct ModeTexts {
    const char* caption;
    const char* status;
    const char* operation;
};

ModeTexts TextsOf(int mode)
{
    switch (mode) {
    case 11:
        return {"Consulta Compra de Insumos (Materia Prima)", "Consulta Compras de Insumos",
                "Operacion: Consulta Compra de Insumos"};
    case 12:
        return {"Consulta Compra de Servicios", "Consulta Compras de Servicios", "Operacion: Consulta Compra de Servicios"};
    default:
        return {"Consulta Compra de Productos a la Venta", "Consulta Compras de Productos",
                "Operacion: Consulta Compra de productos a la Venta"};
    }
}

// Runs a report statement; a refusal of the database is shown and gives no rows.
bool Run(const Statement& statement, SqlRows& rows)
{
    try {
        rows = TDataModule1::instance().query(statement.sql, statement.values);
        return true;
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return false;
    }
}

}

TFRCompras::TFRCompras(QWidget* parent) : QWidget(parent), m_mode(SessionState::current().WindowMode)
{
    if (m_mode != 11 && m_mode != 12)
        m_mode = 10;
    setObjectName(QStringLiteral("FRCompras"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* status = new WindowStatusBar(this);
    m_LEstado = status->addPanel("LEstado", 220);
    m_PBar1 = status->progressBar();

    m_PCompras = buildItemPanel();
    m_PCompraServ = buildServicePanel();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(m_PCompras, 1);
    layout->addWidget(m_PCompraServ, 1);
    layout->addWidget(status);
    FormCreate();
}

QWidget* TFRCompras::buildItemPanel()
{
    const ItemReportPanel p =
        BuildItemReportPanel(this, {"PCompras", "SBGenerar", "VecC", QStringLiteral("PRODUCTOS y/o INSUMOS")});
    m_DTFechaI = p.from;
    m_DTFechaF = p.to;
    m_CBCategoria = p.category;
    m_CBProductos = p.item;
    m_SBGenerar = p.generate;
    m_SBReporte = p.report;
    m_VecC = p.grid;

    connect(m_SBGenerar, &QToolButton::clicked, this, &TFRCompras::SBGenerarClick);
    connect(m_SBReporte, &QToolButton::clicked, this, &TFRCompras::SBReporteClick);
    connect(m_CBCategoria, &QComboBox::currentIndexChanged, this, &TFRCompras::categoryChosen);
    connect(m_CBProductos, &QComboBox::currentIndexChanged, this, &TFRCompras::filterChanged);
    return p.panel;
}

QWidget* TFRCompras::buildServicePanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PCompraServ"));
    const QDate workDate = SessionState::current().WorkDate;
    m_DTFechaIS = DatePicker(panel, "DTFechaIS", workDate.addDays(-30));
    m_DTFechaFS = DatePicker(panel, "DTFechaFS", workDate);
    m_SBGenerarS = ActionButton(panel, "SBGenerarS", QStringLiteral("GENERAR"));
    m_SBReporteS = ActionButton(panel, "SBReporteS", QStringLiteral("REPORTE"));
    m_SBReporteS->setEnabled(false);

    m_VecS = new DataGrid(panel);
    m_VecS->setObjectName(QStringLiteral("VecS"));
    using Type = DataGrid::ColumnType;
    m_VecS->addColumn(QStringLiteral("Nro"), Type::Number, 44);
    m_VecS->addColumn(QStringLiteral("Cantidad"), Type::Number, 80);
    m_VecS->addColumn(QStringLiteral("Concepto"), Type::Text, 420);
    m_VecS->addColumn(QStringLiteral("C/Total"), Type::Number, 100);
    m_VecS->setColumnFooter(SCantidad, DataGrid::Footer::Sum);
    m_VecS->setColumnFooter(STotal, DataGrid::Footer::SumMoney);

    auto* range = new QFormLayout;
    range->addRow(QStringLiteral("Desde:"), m_DTFechaIS);
    range->addRow(QStringLiteral("Hasta:"), m_DTFechaFS);
    auto* actions = new QHBoxLayout;
    actions->addWidget(m_SBGenerarS);
    actions->addWidget(m_SBReporteS);
    for (QToolButton* button : NavigationButtons(panel, m_VecS, QStringLiteral("S")))
        actions->addWidget(button);
    auto* filters = new QHBoxLayout;
    filters->addWidget(Group(panel, QStringLiteral("RANGO FECHA"), range));
    filters->addWidget(Group(panel, QStringLiteral("ACCIONES"), actions));
    filters->addStretch(1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(m_VecS, 1);

    connect(m_SBGenerarS, &QToolButton::clicked, this, &TFRCompras::SBGenerarSClick);
    connect(m_SBReporteS, &QToolButton::clicked, this, &TFRCompras::SBReporteSClick);
    return panel;
}

void TFRCompras::FormCreate()
{
    const ModeTexts texts = TextsOf(m_mode);
    setWindowTitle(QString::fromUtf8(texts.caption));
    m_LEstado->setText(QString::fromUtf8(texts.status));
    const bool services = m_mode == 12;
    m_PCompras->setVisible(!services);
    m_PCompraServ->setVisible(services);
    if (services) {
        resize(760, 460);
        return;
    }
    {
        const QSignalBlocker quiet(m_CBCategoria);
        ReportFilters::LoadCategories(m_CBCategoria, m_mode == 10 ? 1 : 2, QStringLiteral("TODAS LAS CATEGORIA"));
    }
    categoryChosen();
    resize(1000, 460);
}

bool TFRCompras::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        MainStatus::setText(3, QString::fromUtf8(TextsOf(m_mode).operation));
    return QWidget::event(event);
}

void TFRCompras::categoryChosen()
{
    const QSignalBlocker quiet(m_CBProductos);
    ReportFilters::LoadItems(m_CBProductos, m_mode == 10 ? 1 : 2, ReportFilters::ChosenCategory(m_CBCategoria),
                             m_mode == 10 ? QStringLiteral("TODOS LOS PRODUCTOS") : QStringLiteral("TODOS LOS INSUMOS"));
    filterChanged();
}

// A changed filter no longer matches the rows listed; changed dates do not matter, since the
// report prints the range of the last "GENERAR".
void TFRCompras::filterChanged() { m_SBReporte->setEnabled(false); }

void TFRCompras::showProgress(int total)
{
    m_PBar1->setRange(0, total);
    m_PBar1->setValue(0);
    m_PBar1->show();
}

void TFRCompras::SBGenerarClick()
{
    m_VecC->clearRows();
    const QDate from = m_DTFechaI->date();
    const QDate to = m_DTFechaF->date();
    SqlRows rows;
    if (!Run(ReportQueries::PurchaseTable(
                 m_mode == 10 ? 1 : 2, from, to,
                 {ReportFilters::ChosenCategory(m_CBCategoria), ReportFilters::ChosenItem(m_CBProductos)}),
             rows))
        return;
    showProgress(rows.count());
    QList<QStringList> cells;
    for (int number = 1; !rows.atEnd(); rows.next(), ++number) {
        cells << QStringList{QString::number(number),
                             Formats::General(rows.number(QStringLiteral("Cantidad"))),
                             rows.text(QStringLiteral("Producto")),
                             rows.text(QStringLiteral("UMedida")),
                             Formats::Money(rows.amount(QStringLiteral("PrecioU"))),
                             Formats::Money(rows.amount(QStringLiteral("Total")))};
        m_PBar1->setValue(number);
    }
    m_VecC->addRows(cells);
    m_PBar1->hide();
    m_VecC->goToRow(0);
    m_from = Formats::Date(from);
    m_to = Formats::Date(to);
    m_SBReporte->setEnabled(true);
}

void TFRCompras::SBReporteClick()
{
    if (m_VecC->rowCount() == 0)
        return;
    const bool products = m_mode == 10;
    ItemReportForm form;
    form.documentTitle = QStringLiteral("Reporte de Compras");
    form.heading = products ? QStringLiteral("REPORTE COMPRAS DE PRODUCTOS") : QStringLiteral("REPORTE COMPRAS DE INSUMOS");
    form.itemCaption = products ? QStringLiteral("Producto:") : QStringLiteral("Insumo:");
    form.totalCaption = QStringLiteral("Total Compras Bs.:");
    form.total = m_VecC->footerText(CTotal);
    form.category = m_CBCategoria->currentText();
    form.item = m_CBProductos->currentText();
    form.dateRange = QStringLiteral("Desde: %1 Hasta: %2").arg(m_from, m_to);
    form.printStamp = PrintStamp(QStringLiteral("Fecha y Hora de Impresión: "));
    for (int row = 0; row < m_VecC->rowCount(); ++row)
        form.rows.append(ItemReportRow{m_VecC->cell(CNro, row), m_VecC->cell(CCantidad, row), m_VecC->cell(CProducto, row),
                                       m_VecC->cell(CUnidad, row), m_VecC->cell(CUnitario, row), m_VecC->cell(CTotal, row)});
    TFRCaja::instance().ShowItemReport(form);
}

void TFRCompras::SBGenerarSClick()
{
    m_VecS->clearRows();
    const QDate from = m_DTFechaIS->date();
    const QDate to = m_DTFechaFS->date();
    SqlRows rows;
    if (!Run(ReportQueries::ServiceTable(from, to), rows))
        return;
    showProgress(rows.count());
    QList<QStringList> cells;
    for (int number = 1; !rows.atEnd(); rows.next(), ++number) {
        cells << QStringList{QString::number(number), Formats::General(rows.number(QStringLiteral("Cantidad"))),
                             rows.text(QStringLiteral("Concepto")), Formats::Money(rows.amount(QStringLiteral("Total")))};
        m_PBar1->setValue(number);
    }
    m_VecS->addRows(cells);
    m_PBar1->hide();
    m_VecS->goToRow(0);
    m_from = Formats::Date(from);
    m_to = Formats::Date(to);
    m_SBReporteS->setEnabled(true);
}

void TFRCompras::SBReporteSClick()
{
    if (m_VecS->rowCount() == 0)
        return;
    ServiceReportForm form;
    form.dateRange = QStringLiteral("Desde: %1 Hasta: %2").arg(m_from, m_to);
    form.total = m_VecS->footerText(STotal);
    form.printStamp = PrintStamp(QStringLiteral("Fecha y Hora de Impresión: "));
    for (int row = 0; row < m_VecS->rowCount(); ++row)
        form.rows.append(ServiceReportRow{m_VecS->cell(SNro, row), m_VecS->cell(SCantidad, row),
                                          m_VecS->cell(SConcepto, row), m_VecS->cell(STotal, row)});
    TFRCaja::instance().ShowServiceReport(form);
}
