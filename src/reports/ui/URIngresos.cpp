#include "reports/ui/URIngresos.h"

#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "masterdata/ui/PickerChoice.h"
#include "masterdata/PickerMode.h"
#include "masterdata/ui/UBusquedas.h"
#include "printing/UReporteI.h"
#include "printing/URCaja.h"
#include "reports/DebtorsSpreadsheet.h"
#include "reports/ui/ReportFilters.h"
#include "reports/ReportQueries.h"
#include "reports/ui/ReportWindowParts.h"
#include "widgets/DataGrid.h"
#include "widgets/WindowStatusBar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ReportWindowParts;

namespace {

constexpr int CreditForm = 2;
enum ProductColumn { INro, ICantidad, IProducto, IUnidad, IUnitario, ITotal };

}

TFRIngresos::TFRIngresos(QWidget* parent) : QWidget(parent), m_mode(SessionState::current().WindowMode)
{
    if (m_mode != 2 && m_mode != 6)
        m_mode = 1;
    setObjectName(QStringLiteral("FRIngresos"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* status = new WindowStatusBar(this);
    m_LEstado = status->addPanel("LEstado", 200);
    m_PBar1 = status->progressBar();

    m_PReporteI = buildProductPanel();
    m_PReporteD = buildDebtorsPanel();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(m_PReporteI, 1);
    layout->addWidget(m_PReporteD, 1);
    layout->addWidget(status);
    FormCreate();
}

QWidget* TFRIngresos::buildProductPanel()
{
    const ItemReportPanel p = BuildItemReportPanel(this, {"PReporteI", "SBGenerar2", "VecI", QStringLiteral("PRODUCTOS")});
    m_DTFechaI = p.from;
    m_DTFechaF = p.to;
    m_CBCategoria = p.category;
    m_CBProductos = p.item;
    m_SBGenerar2 = p.generate;
    m_SBReporte = p.report;
    m_VecI = p.grid;

    connect(m_SBGenerar2, &QToolButton::clicked, this, &TFRIngresos::SBGenerar2Click);
    connect(m_SBReporte, &QToolButton::clicked, this, &TFRIngresos::SBReporteClick);
    connect(m_DTFechaI, &QDateEdit::dateChanged, this, &TFRIngresos::productFilterChanged);
    connect(m_DTFechaF, &QDateEdit::dateChanged, this, &TFRIngresos::productFilterChanged);
    connect(m_CBCategoria, &QComboBox::currentIndexChanged, this, &TFRIngresos::categoryChosen);
    connect(m_CBProductos, &QComboBox::currentIndexChanged, this, &TFRIngresos::productFilterChanged);
    return p.panel;
}

QWidget* TFRIngresos::buildDebtorsPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PReporteD"));
    const QDate workDate = SessionState::current().WorkDate;
    m_FechaI = DatePicker(panel, "FechaI", workDate.addDays(-30));
    m_FechaF = DatePicker(panel, "FechaF", workDate);
    m_CBFPago = new QComboBox(panel);
    m_CBFPago->setObjectName(QStringLiteral("CBFPago"));
    m_CBFPago->addItems({QStringLiteral("SIN COSTO (Gratis)"), QStringLiteral("EFECTIVO"), QStringLiteral("CREDITO"),
                         QStringLiteral("TARJETA/CHEQUE")});
    m_CBFPago->setCurrentIndex(CreditForm);
    m_CBOrden = new QComboBox(panel);
    m_CBOrden->setObjectName(QStringLiteral("CBOrden"));
    m_CBOrden->addItems({QStringLiteral("ORDEN CRONOLOGICO"), QStringLiteral("NOMBRE")});
    ReportFilters::SelectionOnly(m_CBFPago);
    ReportFilters::SelectionOnly(m_CBOrden);
    m_ENitCI = new QLineEdit(panel);
    m_ENitCI->setObjectName(QStringLiteral("ENitCI"));
    m_ENitCI->setMaxLength(12);
    m_ENitCI->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,12}")), m_ENitCI));
    m_SBGenerarM = ActionButton(panel, "SBGenerarM", QStringLiteral("GENERAR"));
    m_SBReporteM = ActionButton(panel, "SBReporteM", QStringLiteral("REPORTE"));
    m_SBExportarXLS = ActionButton(panel, "SBExportarXLS", QStringLiteral("Exp. XLS"), QStringLiteral("Exportar a Excel"));
    m_SBReporteM->setEnabled(false);
    m_SBExportarXLS->setEnabled(false);

    m_VecM = new DataGrid(panel);
    m_VecM->setObjectName(QStringLiteral("VecM"));
    using Type = DataGrid::ColumnType;
    m_VecM->addColumn(QStringLiteral("Nro"), Type::Number, 44);
    m_VecM->addColumn(QStringLiteral("Fecha"), Type::Text, 84);
    m_VecM->addColumn(QStringLiteral("C.I."), Type::Text, 90, true);
    m_VecM->addColumn(QStringLiteral("Nombre Cliente"), Type::Text, 280);
    m_VecM->addColumn(QStringLiteral("Total"), Type::Number, 90);
    m_VecM->addColumn(QStringLiteral("Efectivo"), Type::Number, 90);
    m_VecM->addColumn(QStringLiteral("Saldo"), Type::Number, 90);
    m_VecM->addColumn(QStringLiteral("Dias"), Type::Number, 50);
    m_VecM->addColumn(QStringLiteral("IdIngreso"), Type::Text, 90, true);
    for (int column : {MTotal, MEfectivo, MSaldo})
        m_VecM->setColumnFooter(column, DataGrid::Footer::SumMoney);

    auto* range = new QFormLayout;
    range->addRow(QStringLiteral("Desde:"), m_FechaI);
    range->addRow(QStringLiteral("Hasta:"), m_FechaF);
    auto* options = new QFormLayout;
    options->addRow(QStringLiteral("Forma Pago:"), m_CBFPago);
    options->addRow(QStringLiteral("Ordenado Por:"), m_CBOrden);
    options->addRow(QStringLiteral("Nit/CI Cliente (opcional):"), m_ENitCI);
    auto* actions = new QVBoxLayout;
    actions->addWidget(m_SBGenerarM);
    actions->addWidget(m_SBReporteM);
    actions->addWidget(m_SBExportarXLS);
    auto* filters = new QHBoxLayout;
    filters->addWidget(Group(panel, QStringLiteral("RANGO FECHA"), range));
    filters->addWidget(Group(panel, QStringLiteral("OPCIONES"), options));
    filters->addWidget(Group(panel, QStringLiteral("ACCIONES"), actions));
    filters->addStretch(1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(m_VecM, 1);

    connect(m_SBGenerarM, &QToolButton::clicked, this, &TFRIngresos::SBGenerarMClick);
    connect(m_SBReporteM, &QToolButton::clicked, this, &TFRIngresos::SBReporteMClick);
    connect(m_SBExportarXLS, &QToolButton::clicked, this, &TFRIngresos::SBExportarXLSClick);
    connect(m_ENitCI, &QLineEdit::returnPressed, this, &TFRIngresos::SBGenerarMClick);
    m_ENitCI->installEventFilter(this);
    connect(m_FechaI, &QDateEdit::dateChanged, this, &TFRIngresos::debtorFilterChanged);
    connect(m_FechaF, &QDateEdit::dateChanged, this, &TFRIngresos::debtorFilterChanged);
    connect(m_CBFPago, &QComboBox::currentIndexChanged, this, &TFRIngresos::debtorFilterChanged);
    connect(m_CBOrden, &QComboBox::currentIndexChanged, this, &TFRIngresos::debtorFilterChanged);
    connect(m_ENitCI, &QLineEdit::textChanged, this, &TFRIngresos::debtorFilterChanged);
    return panel;
}

// The Space bar in the NIT/CI field opens the client picker: the clients that still owe while the
// report stands on credit sales, every client otherwise.
bool TFRIngresos::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ENitCI && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        ENitCIPick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFRIngresos::ENitCIPick()
{
    TFBusquedas* picker = TFBusquedas::shared();
    if (!picker)
        return;
    if (const auto choice = picker->pick(PickerModes::ReportClient, m_CBFPago->currentIndex() == CreditForm))
        ApplyPickerChoice(PickerModes::ReportClient, *choice, m_ENitCI, nullptr);
}

void TFRIngresos::FormCreate()
{
    const bool debtors = m_mode == 2;
    m_PReporteI->setVisible(!debtors);
    m_PReporteD->setVisible(debtors);
    if (debtors) {
        setWindowTitle(QStringLiteral("Reporte de Deudores"));
        m_LEstado->setText(QStringLiteral("Reporte Deudores"));
        resize(900, 480);
        return;
    }
    const bool sales = m_mode == 1;
    setWindowTitle(sales ? QStringLiteral("Reporte de Ventas") : QStringLiteral("Reporte Entrega de Insumos"));
    m_LEstado->setText(windowTitle());
    {
        const QSignalBlocker quiet(m_CBCategoria);
        ReportFilters::LoadCategories(m_CBCategoria, sales ? 1 : 2, QStringLiteral("TODAS LAS CATEGORIAS"));
    }
    categoryChosen();
    resize(980, 480);
}

bool TFRIngresos::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        MainStatus::setText(3, m_mode == 1   ? QStringLiteral("Operacion: Reporte y/o Informes de Ventas")
                               : m_mode == 6 ? QStringLiteral("Operacion: Reporte Entrega de Insumos")
                                             : QStringLiteral("Operacion: Reporte y/o Informes de Deudas"));
    return QWidget::event(event);
}

