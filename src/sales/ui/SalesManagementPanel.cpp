#include "sales/ui/SalesManagementPanel.h"

#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "sales/PaymentForms.h"
#include "sales/SaleAnnulment.h"
#include "sales/SaleVoucherPrinting.h"
#include "widgets/DataGrid.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"
#include "widgets/StatusShape.h"
#include "widgets/UBuscar2.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

const QColor SalesManagementPanel::AnnulledMark(255, 150, 150);

using NamedControls::ReadOnlyField;
using NamedControls::ToolButton;

namespace {

constexpr int ProgressStep = 2000;

MessageSeam& Messages() { return MessageSeam::current(); }

constexpr QSize ButtonSize(120, 34);

// Waits with the hourglass while a year's list fills.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// The year typed, when it is a whole year of the list's range; 0 otherwise (still being typed).
int TypedYear(const QString& text)
{
    bool number = false;
    const int year = text.trimmed().toInt(&number);
    if (!number || text.trimmed().size() != 4 || year < SalesManagementPanel::FirstYear
        || year > SalesManagementPanel::LastYear)
        return 0;
    return year;
}

}

SalesManagementPanel::SalesManagementPanel(QWidget* parent) : SaldarDPanel(parent)
{
    setObjectName(QStringLiteral("PBuscarV"));
    m_FBuscar2 = new TFBuscar2(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildList());
    layout->addWidget(buildSale(), 1);

    try {
        fillVoucherKinds();
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
    // The year the lists stand on; before any window set it, this year.
    const int year = SessionState::current().ListYear;
    m_EAnioV->setText(QString::number(year != 0 ? year : ClockSeam::current().today().year()));
    clearSale();
    loadList();
}

SalesManagementPanel::~SalesManagementPanel() = default;

QWidget* SalesManagementPanel::buildList()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(520);
    m_EAnioV = new QLineEdit(panel);
    m_EAnioV->setObjectName(QStringLiteral("EAnioV"));
    m_EAnioV->setMaxLength(4);
    m_EAnioV->setFixedWidth(60);
    m_EAnioV->setAlignment(Qt::AlignRight);
    InputFilters::digits(m_EAnioV);
    m_SBuscar2 = ToolButton(panel, "SBuscar2", QStringLiteral("Buscar Por"), QStringLiteral("Buscar Factura"), QSize(100, 26));

    m_VecV = new DataGrid(panel);
    m_VecV->setObjectName(QStringLiteral("VecV"));
    m_VecV->addColumn(QStringLiteral("Nº"), DataGrid::ColumnType::Number, 56);
    for (const char* hidden : {"IdVenta", "FechaV", "NroFact", "NroAut", "Estado", "NitCI"})
        m_VecV->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 0, true);
    m_VecV->addColumn(QStringLiteral("Cliente"), DataGrid::ColumnType::Text, 190);
    m_VecV->addColumn(QStringLiteral("TotalF"), DataGrid::ColumnType::Number, 0, true);
    for (const char* hidden : {"TotalE", "Saldo", "CodigoC", "Sucursal", "HoraV", "FormaP", "Comprobante", "IdCaja",
                               "IdDosificacion", "Obs", "Cajero"})
        m_VecV->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 0, true);
    m_VecV->horizontalHeader()->setStretchLastSection(false);
    // A year holds many sales of one client: the date, the order and the total tell them apart.
    m_VecV->revealColumn(VFechaV, QStringLiteral("Fecha"), 80, VCliente);
    m_VecV->revealColumn(VIdVenta, QStringLiteral("Orden"), 92, VFechaV);
    m_VecV->revealColumn(VTotalF, QStringLiteral("Total"), 76, VIdVenta);

    auto* tools = new QHBoxLayout;
    tools->addWidget(new QLabel(QStringLiteral("Año:"), panel));
    tools->addWidget(m_EAnioV);
    tools->addStretch(1);
    tools->addWidget(m_SBuscar2);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(tools);
    column->addWidget(m_VecV, 1);

    connect(m_EAnioV, &QLineEdit::textEdited, this, &SalesManagementPanel::EAnioVChange);
    connect(m_SBuscar2, &QToolButton::clicked, this, &SalesManagementPanel::SBuscar2Click);
    connect(m_VecV, &DataGrid::rowSelected, this, &SalesManagementPanel::chooseSale);
    return panel;
}

