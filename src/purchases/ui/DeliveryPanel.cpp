#include "purchases/ui/DeliveryPanel.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "masterdata/ui/PickerChoice.h"
#include "masterdata/PickerMode.h"
#include "masterdata/ui/UBusquedas.h"
#include "purchases/DeliveryAnnulment.h"
#include "purchases/ui/DeliveryGrids.h"
#include "purchases/DeliveryRegistration.h"
#include "purchases/DeliveryVoucherPrinting.h"
#include "purchases/ui/PanelControls.h"
#include "widgets/NamedControls.h"
#include "purchases/SupplyDeliveries.h"
#include "sales/ui/UCantidad.h"
#include "widgets/CategoryIcon.h"
#include "widgets/DataGrid.h"
#include "widgets/InputFilters.h"
#include "widgets/StatusShape.h"
#include "widgets/WindowKeys.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace DeliveryGrids;
using NamedControls::Field;
using PanelControls::Button;

namespace {

constexpr int IconSize = 52;
constexpr int CategoryCount = SupplyDeliveries::LastCategory - SupplyDeliveries::FirstCategory + 1;

MessageSeam& Messages() { return MessageSeam::current(); }

double Number(const QString& text)
{
    double value = 0;
    Formats::ParseAmount(text, &value);
    return value;
}

}

DeliveryPanel::DeliveryPanel(QWidget* parent) : SupplyWindowPanel(parent)
{
    setObjectName(QStringLiteral("PEntrega"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildCategoryButtons());
    layout->addWidget(buildSupplyList());
    layout->addWidget(buildDeliveryArea(), 1);
    arrangeKeyboard();
}

// The keyboard path of a delivery: Tab walks the list, NIT/CI, Nombre and "ENTREGAR" first, each
// grid one stop; Enter in Nombre goes to "ENTREGAR" and Enter on a button presses it; in the
// lines Supr removes the selected one and Enter asks its quantity.
void DeliveryPanel::arrangeKeyboard()
{
    for (QToolButton* button : m_BGrupo)
        button->setFocusPolicy(Qt::ClickFocus);
    const QList<QWidget*> order = {m_Vec0,      m_ENitCI,   m_ENombreC, m_SBEgreso, m_Vec1,
                                   m_EIdEgreso, m_SBBuscar, m_SBNuevoE, m_SBAnular, m_SBImprimir};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    m_ENombreC->installEventFilter(this);
    m_Vec1->installEventFilter(this);
    (new WindowKeys(this))->pressButtonsWithEnter();
}

// ----- building the panel --------------------------------------------------------------------

QWidget* DeliveryPanel::buildCategoryButtons()
{
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("PGrupos"));
    auto* buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    for (int category = SupplyDeliveries::FirstCategory; category <= SupplyDeliveries::LastCategory; ++category) {
        auto* button = new QToolButton(column);
        button->setObjectName(QStringLiteral("BGrupo%1").arg(category));
        button->setIconSize(QSize(IconSize, IconSize));
        button->setFixedSize(IconSize + 10, IconSize + 10);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, category] { BGrupoClick(category); });
        m_BGrupo << button;
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    return column;
}

QWidget* DeliveryPanel::buildSupplyList()
{
    m_Vec0 = new DataGrid(this);
    m_Vec0->setObjectName(QStringLiteral("Vec0"));
    SetUpSupplyList(m_Vec0);
    m_Vec0->setFixedWidth(302);
    m_Vec0->setToolTip(QStringLiteral("Enter o doble clic: entregar; Espacio: foto"));
    m_Vec0->installEventFilter(this);
    connect(m_Vec0, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { addSupply(row); });
    return m_Vec0;
}

