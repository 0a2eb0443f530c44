#include "masterdata/ui/UProductosC.h"

#include "masterdata/ui/UImportarP.h"

#include "data/DatabaseError.h"
#include "data/FileDialogSeam.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "masterdata/CategoryStore.h"
#include "masterdata/ui/MasterFields.h"
#include "masterdata/ui/MasterGrid.h"
#include "masterdata/MasterPictures.h"
#include "widgets/DataGrid.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"
#include "widgets/PictureBox.h"
#include "widgets/WindowStatusBar.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kNumberLength = 7;
constexpr int kPresentationLength = 100;
constexpr int kBarcodeLength = 20;
const QString kIncomplete = QStringLiteral("Seleccione y/o Inserte correctamente todos los Datos");

const QStringList& InventoryEntries()
{
    static const QStringList entries{QStringLiteral("< Seleccione Inventario >"), QStringLiteral("PRODUCTOS A LA VENTA"),
                                     QStringLiteral("INSUMOS/MATERIAS PRIMAS")};
    return entries;
}

QLineEdit* textField(QWidget* parent, const char* name, int maxLength, bool upperCase = true)
{
    QLineEdit* edit = NamedControls::Field(parent, name, maxLength);
    if (upperCase)
        InputFilters::upperCase(edit);
    return edit;
}

QLineEdit* numberField(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* edit = NamedControls::Field(parent, name, maxLength);
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(maxLength < 3 ? 44 : 84);
    InputFilters::digitsAndPoint(edit);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, bool enabled)
{
    QPushButton* b = NamedControls::Button(parent, name, caption);
    b->setEnabled(enabled);
    b->setMinimumWidth(96);
    return b;
}

QLabel* addField(QGridLayout* form, int row, int column, const QString& label, QWidget* field, int span = 1)
{
    auto* caption = new QLabel(label, field->parentWidget());
    caption->setBuddy(field);
    form->addWidget(caption, row, column * 2, Qt::AlignRight);
    form->addWidget(field, row, column * 2 + 1, 1, span);
    return caption;
}

// Prices and costs read with two decimals when they have no more, so a stored 12.5 shows as 12.50;
// anything finer is shown whole, so writing it back changes nothing.
QString PriceText(double value)
{
    return Formats::RoundCents(value) == value ? Formats::Money(value) : Formats::General(value);
}

template <typename Step> bool Run(Step step)
{
    try {
        step();
        return true;
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return false;
    }
}

const QString kPictureFilter = QStringLiteral("Imagenes (*.jpg *.jpeg *.png *.bmp *.gif)");

}

const QColor& TFProductosC::EvenCategoryColour()
{
    static const QColor green(192, 220, 192);
    return green;
}

