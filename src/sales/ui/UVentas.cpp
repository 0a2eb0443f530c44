#include "sales/ui/UVentas.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"
#include "masterdata/PickerMode.h"
#include "masterdata/ui/UBusquedas.h"
#include "sales/Quotation.h"
#include "sales/QuotationTicket.h"
#include "printing/URVenta.h"
#include "sales/ui/BarcodeReader.h"
#include "sales/PaymentForms.h"
#include "sales/ProductBarcode.h"
#include "sales/SaleAmounts.h"
#include "sales/SaleAnnulment.h"
#include "sales/SaleCommit.h"
#include "sales/SaleVoucherPrinting.h"
#include "sales/ui/UCantidad.h"
#include "widgets/DataGrid.h"
#include "widgets/GridIcons.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"
#include "widgets/StatusShape.h"
#include "widgets/WindowKeys.h"
#include "widgets/WindowStatusBar.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

const QColor TFVentas::StockAboveMinimum(192, 220, 192);

using NamedControls::Field;
using NamedControls::ToolButton;

namespace {

constexpr int IconSize = 52;
const QColor kSelection(255, 236, 139);
const QColor kCategoryColours[] = {{46, 125, 50}, {30, 90, 150}, {0, 131, 143}, {106, 27, 154},
                                   {198, 40, 40}, {239, 108, 0}, {93, 64, 55},  {69, 90, 100}};

MessageSeam& Messages() { return MessageSeam::current(); }

double Number(const QString& text)
{
    double value = 0;
    Formats::ParseAmount(text, &value);
    return value;
}

constexpr QSize ButtonSize(104, 38);

// Category buttons without a picture of their own show the category's initial on its colour.
QPixmap PlaceholderIcon(int category, const QString& name)
{
    QPixmap picture(IconSize, IconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCategoryColours[(category - 1) % 8]);
    painter.drawRoundedRect(QRectF(4, 4, IconSize - 8, IconSize - 8), 8, 8);
    QFont font;
    font.setPixelSize(24);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, name.left(1));
    return picture;
}

// A category name longer than its button goes on two lines, broken at the blank nearest its
// middle ("CUIDADO" / "PERSONAL"); only what still does not fit is shortened.
QString ButtonCaption(const QFontMetrics& metrics, const QString& name, int width)
{
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    int best = -1;
    for (int at = name.indexOf(QLatin1Char(' ')); at >= 0; at = name.indexOf(QLatin1Char(' '), at + 1))
        if (best < 0 || qAbs(at - name.size() / 2) < qAbs(best - name.size() / 2))
            best = at;
    if (best < 0)
        return metrics.elidedText(name, Qt::ElideRight, width);
    return metrics.elidedText(name.left(best), Qt::ElideRight, width) + QLatin1Char('\n')
           + metrics.elidedText(name.mid(best + 1), Qt::ElideRight, width);
}

void YellowSelection(DataGrid* grid)
{
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Highlight, kSelection);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, kSelection);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    grid->setPalette(palette);
}

}

TFVentas::TFVentas(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FVentas"));
    setWindowTitle(QStringLiteral("Registrar Ventas"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* top = new QHBoxLayout;
    top->addWidget(buildCategoryButtons(), 1);
    top->addWidget(buildOrderBox());

    auto* entry = new QHBoxLayout;
    entry->addWidget(buildClientBox(), 1);
    entry->addWidget(buildPaymentBox());
    auto* right = new QVBoxLayout;
    right->addWidget(buildCart(), 1);
    right->addLayout(entry);

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildProductList());
    middle->addLayout(right, 1);

    buildStatusBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(buildButtons());
    layout->addWidget(m_SBar1);

    connect(new BarcodeReader(this), &BarcodeReader::scanned, this, &TFVentas::addScanned);
    arrangeKeyboard();
    FormCreate();
    resize(sizeHint());
}

TFVentas::~TFVentas() = default;

bool TFVentas::holdsUnsavedWork() const { return !m_held && !m_found && m_Vec1->rowCount() > 0; }

// ----- building the window -------------------------------------------------------------------

QWidget* TFVentas::buildCategoryButtons()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PCategorias"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    QFont small = font();
    small.setPixelSize(10);
    for (int category = 1; category <= 8; ++category) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QStringLiteral("BGrupo%1").arg(category));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(IconSize, IconSize));
        button->setFixedSize(98, 92);
        button->setFont(small);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::ClickFocus);
        connect(button, &QToolButton::clicked, this, [this, category] { BGrupoClick(category); });
        m_BGrupo << button;
        row->addWidget(button);
    }
    // A scanner's code typed here (or anywhere outside a text field) goes into the cart.
    m_ECodigoB = new QLineEdit(panel);
    m_ECodigoB->setObjectName(QStringLiteral("ECodigoB"));
    m_ECodigoB->setMaxLength(20);
    m_ECodigoB->setFixedWidth(130);
    connect(m_ECodigoB, &QLineEdit::returnPressed, this, [this] {
        addScanned(m_ECodigoB->text());
        m_ECodigoB->clear();
    });
    auto* code = new QVBoxLayout;
    code->addStretch(1);
    code->addWidget(new QLabel(QStringLiteral("Código:"), panel));
    code->addWidget(m_ECodigoB);
    code->addStretch(1);
    row->addSpacing(8);
    row->addLayout(code);
    row->addStretch(1);
    return panel;
}

