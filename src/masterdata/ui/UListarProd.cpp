#include "masterdata/ui/UListarProd.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "masterdata/MasterPictures.h"
#include "masterdata/ProductLists.h"
#include "widgets/DataGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

TFListarProd* g_shared = nullptr;

constexpr int SalesModeValue = 10;
constexpr int SuppliesModeValue = 11;
constexpr int ButtonsPerPanel = 10;
// The last two buttons of each panel stand for categories the shop does not have.
bool UnusedButton(int category) { return category == 9 || category == 10 || category == 25 || category == 26; }

}

const QColor& TFListarProd::ExhaustedColour()
{
    static const QColor red(255, 140, 140);
    return red;
}

const QColor& TFListarProd::LowColour()
{
    static const QColor yellow(255, 236, 110);
    return yellow;
}

TFListarProd::TFListarProd(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FListarProd"));
    setWindowTitle(QStringLiteral("Lista de Productos"));
    setModal(true);
    m_PListarPV = buildPanel("PListarPV", "VecP", 1, &m_VecP);
    m_PListarPI = buildPanel("PListarPI", "VecI", 17, &m_VecI);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_PListarPV);
    layout->addWidget(m_PListarPI);
    m_PListarPV->hide();
    m_PListarPI->hide();
    resize(720, 660);
}

TFListarProd::~TFListarProd()
{
    if (g_shared == this)
        g_shared = nullptr;
}

TFListarProd* TFListarProd::shared() { return g_shared; }

void TFListarProd::setShared(TFListarProd* list) { g_shared = list; }

QWidget* TFListarProd::buildPanel(const char* panelName, const char* gridName, int firstCategory, DataGrid** grid)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QLatin1String(panelName));

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    auto* caption = new QLabel(QStringLiteral("CATEGORIAS"), panel);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    buttons->addWidget(caption, 0, Qt::AlignLeft);
    for (int category = firstCategory; category < firstCategory + ButtonsPerPanel; ++category) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QStringLiteral("BGrupo%1").arg(category));
        // The name beside the icon tells apart the categories that show the same default icon.
        button->setIconSize(MasterPictures::IconSize);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setFixedSize(196, MasterPictures::IconSize.height() + 6);
        button->setCheckable(true);
        connect(button, &QToolButton::clicked, this, [this, category] { buttonClicked(category); });
        buttons->addWidget(button, 0, Qt::AlignLeft);
        m_buttons.insert(category, button);
    }
    buttons->addStretch(1);

    using Type = DataGrid::ColumnType;
    auto* list = new DataGrid(panel);
    list->setObjectName(QLatin1String(gridName));
    list->addColumn(QStringLiteral("#"), Type::Number, 40);
    list->addColumn(QStringLiteral("IdProducto"), Type::Text, 80, true);
    list->addColumn(QStringLiteral("Categoria"), Type::Number, 60, true);
    list->addColumn(QStringLiteral("Marca"), Type::Text, 80, true);
    list->addColumn(QStringLiteral("Nombre Producto"), Type::Text, 300);
    list->addColumn(QStringLiteral("Presentacion"), Type::Text, 80, true);
    list->addColumn(QStringLiteral("U. Medida"), Type::Text, 60, true);
    list->addColumn(QStringLiteral("StockM"), Type::Number, 60, true);
    list->addColumn(QStringLiteral("P. Compra"), Type::Number, 60, true);
    list->addColumn(QStringLiteral("CodigoB"), Type::Text, 80, true);
    list->addColumn(QStringLiteral("Ingreso"), Type::Number, 60, true);
    list->addColumn(QStringLiteral("Egreso"), Type::Number, 60, true);
    list->addColumn(QStringLiteral("Stock"), Type::Number, 70);
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->horizontalHeader()->setSectionResizeMode(ColProducto, QHeaderView::Stretch);
    list->installEventFilter(this);
    connect(list, &QTableWidget::cellDoubleClicked, this, &TFListarProd::chooseRow);

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(list, 1);
    *grid = list;
    return panel;
}

std::optional<ListedProduct> TFListarProd::choose(int purchaseMode, const QStringList& idsInLines)
{
    m_purchaseMode = purchaseMode;
    m_idsInLines = idsInLines;
    FormActivate();
    exec();
    return m_chosen;
}

void TFListarProd::start(int purchaseMode, const QStringList& idsInLines)
{
    m_purchaseMode = purchaseMode;
    m_idsInLines = idsInLines;
    FormActivate();
    show();
}

