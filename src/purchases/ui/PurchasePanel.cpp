#include "purchases/ui/PurchasePanel.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "masterdata/PickerMode.h"
#include "masterdata/ui/UListarProd.h"
#include "printing/URVenta.h"
#include "purchases/ui/PurchaseHeaderForm.h"
#include "purchases/PurchaseRegistration.h"
#include "purchases/ui/PurchaseToolBar.h"
#include "purchases/ui/RecentPurchasesGrid.h"
#include "purchases/StoredPurchases.h"
#include "sales/ui/UCantidad.h"
#include "widgets/DataGrid.h"
#include "widgets/GridIcons.h"
#include "widgets/WindowKeys.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

MessageSeam& Messages() { return MessageSeam::current(); }

double Number(const QString& text)
{
    double value = 0;
    Formats::ParseAmount(text, &value);
    return value;
}

// The texts of each mode.
struct ModeTexts {
    const char* caption;
    const char* status;
    const char* operation;
};
const ModeTexts kProducts{"Compra de Productos para la Venta", "Realizar Compra de Productos",
                          "Operacion: Gestionar Compra de Productos"};
const ModeTexts kSupplies{"Compra de Insumos (Materia Prima)", "Realizar Compra de Insumos",
                          "Operacion: Gestionar Compra de Insumos"};

}

PurchasePanel::PurchasePanel(int mode, WindowStatusBar* statusBar, QWidget* parent)
    : StockWindowPanel(mode, statusBar, parent)
{
    setObjectName(QStringLiteral("PComprarP"));
    m_VecC = new RecentPurchasesGrid(QStringLiteral("Proveedor"), this);
    m_form = new PurchaseHeaderForm({"ENitCI", "SBBuscar", PickerModes::PurchaseSupplier}, this);
    m_TBAcciones = new PurchaseToolBar({"SBNuevoP", "SBInsertarP", "SBEliminarP", "SBImprimir", "Añadir Productos"}, this);

    auto* right = new QVBoxLayout;
    right->addWidget(m_form->supplierBand());
    right->addWidget(buildLines(), 1);
    right->addWidget(m_form->dataPanel());
    auto* top = new QHBoxLayout;
    top->addWidget(m_VecC);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top, 1);
    layout->addWidget(m_TBAcciones);

    m_steps = new PurchaseEntrySteps(m_VecC, m_form, m_TBAcciones, this);
    connect(m_VecC, &DataGrid::rowSelected, this, &PurchasePanel::VecCSelectCell);
    connect(m_form, &PurchaseHeaderForm::totalsWanted, this, &PurchasePanel::recomputeTotals);
    connect(m_TBAcciones->newEntry(), &QToolButton::clicked, this, &PurchasePanel::SBNuevoPClick);
    connect(m_TBAcciones->store(), &QToolButton::clicked, this, &PurchasePanel::SBInsertarPClick);
    connect(m_TBAcciones->remove(), &QToolButton::clicked, this, &PurchasePanel::SBEliminarPClick);
    connect(m_TBAcciones->print(), &QToolButton::clicked, this, &PurchasePanel::SBImprimirClick);
    connect(m_TBAcciones->add(), &QToolButton::clicked, this, &PurchasePanel::SBListarPClick);

    (new WindowKeys(this))->pressButtonsWithEnter();
    FormCreate();
}

PurchasePanel::~PurchasePanel() = default;

QWidget* PurchasePanel::buildLines()
{
    m_VecDP = new DataGrid(this);
    m_VecDP->setObjectName(QStringLiteral("VecDP"));
    using Type = DataGrid::ColumnType;
    const struct {
        const char* header;
        int width;
        bool shown;
        Type type;
    } columns[] = {
        {"#", 30, true, Type::Number},       {"IdProducto", 0, false, Type::Text}, {"Categoria", 0, false, Type::Text},
        {"Marca", 0, false, Type::Text},     {"Producto", 200, true, Type::Text},  {"Presentacion", 0, false, Type::Text},
        {"U. Medida", 80, true, Type::Text}, {"C.Ini.", 60, true, Type::Number},   {"C.Entr.", 60, true, Type::Number},
        {"Stock", 60, true, Type::Number},   {"P.Unit.", 70, true, Type::Number},  {"Total Bs.", 84, true, Type::Number},
        {"IdCompra", 0, false, Type::Text},  {"", 28, true, Type::Image},          {"StockO", 0, false, Type::Text},
    };
    for (const auto& c : columns)
        m_VecDP->addColumn(QString::fromLatin1(c.header), c.type, c.width, !c.shown);
    m_VecDP->setColumnImage(LBorrar, GridIcons::DeleteIcon());
    m_VecDP->setColumnFooter(LTotal, DataGrid::Footer::SumMoney);
    m_VecDP->horizontalHeader()->setSectionResizeMode(LProducto, QHeaderView::Stretch);
    m_VecDP->horizontalHeader()->setStretchLastSection(false);
    m_VecDP->setMinimumHeight(180);
    m_VecDP->viewport()->installEventFilter(this);
    m_VecDP->installEventFilter(this);
    connect(m_VecDP, &QTableWidget::cellClicked, this, &PurchasePanel::VecDPClick);
    return m_VecDP;
}