TFProductosC::TFProductosC(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FProductosC"));
    setWindowTitle(QStringLiteral("Gestionar Almacen"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_PageControl1 = new QTabWidget(this);
    m_PageControl1->setObjectName(QStringLiteral("PageControl1"));
    m_PageControl1->addTab(buildProductTab(), QStringLiteral("Productos"));
    m_PageControl1->addTab(buildCategoryTab(), QStringLiteral("Inventarios/Categorias"));
    m_PageControl1->addTab(buildNameTab(m_brands, "M", "VecM", "EIdMarca", "EMarca", 30, "CBEstadoM"),
                           QStringLiteral("Marcas/Procedencias"));
    m_PageControl1->addTab(buildNameTab(m_units, "UM", "VecUM", "EIdUMedida", "EUMedida", 20, "CBEstadoUM"),
                           QStringLiteral("Unidades de Medida"));
    m_brands.productCombo = m_CBMarca;
    m_units.productCombo = m_CBUMedida;
    buildStatusBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(m_PageControl1, 1);
    layout->addWidget(m_SBar1);
    connect(m_PageControl1, &QTabWidget::currentChanged, this, &TFProductosC::tabChanged);
    FormCreate();
    resize(1040, 560);
}

// ----- building ----------------------------------------------------------------------------------

QWidget* TFProductosC::buildProductTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TSProductos"));

    using Type = DataGrid::ColumnType;
    m_Vec0 = new DataGrid(page);
    m_Vec0->setObjectName(QStringLiteral("Vec0"));
    m_Vec0->addColumn(QStringLiteral("Nro"), Type::Number, 40);
    m_Vec0->addColumn(QStringLiteral("IdProducto"), Type::Text, 80, true);
    m_Vec0->addColumn(QStringLiteral("Inventario"), Type::Number, 40, true);
    m_Vec0->addColumn(QStringLiteral("Categoria"), Type::Number, 40, true);
    m_Vec0->addColumn(QStringLiteral("Marca"), Type::Text, 80, true);
    m_Vec0->addColumn(QStringLiteral("Nombre Producto"), Type::Text, 230);
    m_Vec0->addColumn(QStringLiteral("Presentación"), Type::Text, 80, true);
    m_Vec0->addColumn(QStringLiteral("U.Medida"), Type::Text, 60, true);
    for (const char* title : {"StockM", "PCompra", "PVenta", "PVentaIVA"})
        m_Vec0->addColumn(QLatin1String(title), Type::Number, 60, true);
    m_Vec0->addColumn(QStringLiteral("CodigoB"), Type::Text, 80, true);
    m_Vec0->addColumn(QStringLiteral("E"), Type::Check, 28);
    MasterGrid::AddDeleteColumn(m_Vec0);
    m_Vec0->horizontalHeader()->setSectionResizeMode(ColProducto, QHeaderView::Stretch);
    m_Vec0->setMinimumWidth(320);

    auto* navigation = new QHBoxLayout;
    const struct {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
    } arrows[] = {{"SBPrimero", "Primero", QStyle::SP_MediaSkipBackward},
                  {"SBAnterior", "Anterior", QStyle::SP_MediaSeekBackward},
                  {"SBSiguiente", "Siguiente", QStyle::SP_MediaSeekForward},
                  {"SBUltimo", "Ultimo", QStyle::SP_MediaSkipForward}};
    for (const auto& arrow : arrows) {
        auto* b = new QToolButton(page);
        b->setObjectName(QLatin1String(arrow.name));
        b->setToolTip(QLatin1String(arrow.hint));
        b->setIcon(style()->standardIcon(arrow.icon));
        navigation->addWidget(b);
        const QString name = QLatin1String(arrow.name);
        connect(b, &QToolButton::clicked, this, [this, name] {
            const int last = m_Vec0->rowCount() - 1;
            const int row = m_Vec0->selectedRow();
            if (name == QLatin1String("SBPrimero"))
                m_Vec0->goToRow(0);
            else if (name == QLatin1String("SBAnterior"))
                m_Vec0->goToRow(qMax(0, row - 1));
            else if (name == QLatin1String("SBSiguiente"))
                m_Vec0->goToRow(qMin(last, row + 1));
            else
                m_Vec0->goToRow(last);
        });
    }
    navigation->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(m_Vec0, 1);
    left->addLayout(navigation);

    m_CBInventario = NamedControls::List(page, "CBInventario", InventoryEntries());
    m_CBInventario->setEnabled(false);
    m_CBGrupoP = NamedControls::List(page, "CBGrupoP");
    m_CBMarca = NamedControls::List(page, "CBMarca");
    m_ENombreP = textField(page, "ENombreP", 22);
    m_EPresentacion = textField(page, "EPresentacion", kPresentationLength);
    m_CBUMedida = NamedControls::List(page, "CBUMedida");
    m_EStockM = numberField(page, "EStockM", kNumberLength);
    m_EPCompra = numberField(page, "EPCompra", kNumberLength);
    m_EPVenta = numberField(page, "EPVenta", kNumberLength);
    m_EIVA = numberField(page, "EIVA", 2);
    m_EPventaIVA = numberField(page, "EPventaIVA", kNumberLength);
    m_ECodigoB = textField(page, "ECodigoB", kBarcodeLength, false);
    m_EIDProducto = textField(page, "EIDProducto", 10, false);
    m_EIDProducto->setReadOnly(true);
    m_EIDProducto->setMinimumWidth(100);

    auto* form = new QGridLayout;
    addField(form, 0, 0, QStringLiteral("Inventario:"), m_CBInventario, 3);
    addField(form, 1, 0, QStringLiteral("Categoria:"), m_CBGrupoP, 3);
    addField(form, 2, 0, QStringLiteral("Marca:"), m_CBMarca, 3);
    addField(form, 3, 0, QStringLiteral("Nombre Producto:"), m_ENombreP, 3);
    addField(form, 4, 0, QStringLiteral("Presentación:"), m_EPresentacion, 3);
    addField(form, 5, 0, QStringLiteral("U. Medida:"), m_CBUMedida, 3);
    addField(form, 6, 0, QStringLiteral("Stock Mínimo:"), m_EStockM);
    addField(form, 6, 1, QStringLiteral("P. Compra:"), m_EPCompra);
    m_salePriceLabels << addField(form, 7, 0, QStringLiteral("P. Venta:"), m_EPVenta);
    m_salePriceLabels << addField(form, 7, 1, QStringLiteral("IVA %:"), m_EIVA);
    m_salePriceLabels << addField(form, 8, 0, QStringLiteral("P. Venta c/IVA:"), m_EPventaIVA);
    addField(form, 9, 0, QStringLiteral("Código Barras:"), m_ECodigoB, 3);
    addField(form, 10, 0, QStringLiteral("Código:"), m_EIDProducto);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
    form->setRowStretch(11, 1);

    m_ImagenP = new PictureBox(MasterPictures::PhotoSize, page);
    m_ImagenP->setObjectName(QStringLiteral("ImagenP"));
    m_ImagenP->setToolTip(QStringLiteral("Haga clic para elegir la foto del producto"));
    m_SBNuevoP = button(page, "SBNuevoP", QStringLiteral("NUEVO"), true);
    m_SBInsertarP = button(page, "SBInsertarP", QStringLiteral("INSERTAR"), false);
    m_SBActualizarP = button(page, "SBActualizarP", QStringLiteral("ACTUALIZAR"), false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_SBNuevoP, m_SBInsertarP, m_SBActualizarP})
        buttons->addWidget(b);
    m_SBImportarP = button(page, "SBImportarP", QStringLiteral("Importar Productos"), true);
    m_SBImportarP->setToolTip(QStringLiteral("Traer la lista de productos de una hoja de cálculo (.xlsx o .csv)"));
    auto* right = new QVBoxLayout;
    right->addWidget(m_ImagenP, 0, Qt::AlignHCenter);
    right->addStretch(1);
    right->addLayout(buttons);
    right->addWidget(m_SBImportarP);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 4);
    layout->addLayout(form, 4);
    layout->addLayout(right, 0);

    connect(m_Vec0, &DataGrid::rowSelected, this, &TFProductosC::Vec0RowSelected);
    connect(m_Vec0, &QTableWidget::cellClicked, this, &TFProductosC::Vec0CellClick);
    connect(m_CBInventario, &QComboBox::activated, this, &TFProductosC::CBInventarioChange);
    // Only what the user types recomputes the price with VAT; filling the fields from a row does not.
    for (QLineEdit* edit : {m_EPVenta, m_EIVA}) {
        connect(edit, &QLineEdit::textEdited, this, &TFProductosC::updatePriceWithVat);
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (edit->isModified())
                updatePriceWithVat();
        });
    }
    connect(m_ImagenP, &PictureBox::clicked, this, &TFProductosC::ImagenPClick);
    connect(m_SBNuevoP, &QPushButton::clicked, this, &TFProductosC::SBNuevoPClick);
    connect(m_SBImportarP, &QPushButton::clicked, this, &TFProductosC::SBImportarPClick);
    connect(m_SBInsertarP, &QPushButton::clicked, this, &TFProductosC::SBInsertarPClick);
    connect(m_SBActualizarP, &QPushButton::clicked, this, &TFProductosC::SBActualizarPClick);
    return page;
}

