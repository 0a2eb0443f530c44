#include "purchases/ui/ServicePurchasePanel.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "masterdata/PickerMode.h"
#include "printing/URVenta.h"
#include "purchases/ui/PurchaseHeaderForm.h"
#include "purchases/PurchaseRegistration.h"
#include "purchases/ui/PurchaseToolBar.h"
#include "purchases/ui/RecentPurchasesGrid.h"
#include "purchases/StoredPurchases.h"
#include "sales/ui/UCantidad.h"
#include "widgets/DataGrid.h"
#include "widgets/GridIcons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
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

}

ServicePurchasePanel::ServicePurchasePanel(QWidget* parent) : SupplyWindowPanel(parent)
{
    setObjectName(QStringLiteral("PCompraS"));
    m_VecC = new RecentPurchasesGrid(QStringLiteral("Servicio"), this);
    m_form = new PurchaseHeaderForm({"ENitCIS", "SBBuscarS", PickerModes::ServiceSupplier}, this);
    m_TBAcciones = new PurchaseToolBar({"SBNuevoS", "SBInsertarS", "SBAnularS", "SBImprimirS", "Añadir Servicios"}, this);
    m_steps = new PurchaseEntrySteps(m_VecC, m_form, m_TBAcciones, this);

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

    connect(m_VecC, &DataGrid::rowSelected, this, &ServicePurchasePanel::VecCSelectCell);
    connect(m_form, &PurchaseHeaderForm::totalsWanted, this, &ServicePurchasePanel::recomputeTotals);
    connect(m_TBAcciones->newEntry(), &QToolButton::clicked, this, &ServicePurchasePanel::SBNuevoSClick);
    connect(m_TBAcciones->store(), &QToolButton::clicked, this, &ServicePurchasePanel::SBInsertarSClick);
    connect(m_TBAcciones->remove(), &QToolButton::clicked, this, &ServicePurchasePanel::SBAnularSClick);
    connect(m_TBAcciones->print(), &QToolButton::clicked, this, &ServicePurchasePanel::SBImprimirSClick);
    connect(m_TBAcciones->add(), &QToolButton::clicked, this, &ServicePurchasePanel::SBListarPClick);
}

QWidget* ServicePurchasePanel::buildLines()
{
    m_VecS = new DataGrid(this);
    m_VecS->setObjectName(QStringLiteral("VecS"));
    m_VecS->addColumn(QStringLiteral("Cant"), DataGrid::ColumnType::Number, 60);
    m_VecS->addColumn(QStringLiteral("  Concepto"), DataGrid::ColumnType::Text, 420);
    m_VecS->addColumn(QStringLiteral(" Total Bs."), DataGrid::ColumnType::Number, 100);
    m_VecS->addColumn(QString(), DataGrid::ColumnType::Image, 28);
    m_VecS->setColumnImage(SBorrar, GridIcons::DeleteIcon());
    m_VecS->setColumnFooter(STotal, DataGrid::Footer::SumMoney);
    m_VecS->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_VecS->horizontalHeader()->setSectionResizeMode(SConcepto, QHeaderView::Stretch);
    m_VecS->horizontalHeader()->setStretchLastSection(false);
    m_VecS->setMinimumHeight(180);
    m_VecS->viewport()->installEventFilter(this);
    connect(m_VecS, &QTableWidget::cellClicked, this, &ServicePurchasePanel::VecSClick);
    return m_VecS;
}

void ServicePurchasePanel::open(QProgressBar*)
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

void ServicePurchasePanel::reloadList()
{
    try {
        m_VecC->load(PurchaseCodes::Services);
    } catch (const DatabaseError& e) {
        m_VecC->clearRows();
        Messages().error(e.text());
    }
}