void TFListarProd::FormActivate()
{
    m_chosen.reset();
    m_PListarPV->hide();
    m_PListarPI->hide();
    if (m_purchaseMode != SalesModeValue && m_purchaseMode != SuppliesModeValue)
        return;
    const SessionState& s = SessionState::current();
    const bool supplies = suppliesShown();
    setWindowTitle(supplies ? QStringLiteral("Lista de Insumos") : QStringLiteral("Lista de Productos a la Venta"));
    (supplies ? m_PListarPI : m_PListarPV)->show();
    setUpButtons(supplies);
    layout()->activate();
    // A remembered category outside the panel (none yet) starts at the panel's first one.
    const int first = supplies ? 17 : 1;
    const int remembered = supplies ? s.SupplyListGroup : s.SalesListGroup;
    listCategory(remembered >= first && remembered < first + ButtonsPerPanel ? remembered : first);
}

// Each button stands for its own category number, with that category's icon (or the default one)
// and its name as hint; a disabled category has no button.
void TFListarProd::setUpButtons(bool supplies)
{
    QList<ProductLists::CategoryButton> categories;
    try {
        categories = ProductLists::Categories();
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
    const int first = supplies ? 17 : 1;
    for (int category = first; category < first + ButtonsPerPanel; ++category) {
        QToolButton* button = m_buttons.value(category);
        button->setIcon(QIcon());
        button->setText(QString());
        button->setToolTip(QString());
        button->setChecked(false);
        button->setEnabled(!UnusedButton(category));
        button->setVisible(UnusedButton(category));
    }
    for (const ProductLists::CategoryButton& category : categories) {
        QToolButton* button = m_buttons.value(category.IdCategoria);
        if (!button || category.IdCategoria < first || category.IdCategoria >= first + ButtonsPerPanel
            || UnusedButton(category.IdCategoria))
            continue;
        button->setIcon(MasterPictures::Icon(category.Icono));
        button->setText(category.Categoria);
        button->setToolTip(category.Categoria);
        button->setVisible(category.enabled);
    }
}

DataGrid* TFListarProd::grid() const { return suppliesShown() ? m_VecI : m_VecP; }

void TFListarProd::buttonClicked(int category)
{
    SessionState& s = SessionState::current();
    (suppliesShown() ? s.SupplyListGroup : s.SalesListGroup) = category;
    listCategory(category);
}

void TFListarProd::listCategory(int category)
{
    DataGrid* list = grid();
    list->clearRows();
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setChecked(it.key() == category);
    const QToolButton* button = m_buttons.value(category);
    list->horizontalHeaderItem(ColProducto)->setText(QStringLiteral(" Categoria: ") + (button ? button->toolTip() : QString()));
    try {
        SqlRows rows = ProductLists::EnabledProductsOf(category);
        for (int number = 1; !rows.atEnd(); rows.next(), ++number)
            addProduct(list, rows, number);
    } catch (const DatabaseError& e) {
        list->clearRows();
        MessageSeam::current().error(e.text());
    }
    list->goToRow(0);
    list->setFocus();
}

void TFListarProd::addProduct(DataGrid* list, const SqlRows& rows, int number)
{
    // The stock is written in its shortest form and coloured on what is written, so 0.3 - 0.1
    // reads (and counts as) 0.2.
    const QString stockText = Formats::General(rows.number(9) - rows.number(10));
    double stock = 0;
    Formats::ParseAmount(stockText, &stock);
    const double minimum = rows.number(6);
    const int row =
        list->addRow({QString::number(number), rows.text(0), rows.text(1), rows.text(2), rows.text(3), rows.text(4),
                      rows.text(5), Formats::General(minimum), Formats::General(rows.number(7)), rows.text(8),
                      Formats::General(rows.number(9)), Formats::General(rows.number(10)), stockText});
    QColor colour;
    if (stock <= 0)
        colour = ExhaustedColour();
    else if (minimum > 0 && minimum > stock)
        colour = LowColour();
    if (colour.isValid())
        for (int column : {int(ColNumero), int(ColProducto), int(ColStock)})
            list->setCellColor(column, row, colour);
}

bool TFListarProd::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_VecP || watched == m_VecI) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseRow();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFListarProd::chooseRow()
{
    const DataGrid* list = grid();
    const int row = list->selectedRow();
    const QString id = list->cell(ColIdProducto, row);
    if (id.isEmpty())
        return;
    if (m_idsInLines.contains(id, Qt::CaseInsensitive)) {
        reject();
        return;
    }
    ListedProduct product;
    product.IdProducto = id;
    product.IdCategoria = list->cell(ColCategoria, row).toInt();
    product.Marca = list->cell(ColMarca, row);
    product.Producto = list->cell(ColProducto, row);
    product.Presentacion = list->cell(ColPresentacion, row);
    product.UMedida = list->cell(ColUMedida, row);
    Formats::ParseAmount(list->cell(ColStock, row), &product.Stock);
    Formats::ParseAmount(list->cell(ColPCompra, row), &product.PCompra);
    m_chosen = product;
    accept();
}