QWidget* DeliveryPanel::buildRecipientBox()
{
    m_GBPersonal = new QGroupBox(QStringLiteral("Datos de Personal a Entregar:"), this);
    m_GBPersonal->setObjectName(QStringLiteral("GBPersonal"));
    m_ENitCI = Field(m_GBPersonal, "ENitCI", 12);
    InputFilters::digits(m_ENitCI);
    m_ENitCI->setToolTip(QStringLiteral("Espacio: buscar cliente"));
    m_ENitCI->setFixedWidth(130);
    m_ENitCI->installEventFilter(this);
    m_ENombreC = Field(m_GBPersonal, "ENombreC", 50);
    InputFilters::upperCaseKeepingQuotes(m_ENombreC);
    auto* row = new QHBoxLayout(m_GBPersonal);
    row->addWidget(new QLabel(QStringLiteral("NIT/CI:"), m_GBPersonal));
    row->addWidget(m_ENitCI);
    row->addSpacing(8);
    row->addWidget(new QLabel(QStringLiteral("Nombre:"), m_GBPersonal));
    row->addWidget(m_ENombreC, 1);
    // A new NIT/CI is somebody else: the name typed for the old one no longer applies.
    connect(m_ENitCI, &QLineEdit::textChanged, m_ENombreC, &QLineEdit::clear);
    return m_GBPersonal;
}

QWidget* DeliveryPanel::buildLines()
{
    m_Vec1 = new DataGrid(this);
    m_Vec1->setObjectName(QStringLiteral("Vec1"));
    SetUpLines(m_Vec1, true);
    m_Vec1->setMinimumHeight(180);
    connect(m_Vec1, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == LBorrar)
            removeLine(row);
    });
    connect(m_Vec1, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == LCantidad)
            changeQuantity(row);
    });
    return m_Vec1;
}

QWidget* DeliveryPanel::buildOrderBox()
{
    auto* box = new QGroupBox(QStringLiteral("Nro. de Orden:"), this);
    box->setObjectName(QStringLiteral("GBOrden"));
    m_EIdEgreso = Field(box, "EIdEgreso", 9);
    InputFilters::digits(m_EIdEgreso);
    PanelControls::BigDigits(m_EIdEgreso);
    m_EIdEgreso->setFixedWidth(130);
    m_EIdEgreso->installEventFilter(this);
    m_SBBuscar = Button(box, "SBBuscar", QStringLiteral("Buscar"), QStringLiteral("Buscar Entrega por Nro. de Orden"));
    m_SBBuscar->setMinimumSize(70, 30);
    auto* row = new QHBoxLayout(box);
    row->addWidget(m_EIdEgreso);
    row->addWidget(m_SBBuscar);
    connect(m_SBBuscar, &QToolButton::clicked, this, &DeliveryPanel::SBBuscarClick);
    return box;
}

QWidget* DeliveryPanel::buildToolBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_SBNuevoE = Button(bar, "SBNuevoE", QStringLiteral("NUEVO"), QStringLiteral("Nueva Entrega"));
    m_SBEgreso = Button(bar, "SBEgreso", QStringLiteral(" E N T R E G A R"), QStringLiteral("Registrar la Entrega"));
    m_SBEgreso->setMinimumWidth(170);
    m_SBAnular = Button(bar, "SBAnular", QStringLiteral(" ANULAR"), QStringLiteral("Anular la Entrega"));
    m_SBImprimir = Button(bar, "SBImprimir", QStringLiteral("Imprimir"), QStringLiteral("Imprimir Comprobante"));
    m_SEstado = new StatusShape(bar);
    m_SEstado->setObjectName(QStringLiteral("SEstado"));
    for (QToolButton* button : {m_SBNuevoE, m_SBEgreso, m_SBAnular, m_SBImprimir})
        row->addWidget(button);
    row->addStretch(1);
    row->addWidget(m_SEstado);
    connect(m_SBNuevoE, &QToolButton::clicked, this, &DeliveryPanel::SBNuevoEClick);
    connect(m_SBEgreso, &QToolButton::clicked, this, &DeliveryPanel::SBEgresoClick);
    connect(m_SBAnular, &QToolButton::clicked, this, &DeliveryPanel::SBAnularClick);
    connect(m_SBImprimir, &QToolButton::clicked, this, &DeliveryPanel::SBImprimirClick);
    return bar;
}

QWidget* DeliveryPanel::buildDeliveryArea()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildRecipientBox());
    layout->addWidget(buildLines(), 1);

    m_EObs = Field(area, "EObs", 40);
    auto* observation = new QHBoxLayout;
    observation->addWidget(new QLabel(QStringLiteral("Observación:"), area));
    observation->addWidget(m_EObs, 1);
    observation->addSpacing(8);
    observation->addWidget(buildOrderBox());
    layout->addLayout(observation);
    layout->addWidget(buildToolBar());
    return area;
}