QWidget* TFVentas::buildProductList()
{
    m_Vec0 = new DataGrid(this);
    m_Vec0->setObjectName(QStringLiteral("Vec0"));
    m_Vec0->addColumn(QStringLiteral("IdProducto"), DataGrid::ColumnType::Text, 0, true);
    m_Vec0->addColumn(QStringLiteral("IdCategoria"), DataGrid::ColumnType::Text, 0, true);
    m_Vec0->addColumn(QStringLiteral("Marca"), DataGrid::ColumnType::Text, 0, true);
    m_Vec0->addColumn(QStringLiteral(" PRODUCTOS"), DataGrid::ColumnType::Text, 232);
    for (const char* hidden : {"Presentacion", "UMedida", "StockM", "PVenta", "PVentaIVA", "CodigoB"})
        m_Vec0->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 0, true);
    m_Vec0->addColumn(QStringLiteral("Stock"), DataGrid::ColumnType::Number, 62);
    m_Vec0->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_Vec0->setFixedWidth(318);
    YellowSelection(m_Vec0);
    m_Vec0->installEventFilter(this);
    connect(m_Vec0, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { addProduct(row); });
    connect(m_Vec0, &DataGrid::rowSelected, this, [this](int row) { m_state.ProductRow = row; });
    return m_Vec0;
}

QWidget* TFVentas::buildCart()
{
    m_Vec1 = new DataGrid(this);
    m_Vec1->setObjectName(QStringLiteral("Vec1"));
    const struct {
        const char* header;
        int width;
        bool shown;
        DataGrid::ColumnType type;
    } columns[] = {
        {"Cant", 56, true, DataGrid::ColumnType::Number},
        {"", 0, false, DataGrid::ColumnType::Text},
        {"", 0, false, DataGrid::ColumnType::Text},
        {"", 0, false, DataGrid::ColumnType::Text},
        {" Nombre Producto", 268, true, DataGrid::ColumnType::Text},
        {"", 0, false, DataGrid::ColumnType::Text},
        {"Unidad", 84, true, DataGrid::ColumnType::Text},
        {"", 0, false, DataGrid::ColumnType::Text},
        {"C.U.", 72, true, DataGrid::ColumnType::Number},
        {"C.T.", 86, true, DataGrid::ColumnType::Number},
        {"", 0, false, DataGrid::ColumnType::Text},
        {"", 30, true, DataGrid::ColumnType::Image},
        {"", 0, false, DataGrid::ColumnType::Text},
        {"", 0, false, DataGrid::ColumnType::Text},
    };
    for (const auto& c : columns)
        m_Vec1->addColumn(QString::fromLatin1(c.header), c.type, c.width, !c.shown);
    m_Vec1->setColumnImage(NxBorrarP, GridIcons::DeleteIcon());
    m_Vec1->setColumnFooter(NxCTotal, DataGrid::Footer::SumMoney);
    m_Vec1->setColumnFooter(NxBorrarP, DataGrid::Footer::Count);
    m_Vec1->horizontalHeader()->setStretchLastSection(false);
    m_Vec1->setMinimumHeight(170);  // the whole register fits a 1366 x 768 screen
    YellowSelection(m_Vec1);
    connect(m_Vec1, &QTableWidget::cellClicked, this, [this](int row, int column) {
        m_state.CartRow = row;
        if (column == NxBorrarP)
            removeLine(row);
    });
    connect(m_Vec1, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == NxCantidad)
            changeQuantity(row);
        else if (column == NxPVenta1)
            changeUnitPrice(row);
    });
    return m_Vec1;
}

QWidget* TFVentas::buildClientBox()
{
    m_GBCliente = new QGroupBox(QStringLiteral("Datos del Cliente"), this);
    m_GBCliente->setObjectName(QStringLiteral("GBCliente"));
    m_ENitCI = Field(m_GBCliente, "ENitCI", 12);
    InputFilters::digits(m_ENitCI);
    m_ENitCI->setToolTip(QStringLiteral("Espacio: buscar cliente"));
    m_ENitCI->installEventFilter(this);
    m_ENombreC = Field(m_GBCliente, "ENombreC", 50);
    m_ENombreC->installEventFilter(this);
    InputFilters::upperCaseKeepingQuotes(m_ENombreC);
    m_EObs = Field(m_GBCliente, "EObs", 40);
    auto* form = new QFormLayout(m_GBCliente);
    form->addRow(QStringLiteral("NIT/CI (F2):"), m_ENitCI);
    form->addRow(QStringLiteral("Nombre:"), m_ENombreC);
    form->addRow(QStringLiteral("Observación:"), m_EObs);
    connect(m_ENitCI, &QLineEdit::textChanged, m_ENombreC, &QLineEdit::clear);
    return m_GBCliente;
}

QWidget* TFVentas::buildPaymentBox()
{
    m_GBPago = new QGroupBox(QStringLiteral("Pago"), this);
    m_GBPago->setObjectName(QStringLiteral("GBPago"));
    m_CBFormaP = new QComboBox(m_GBPago);
    m_CBFormaP->setObjectName(QStringLiteral("CBFormaP"));
    m_CBFormaP->addItems(PaymentForms::Names());
    m_CBComprobante = new QComboBox(m_GBPago);
    m_CBComprobante->setObjectName(QStringLiteral("CBComprobante"));
    m_ETotal = Field(m_GBPago, "ETotal", 0, true);
    m_EEfectivo = Field(m_GBPago, "EEfectivo", 12);
    InputFilters::amount(m_EEfectivo);
    m_EEfectivo->installEventFilter(this);
    m_ECambio = Field(m_GBPago, "ECambio", 0, true);
    m_LSaldoC = new QLabel(QStringLiteral("Cambio:"), m_GBPago);
    m_LSaldoC->setObjectName(QStringLiteral("LSaldoC"));
    QFont big = font();
    big.setPixelSize(18);
    big.setBold(true);
    m_ETotal->setFocusPolicy(Qt::ClickFocus);
    m_ECambio->setFocusPolicy(Qt::ClickFocus);
    for (QLineEdit* edit : {m_ETotal, m_EEfectivo, m_ECambio}) {
        edit->setAlignment(Qt::AlignRight);
        edit->setFont(big);
        edit->setFixedWidth(150);
    }
    auto* form = new QFormLayout(m_GBPago);
    form->addRow(QStringLiteral("Forma de Pago:"), m_CBFormaP);
    form->addRow(QStringLiteral("Comprobante:"), m_CBComprobante);
    form->addRow(QStringLiteral("Total Bs.:"), m_ETotal);
    form->addRow(QStringLiteral("Efectivo (F4):"), m_EEfectivo);
    form->addRow(m_LSaldoC, m_ECambio);
    connect(m_CBFormaP, &QComboBox::activated, this, &TFVentas::CBFormaPChange);
    connect(m_CBComprobante, &QComboBox::activated, this, &TFVentas::CBComprobanteChange);
    connect(m_EEfectivo, &QLineEdit::textChanged, this, &TFVentas::updateChange);
    return m_GBPago;
}