QString PurchasePanel::caption() const
{
    return QString::fromUtf8((mode() == SuppliesMode ? kSupplies : kProducts).caption);
}

QString PurchasePanel::statusText() const
{
    return QString::fromUtf8((mode() == SuppliesMode ? kSupplies : kProducts).status);
}

QString PurchasePanel::openingOperation() const
{
    return QString::fromUtf8((mode() == SuppliesMode ? kSupplies : kProducts).operation);
}

bool PurchasePanel::holdsUnsavedWork() const { return state() == State::Entering && m_VecDP->rowCount() > 0; }

int PurchasePanel::inventory() const { return mode() == SuppliesMode ? PurchaseCodes::Supplies : PurchaseCodes::Products; }

// ----- opening and the list ------------------------------------------------------------------

void PurchasePanel::FormCreate()
{
    try {
        m_form->loadVoucherKinds();
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
    reloadList();
    m_form->clearForNew();
    m_steps->setState(State::Browsing);
}

void PurchasePanel::reloadList()
{
    try {
        m_VecC->load(inventory());
    } catch (const DatabaseError& e) {
        m_VecC->clearRows();
        Messages().error(e.text());
    }
}

// Choosing a listed purchase shows it, header and lines as they were stored; it cannot be edited.
void PurchasePanel::VecCSelectCell(int row)
{
    if (row < 0 || row >= m_VecC->rowCount())
        return;
    const QStringList values = m_VecC->rowValues(row);
    SqlRows lines;
    try {
        lines = StoredPurchases::GoodsLines(values.value(StoredPurchases::ColIdCompra));
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    m_VecDP->clearRows();
    QList<QStringList> rows;
    for (int number = 1; !lines.atEnd(); lines.next(), ++number) {
        // The stock after the purchase, in whole units as a stored purchase shows it.
        const double stock = std::llround(lines.number(6)) + std::llround(lines.number(7));
        rows << QStringList{QString::number(number),
                            lines.text(0),
                            lines.text(1),
                            lines.text(2),
                            lines.text(3),
                            lines.text(4),
                            lines.text(5),
                            Formats::General(lines.number(6)),
                            Formats::General(lines.number(7)),
                            Formats::General(stock),
                            Formats::Money(lines.amount(8)),
                            Formats::General(lines.amount(9)),
                            lines.text(10),
                            QString(),
                            QString()};
    }
    m_VecDP->addRows(rows);
    // A stored line cannot be removed: it shows no delete icon.
    for (int row = 0; row < m_VecDP->rowCount(); ++row)
        m_VecDP->setCellImage(LBorrar, row, QPixmap());
    m_purchaseId = values.value(StoredPurchases::ColIdCompra);
    m_form->showStored(values);
    m_steps->setState(State::Viewing, values.value(StoredPurchases::ColComprobante).toInt());
}

// ----- entering ------------------------------------------------------------------------------

void PurchasePanel::SBNuevoPClick()
{
    m_form->clearForNew();
    m_VecDP->clearRows();
    m_purchaseId.clear();
    // No row stays chosen, so choosing any row of the list shows it.
    m_VecC->setCurrentCell(-1, -1);
    m_steps->setState(State::Entering);
    m_form->nitEdit()->setFocus();
}

void PurchasePanel::SBListarPClick()
{
    TFListarProd* list = TFListarProd::shared();
    if (!m_steps->entering() || !list)
        return;
    QStringList ids;
    for (int row = 0; row < m_VecDP->rowCount(); ++row)
        ids << m_VecDP->cell(LIdProducto, row);
    if (const auto product = list->choose(mode(), ids)) {
        const QString stock = Formats::General(product->Stock);
        const int row = m_VecDP->addRow(
            {QString::number(m_VecDP->rowCount() + 1), product->IdProducto, QString::number(product->IdCategoria),
             product->Marca, product->Producto, product->Presentacion, product->UMedida, stock, QStringLiteral("0"), stock,
             Formats::General(product->PCompra), QStringLiteral("0"), QString(), QStringLiteral("0"), stock});
        m_VecDP->goToRow(row);
    }
    if (!m_VecDP->cell(LIdProducto, m_VecDP->selectedRow()).isEmpty())
        recomputeTotals();
}

void PurchasePanel::VecDPClick(int row, int column)
{
    if (!m_steps->entering() || row < 0 || row >= m_VecDP->rowCount())
        return;
    if (column == LCEntr || column == LTotal)
        editLine(row);
    else if (column == LBorrar && m_VecDP->cell(LBorrar, row) == QLatin1String("0"))
        removeLine(row);
}

// A double click on the lines adds one, except on the cells a click edits or removes. From the
// keyboard, Enter on a line edits it and Supr removes it, as the clicks on its cells do.
bool PurchasePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_VecDP && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            VecDPClick(m_VecDP->currentRow(), LCEntr);
            return true;
        }
        if (key == Qt::Key_Delete) {
            VecDPClick(m_VecDP->currentRow(), LBorrar);
            return true;
        }
    }
    if (watched == m_VecDP->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex index = m_VecDP->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        const bool editingCell =
            index.isValid() && (index.column() == LCEntr || index.column() == LTotal || index.column() == LBorrar);
        if (!editingCell && m_TBAcciones->add()->isEnabled()) {
            SBListarPClick();
            return true;
        }
    }
    return StockWindowPanel::eventFilter(watched, event);
}

