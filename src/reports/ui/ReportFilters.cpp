#include "reports/ui/ReportFilters.h"

#include "data/DatabaseError.h"
#include "data/UDataModule.h"
#include "widgets/InputFilters.h"

#include <QComboBox>

namespace ReportFilters {

namespace {

void Fill(QComboBox* combo, const QString& first, const QString& sql, const QVariantList& values)
{
    combo->clear();
    combo->addItem(first);
    try {
        SqlRows rows = TDataModule1::instance().query(sql, values);
        for (; !rows.atEnd(); rows.next())
            combo->addItem(rows.text(1), rows.value(0));
    } catch (const DatabaseError&) {
        // The list stays with its first entry: the report can still run over everything.
    }
    combo->setCurrentIndex(0);
}

}

void LoadCategories(QComboBox* combo, int inventory, const QString& first)
{
    Fill(combo, first,
         QStringLiteral("SELECT IdCategoria, Categoria FROM Categorias WHERE Inventario = ? ORDER BY IdCategoria"),
         {inventory});
}

void LoadItems(QComboBox* combo, int inventory, int categoryId, const QString& first)
{
    if (categoryId != 0)
        Fill(combo, first,
             QStringLiteral("SELECT IdProducto, Producto FROM Productos WHERE IdCategoria = ? AND Estado = 1 "
                            "ORDER BY Producto"),
             {categoryId});
    else
        Fill(combo, first,
             QStringLiteral("SELECT IdProducto, Producto FROM Productos WHERE Inventario = ? AND Estado = 1 "
                            "ORDER BY Producto"),
             {inventory});
}

int ChosenCategory(const QComboBox* combo) { return combo->currentIndex() > 0 ? combo->currentData().toInt() : 0; }

QString ChosenItem(const QComboBox* combo)
{
    return combo->currentIndex() > 0 ? combo->currentData().toString() : QString();
}

void SelectionOnly(QComboBox* combo) { InputFilters::selectionOnly(combo); }

}