QWidget* TFProductosC::buildCategoryTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TSCategorias"));
    m_CBInvent = NamedControls::List(page, "CBInvent", InventoryEntries());
    m_CBInvent->setCurrentIndex(1);
    m_VecC = new DataGrid(page);
    m_VecC->setObjectName(QStringLiteral("VecC"));
    m_VecC->addColumn(QStringLiteral("IdCategoria"), DataGrid::ColumnType::Number, 40, true);
    m_VecC->addColumn(QStringLiteral("Inventario"), DataGrid::ColumnType::Number, 40, true);
    m_VecC->addColumn(QStringLiteral(" Categorias"), DataGrid::ColumnType::Text, 260);
    m_VecC->addColumn(QStringLiteral("Estado"), DataGrid::ColumnType::Number, 40, true);
    m_VecC->horizontalHeader()->setSectionResizeMode(CatColNombre, QHeaderView::Stretch);
    m_EIdC = textField(page, "EIdC", 10, false);
    m_EIdC->setReadOnly(true);
    m_ENombreC = textField(page, "ENombreC", 30);
    m_CBVisibleC = NamedControls::StateList(page, "CBVisibleC");
    m_Icono1 = new PictureBox(MasterPictures::IconSize, page);
    m_Icono1->setObjectName(QStringLiteral("Icono1"));
    m_Icono1->setToolTip(QStringLiteral("Haga clic para elegir el icono de la categoria"));
    m_SBActualizar = button(page, "SBActualizar", QStringLiteral("ACTUALIZAR"), false);

    auto* left = new QVBoxLayout;
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Inventario:"), page));
    choice->addWidget(m_CBInvent, 1);
    left->addLayout(choice);
    left->addWidget(m_VecC, 1);

    auto* form = new QGridLayout;
    addField(form, 0, 0, QStringLiteral("Nro:"), m_EIdC);
    addField(form, 1, 0, QStringLiteral("Categoria:"), m_ENombreC);
    addField(form, 2, 0, QStringLiteral("Estado:"), m_CBVisibleC);
    addField(form, 3, 0, QStringLiteral("Icono:"), m_Icono1);
    form->addWidget(m_SBActualizar, 4, 1, Qt::AlignLeft);
    form->setRowStretch(5, 1);
    form->setColumnStretch(1, 1);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addLayout(form, 1);

    connect(m_CBInvent, &QComboBox::activated, this, &TFProductosC::CBInventChange);
    connect(m_VecC, &DataGrid::rowSelected, this, &TFProductosC::VecCRowSelected);
    connect(m_Icono1, &PictureBox::clicked, this, &TFProductosC::Icono1Click);
    connect(m_SBActualizar, &QPushButton::clicked, this, &TFProductosC::SBActualizarClick);
    return page;
}