// ----- opening and the supply lists ------------------------------------------------------------

void DeliveryPanel::open(QProgressBar* progress)
{
    m_PBar1 = progress;
    try {
        prepareCategoryButtons();
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
    resetForm();
    loadCategory(m_category);
    m_Vec0->setFocus();
}

// Button n loads supply category n; a disabled category gets no button.
void DeliveryPanel::prepareCategoryButtons()
{
    m_categoryNames = QStringList(CategoryCount, QString());
    for (QToolButton* button : m_BGrupo)
        button->hide();
    for (const SupplyDeliveries::SupplyCategory& category : SupplyDeliveries::Categories()) {
        const int index = category.id - SupplyDeliveries::FirstCategory;
        m_categoryNames[index] = category.name;
        QToolButton* button = m_BGrupo.at(index);
        button->setIcon(CategoryIcon::Make(category.icon, index + 1, category.name, IconSize));
        button->setToolTip(category.name);
        button->setVisible(category.enabled);
    }
}

void DeliveryPanel::BGrupoClick(int category) { loadCategory(category); }

void DeliveryPanel::loadCategory(int category)
{
    m_category = category;
    m_Vec0->clearRows();
    m_Vec0->horizontalHeaderItem(SNombre)->setText(QLatin1Char(' ')
                                                   + m_categoryNames.value(category - SupplyDeliveries::FirstCategory));
    try {
        FillSupplyList(m_Vec0, SupplyDeliveries::SupplyList(category));
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
}

// ----- the lines -----------------------------------------------------------------------------

bool DeliveryPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && watched == m_ENitCI) {
        ENitCIExit();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_Vec0 && enter) {
        addSupply(m_Vec0->currentRow());
        return true;
    }
    if (watched == m_Vec0 && key == Qt::Key_Space) {
        showPhoto(m_Vec0->currentRow());
        return true;
    }
    if (watched == m_ENitCI && enter) {
        m_ENombreC->setFocus();
        return true;
    }
    if (watched == m_ENombreC && enter) {
        m_SBEgreso->setFocus();
        return true;
    }
    if (watched == m_Vec1 && key == Qt::Key_Delete) {
        removeLine(m_Vec1->currentRow());
        return true;
    }
    if (watched == m_Vec1 && enter) {
        changeQuantity(m_Vec1->currentRow());
        return true;
    }
    if (watched == m_ENitCI && key == Qt::Key_Space) {
        pickRecipient();
        return true;
    }
    if (watched == m_EIdEgreso && enter) {
        SBBuscarClick();
        return true;
    }
    return false;
}

// Asks the quantity of the supply on `row` of `grid` (the list or the lines, whose brand, name,
// presentation and unit columns are read by name) starting from `start`.
bool DeliveryPanel::askQuantity(int row, const DataGrid* grid, double start, double* quantity)
{
    struct Columns {
        int brand, name, presentation, unit;
    };
    const Columns c = grid == m_Vec0 ? Columns{SMarca, SNombre, SPresentacion, SUMedida}
                                     : Columns{LMarca, LNombre, LPresentacion, LUnidad};
    QuantityRequest q;
    q.Mode = QuantityRequest::SupplyQuantityMode;
    q.BrandOrId = grid->cell(c.brand, row);
    q.ProductName = grid->cell(c.name, row);
    q.Presentation = grid->cell(c.presentation, row);
    q.Unit = grid->cell(c.unit, row);
    q.SaleQuantity = start;
    const std::optional<QuantityRequest> answer = TFCantidad::Run(q, this);
    if (!answer || !(answer->SaleQuantity > 0))
        return false;
    *quantity = answer->SaleQuantity;
    return true;
}

void DeliveryPanel::addSupply(int row)
{
    if (!m_Vec0->isEnabled() || row < 0 || m_Vec0->cell(SIdProducto, row).isEmpty())
        return;
    // Six lines at most, even to add to a supply already among them.
    if (m_Vec1->rowCount() >= MaxLines) {
        Messages().information(QStringLiteral("Numero de Items permitidos 6"));
        return;
    }
    double quantity = 0;
    if (!askQuantity(row, m_Vec0, 1, &quantity))
        return;
    const QString supplyId = m_Vec0->cell(SIdProducto, row);
    for (int line = 0; line < m_Vec1->rowCount(); ++line) {
        if (m_Vec1->cell(LIdProducto, line) == supplyId) {
            m_Vec1->setCell(LCantidad, line, Formats::General(Number(m_Vec1->cell(LCantidad, line)) + quantity));
            return;
        }
    }
    QStringList cells{Formats::General(quantity)};
    for (int column = SIdProducto; column <= SCodigoB; ++column)
        cells << m_Vec0->cell(column, row);
    cells << QStringLiteral("0");
    m_Vec1->addRow(cells);
}

