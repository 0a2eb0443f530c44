#include "purchases/ui/StockFilters.h"

#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

QComboBox* FilterList(QWidget* parent, const char* name)
{
    QComboBox* combo = NamedControls::List(parent, name);
    combo->setMinimumWidth(220);
    combo->setMaxVisibleItems(20);
    InputFilters::selectionOnly(combo);
    return combo;
}

QGroupBox* Box(QWidget* parent, const QString& title, QComboBox* combo)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(combo);
    return box;
}

void Fill(QComboBox* combo, const QString& first, const QStringList& entries)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItem(first);
    combo->addItems(entries);
    combo->setCurrentIndex(0);
}

}

StockFilters::StockFilters(int inventory, Names names, QWidget* parent)
    : QObject(parent)
    , m_inventory(inventory)
    , m_category(FilterList(parent, names.category))
    , m_brand(FilterList(parent, names.brand))
    , m_item(FilterList(parent, names.item))
{
    m_boxes << Box(parent, QStringLiteral("CATEGORIAS"), m_category) << Box(parent, QStringLiteral("MARCAS"), m_brand)
            << Box(parent, QStringLiteral("PRODUCTOS y/o INSUMOS"), m_item);
    connect(m_category, &QComboBox::currentIndexChanged, this, &StockFilters::reloadItems);
    connect(m_brand, &QComboBox::currentIndexChanged, this, &StockFilters::reloadItems);
    connect(m_item, &QComboBox::currentIndexChanged, this, &StockFilters::changed);
}

bool StockFilters::load()
{
    try {
        Fill(m_category, QStringLiteral("TODAS LAS CATEGORIAS"), StockLists::CategoryNames(m_inventory));
        Fill(m_brand, QStringLiteral("TODAS LAS MARCAS"), StockLists::BrandNames());
        reloadItems();
        return true;
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return false;
    }
}

StockFilter StockFilters::current() const
{
    StockFilter filter;
    filter.inventory = m_inventory;
    if (m_category->currentIndex() > 0)
        filter.categoryId = StockLists::CategoryIdAt(m_inventory, m_category->currentIndex());
    if (m_brand->currentIndex() > 0)
        filter.brand = m_brand->currentText();
    if (m_item->currentIndex() > 0)
        filter.item = m_item->currentText();
    return filter;
}

QString StockFilters::categoryText() const { return m_category->currentText(); }
QString StockFilters::brandText() const { return m_brand->currentText(); }
QString StockFilters::itemText() const { return m_item->currentText(); }

void StockFilters::reloadItems()
{
    const QString first = m_inventory == 2 ? QStringLiteral("TODOS LOS INSUMOS") : QStringLiteral("TODOS LOS PRODUCTOS");
    try {
        Fill(m_item, first, StockLists::ItemNames(current()));
    } catch (const DatabaseError& e) {
        Fill(m_item, first, {});
        MessageSeam::current().error(e.text());
    }
    emit changed();
}