void PurchasePanel::editLine(int row)
{
    QuantityRequest q;
    q.Mode = QuantityRequest::PurchaseQuantityMode;
    q.BrandOrId = m_VecDP->cell(LMarca, row);
    q.ProductName = m_VecDP->cell(LProducto, row);
    q.Presentation = m_VecDP->cell(LPresentacion, row);
    q.Unit = m_VecDP->cell(LUMedida, row);
    q.PurchaseQuantity = Number(m_VecDP->cell(LCEntr, row));
    q.TotalCost = Number(m_VecDP->cell(LTotal, row));
    if (const std::optional<QuantityRequest> answer = TFCantidad::Run(q, this)) {
        const double quantity = answer->PurchaseQuantity;
        const double cost = answer->TotalCost;
        m_VecDP->setCell(LCEntr, row, Formats::General(quantity));
        m_VecDP->setCell(LStock, row, Formats::General(Number(m_VecDP->cell(LStockO, row)) + quantity));
        m_VecDP->setCell(LPUnit, row, Formats::Money(cost / quantity));
        m_VecDP->setCell(LTotal, row, Formats::General(cost));
    }
    recomputeTotals();
}

void PurchasePanel::removeLine(int row)
{
    if (!Messages().question(QStringLiteral("Eliminar Producto"),
                             QStringLiteral("Esta seguro que quiere Eliminar el Producto a Entrar?...")))
        return;
    m_VecDP->removeRow(row);
    renumberLines();
    recomputeTotals();
}

void PurchasePanel::renumberLines()
{
    for (int row = 0; row < m_VecDP->rowCount(); ++row)
        m_VecDP->setCell(LNumero, row, QString::number(row + 1));
}

// The sum of the line costs, added up in cents.
void PurchasePanel::recomputeTotals()
{
    qint64 cents = 0;
    for (int row = 0; row < m_VecDP->rowCount(); ++row)
        cents += std::llround(Number(m_VecDP->cell(LTotal, row)) * 100.0);
    m_form->setLinesTotal(m_VecDP->rowCount() > 0, double(cents) / 100.0);
}

QList<GoodsLineInput> PurchasePanel::collectLines() const
{
    QList<GoodsLineInput> lines;
    for (int row = 0; row < m_VecDP->rowCount(); ++row)
        lines.append(GoodsLineInput{m_VecDP->cell(LIdProducto, row), m_VecDP->cell(LCategoria, row).toInt(),
                                    m_VecDP->cell(LProducto, row), Number(m_VecDP->cell(LCIni, row)),
                                    m_VecDP->cell(LCEntr, row), m_VecDP->cell(LTotal, row)});
    return lines;
}

// ----- registering, deleting, printing -------------------------------------------------------

void PurchasePanel::SBInsertarPClick()
{
    if (!m_steps->entering())
        return;
    const PurchaseHeaderInput header = m_form->input(inventory());
    PurchaseRegistrationResult result;
    try {
        result = PurchaseRegistration::RegisterGoods(header, collectLines());
    } catch (const DatabaseError& e) {
        // Nothing was stored: the purchase stays on screen for another try.
        Messages().error(e.text());
        return;
    }
    switch (result.outcome) {
    case PurchaseRegistrationResult::Outcome::NoLines: return;
    case PurchaseRegistrationResult::Outcome::Refused: PurchaseEntrySteps::ReportRefusal(result, m_VecDP); return;
    case PurchaseRegistrationResult::Outcome::Stored: break;
    }
    reloadList();
    // The purchase is stored: a voucher that fails to print can be printed again from the list.
    if (header.voucherKind == PurchaseCodes::ReceiptVoucher)
        printVoucher(result.purchaseId);
    SBNuevoPClick();
}

void PurchasePanel::SBEliminarPClick()
{
    if (state() != State::Viewing || m_VecC->rowCount() == 0 || m_VecDP->rowCount() == 0)
        return;
    if (PurchaseEntrySteps::ConfirmAndDelete(m_purchaseId))
        SBNuevoPClick();
    // Either way the purchase can only be deleted again once it is chosen again.
    m_VecDP->clearRows();
    reloadList();
}

void PurchasePanel::SBImprimirClick()
{
    if (!m_steps->printable() || m_VecDP->rowCount() == 0)
        return;
    printVoucher(m_purchaseId);
}

// The voucher is made from what was stored, so a reprint prints the same voucher.
void PurchasePanel::printVoucher(const QString& purchaseId)
{
    const std::optional<PurchaseVoucher> voucher = PurchaseEntrySteps::StoredVoucher(purchaseId);
    if (!voucher)
        return;
    TFRVenta::instance().ShowDeliveryNote(voucher->voucherForm(), 1);
}