QWidget* SalesManagementPanel::buildSale()
{
    auto* panel = new QWidget(this);
    m_EIdVenta = ReadOnlyField(panel, "EIdVenta");
    m_EIdVenta->setFixedWidth(120);
    m_CBFormaP = new QComboBox(panel);
    m_CBFormaP->setObjectName(QStringLiteral("CBFormaP"));
    m_CBFormaP->addItems(PaymentForms::Names());
    m_CBComprobante = new QComboBox(panel);
    m_CBComprobante->setObjectName(QStringLiteral("CBComprobante"));
    // Read-only: they show the sale, they choose nothing.
    for (QComboBox* combo : {m_CBFormaP, m_CBComprobante}) {
        combo->setEnabled(false);
        combo->setMinimumWidth(170);
    }
    m_SEstado = new StatusShape(panel);
    m_SEstado->setObjectName(QStringLiteral("SEstado"));
    m_SBAnular = ToolButton(panel, "SBAnular", QStringLiteral("ANULAR"), QStringLiteral("Anular Venta"), ButtonSize);
    m_SBImprimir = ToolButton(panel, "SBImprimir", QStringLiteral("I M P R I M I R"), QStringLiteral("Imprimir Comprobante"),
                              ButtonSize);

    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("Nº Orden:"), panel), 0, 0);
    head->addWidget(m_EIdVenta, 0, 1);
    head->addWidget(m_SEstado, 0, 2);
    head->addWidget(new QLabel(QStringLiteral("Forma de Pago:"), panel), 1, 0);
    head->addWidget(m_CBFormaP, 1, 1, 1, 2);
    head->addWidget(new QLabel(QStringLiteral("Comprobante:"), panel), 2, 0);
    head->addWidget(m_CBComprobante, 2, 1, 1, 2);
    head->setColumnStretch(3, 1);
    head->addWidget(m_SBAnular, 0, 4, 2, 1);
    head->addWidget(m_SBImprimir, 0, 5, 2, 1);

    m_Vec1 = new DataGrid(panel);
    m_Vec1->setObjectName(QStringLiteral("Vec1"));
    const struct {
        const char* header;
        int width;
        DataGrid::ColumnType type;
    } columns[] = {
        {"Cant", 56, DataGrid::ColumnType::Number},           {"IdProducto", 0, DataGrid::ColumnType::Text},
        {"IdCategoria", 0, DataGrid::ColumnType::Text},       {"Marca", 0, DataGrid::ColumnType::Text},
        {"Nombre Producto", 270, DataGrid::ColumnType::Text}, {"Presentacion", 0, DataGrid::ColumnType::Text},
        {"Unidad", 90, DataGrid::ColumnType::Text},           {"StockM", 0, DataGrid::ColumnType::Text},
        {"C.U.", 80, DataGrid::ColumnType::Number},           {"C.T.", 90, DataGrid::ColumnType::Number},
        {"CodigoB", 0, DataGrid::ColumnType::Text},           {"PVenta", 0, DataGrid::ColumnType::Text},
    };
    for (const auto& c : columns)
        m_Vec1->addColumn(QString::fromLatin1(c.header), c.type, c.width, c.width == 0);
    m_Vec1->horizontalHeader()->setStretchLastSection(false);
    m_Vec1->setColumnFooter(LPrecioT, DataGrid::Footer::SumMoney);
    m_EObs1 = ReadOnlyField(panel, "EObs1");

    auto* sale = new QGroupBox(QStringLiteral("Venta en Bs.:"), panel);
    m_ETotal = ReadOnlyField(sale, "ETotal");
    m_EEfectivo = ReadOnlyField(sale, "EEfectivo");
    m_ECambio = ReadOnlyField(sale, "ECambio");
    QFont big = font();
    big.setPixelSize(16);
    big.setBold(true);
    for (QLineEdit* edit : {m_ETotal, m_EEfectivo, m_ECambio}) {
        edit->setAlignment(Qt::AlignRight);
        edit->setFont(big);
        edit->setFixedWidth(130);
    }
    auto* amounts = new QFormLayout(sale);
    amounts->addRow(QStringLiteral("Total Bs.:"), m_ETotal);
    amounts->addRow(QStringLiteral("A Cancelar:"), m_EEfectivo);
    amounts->addRow(QStringLiteral("Cambio:"), m_ECambio);

    auto* client = new QGroupBox(QStringLiteral("Datos Cliente:"), panel);
    m_ENitC = ReadOnlyField(client, "ENitC");
    m_ENombreC = ReadOnlyField(client, "ENombreC");
    auto* clientForm = new QFormLayout(client);
    clientForm->addRow(QStringLiteral("NIT/CI:"), m_ENitC);
    clientForm->addRow(QStringLiteral("Nombre:"), m_ENombreC);

    auto* observation = new QHBoxLayout;
    observation->addWidget(new QLabel(QStringLiteral("Observación:"), panel));
    observation->addWidget(m_EObs1, 1);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(client, 1);
    boxes->addWidget(sale);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(head);
    column->addWidget(m_Vec1, 1);
    column->addLayout(observation);
    column->addLayout(boxes);

    connect(m_SBAnular, &QToolButton::clicked, this, &SalesManagementPanel::SBAnularClick);
    connect(m_SBImprimir, &QToolButton::clicked, this, &SalesManagementPanel::SBImprimirClick);
    return panel;
}