// Choosing a listed service purchase shows it as it was stored; it cannot be edited.
void ServicePurchasePanel::VecCSelectCell(int row)
{
    if (row < 0 || row >= m_VecC->rowCount())
        return;
    const QStringList values = m_VecC->rowValues(row);
    QList<QStringList> rows;
    try {
        for (SqlRows line = StoredPurchases::ServiceLines(values.value(StoredPurchases::ColIdCompra)); !line.atEnd();
             line.next())
            rows << QStringList{Formats::General(line.number(0)), line.text(1), Formats::General(line.amount(2))};
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    m_VecS->clearRows();
    m_VecS->addRows(rows);
    // A stored line cannot be removed: it shows no delete icon.
    for (int line = 0; line < m_VecS->rowCount(); ++line)
        m_VecS->setCellImage(SBorrar, line, QPixmap());
    m_purchaseId = values.value(StoredPurchases::ColIdCompra);
    m_form->showStored(values);
    m_steps->setState(State::Viewing, values.value(StoredPurchases::ColComprobante).toInt());
}

void ServicePurchasePanel::SBNuevoSClick()
{
    m_form->clearForNew();
    m_VecS->clearRows();
    m_purchaseId.clear();
    // No row stays chosen, so choosing any row of the list shows it.
    m_VecC->setCurrentCell(-1, -1);
    m_steps->setState(State::Entering);
    m_form->nitEdit()->setFocus();
}

// "+" asks the service in the quantity dialog and adds it as a line; a line is never edited.
void ServicePurchasePanel::SBListarPClick()
{
    if (!m_steps->entering())
        return;
    QuantityRequest request;
    request.Mode = QuantityRequest::ServiceDetailMode;
    const std::optional<QuantityRequest> q = TFCantidad::Run(request, this);
    if (!q)
        return;
    const int row = m_VecS->addRow(
        {Formats::General(q->PurchaseQuantity), q->ProductName, Formats::General(q->TotalCost), QStringLiteral("0")});
    m_VecS->goToRow(row);
    recomputeTotals();
}

void ServicePurchasePanel::VecSClick(int row, int column)
{
    if (!m_steps->entering() || column != SBorrar || m_VecS->cell(SBorrar, row) != QLatin1String("0"))
        return;
    if (!Messages().question(QStringLiteral("Eliminar Detalle"),
                             QStringLiteral("Esta seguro que quiere Eliminar el Detalle?...")))
        return;
    m_VecS->removeRow(row);
    recomputeTotals();
}

// A double click on the lines adds one, except on the delete icon.
bool ServicePurchasePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_VecS->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex index = m_VecS->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if ((!index.isValid() || index.column() != SBorrar) && m_TBAcciones->add()->isEnabled()) {
            SBListarPClick();
            return true;
        }
    }
    return SupplyWindowPanel::eventFilter(watched, event);
}

// The sum of the line amounts, added up in cents.
void ServicePurchasePanel::recomputeTotals()
{
    qint64 cents = 0;
    for (int row = 0; row < m_VecS->rowCount(); ++row)
        cents += std::llround(Number(m_VecS->cell(STotal, row)) * 100.0);
    m_form->setLinesTotal(m_VecS->rowCount() > 0, double(cents) / 100.0);
}

QList<ServiceLineInput> ServicePurchasePanel::collectLines() const
{
    QList<ServiceLineInput> lines;
    for (int row = 0; row < m_VecS->rowCount(); ++row)
        lines.append(ServiceLineInput{m_VecS->cell(SCantidad, row), m_VecS->cell(SConcepto, row), m_VecS->cell(STotal, row)});
    return lines;
}

void ServicePurchasePanel::SBInsertarSClick()
{
    if (!m_steps->entering())
        return;
    const PurchaseHeaderInput header = m_form->input(PurchaseCodes::Services);
    PurchaseRegistrationResult result;
    try {
        result = PurchaseRegistration::RegisterServices(header, collectLines());
    } catch (const DatabaseError& e) {
        // Nothing was stored: the purchase stays on screen for another try.
        Messages().error(e.text());
        return;
    }
    switch (result.outcome) {
    case PurchaseRegistrationResult::Outcome::NoLines: return;
    case PurchaseRegistrationResult::Outcome::Refused: PurchaseEntrySteps::ReportRefusal(result, m_VecS); return;
    case PurchaseRegistrationResult::Outcome::Stored: break;
    }
    // The purchase is stored: a voucher that fails to print can be printed again from the list.
    if (header.voucherKind == PurchaseCodes::ReceiptVoucher)
        printVoucher(result.purchaseId);
    reloadList();
    SBNuevoSClick();
}

void ServicePurchasePanel::SBAnularSClick()
{
    if (state() != State::Viewing || m_VecC->rowCount() == 0 || m_VecS->rowCount() == 0)
        return;
    if (PurchaseEntrySteps::ConfirmAndDelete(m_purchaseId))
        SBNuevoSClick();
    // Either way the purchase can only be deleted again once it is chosen again.
    m_VecS->clearRows();
    reloadList();
}

void ServicePurchasePanel::SBImprimirSClick()
{
    if (!m_steps->printable() || m_VecS->rowCount() == 0)
        return;
    printVoucher(m_purchaseId);
}

// The voucher is made from what was stored, so a reprint prints the same voucher.
void ServicePurchasePanel::printVoucher(const QString& purchaseId)
{
    const std::optional<PurchaseVoucher> voucher = PurchaseEntrySteps::StoredVoucher(purchaseId);
    if (!voucher)
        return;
    TFRVenta::instance().ShowServiceVoucher(voucher->serviceForm());
}