void TFRIngresos::categoryChosen()
{
    const QSignalBlocker quiet(m_CBProductos);
    ReportFilters::LoadItems(m_CBProductos, m_mode == 1 ? 1 : 2, ReportFilters::ChosenCategory(m_CBCategoria),
                             m_mode == 1 ? QStringLiteral("TODOS LOS PRODUCTOS") : QStringLiteral("TODOS LOS INSUMOS"));
    productFilterChanged();
}

void TFRIngresos::productFilterChanged() { m_SBReporte->setEnabled(false); }

void TFRIngresos::debtorFilterChanged()
{
    m_SBReporteM->setEnabled(false);
    m_SBExportarXLS->setEnabled(false);
}

void TFRIngresos::showProgress(int total)
{
    m_PBar1->setRange(0, total);
    m_PBar1->setValue(0);
    m_PBar1->show();
}

bool TFRIngresos::loadRows(const Statement& statement, SqlRows& rows)
{
    try {
        rows = TDataModule1::instance().query(statement.sql, statement.values);
        return true;
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return false;
    }
}

void TFRIngresos::SBGenerar2Click()
{
    m_VecI->clearRows();
    const QDate from = m_DTFechaI->date();
    const QDate to = m_DTFechaF->date();
    SqlRows rows;
    if (!loadRows(
            ReportQueries::ProductTable(
                m_mode, from, to, {ReportFilters::ChosenCategory(m_CBCategoria), ReportFilters::ChosenItem(m_CBProductos)}),
            rows))
        return;
    showProgress(rows.count());
    QList<QStringList> cells;
    for (int number = 1; !rows.atEnd(); rows.next(), ++number) {
        const bool sales = m_mode == 1;
        cells << QStringList{QString::number(number),
                             Formats::General(rows.number(QStringLiteral("Cantidad"))),
                             rows.text(QStringLiteral("Producto")),
                             rows.text(QStringLiteral("UMedida")),
                             sales ? Formats::Money(rows.amount(QStringLiteral("PrecioU"))) : QStringLiteral("0"),
                             sales ? Formats::Money(rows.amount(QStringLiteral("Total"))) : QStringLiteral("0")};
        m_PBar1->setValue(number);
    }
    m_VecI->addRows(cells);
    m_PBar1->hide();
    m_VecI->goToRow(0);
    m_from = Formats::Date(from);
    m_to = Formats::Date(to);
    m_categoryText = m_CBCategoria->currentText();
    m_productText = m_CBProductos->currentText();
    m_SBReporte->setEnabled(true);
}