QWidget* TFProductosC::buildNameTab(NameTab& tab, const char* suffix, const char* gridName, const char* idName,
                                    const char* nameName, int nameLength, const char* stateName)
{
    const bool brand = tab.kind == CatalogNames::Kind::Brand;
    auto* page = new QWidget;
    page->setObjectName(brand ? QStringLiteral("TSMarcas") : QStringLiteral("TSUMedida"));
    tab.grid = new DataGrid(page);
    tab.grid->setObjectName(QLatin1String(gridName));
    tab.grid->addColumn(brand ? QStringLiteral("IdMarca") : QStringLiteral("IdUMedida"), DataGrid::ColumnType::Number, 40,
                        true);
    tab.grid->addColumn(brand ? QStringLiteral(" Marca") : QStringLiteral("Unidad de Medida"), DataGrid::ColumnType::Text,
                        240);
    tab.grid->addColumn(QStringLiteral("Procedencia"), DataGrid::ColumnType::Text, 80, true);
    tab.grid->addColumn(QStringLiteral("Estado"), DataGrid::ColumnType::Number, 40, true);
    MasterGrid::AddDeleteColumn(tab.grid);
    tab.grid->horizontalHeader()->setSectionResizeMode(NameColNombre, QHeaderView::Stretch);
    tab.id = textField(page, idName, 10, false);
    tab.id->setReadOnly(true);
    tab.name = textField(page, nameName, nameLength);
    if (brand)
        tab.origin = textField(page, "EProcedencia", 20);
    tab.state = NamedControls::StateList(page, stateName);
    const QString s = QLatin1String(suffix);
    tab.nuevo = button(page, qPrintable(QStringLiteral("SBNuevo") + s), QStringLiteral("NUEVO"), true);
    tab.insert = button(page, qPrintable(QStringLiteral("SBInsertar") + s), QStringLiteral("INSERTAR"), false);
    tab.update = button(page, qPrintable(QStringLiteral("SBActualizar") + s), QStringLiteral("ACTUALIZAR"), false);

    auto* form = new QGridLayout;
    addField(form, 0, 0, QStringLiteral("Nro:"), tab.id);
    addField(form, 1, 0, brand ? QStringLiteral("Marca:") : QStringLiteral("Unidad de Medida:"), tab.name);
    if (brand)
        addField(form, 2, 0, QStringLiteral("Procedencia:"), tab.origin);
    addField(form, 3, 0, QStringLiteral("Estado:"), tab.state);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {tab.nuevo, tab.insert, tab.update})
        buttons->addWidget(b);
    form->addLayout(buttons, 4, 0, 1, 2);
    form->setRowStretch(5, 1);
    form->setColumnStretch(1, 1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(tab.grid, 1);
    layout->addLayout(form, 1);

    NameTab* t = &tab;
    connect(tab.grid, &DataGrid::rowSelected, this, [this, t](int row) { nameRowSelected(*t, row); });
    connect(tab.grid, &QTableWidget::cellClicked, this, [this, t](int row, int column) { nameCellClick(*t, row, column); });
    connect(tab.nuevo, &QPushButton::clicked, this, [this, t] { nameNew(*t); });
    connect(tab.insert, &QPushButton::clicked, this, [this, t] { nameInsert(*t); });
    connect(tab.update, &QPushButton::clicked, this, [this, t] { nameUpdate(*t); });
    return page;
}

void TFProductosC::buildStatusBar() { m_SBar1 = new WindowStatusBar(QString(), this); }

// ----- opening -----------------------------------------------------------------------------------

void TFProductosC::FormCreate()
{
    loadCategories();
    loadNames(m_brands);
    loadNames(m_units);
    m_CBMarca->setCurrentIndex(0);
    m_CBUMedida->setCurrentIndex(0);
    fillCategoryChoice(0);
    m_ENombreP->setMaxLength(nameLimit());
    m_ImagenP->setPicture(MasterPictures::DefaultPhoto());
    tabChanged(0);
}

// The imported list may bring brands, units and renamed categories along: every list is read again.
void TFProductosC::SBImportarPClick()
{
    TFImportarP* dialog = TFImportarP::ChooseAndOpen(this);
    if (!dialog)
        return;
    connect(dialog, &QDialog::accepted, this, [this] {
        const int inventory = m_CBInventario->currentIndex();
        FormCreate();
        m_CBInventario->setCurrentIndex(inventory > 0 ? inventory : 1);
        CBInventarioChange(m_CBInventario->currentIndex());
    });
}

bool TFProductosC::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFProductosC::FormActivate() { MainStatus::setText(3, QStringLiteral("Operacion: Gestionar Productos y Categorias")); }

void TFProductosC::tabChanged(int index)
{
    static const char* const texts[] = {"Registrar Productos", "Registrar Categoria", "Registrar Marcas",
                                        "Registrar Unidades de Medida"};
    if (index >= 0 && index < 4)
        m_SBar1->setCaption(QLatin1String(texts[index]));
}

// ----- products ----------------------------------------------------------------------------------

int TFProductosC::nameLimit() const { return SessionState::current().PrintFormat == 0 ? 22 : 45; }

