#pragma once
#include "purchases/StockLists.h"

#include <QObject>

class QComboBox;
class QGroupBox;
class QWidget;

// The three filter lists of a stock panel, "CATEGORIAS", "MARCAS" and "PRODUCTOS y/o INSUMOS",
// chosen from only (typing picks nothing). The item list follows the category and the brand.
class StockFilters : public QObject {
    Q_OBJECT
public:
    struct Names {
        const char* category;
        const char* brand;
        const char* item;
    };

    StockFilters(int inventory, Names names, QWidget* parent);

    // Fills the three lists, first entries chosen; false after showing why they could not be read.
    bool load();
    StockFilter current() const;
    // The texts the three lists show, for the report's title.
    QString categoryText() const;
    QString brandText() const;
    QString itemText() const;

    // The three lists, each in its titled box, one under the other.
    QList<QGroupBox*> boxes() const { return m_boxes; }

signals:
    // Any of the three now shows another entry.
    void changed();

private:
    void reloadItems();

    int m_inventory;
    QComboBox* m_category;
    QComboBox* m_brand;
    QComboBox* m_item;
    QList<QGroupBox*> m_boxes;
};
