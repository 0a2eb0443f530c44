#pragma once
#include <QString>

class QComboBox;

// The category and item choices of the report windows. Each entry keeps the id read with its
// name (item data), so a category moved to the other inventory never lends its number to another.
namespace ReportFilters {

// `first` ("TODAS LAS CATEGORIAS"), then the categories of an inventory (1 products, 2 supplies)
// in key order. A list that cannot be read keeps its first entry only.
void LoadCategories(QComboBox* combo, int inventory, const QString& first);
// `first` ("TODOS LOS PRODUCTOS"), then the enabled items of the category (or of the whole
// inventory when categoryId is 0), by name. First entry selected.
void LoadItems(QComboBox* combo, int inventory, int categoryId, const QString& first);

int ChosenCategory(const QComboBox* combo);  // 0 for the first entry
QString ChosenItem(const QComboBox* combo);  // empty for the first entry

// The combo is chosen from by mouse or arrow keys; typed letters are ignored.
void SelectionOnly(QComboBox* combo);

}