void TFProductosC::loadProducts(int inventory, const QString& select)
{
    m_Vec0->clearRows();
    m_listedInventory = inventory;
    if (inventory <= 0)
        return;
    int selectRow = -1;
    Run([&] {
        SqlRows rows = ProductStore::ListOf(inventory);
        for (int number = 1; !rows.atEnd(); rows.next(), ++number) {
            if (rows.text(0) == select)
                selectRow = number - 1;
            addProductRow(rows, number);
        }
    });
    if (selectRow >= 0)
        m_Vec0->goToRow(selectRow);
}

void TFProductosC::addProductRow(const SqlRows& rows, int number)
{
    const int category = int(rows.integer(2));
    const int row =
        m_Vec0->addRow({QString::number(number), rows.text(0), rows.text(1), QString::number(category), rows.text(3),
                        rows.text(4), rows.text(5), rows.text(6), Formats::General(rows.number(7)),
                        PriceText(rows.number(8)), PriceText(rows.number(9)), PriceText(rows.number(10)), rows.text(11),
                        rows.integer(15) == 1 ? QStringLiteral("1") : QStringLiteral("0"), QStringLiteral("0")});
    MasterGrid::WindowFlipsCheck(m_Vec0, ColEstado, row);
    // Neighbouring categories alternate, so a category's products read as one block.
    if (category % 2 == 0)
        for (int column : {int(ColNro), int(ColProducto), int(ColEstado), int(ColBorrar)})
            m_Vec0->setCellColor(column, row, EvenCategoryColour());
}

void TFProductosC::fillCategoryChoice(int inventory)
{
    m_CBGrupoP->clear();
    m_CBGrupoP->addItem(QStringLiteral("< Seleccione Categoria >"), 0);
    if (inventory <= 0)
        return;
    Run([&] {
        for (const CategoryStore::Category& category : CategoryStore::Of(inventory))
            m_CBGrupoP->addItem(category.Categoria, category.IdCategoria);
    });
}

void TFProductosC::showSalePrices(bool shown)
{
    for (QWidget* widget : QList<QWidget*>{m_EPVenta, m_EIVA, m_EPventaIVA} + m_salePriceLabels) {
        widget->setVisible(shown);
        widget->setEnabled(shown);
    }
}

// The user's choice of inventory: supplies are not sold, so their sale prices are 0.
void TFProductosC::CBInventarioChange(int index)
{
    const bool supplies = index == 2;
    showSalePrices(!supplies);
    m_EPVenta->setText(QStringLiteral("0"));
    m_EIVA->setText(supplies ? QStringLiteral("0") : QStringLiteral("13"));
    m_EPventaIVA->setText(QStringLiteral("0"));
    loadProducts(index);
    fillCategoryChoice(index);
}

void TFProductosC::updatePriceWithVat()
{
    double price = 0, vat = 0;
    if (MasterFields::ParseTyped(m_EPVenta->text(), &price) && MasterFields::ParseTyped(m_EIVA->text(), &vat))
        m_EPventaIVA->setText(Formats::Money(price + price * vat / 100));
}

void TFProductosC::setProductState(bool editing)
{
    m_SBInsertarP->setEnabled(!editing);
    m_SBActualizarP->setEnabled(editing);
}

// Fills the fields from the row without running the user-choice handlers: the stored prices show.
void TFProductosC::Vec0RowSelected(int row)
{
    if (row < 0 || row >= m_Vec0->rowCount())
        return;
    auto cell = [&](int column) { return m_Vec0->cell(column, row); };
    const int inventory = cell(ColInventario).toInt();
    const int category = cell(ColCategoria).toInt();
    m_CBInventario->setCurrentIndex(qBound(0, inventory, 2));
    m_CBInventario->setEnabled(false);
    showSalePrices(inventory != 2);
    fillCategoryChoice(inventory);
    m_CBGrupoP->setCurrentIndex(qMax(0, m_CBGrupoP->findData(category)));
    MasterFields::SelectOrAddStored(m_CBMarca, cell(ColMarca), m_brands.listed);
    MasterFields::SelectOrAddStored(m_CBUMedida, cell(ColUMedida), m_units.listed);
    MasterFields::ShowWhole(m_ENombreP, cell(ColProducto), nameLimit());
    MasterFields::ShowWhole(m_EPresentacion, cell(ColPresentacion), kPresentationLength);
    MasterFields::ShowWhole(m_EStockM, cell(ColStockM), kNumberLength);
    MasterFields::ShowWhole(m_EPCompra, cell(ColPCompra), kNumberLength);
    MasterFields::ShowWhole(m_EPVenta, cell(ColPVenta), kNumberLength);
    MasterFields::ShowWhole(m_EPventaIVA, cell(ColPVentaIVA), kNumberLength);
    MasterFields::ShowWhole(m_ECodigoB, cell(ColCodigoB), kBarcodeLength);
    m_EIDProducto->setText(cell(ColIdProducto));
    m_chosenName = cell(ColProducto);
    m_newPhoto = QImage();
    m_ImagenP->setPicture(MasterPictures::Photo(cell(ColIdProducto)));
    setProductState(true);
}