QWidget* TFVentas::buildOrderBox()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Nº de Orden:"), box);
    m_EIdVenta = Field(box, "EIdVenta", 9);
    InputFilters::digits(m_EIdVenta);
    QFont big = font();
    big.setPixelSize(18);
    big.setBold(true);
    m_EIdVenta->setFont(big);
    m_EIdVenta->setFixedWidth(130);
    m_EIdVenta->setAlignment(Qt::AlignCenter);
    m_EIdVenta->setToolTip(QStringLiteral("Enter: buscar la venta"));
    m_EIdVenta->installEventFilter(this);
    connect(m_EIdVenta, &QLineEdit::textEdited, this, &TFVentas::EIdVentaChange);
    m_SEstado = new StatusShape(box);
    m_SEstado->setObjectName(QStringLiteral("SEstado"));
    row->addWidget(caption);
    row->addWidget(m_EIdVenta);
    row->addWidget(m_SEstado);
    return box;
}

QWidget* TFVentas::buildButtons()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 4, 0, 4);
    m_SBNuevoP = ToolButton(panel, "SBNuevoP", QStringLiteral("NUEVO (F12)"), QStringLiteral("Nueva Venta"), ButtonSize);
    m_SBVender =
        ToolButton(panel, "SBVender", QStringLiteral("VENDER (F10)"), QStringLiteral("Registrar la Venta"), ButtonSize);
    QFont bold = m_SBVender->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    m_SBVender->setFont(bold);
    m_SBVender->setMinimumWidth(160);
    m_SBImprimir =
        ToolButton(panel, "SBImprimir", QStringLiteral("Imprimir"), QStringLiteral("Imprimir Comprobante"), ButtonSize);
    m_SBBuscar = ToolButton(panel, "SBBuscar", QStringLiteral("Buscar"), QStringLiteral("Buscar Venta"), ButtonSize);
    m_SBAnular = ToolButton(panel, "SBAnular", QStringLiteral("ANULAR"), QStringLiteral("Anular Venta"), ButtonSize);
    m_SBCotizar =
        ToolButton(panel, "SBCotizar", QStringLiteral("Cotizar"), QStringLiteral("Cotizacion y/o Cuenta"), ButtonSize);
    for (QToolButton* button : {m_SBNuevoP, m_SBVender, m_SBImprimir, m_SBBuscar, m_SBAnular, m_SBCotizar})
        row->addWidget(button);
    row->addStretch(1);
    connect(m_SBNuevoP, &QToolButton::clicked, this, &TFVentas::SBNuevoPClick);
    connect(m_SBVender, &QToolButton::clicked, this, &TFVentas::SBVenderClick);
    connect(m_SBImprimir, &QToolButton::clicked, this, &TFVentas::SBImprimirClick);
    connect(m_SBBuscar, &QToolButton::clicked, this, &TFVentas::SBBuscarClick);
    connect(m_SBAnular, &QToolButton::clicked, this, &TFVentas::SBAnularClick);
    connect(m_SBCotizar, &QToolButton::clicked, this, &TFVentas::SBCotizarClick);
    return panel;
}

void TFVentas::buildStatusBar()
{
    auto* bar = new WindowStatusBar(QStringLiteral("Registrar Ventas"), this);
    m_SBar1 = bar;
    m_PBar1 = bar->progressBar();
    m_PBar1->setRange(0, 10);
}

// The counter's keyboard path: Tab walks the list, "Código", NIT/CI, Nombre, Efectivo and VENDER
// before anything else (each grid one stop, not one per cell); the frequent actions have function
// keys, shown on their captions; Ctrl+1 to Ctrl+8 load the categories.
void TFVentas::arrangeKeyboard()
{
    const QList<QWidget*> order = {m_Vec0,       m_ECodigoB, m_ENitCI,        m_ENombreC, m_EEfectivo, m_SBVender,
                                   m_Vec1,       m_CBFormaP, m_CBComprobante, m_EObs,     m_EIdVenta,  m_SBNuevoP,
                                   m_SBImprimir, m_SBBuscar, m_SBAnular,      m_SBCotizar};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    m_Vec1->installEventFilter(this);
    auto* keys = new WindowKeys(this);
    keys->pressButtonsWithEnter();
    keys->add(Qt::Key_F2, [this] { focusField(m_ENitCI); });
    keys->add(Qt::Key_F4, [this] { focusField(m_EEfectivo); });
    keys->add(Qt::Key_F10, [this] { m_SBVender->click(); });
    keys->add(Qt::Key_F12, [this] { m_SBNuevoP->click(); });
    const auto key = [this](const QKeySequence& sequence, auto action) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    for (int category = 1; category <= 8; ++category) {
        key(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + category)), [this, category] {
            if (m_BGrupo.at(category - 1)->isVisible() && m_Vec0->isEnabled()) {
                loadCategory(category);
                m_Vec0->setFocus();
            }
        });
    }
}