void DeliveryPanel::showPhoto(int row)
{
    if (row < 0 || m_Vec0->cell(SIdProducto, row).isEmpty())
        return;
    QuantityRequest q;
    q.Mode = QuantityRequest::SupplyPhotoMode;
    q.BrandOrId = m_Vec0->cell(SIdProducto, row);
    q.ProductName = m_Vec0->cell(SNombre, row);
    q.Presentation = m_Vec0->cell(SPresentacion, row);
    q.Unit = m_Vec0->cell(SUMedida, row);
    TFCantidad::Run(q, this);
}

void DeliveryPanel::changeQuantity(int row)
{
    if (row < 0 || row >= m_Vec1->rowCount())
        return;
    double quantity = 0;
    if (askQuantity(row, m_Vec1, Number(m_Vec1->cell(LCantidad, row)), &quantity))
        m_Vec1->setCell(LCantidad, row, Formats::General(quantity));
}

void DeliveryPanel::removeLine(int row)
{
    if (row >= 0 && row < m_Vec1->rowCount())
        m_Vec1->removeRow(row);
}

// ----- the recipient -------------------------------------------------------------------------

void DeliveryPanel::pickRecipient()
{
    TFBusquedas* picker = TFBusquedas::shared();
    if (!picker)
        return;
    const auto choice = picker->pick(PickerModes::DeliveryClient);
    if (!choice)
        return;
    ApplyPickerChoice(PickerModes::DeliveryClient, *choice, m_ENitCI, m_ENombreC);
    ENitCIExit();
}