void TFProductosC::SBNuevoPClick()
{
    QString key;
    if (!Run([&] { key = ProductStore::PreviewKey(); }))
        return;
    m_EIDProducto->setText(key);
    m_CBInventario->setEnabled(true);
    m_CBInventario->setCurrentIndex(0);
    fillCategoryChoice(0);
    MasterFields::FirstListed(m_CBMarca, m_brands.listed);
    MasterFields::FirstListed(m_CBUMedida, m_units.listed);
    showSalePrices(true);
    MasterFields::ShowWhole(m_ENombreP, QString(), nameLimit());
    MasterFields::ShowWhole(m_EPresentacion, QString(), kPresentationLength);
    for (QLineEdit* edit : {m_EStockM, m_EPCompra, m_EPVenta, m_EPventaIVA})
        MasterFields::ShowWhole(edit, QStringLiteral("0"), kNumberLength);
    MasterFields::ShowWhole(m_ECodigoB, QStringLiteral("0"), kBarcodeLength);
    m_EIVA->setText(QStringLiteral("13"));
    m_chosenName.clear();
    m_newPhoto = QImage();
    m_ImagenP->setPicture(MasterPictures::DefaultPhoto());
    setProductState(false);
    m_CBInventario->setFocus();
}

bool TFProductosC::readProduct(ProductStore::Product& p) const
{
    p.IdProducto = m_EIDProducto->text();
    p.Inventario = m_CBInventario->currentIndex();
    p.IdCategoria = m_CBGrupoP->currentData().toInt();
    p.Marca = m_CBMarca->currentText();
    p.Producto = m_ENombreP->text().trimmed();
    p.Presentacion = m_EPresentacion->text().trimmed();
    p.UMedida = m_CBUMedida->currentText();
    p.CodigoB = m_ECodigoB->text().trimmed().isEmpty() ? QStringLiteral("0") : m_ECodigoB->text().trimmed();
    return p.Inventario > 0 && p.IdCategoria > 0 && !p.Producto.isEmpty()
           && MasterFields::ParseTyped(m_EStockM->text(), &p.StockM)
           && MasterFields::ParseTyped(m_EPCompra->text(), &p.PCompra)
           && MasterFields::ParseTyped(m_EPVenta->text(), &p.PVenta)
           && MasterFields::ParseTyped(m_EPventaIVA->text(), &p.PVentaIVA);
}