void SalesManagementPanel::fillVoucherKinds()
{
    m_CBComprobante->clear();
    const SqlRows rows =
        TDataModule1::instance().query(QStringLiteral("SELECT Comprobante FROM ComprobanteV ORDER BY IdCompV"));
    for (SqlRows r = rows; !r.atEnd(); r.next())
        m_CBComprobante->addItem(r.text(0));
    m_CBComprobante->setCurrentIndex(1);
}

// ----- the year's list -----------------------------------------------------------------------

QString SalesManagementPanel::ListStatement()
{
    return QStringLiteral(
        "SELECT IdVenta, FechaV, NroFact, NroAut, Estado, NitCI, Cliente, TotalF, TotalE, Saldo, CodigoC, Sucursal, "
        "HoraV, FormaP, Comprobante, IdCaja, IdDosificacion, Obs, Cajero FROM Ventas "
        "WHERE FechaV >= ? AND FechaV < ? AND IdCaja <> ? ORDER BY Cliente, IdVenta DESC");
}

void SalesManagementPanel::EAnioVChange()
{
    const int year = TypedYear(m_EAnioV->text());
    if (year == 0) {
        // A year still being typed, or out of range, lists nothing and says nothing.
        m_VecV->clearRows();
        return;
    }
    SessionState::current().ListYear = year;
    loadList();
}

void SalesManagementPanel::loadList()
{
    m_loading = true;
    m_VecV->clearRows();
    const int year = TypedYear(m_EAnioV->text());
    if (year == 0) {
        m_loading = false;
        return;
    }
    const SessionState& s = SessionState::current();
    // With no session open every sale of the year is listed; the open session's sales belong to
    // the register. (An empty text, never a null one: no key equals it, while a comparison with a
    // null would let no sale through.)
    const QString openSession = s.CashOpen == 1 && !s.CashSessionId.isEmpty() ? s.CashSessionId : QStringLiteral("");
    QProgressBar* bar = progressBar();
    try {
        WaitCursor wait;
        SqlRows rows = TDataModule1::instance().query(
            ListStatement(), {Formats::IsoDate(QDate(year, 1, 1)), Formats::IsoDate(QDate(year + 1, 1, 1)), openSession});
        if (bar) {
            bar->setRange(0, rows.count());
            bar->setValue(0);
            bar->show();
        }
        QList<QStringList> cells;
        cells.reserve(rows.count());
        QList<int> annulled;
        for (int number = 1; !rows.atEnd(); rows.next(), ++number) {
            const QString estado = rows.text(4);
            cells << QStringList{QString::number(number),
                                 rows.text(0),
                                 Formats::Date(rows.date(1)),
                                 rows.text(2),
                                 rows.text(3),
                                 estado,
                                 rows.text(5),
                                 rows.text(6),
                                 Formats::Money(rows.amount(7)),
                                 Formats::Money(rows.amount(8)),
                                 Formats::Money(rows.amount(9)),
                                 rows.text(10),
                                 rows.text(11),
                                 rows.text(12),
                                 rows.text(13),
                                 rows.text(14),
                                 rows.text(15),
                                 rows.text(16),
                                 rows.text(17),
                                 rows.text(18)};
            if (estado.compare(QLatin1String("V"), Qt::CaseInsensitive) != 0)
                annulled << number - 1;
            if (bar && number % ProgressStep == 0)
                bar->setValue(number);
        }
        m_VecV->addRows(cells);
        for (int row : annulled) {
            m_VecV->setCellColor(VNumero, row, AnnulledMark);
            m_VecV->setCellColor(VCliente, row, AnnulledMark);
        }
    } catch (const DatabaseError& e) {
        m_VecV->clearRows();
        Messages().error(e.text());
    }
    if (bar)
        bar->hide();
    m_loading = false;
}