void TFRIngresos::SBReporteClick()
{
    if (m_VecI->rowCount() == 0)
        return;
    const bool sales = m_mode == 1;
    ItemReportForm form;
    form.documentTitle = sales ? QStringLiteral("Reporte de Ingresos") : QStringLiteral("Reporte Entrega de Insumos");
    form.heading = sales ? QStringLiteral("REPORTE DE VENTAS") : QStringLiteral("REPORTE ENTREGA DE INSUMOS");
    form.itemCaption = sales ? QStringLiteral("Producto:") : QStringLiteral("Insumo:");
    form.totalCaption = sales ? QStringLiteral("Total Ventas Bs.:") : QString();
    form.total = sales ? m_VecI->footerText(ITotal) : QString();
    form.category = m_categoryText;
    form.item = m_productText;
    form.dateRange = QStringLiteral("Desde: %1 Hasta: %2").arg(m_from, m_to);
    form.printStamp = PrintStamp(QStringLiteral("Fecha y Hora de Impresión: "));
    for (int row = 0; row < m_VecI->rowCount(); ++row)
        form.rows.append(ItemReportRow{m_VecI->cell(INro, row), m_VecI->cell(ICantidad, row), m_VecI->cell(IProducto, row),
                                       m_VecI->cell(IUnidad, row), m_VecI->cell(IUnitario, row), m_VecI->cell(ITotal, row)});
    TFRCaja::instance().ShowItemReport(form);
}