void TFProductosC::SBInsertarPClick()
{
    ProductStore::Product product;
    if (!readProduct(product)) {
        MessageSeam::current().information(kIncomplete);
        return;
    }
    QString refusal, key;
    if (!Run([&] { refusal = ProductStore::Insert(product, SessionState::current().UserLogin, &key); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    // The photo goes under the key actually stored, which another station may have moved on.
    if (!m_newPhoto.isNull())
        if (const QString error = MasterPictures::SavePhoto(key, m_newPhoto); !error.isEmpty())
            MessageSeam::current().error(error);
    loadProducts(product.Inventario, key);
    SBNuevoPClick();
}

void TFProductosC::SBActualizarPClick()
{
    ProductStore::Product product;
    if (!readProduct(product) || product.IdProducto.isEmpty()) {
        MessageSeam::current().information(kIncomplete);
        return;
    }
    QString refusal;
    if (!Run([&] { refusal = ProductStore::Update(product, m_chosenName); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    if (!m_newPhoto.isNull())
        if (const QString error = MasterPictures::SavePhoto(product.IdProducto, m_newPhoto); !error.isEmpty())
            MessageSeam::current().error(error);
    MessageSeam::current().information(QStringLiteral("Producto Actualizado Correctamente"));
    loadProducts(product.Inventario, product.IdProducto);
    SBNuevoPClick();
}

void TFProductosC::Vec0CellClick(int row, int column)
{
    if (row < 0 || row >= m_Vec0->rowCount())
        return;
    const QString id = m_Vec0->cell(ColIdProducto, row);
    if (column == ColEstado) {
        const bool enabled = !m_Vec0->isChecked(ColEstado, row);
        m_Vec0->setChecked(ColEstado, row, enabled);
        bool found = false;
        const bool written = Run([&] { found = ProductStore::SetEnabled(id, enabled); });
        if (!written || !found) {
            m_Vec0->setChecked(ColEstado, row, !enabled);
            if (written)
                MessageSeam::current().information(QStringLiteral("El Producto ya no esta Registrado"));
        }
    } else if (column == ColBorrar) {
        if (!MessageSeam::current().question(QStringLiteral("Eliminar Producto"),
                                             QStringLiteral("Esta Seguro que quiere Eliminar el Producto?...")))
            return;
        QString refusal;
        if (!Run([&] { refusal = ProductStore::Remove(id); }))
            return;
        if (!refusal.isEmpty()) {
            MessageSeam::current().information(refusal);
            return;
        }
        MasterPictures::RemovePhoto(id);
        const bool shown = m_EIDProducto->text() == id && m_SBActualizarP->isEnabled();
        m_Vec0->removeRow(row);
        for (int r = row; r < m_Vec0->rowCount(); ++r)
            m_Vec0->setCell(ColNro, r, QString::number(r + 1));
        if (shown && m_EIDProducto->text() == id)
            SBNuevoPClick();
    }
}

void TFProductosC::ImagenPClick()
{
    const QString path = FileDialogSeam::current().openFile(this, QStringLiteral("Seleccionar Foto del Producto"),
                                                            MasterPictures::ImageFolder(), kPictureFilter);
    if (path.isEmpty())
        return;
    QString error;
    const QImage picture = MasterPictures::ReadChosen(path, &error);
    if (picture.isNull()) {
        MessageSeam::current().error(error);
        return;
    }
    m_newPhoto = MasterPictures::FitInto(picture, MasterPictures::PhotoSize);
    m_ImagenP->setPicture(QPixmap::fromImage(m_newPhoto));
}

// ----- categories --------------------------------------------------------------------------------

void TFProductosC::CBInventChange(int index)
{
    if (index <= 0) {
        m_VecC->clearRows();
        m_EIdC->clear();
        m_ENombreC->clear();
        m_CBVisibleC->setCurrentIndex(1);
        m_Icono1->setPicture(MasterPictures::DefaultIcon());
        m_SBActualizar->setEnabled(false);
        m_SBar1->setCaption(QStringLiteral("Seleccione Inventario"));
        return;
    }
    loadCategories();
}

void TFProductosC::loadCategories(int selectId)
{
    const int inventory = m_CBInvent->currentIndex();
    m_VecC->clearRows();
    m_newIcon.reset();
    if (inventory <= 0)
        return;
    int selectRow = 0;
    Run([&] {
        for (const CategoryStore::Category& c : CategoryStore::Of(inventory)) {
            if (c.IdCategoria == selectId)
                selectRow = m_VecC->rowCount();
            const int row = m_VecC->addRow(
                {QString::number(c.IdCategoria), QString::number(c.Inventario), c.Categoria, QString::number(c.Estado)});
            m_VecC->item(row, CatColNombre)->setData(Qt::UserRole, c.Icono);
        }
    });
    // The product tab offers the same categories when it shows the same inventory.
    if (m_CBInventario->currentIndex() == inventory) {
        const int chosen = m_CBGrupoP->currentData().toInt();
        fillCategoryChoice(inventory);
        m_CBGrupoP->setCurrentIndex(qMax(0, m_CBGrupoP->findData(chosen)));
    }
    m_VecC->goToRow(selectRow);
}

void TFProductosC::VecCRowSelected(int row)
{
    if (row < 0 || row >= m_VecC->rowCount())
        return;
    m_EIdC->setText(m_VecC->cell(CatColId, row));
    m_ENombreC->setText(m_VecC->cell(CatColNombre, row));
    m_CBVisibleC->setCurrentIndex(m_VecC->cell(CatColEstado, row) == QLatin1String("1") ? 1 : 0);
    m_Icono1->setPicture(MasterPictures::Icon(m_VecC->item(row, CatColNombre)->data(Qt::UserRole).toByteArray()));
    m_newIcon.reset();
    // The supplies category the program itself relies on keeps its name and state.
    m_SBActualizar->setEnabled(
        m_VecC->cell(CatColNombre, row).trimmed().compare(QLatin1String("INSUMOS"), Qt::CaseInsensitive) != 0);
}

void TFProductosC::Icono1Click()
{
    if (m_EIdC->text().isEmpty())
        return;
    const QString path = FileDialogSeam::current().openFile(this, QStringLiteral("Seleccionar Icono de la Categoria"),
                                                            MasterPictures::ImageFolder(), kPictureFilter);
    if (path.isEmpty())
        return;
    QString error;
    const QImage picture = MasterPictures::ReadChosen(path, &error);
    if (picture.isNull()) {
        MessageSeam::current().error(error);
        return;
    }
    const QImage icon = MasterPictures::FitInto(picture, MasterPictures::IconSize);
    m_newIcon = MasterPictures::JpegBytes(icon);
    m_Icono1->setPicture(QPixmap::fromImage(icon));
}

void TFProductosC::SBActualizarClick()
{
    MessageSeam& messages = MessageSeam::current();
    const QString name = m_ENombreC->text().trimmed();
    if (name.isEmpty() || m_EIdC->text().isEmpty()) {
        messages.information(QStringLiteral("Seleccione Inventario/Categoria a Actualizar"));
        return;
    }
    if (!m_SBActualizar->isEnabled())
        return;
    if (!messages.question(QStringLiteral("Actualizar Categoria"),
                           QStringLiteral("Esta seguro que quiere Actualizar el Registro?...")))
        return;
    const CategoryStore::Category category{
        m_EIdC->text().toInt(), m_CBInvent->currentIndex(), name, {}, m_CBVisibleC->currentIndex()};
    bool found = false;
    if (!Run([&] { found = CategoryStore::Update(category, m_newIcon); }))
        return;
    if (!found)
        messages.information(QStringLiteral("La Categoria ya no esta Registrada"));
    loadCategories(category.IdCategoria);
}

// ----- brands and units --------------------------------------------------------------------------

void TFProductosC::loadNames(NameTab& tab, qint64 selectId)
{
    tab.grid->clearRows();
    int selectRow = -1;
    SqlRows rows;
    if (!Run([&] { rows = CatalogNames::List(tab.kind); }))
        return;
    for (; !rows.atEnd(); rows.next()) {
        if (rows.integer(0) == selectId)
            selectRow = tab.grid->rowCount();
        tab.grid->addRow({rows.text(0), rows.text(1), rows.text(2), rows.text(3), QStringLiteral("0")});
    }
    rows.first();
    fillProductCombo(tab, rows);
    if (selectRow >= 0)
        tab.grid->goToRow(selectRow);
}

// Brands and units are offered whatever their state; the product shown keeps its value.
void TFProductosC::fillProductCombo(NameTab& tab, const SqlRows& rows)
{
    const bool hadValue = tab.productCombo->count() > 0;
    const QString shown = tab.productCombo->currentText();
    tab.productCombo->clear();
    SqlRows names = rows;
    for (names.first(); !names.atEnd(); names.next())
        tab.productCombo->addItem(names.text(1));
    tab.listed = tab.productCombo->count();
    if (hadValue && m_SBActualizarP->isEnabled())
        MasterFields::SelectOrAddStored(tab.productCombo, shown, tab.listed);
    else
        tab.productCombo->setCurrentIndex(qMax(0, tab.productCombo->findText(shown)));
}

void TFProductosC::nameRowSelected(NameTab& tab, int row)
{
    if (row < 0 || row >= tab.grid->rowCount())
        return;
    tab.id->setText(tab.grid->cell(NameColId, row));
    tab.name->setText(tab.grid->cell(NameColNombre, row));
    if (tab.origin)
        tab.origin->setText(tab.grid->cell(NameColProcedencia, row));
    tab.state->setCurrentIndex(tab.grid->cell(NameColEstado, row) == QLatin1String("0") ? 0 : 1);
    tab.chosenName = tab.name->text();
    tab.update->setEnabled(true);
    tab.insert->setEnabled(false);
}

void TFProductosC::nameNew(NameTab& tab)
{
    tab.id->clear();
    tab.name->clear();
    if (tab.origin)
        tab.origin->clear();
    tab.state->setCurrentIndex(1);
    tab.chosenName.clear();
    tab.name->setFocus();
    tab.insert->setEnabled(true);
    tab.update->setEnabled(false);
}

void TFProductosC::nameInsert(NameTab& tab)
{
    const CatalogNames::Entry entry{0, tab.name->text().trimmed(), tab.origin ? tab.origin->text().trimmed() : QString(),
                                    tab.state->currentIndex()};
    QString refusal;
    if (!Run([&] { refusal = CatalogNames::Insert(tab.kind, entry); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    MessageSeam::current().information(tab.kind == CatalogNames::Kind::Brand
                                           ? QStringLiteral("Marca registrada Correctamente")
                                           : QStringLiteral("Unidad de Medida registrada Correctamente"));
    loadNames(tab);
    nameNew(tab);
}

void TFProductosC::nameUpdate(NameTab& tab)
{
    bool idOk = false;
    const qint64 id = tab.id->text().toLongLong(&idOk);
    if (!idOk)  // "ACTUALIZAR" is only enabled with a chosen row
        return;
    const CatalogNames::Entry entry{id, tab.name->text().trimmed(), tab.origin ? tab.origin->text().trimmed() : QString(),
                                    tab.state->currentIndex()};
    QString refusal;
    if (!Run([&] { refusal = CatalogNames::Update(tab.kind, entry, tab.chosenName); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    loadNames(tab, id);
    if (tab.kind == CatalogNames::Kind::Unit)
        MessageSeam::current().information(QStringLiteral("Unidad de Medida Actualizada Correctamente"));
}

void TFProductosC::nameCellClick(NameTab& tab, int row, int column)
{
    if (column != NameColBorrar || row < 0 || row >= tab.grid->rowCount())
        return;
    const bool brand = tab.kind == CatalogNames::Kind::Brand;
    if (!MessageSeam::current().question(brand ? QStringLiteral("Eliminar Marca") : QStringLiteral("Eliminar Unidad de Medida"),
                                         brand ? QStringLiteral("Esta Seguro que quiere Eliminar la Marca?...")
                                               : QStringLiteral("Esta Seguro que quiere Eliminar la Unidad de Medida?...")))
        return;
    const qint64 id = tab.grid->cell(NameColId, row).toLongLong();
    if (!Run([&] { CatalogNames::Remove(tab.kind, id); }))
        return;
    loadNames(tab);
    nameNew(tab);
}