void SalesManagementPanel::SBuscar2Click()
{
    if (m_VecV->rowCount() == 0)
        return;
    m_FBuscar2->showFor(SearchDialogMode::SalesManagement, m_VecV);
}

// ----- the chosen sale -----------------------------------------------------------------------

void SalesManagementPanel::chooseSale(int row)
{
    if (m_loading)
        return;
    const QString saleId = m_VecV->cell(VIdVenta, row);
    if (!saleId.isEmpty())
        showSale(saleId);
}

// The sale is read again by its key, so it shows as it is now, even when another counter changed
// it after the list was filled.
void SalesManagementPanel::showSale(const QString& saleId)
{
    std::optional<StoredSale> sale;
    try {
        sale = StoredSales::Find(saleId);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    clearSale();
    if (!sale)
        return;
    m_sale = sale;
    m_EIdVenta->setText(sale->IdVenta);
    m_ENitC->setText(sale->NitCI);
    m_ENombreC->setText(sale->Cliente);
    m_ETotal->setText(Formats::Money(sale->TotalF));
    m_EEfectivo->setText(Formats::Money(sale->TotalE));
    m_ECambio->setText(Formats::Money(sale->Saldo));
    m_CBFormaP->setCurrentIndex(sale->FormaP);
    m_CBComprobante->setCurrentIndex(sale->Comprobante);
    m_EObs1->setText(sale->Obs);
    QList<QStringList> lines;
    for (const StoredSaleLine& line : sale->lines)
        lines << QStringList{Formats::General(line.quantity),
                             line.productId,
                             QString::number(line.categoryId),
                             line.brand,
                             line.product,
                             line.presentation,
                             line.unit,
                             Formats::General(line.minimumStock),
                             Formats::Money(line.unitPrice),
                             Formats::Money(line.lineTotal),
                             line.barcode,
                             Formats::Money(line.unitPrice)};
    m_Vec1->addRows(lines);
    const bool valid = !sale->isAnnulled();
    m_SBAnular->setEnabled(valid);
    m_SBImprimir->setEnabled(valid);
    if (valid)
        m_SEstado->setState(Qt::green, QStringLiteral("Venta Valida"));
    else
        m_SEstado->setState(Qt::red, QStringLiteral("Venta Anulada"));
}

void SalesManagementPanel::clearSale()
{
    m_sale.reset();
    for (QLineEdit* edit : {m_EIdVenta, m_ENitC, m_ENombreC, m_ETotal, m_EEfectivo, m_ECambio, m_EObs1})
        edit->clear();
    m_Vec1->clearRows();
    m_CBFormaP->setCurrentIndex(-1);  // no sale, no payment form
    m_SBAnular->setEnabled(false);
    m_SBImprimir->setEnabled(false);
    m_SEstado->setState(Qt::white, QString());
}

// Selects the sale's row in the list without reading it a second time.
void SalesManagementPanel::selectSale(const QString& saleId)
{
    const int row = m_VecV->findRow(VIdVenta, saleId);
    m_loading = true;
    m_VecV->goToRow(row);
    m_loading = false;
}

void SalesManagementPanel::SBAnularClick()
{
    if (!m_sale || m_sale->isAnnulled())
        return;
    if (!Messages().question(SaleAnnulment::QuestionTitle, SaleAnnulment::Question))
        return;
    const QString saleId = m_sale->IdVenta;
    SaleAnnulment::Result result;
    try {
        result = SaleAnnulment::Annul(saleId);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    Messages().information(result.message);
    // Annulled now, here or at another counter: the list shows it under its new name and the sale
    // shows as annulled.
    loadList();
    showSale(saleId);
    selectSale(saleId);
}

void SalesManagementPanel::SBImprimirClick()
{
    if (!m_sale || m_sale->isAnnulled())
        return;
    ReprintStoredSale(m_sale->voucher());
}