void TFRIngresos::SBGenerarMClick()
{
    m_VecM->clearRows();
    const QDate from = m_FechaI->date();
    const QDate to = m_FechaF->date();
    const int form = m_CBFPago->currentIndex();
    const QString nitCI = m_ENitCI->text().trimmed();
    SqlRows rows;
    if (!loadRows(ReportQueries::SalesByPaymentForm(from, to, nitCI, form, m_CBOrden->currentIndex() == 1), rows))
        return;
    const QDate today = ClockSeam::current().today();
    showProgress(rows.count());
    QList<QStringList> cells;
    for (int number = 1; !rows.atEnd(); rows.next(), ++number) {
        const QDate sold = rows.date(QStringLiteral("FechaV"));
        cells << QStringList{QString::number(number),
                             Formats::Date(sold),
                             rows.text(QStringLiteral("NitCI")),
                             rows.text(QStringLiteral("Cliente")),
                             Formats::Money(rows.amount(QStringLiteral("TotalF"))),
                             Formats::Money(rows.amount(QStringLiteral("TotalE"))),
                             Formats::Money(rows.amount(QStringLiteral("Saldo"))),
                             form == CreditForm ? QString::number(sold.daysTo(today)) : QStringLiteral("0"),
                             rows.text(QStringLiteral("IdVenta"))};
        m_PBar1->setValue(number);
    }
    m_VecM->addRows(cells);
    m_PBar1->hide();
    m_VecM->goToRow(0);
    m_fromDate = from;
    m_toDate = to;
    m_from = Formats::Date(from);
    m_to = Formats::Date(to);
    m_nitCI = nitCI;
    m_paymentForm = form;
    m_paymentFormText = m_CBFPago->currentText();
    m_SBReporteM->setEnabled(true);
    m_SBExportarXLS->setEnabled(true);
}

// The sales printed are the rows listed, so the header's debt total is the list's.
void TFRIngresos::SBReporteMClick()
{
    if (m_VecM->rowCount() == 0)
        return;
    SqlRows lines;
    if (!loadRows(ReportQueries::LinesOfSales(m_fromDate, m_toDate, m_nitCI, m_paymentForm), lines))
        return;
    CreditReportForm form;
    form.heading = QStringLiteral("REPORTE DE VENTAS: ") + m_paymentFormText;
    form.dateRange = QStringLiteral("Desde %1 Hasta %2").arg(m_from, m_to);
    form.total = m_VecM->footerText(MSaldo);
    form.printStamp = PrintStamp(QStringLiteral("Fecha/Hora de Impresión: "));
    for (int row = 0; row < m_VecM->rowCount(); ++row) {
        const auto amount = [&](int column) {
            double value = 0;
            Formats::ParseAmount(m_VecM->cell(column, row), &value);
            return value;
        };
        form.sales.append(CreditReportSale{m_VecM->cell(MIdVenta, row), m_VecM->cell(MFecha, row),
                                           m_VecM->cell(MCliente, row) + QStringLiteral(" - ") + m_VecM->cell(MNitCI, row),
                                           amount(MTotal), amount(MEfectivo), amount(MSaldo), m_VecM->cell(MDias, row)});
    }
    for (; !lines.atEnd(); lines.next())
        form.lines.append(CreditReportLine{lines.value(4).toString(), lines.value(0), lines.value(1).toString(),
                                           lines.value(2), lines.value(3)});
    TFReporteI::instance().ShowCreditReport(form);
}

void TFRIngresos::SBExportarXLSClick()
{
    if (m_VecM->rowCount() == 0)
        return;
    QList<QStringList> rows;
    for (int row = 0; row < m_VecM->rowCount(); ++row) {
        QStringList cells;
        for (int column = MNro; column <= MDias; ++column)
            cells << m_VecM->cell(column, row);
        rows << cells;
    }
    const QString name =
        QStringLiteral("Deudores_%1_%2.xlsx")
            .arg(m_fromDate.toString(QStringLiteral("ddMMyyyy")), m_toDate.toString(QStringLiteral("ddMMyyyy")));
    SaveAndOpen(this, m_folder, name, QStringLiteral("Libro de Excel (*.xlsx)"), [&](const QString& path) {
        const SpreadsheetWriter sheet = DebtorsSpreadsheet::Build(rows, m_from, m_to);
        showProgress(sheet.cellCount());
        const QString error = sheet.save(path, [this](int done, int) { m_PBar1->setValue(done); });
        m_PBar1->hide();
        return error;
    });
}