void TFVentas::focusField(QLineEdit* field)
{
    if (!field->isEnabled())
        return;
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

// After a sale the cashier starts the next one where the last began: the product list, or the
// "Código" field while products come from the scanner.
void TFVentas::focusNextSale()
{
    if (m_scannerInUse)
        m_ECodigoB->setFocus();
    else
        m_Vec0->setFocus();
}

// ----- opening -------------------------------------------------------------------------------

void TFVentas::FormCreate()
{
    MainStatus::setText(3, QStringLiteral("Operacion: Registrar Ventas"));
    try {
        prepareCategoryButtons();
        fillVoucherKinds();
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
    resetWindow();
    loadCategory(1);
    focusNextSale();
}

bool TFVentas::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFVentas::FormActivate() { MainStatus::setText(3, QStringLiteral("Operacion: Registrar Ventas")); }

// Button i loads category i whatever its name; it is shown while the category is enabled, with
// the category's name as its hint.
void TFVentas::prepareCategoryButtons()
{
    const SqlRows rows = TDataModule1::instance().query(
        QStringLiteral("SELECT IdCategoria, Categoria, Icono, Estado FROM Categorias WHERE IdCategoria BETWEEN 1 AND 8 "
                       "ORDER BY IdCategoria"));
    for (QToolButton* button : m_BGrupo)
        button->hide();
    for (SqlRows r = rows; !r.atEnd(); r.next()) {
        const int category = int(r.integer(0));
        QToolButton* button = m_BGrupo.value(category - 1);
        if (!button)
            continue;
        const QString name = r.text(1);
        QImage icon = QImage::fromData(r.blob(2));
        const QPixmap picture =
            icon.isNull()
                ? PlaceholderIcon(category, name)
                : QPixmap::fromImage(icon.scaled(IconSize, IconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        button->setIcon(picture);
        button->setToolTip(name);
        button->setText(ButtonCaption(button->fontMetrics(), name, button->width() - 14));
        button->setVisible(r.integer(3) == 1);
    }
}

void TFVentas::fillVoucherKinds()
{
    m_CBComprobante->clear();
    const SqlRows rows =
        TDataModule1::instance().query(QStringLiteral("SELECT Comprobante FROM ComprobanteV ORDER BY IdCompV"));
    for (SqlRows r = rows; !r.atEnd(); r.next())
        m_CBComprobante->addItem(r.text(0));
}

void TFVentas::BGrupoClick(int category) { loadCategory(category); }

void TFVentas::loadCategory(int category)
{
    m_state.CurrentCategory = category;
    m_Vec0->clearRows();
    const QString name = m_BGrupo.value(category - 1) ? m_BGrupo.value(category - 1)->toolTip() : QString();
    m_Vec0->horizontalHeaderItem(PProducto)->setText(QLatin1Char(' ') + name);
    try {
        const SqlRows rows = TDataModule1::instance().query(
            QStringLiteral("SELECT IdProducto, IdCategoria, Marca, Producto, Presentacion, UMedida, StockM, PVenta, "
                           "PVentaIVA, CodigoB, (Ingreso - Egreso) AS Stock FROM Productos "
                           "WHERE IdCategoria=? AND Estado=1 ORDER BY Producto"),
            {category});
        for (SqlRows r = rows; !r.atEnd(); r.next()) {
            const int row = m_Vec0->addRow({r.text(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5),
                                            Formats::General(r.number(6)), Formats::General(r.number(7)),
                                            Formats::General(r.number(8)), r.text(9), Formats::General(r.number(10))});
            colourStock(row);
        }
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
    // Enter picks at once: the list always has a chosen row.
    if (m_Vec0->rowCount() > 0)
        m_Vec0->goToRow(qBound(0, m_state.ProductRow, m_Vec0->rowCount() - 1));
}

// Green above the minimum stock, yellow at or below it, red when nothing is left (red wins).
void TFVentas::colourStock(int row)
{
    const double stock = Number(m_Vec0->cell(PStock, row));
    const double minimum = Number(m_Vec0->cell(PStockM, row));
    QColor colour = StockAboveMinimum;
    if (stock <= 0)
        colour = QColor(255, 0, 0);
    else if (stock <= minimum)
        colour = QColor(255, 255, 0);
    m_Vec0->setCellColor(PStock, row, colour);
}

// ----- the cart ------------------------------------------------------------------------------

bool TFVentas::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_ENitCI)
            ENitCIExit();
        else if (watched == m_EEfectivo)
            EEfectivoExit();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_Vec0 && enter) {
        addProduct(m_Vec0->currentRow());
        return true;
    }
    if (watched == m_Vec0 && key == Qt::Key_Space) {
        showPhoto(m_Vec0->currentRow());
        return true;
    }
    if (watched == m_Vec1)
        return cartKey(key);
    if (watched == m_ENitCI && enter) {
        m_ENombreC->setFocus();
        return true;
    }
    if (watched == m_ENombreC && enter) {
        focusField(m_EEfectivo);
        return true;
    }
    // Enter in "Efectivo" sells a sale that has its lines; the sale itself says what else is missing.
    if (watched == m_EEfectivo && enter) {
        EEfectivoExit();
        if (m_Vec1->rowCount() > 0)
            m_SBVender->click();
        return true;
    }
    if (watched == m_ENitCI && key == Qt::Key_Space) {
        ENitCIPick();
        return true;
    }
    if (watched == m_EIdVenta && enter) {
        SBBuscarClick();
        return true;
    }
    return false;
}

// The selected cart line: Supr removes it, + and - change its quantity by one (never below one),
// Enter asks for its quantity.
bool TFVentas::cartKey(int key)
{
    const int row = m_Vec1->currentRow();
    switch (key) {
    case Qt::Key_Delete: removeLine(row); return true;
    case Qt::Key_Plus: stepQuantity(row, 1); return true;
    case Qt::Key_Minus: stepQuantity(row, -1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: changeQuantity(row); return true;
    default: return false;
    }
}

void TFVentas::stepQuantity(int row, int step)
{
    if (row < 0 || row >= m_Vec1->rowCount())
        return;
    const double quantity = Number(m_Vec1->cell(NxCantidad, row)) + step;
    if (quantity < 1)
        return;
    m_Vec1->setCell(NxCantidad, row, Formats::General(quantity));
    setLineTotal(row);
    updateTotals();
}

QuantityRequest TFVentas::Request(int mode, const QString& brand, const QString& product, const QString& presentation,
                                  const QString& unit)
{
    QuantityRequest q;
    q.Mode = mode;
    q.BrandOrId = brand;
    q.ProductName = product;
    q.Presentation = presentation;
    q.Unit = unit;
    return q;
}

void TFVentas::addProduct(int row)
{
    if (row < 0 || m_Vec0->cell(PIdCategoria, row).isEmpty())
        return;
    m_state.ProductRow = row;
    m_scannerInUse = false;
    // Six lines at most, even to raise the quantity of a line already there.
    if (m_Vec1->rowCount() >= MaxLines) {
        Messages().information(QStringLiteral("Numero de Items permitidos 6"));
        return;
    }
    QuantityRequest request =
        Request(QuantityRequest::SaleQuantityMode, m_Vec0->cell(PMarca, row), m_Vec0->cell(PProducto, row),
                m_Vec0->cell(PPresentacion, row), m_Vec0->cell(PUMedida, row));
    request.SaleQuantity = 1;
    const std::optional<QuantityRequest> answer = TFCantidad::Run(request, this);
    if (!answer)
        return;
    QStringList product;
    for (int column = PIdProducto; column <= PStock; ++column)
        product << m_Vec0->cell(column, row);
    addToCart(product, answer->SaleQuantity);
}

// A scanned code adds one unit of its product, under the cart's rules; an unknown, disabled or
// shared code only says so.
void TFVentas::addScanned(const QString& code)
{
    if (!m_Vec0->isEnabled() || code.trimmed().isEmpty())
        return;
    m_scannerInUse = true;
    try {
        const ProductBarcode::Match match = ProductBarcode::Find(code);
        if (!match.refusal.isEmpty())
            Messages().information(match.refusal);
        else if (m_Vec1->rowCount() >= MaxLines)
            Messages().information(QStringLiteral("Numero de Items permitidos 6"));
        else
            addToCart(match.product, 1);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
}

// `product` holds the product list's columns; a product already in the cart only gains quantity.
void TFVentas::addToCart(const QStringList& product, double quantity)
{
    const QString productId = product.value(PIdProducto);
    for (int line = 0; line < m_Vec1->rowCount(); ++line) {
        if (m_Vec1->cell(NxIdProducto1, line) != productId)
            continue;
        m_Vec1->setCell(NxCantidad, line, Formats::General(Number(m_Vec1->cell(NxCantidad, line)) + quantity));
        setLineTotal(line);
        updateTotals();
        return;
    }
    QString price = product.value(PPVenta);
    if (m_CBFormaP->currentIndex() == PaymentForms::Free)
        price = QStringLiteral("0");
    else if (m_CBComprobante->currentIndex() == InvoiceVoucher)
        price = product.value(PPVentaIVA);
    const int line = m_Vec1->addRow(
        {Formats::General(quantity), productId, product.value(PIdCategoria), product.value(PMarca), product.value(PProducto),
         product.value(PPresentacion), product.value(PUMedida), product.value(PStockM), price, QString(),
         product.value(PCodigoB), QStringLiteral("0"), product.value(PPVenta), product.value(PPVentaIVA)});
    setLineTotal(line);
    updateTotals();
}

void TFVentas::showPhoto(int row)
{
    if (row < 0 || m_Vec0->cell(PIdProducto, row).isEmpty())
        return;
    TFCantidad::Run(Request(QuantityRequest::ProductPhotoMode, m_Vec0->cell(PIdProducto, row), m_Vec0->cell(PProducto, row),
                            m_Vec0->cell(PPresentacion, row), m_Vec0->cell(PUMedida, row)),
                    this);
}

void TFVentas::changeQuantity(int row)
{
    if (row < 0 || row >= m_Vec1->rowCount())
        return;
    QuantityRequest request =
        Request(QuantityRequest::SaleQuantityMode, m_Vec1->cell(NxMarca1, row), m_Vec1->cell(NxProducto1, row),
                m_Vec1->cell(NxPresentacion1, row), m_Vec1->cell(NxUnidad, row));
    request.SaleQuantity = Number(m_Vec1->cell(NxCantidad, row));
    const std::optional<QuantityRequest> answer = TFCantidad::Run(request, this);
    if (!answer)
        return;
    m_Vec1->setCell(NxCantidad, row, Formats::General(answer->SaleQuantity));
    setLineTotal(row);
    updateTotals();
}

void TFVentas::changeUnitPrice(int row)
{
    // A free sale has no prices to change.
    if (row < 0 || row >= m_Vec1->rowCount() || m_CBFormaP->currentIndex() == PaymentForms::Free)
        return;
    QuantityRequest request =
        Request(QuantityRequest::UnitCostMode, m_Vec1->cell(NxMarca1, row), m_Vec1->cell(NxProducto1, row),
                m_Vec1->cell(NxPresentacion1, row), m_Vec1->cell(NxUnidad, row));
    request.UnitCost = Number(m_Vec1->cell(NxPVenta1, row));
    const std::optional<QuantityRequest> answer = TFCantidad::Run(request, this);
    if (!answer)
        return;
    m_Vec1->setCell(NxPVenta1, row, Formats::General(answer->UnitCost));
    setLineTotal(row);
    updateTotals();
}

void TFVentas::removeLine(int row)
{
    if (row < 0 || row >= m_Vec1->rowCount())
        return;
    m_Vec1->removeRow(row);
    updateTotals();
    if (m_Vec1->rowCount() > 0)
        m_Vec1->goToRow(qMin(row, m_Vec1->rowCount() - 1));
}

void TFVentas::setLineTotal(int row)
{
    m_Vec1->setCell(NxCTotal, row,
                    SaleAmounts::LineTotal(Number(m_Vec1->cell(NxCantidad, row)), Number(m_Vec1->cell(NxPVenta1, row))));
}

void TFVentas::reprice(bool invoiceBasis)
{
    for (int row = 0; row < m_Vec1->rowCount(); ++row) {
        m_Vec1->setCell(NxPVenta1, row, m_Vec1->cell(invoiceBasis ? NxVentaIVA : NxPVentaO, row));
        setLineTotal(row);
    }
    updateTotals();
}

QStringList TFVentas::lineTotals() const
{
    QStringList totals;
    for (int row = 0; row < m_Vec1->rowCount(); ++row)
        totals << m_Vec1->cell(NxCTotal, row);
    return totals;
}

void TFVentas::updateTotals()
{
    m_ETotal->setText(QStringLiteral("0"));
    m_ECambio->setText(QStringLiteral("0"));
    if (m_Vec1->rowCount() > 0)
        m_ETotal->setText(Formats::Money(SaleAmounts::Total(lineTotals())));
    updateChange();
}

// The change when the cash covers the total, otherwise what is still owed. A cash text that is
// no amount shows no change at all; the sale then says why.
void TFVentas::updateChange()
{
    if (m_EEfectivo->text().isEmpty() || m_ETotal->text().isEmpty())
        return;
    double cash = 0;
    if (!SaleAmounts::ReadCash(m_EEfectivo->text(), &cash).isEmpty()) {
        m_ECambio->clear();
        return;
    }
    const double total = Number(m_ETotal->text());
    const bool covered = std::llround(total * 100) <= std::llround(cash * 100);
    m_LSaldoC->setText(covered ? QStringLiteral("Cambio:") : QStringLiteral("Saldo:"));
    m_ECambio->setText(Formats::Money(covered ? cash - total : total - cash));
}

void TFVentas::EEfectivoExit()
{
    m_EEfectivo->setText(SaleAmounts::NormalizeCash(m_EEfectivo->text()));
    if (m_EEfectivo->text().isEmpty())
        m_ECambio->clear();
}

void TFVentas::CBComprobanteChange()
{
    if (m_Vec1->rowCount() > 0)
        reprice(m_CBComprobante->currentIndex() != 0);
}

void TFVentas::CBFormaPChange()
{
    const bool lines = m_Vec1->rowCount() > 0;
    switch (m_CBFormaP->currentIndex()) {
    case PaymentForms::Free:
        m_ETotal->setText(QStringLiteral("0.00"));
        m_EEfectivo->setText(QStringLiteral("0.00"));
        m_EEfectivo->setEnabled(false);
        m_CBComprobante->setCurrentIndex(0);
        m_CBComprobante->setEnabled(false);
        if (lines) {
            for (int row = 0; row < m_Vec1->rowCount(); ++row) {
                m_Vec1->setCell(NxPVenta1, row, QStringLiteral("0"));
                m_Vec1->setCell(NxCTotal, row, QStringLiteral("0"));
            }
            updateTotals();
        }
        break;
    case PaymentForms::Credit:
        m_EEfectivo->setEnabled(true);
        m_EEfectivo->clear();
        m_CBComprobante->setCurrentIndex(0);
        m_CBComprobante->setEnabled(false);
        if (lines)
            reprice(true);
        break;
    default:
        m_EEfectivo->setEnabled(true);
        m_EEfectivo->clear();
        m_CBComprobante->setEnabled(true);
        m_CBComprobante->setCurrentIndex(InvoiceVoucher);
        if (lines)
            reprice(true);
        break;
    }
}

// ----- the client ----------------------------------------------------------------------------

void TFVentas::ENitCIExit()
{
    const QString nit = m_ENitCI->text().trimmed();
    if (nit.isEmpty())
        return;
    try {
        const SqlRows client = TDataModule1::instance().query(
            QStringLiteral("SELECT Cliente, Empresa, NCreditos FROM Clientes WHERE NitCI=?"), {nit});
        if (client.isEmpty()) {
            m_state.ClientKnown = 0;
            m_state.ClientCreditLimit = 0;
            m_state.ClientCompany.clear();
            return;
        }
        m_ENombreC->setText(client.text(0));
        m_state.ClientCompany = client.text(1).left(30);
        m_state.ClientCreditLimit = int(client.integer(2));
        m_state.ClientKnown = 1;
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
}

// Space in the NIT/CI field: the client picker; the pick's name is then looked up as when the
// field is left.
void TFVentas::ENitCIPick()
{
    TFBusquedas* picker = TFBusquedas::shared();
    if (!picker)
        return;
    if (const auto choice = picker->pick(PickerModes::SaleClient)) {
        ApplyPickerChoice(PickerModes::SaleClient, *choice, m_ENitCI, m_ENombreC);
        ENitCIExit();
    }
}

// ----- selling -------------------------------------------------------------------------------

SaleInput TFVentas::collectSale() const
{
    SaleInput in = SaleInput::fromSession();
    in.saleNumberText = m_EIdVenta->text();
    for (int row = 0; row < m_Vec1->rowCount(); ++row)
        in.lines.append(SaleLine{m_Vec1->cell(NxIdProducto1, row), int(Number(m_Vec1->cell(NxIdCategoria1, row))),
                                 m_Vec1->cell(NxCantidad, row), m_Vec1->cell(NxPVenta1, row), m_Vec1->cell(NxProducto1, row),
                                 m_Vec1->cell(NxUnidad, row)});
    in.paymentForm = m_CBFormaP->currentIndex();
    in.voucherKind = m_CBComprobante->currentIndex();
    in.cashText = SaleAmounts::NormalizeCash(m_EEfectivo->text());
    in.nitCi = m_ENitCI->text().trimmed();
    in.clientName = m_ENombreC->text().trimmed();
    in.clientCompany = m_state.ClientCompany;
    in.observation = m_EObs->text();
    return in;
}

void TFVentas::SBVenderClick()
{
    if (m_held || !m_SBVender->isEnabled())
        return;
    m_PBar1->show();
    setProgress(1);
    SaleCommitResult result;
    try {
        result = SaleCommit::Commit(collectSale(), [this](int position) { setProgress(position); });
    } catch (const DatabaseError& e) {
        // Nothing was stored: the cart stays for another try.
        m_PBar1->hide();
        Messages().error(e.text());
        return;
    }
    if (!result.stored()) {
        m_PBar1->hide();
        if (result.conversionError)
            Messages().error(result.message);
        else
            Messages().information(result.message);
        if (result.outcome == SaleCommitResult::Outcome::KeyTaken)
            resetWindow();
        return;
    }
    m_state.FormaP = result.record.PaymentForm;
    m_state.Comprobante = result.record.VoucherKind;
    m_EIdVenta->setText(result.voucher.saleNumberText());

    // The sale is stored: a voucher that fails to print is shown and can be printed again, but the
    // sale is never stored twice.
    if (!PrintSaleVoucher(result.voucher)) {
        m_PBar1->hide();
        holdSale(result.voucher);
        return;
    }
    setProgress(9);
    resetWindow();
    loadCategory(m_state.CurrentCategory);
    setProgress(10);
    m_PBar1->hide();
    focusNextSale();
}

void TFVentas::SBImprimirClick()
{
    if (m_held)
        PrintSaleVoucher(*m_held);
    else if (m_found && !m_found->isAnnulled())
        PrintSaleVoucher(m_found->voucher());
}

// ----- a stored sale brought back ------------------------------------------------------------

void TFVentas::SBBuscarClick()
{
    const QString typed = m_EIdVenta->text().trimmed();
    if (typed.isEmpty())
        return;
    const QString key = StoredSales::SaleKey(typed);
    if (key.isEmpty()) {
        Messages().error(QStringLiteral("'%1' no es un valor entero valido").arg(typed));
        return;
    }
    m_EIdVenta->setText(key.mid(1));
    std::optional<StoredSale> sale;
    try {
        sale = StoredSales::Find(key);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    if (!sale) {
        refuseLookup(SaleAnnulment::NotFound);
        return;
    }
    const QString session = SessionState::current().CashSessionId;
    if (session.isEmpty() || sale->IdCaja.compare(session, Qt::CaseInsensitive) != 0) {
        refuseLookup(SaleAnnulment::OtherSession);
        return;
    }
    showFoundSale(*sale);
}

// The number names no sale of this session: nothing is shown, and nothing is sold until "NUEVO".
void TFVentas::refuseLookup(const QString& message)
{
    m_found.reset();
    Messages().information(message);
    m_EIdVenta->setFocus();
    m_EIdVenta->selectAll();
    m_SBVender->setEnabled(false);
}

void TFVentas::showFoundSale(const StoredSale& sale)
{
    m_held.reset();
    m_found = sale;
    m_ENitCI->setText(sale.NitCI);
    m_ENombreC->setText(sale.Cliente);
    m_EObs->setText(sale.Obs);
    m_CBFormaP->setCurrentIndex(sale.FormaP);
    m_CBComprobante->setCurrentIndex(sale.Comprobante);
    m_Vec1->clearRows();
    QList<QStringList> lines;
    for (const StoredSaleLine& line : sale.lines) {
        const QString price = Formats::General(line.unitPrice);
        lines << QStringList{Formats::General(line.quantity),
                             line.productId,
                             QString::number(line.categoryId),
                             line.brand,
                             line.product,
                             line.presentation,
                             line.unit,
                             Formats::General(line.minimumStock),
                             price,
                             Formats::General(line.lineTotal),
                             line.barcode,
                             QStringLiteral("0"),
                             price,
                             price};
    }
    m_Vec1->addRows(lines);
    m_ETotal->setText(Formats::Money(sale.TotalF));
    m_EEfectivo->setText(Formats::Money(sale.TotalE));
    m_LSaldoC->setText(sale.FormaP == PaymentForms::Credit ? QStringLiteral("Saldo:") : QStringLiteral("Cambio:"));
    m_ECambio->setText(Formats::Money(sale.Saldo));
    m_state.ClientCompany = sale.clientCompany;

    setEntryEnabled(false);
    m_SBVender->setEnabled(false);
    const bool valid = !sale.isAnnulled();
    m_SBAnular->setEnabled(valid);
    m_SBImprimir->setEnabled(valid);
    if (valid)
        m_SEstado->setState(Qt::green, QStringLiteral("Venta Valida"));
    else
        m_SEstado->setState(Qt::red, QStringLiteral("Venta Anulada"));
    m_EIdVenta->setFocus();
    m_EIdVenta->selectAll();
}

// Typing another number lets go of the sale shown: it can be neither printed nor annulled until
// it is looked up. The entry controls stay as they were ("NUEVO" brings back a new sale).
void TFVentas::EIdVentaChange()
{
    m_found.reset();
    m_held.reset();
    m_ETotal->setText(QStringLiteral("0"));
    m_EEfectivo->clear();
    m_ECambio->setText(QStringLiteral("0"));
    m_LSaldoC->setText(QStringLiteral("Cambio:"));
    m_Vec1->clearRows();
    m_ENitCI->clear();
    m_EObs->clear();
    m_ENombreC->clear();
    m_state.ClientCompany.clear();
    m_CBFormaP->setCurrentIndex(PaymentForms::Cash);
    m_SBAnular->setEnabled(false);
    m_SBImprimir->setEnabled(false);
    m_SEstado->setState(Qt::white, QString());
}

void TFVentas::SBAnularClick()
{
    if (!m_found || m_found->isAnnulled())
        return;
    if (!Messages().question(SaleAnnulment::QuestionTitle, SaleAnnulment::Question))
        return;
    const QString session = SessionState::current().CashSessionId;
    if (session.isEmpty()) {
        Messages().information(QStringLiteral("La CAJA no esta Abierta"));
        return;
    }
    SaleAnnulment::Result result;
    try {
        result = SaleAnnulment::Annul(m_found->IdVenta, session);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    Messages().information(result.message);
    if (result.annulled) {
        resetWindow();
        loadCategory(m_state.CurrentCategory);
        return;
    }
    // Refused: annulled meanwhile at another counter, or the session closed. It can no longer be
    // annulled from here.
    m_SBAnular->setEnabled(false);
}

// ----- quotation -----------------------------------------------------------------------------

void TFVentas::SBCotizarClick()
{
    if (m_Vec1->rowCount() == 0) {
        Messages().information(QStringLiteral("No existen Productos"));
        return;
    }
    Quotation quotation;
    quotation.date = SessionState::current().WorkDate;
    quotation.clientName = m_ENombreC->text().trimmed();
    quotation.nitCi = m_ENitCI->text().trimmed();
    quotation.clientCompany = m_state.ClientCompany;
    quotation.observation = m_EObs->text();
    quotation.invoice = m_CBComprobante->currentIndex() == InvoiceVoucher;
    quotation.total = Number(m_ETotal->text());
    for (int row = 0; row < m_Vec1->rowCount(); ++row)
        quotation.lines.append(SaleVoucherLine{m_Vec1->cell(NxCantidad, row), m_Vec1->cell(NxProducto1, row),
                                               m_Vec1->cell(NxUnidad, row), Number(m_Vec1->cell(NxPVenta1, row)),
                                               Number(m_Vec1->cell(NxCTotal, row))});
    if (SessionState::current().PrintFormat == 1) {
        if (quotation.nitCi.isEmpty() || quotation.clientName.isEmpty()) {
            Messages().information(QStringLiteral("Inserte Datos del Cliente a Cotizar"));
            return;
        }
        TFRVenta::instance().ShowQuotation(quotation.letterForm());
        return;
    }
    if (const QString failure = PrintQuotationTicket(quotation); !failure.isEmpty())
        Messages().error(failure);
}

void TFVentas::holdSale(const SaleVoucher& sale)
{
    m_held = sale;
    m_EIdVenta->setText(sale.saleNumberText());
    setEntryEnabled(false);
    m_SBVender->setEnabled(false);
    m_SBImprimir->setEnabled(true);
    m_SEstado->setState(Qt::green, QStringLiteral("Venta Registrada"));
    loadCategory(m_state.CurrentCategory);
}

void TFVentas::setProgress(int position) { m_PBar1->setValue(position); }

void TFVentas::setEntryEnabled(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_Vec0, m_Vec1, m_EObs, m_GBCliente, m_GBPago, m_CBFormaP,
                                                            m_CBComprobante, m_ECodigoB})
        control->setEnabled(enabled);
}

void TFVentas::SBNuevoPClick()
{
    resetWindow();
    loadCategory(m_state.CurrentCategory);
    focusNextSale();
}

void TFVentas::resetWindow()
{
    const SessionState& s = SessionState::current();
    m_held.reset();
    m_found.reset();
    m_ETotal->setText(QStringLiteral("0"));
    m_EEfectivo->clear();
    m_EEfectivo->setEnabled(true);
    m_ECambio->setText(QStringLiteral("0"));
    m_LSaldoC->setText(QStringLiteral("Cambio:"));
    m_Vec1->clearRows();
    m_ENitCI->clear();
    m_ENombreC->clear();
    m_state.ClientKnown = 0;
    m_state.ClientCreditLimit = 0;
    m_state.ClientCompany.clear();
    m_state.FormaP = PaymentForms::Cash;
    m_SBVender->setEnabled(true);
    m_SBImprimir->setEnabled(false);
    m_SBAnular->setEnabled(false);
    m_CBFormaP->setCurrentIndex(PaymentForms::Cash);
    m_EObs->clear();
    try {
        m_EIdVenta->setText(NextCounterId(SaleCounter));
    } catch (const DatabaseError& e) {
        m_EIdVenta->clear();
        Messages().error(e.text());
    }
    m_SEstado->setState(Qt::white, QString());
    setEntryEnabled(true);
    m_CBComprobante->setCurrentIndex(s.InvoicingEnabled == 1 ? InvoiceVoucher : 0);
}