void DeliveryPanel::ENitCIExit()
{
    const QString nit = m_ENitCI->text().trimmed();
    if (nit.isEmpty() || !m_loadedId.isEmpty())
        return;
    try {
        if (const auto name = SupplyDeliveries::ClientName(nit))
            m_ENombreC->setText(*name);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
}

// ----- registering ---------------------------------------------------------------------------

DeliveryInput DeliveryPanel::collectDelivery() const
{
    DeliveryInput in = DeliveryInput::fromSession();
    in.orderNumberText = m_EIdEgreso->text();
    for (int row = 0; row < m_Vec1->rowCount(); ++row)
        in.lines << DeliveryLine{m_Vec1->cell(LIdProducto, row), int(Number(m_Vec1->cell(LIdCategoria, row))),
                                 m_Vec1->cell(LCantidad, row), m_Vec1->cell(LNombre, row), m_Vec1->cell(LUnidad, row)};
    in.nitCi = m_ENitCI->text().trimmed();
    in.recipient = m_ENombreC->text().trimmed();
    in.observation = m_EObs->text();
    return in;
}

void DeliveryPanel::SBEgresoClick()
{
    if (!m_SBEgreso->isEnabled())
        return;
    m_PBar1->show();
    setProgress(1);
    DeliveryResult result;
    try {
        result = DeliveryRegistration::Register(collectDelivery(), [this](int position) { setProgress(position); });
    } catch (const DatabaseError& e) {
        // Nothing was stored: the lines stay for another try.
        m_PBar1->hide();
        Messages().error(e.text());
        return;
    }
    if (!result.stored) {
        m_PBar1->hide();
        if (result.conversionError)
            Messages().error(result.message);
        else
            Messages().information(result.message);
        return;
    }
    // The delivery is stored under its key: the voucher carries that key, and a voucher that fails
    // to print leaves the stored delivery shown, to be printed again.
    const bool printed = PrintDeliveryVoucher(result.voucher, DeliveryNoteStyle::Counter);
    setProgress(10);
    if (printed)
        resetForm();
    else
        showDelivery(result.voucher.deliveryId);
    loadCategory(m_category);
    m_PBar1->hide();
    m_Vec0->setFocus();
}

// ----- a stored delivery ---------------------------------------------------------------------

void DeliveryPanel::SBBuscarClick()
{
    if (m_EIdEgreso->text().trimmed().isEmpty())
        return;
    const QString id = SupplyDeliveries::DeliveryId(m_EIdEgreso->text());
    m_EIdEgreso->setText(id.mid(1));
    try {
        const SqlRows header = SupplyDeliveries::Header(id);
        QString refusal;
        if (header.isEmpty())
            refusal = QStringLiteral("No existe Venta con ese Nº de Orden");
        else if (header.text(8).compare(SessionState::current().CashSessionId, Qt::CaseInsensitive) != 0)
            // Deliveries of other sessions are looked after from the year list.
            refusal = QStringLiteral("El Nº de Orden pertenece a otra Fecha (Caja)");
        if (!refusal.isEmpty()) {
            Messages().information(refusal);
            m_EIdEgreso->setFocus();
            m_EIdEgreso->selectAll();
            m_SBEgreso->setEnabled(false);
            return;
        }
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    showDelivery(id);
}

// Shows a stored delivery read-only; annul and print stay off once it is annulled.
bool DeliveryPanel::showDelivery(const QString& deliveryId)
{
    try {
        const SqlRows header = SupplyDeliveries::Header(deliveryId);
        if (header.isEmpty())
            return false;
        m_loadedId = header.text(0);
        m_ENitCI->setText(header.text(2));
        m_ENombreC->setText(header.text(3));
        m_EObs->setText(header.text(5));
        m_EIdEgreso->setText(m_loadedId.mid(1));
        m_Vec1->clearRows();
        FillLines(m_Vec1, SupplyDeliveries::Lines(deliveryId));
        const bool valid = header.text(9).compare(QLatin1String("V"), Qt::CaseInsensitive) == 0;
        setEntryEnabled(false);
        m_SBEgreso->setEnabled(false);
        m_SBAnular->setEnabled(valid);
        m_SBImprimir->setEnabled(valid);
        if (valid)
            m_SEstado->setState(Qt::green, QString());
        else
            m_SEstado->setState(Qt::red, QStringLiteral("Venta Anulada"));
        return true;
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return false;
    }
}

void DeliveryPanel::SBAnularClick()
{
    if (m_loadedId.isEmpty() || !m_SBAnular->isEnabled())
        return;
    if (!Messages().question(QStringLiteral("Anular Entrega"), QStringLiteral("Esta Seguro de querer Anular esta Entrega? ")))
        return;
    QString refusal;
    try {
        refusal = DeliveryAnnulment::Annul(m_loadedId);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    if (!refusal.isEmpty()) {
        // Annulled at another counter meanwhile: show it as it now stands.
        Messages().information(refusal);
        showDelivery(m_loadedId);
        return;
    }
    Messages().information(QStringLiteral("Entrega Anulada Correctamente"));
    resetForm();
    loadCategory(m_category);
}

void DeliveryPanel::SBImprimirClick()
{
    if (m_loadedId.isEmpty() || !m_SBImprimir->isEnabled())
        return;
    try {
        PrintDeliveryVoucher(SupplyDeliveries::Voucher(m_loadedId), DeliveryNoteStyle::Counter);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
}

// ----- states --------------------------------------------------------------------------------

void DeliveryPanel::setEntryEnabled(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_Vec0, m_Vec1, m_EObs, m_GBPersonal})
        control->setEnabled(enabled);
}

void DeliveryPanel::setProgress(int position) { m_PBar1->setValue(position); }

void DeliveryPanel::SBNuevoEClick()
{
    resetForm();
    loadCategory(m_category);
    m_Vec0->setFocus();
}

void DeliveryPanel::resetForm()
{
    m_loadedId.clear();
    m_SEstado->setState(Qt::white, QString());
    m_Vec1->clearRows();
    m_ENitCI->clear();
    m_ENombreC->clear();
    m_EObs->clear();
    m_SBEgreso->setEnabled(true);
    m_SBImprimir->setEnabled(false);
    m_SBAnular->setEnabled(false);
    try {
        m_EIdEgreso->setText(SupplyDeliveries::NextOrderNumber());
    } catch (const DatabaseError& e) {
        m_EIdEgreso->clear();
        Messages().error(e.text());
    }
    setEntryEnabled(true);
}
