#pragma once
#include "WindowDriver.h"

#include "widgets/DataGrid.h"

// The cashier's way of adding an item to a sale, a purchase or a delivery: the item is picked from
// the window's list with Enter, and the quantity dialog that opens is answered.
namespace Drive {

// Selects the row of `list` whose `column` reads `item` and presses Enter on it. An item that is
// not in the list stops the test.
inline void addItem(DataGrid* list, int column, const QString& item)
{
    const int row = list->findRow(column, item);
    if (row < 0)
        qFatal("no item %s in the list %s", qPrintable(item), qPrintable(list->objectName()));
    list->goToRow(row);
    QTest::keyClick(list, Qt::Key_Return);
}

// Answers the quantity dialog: "ESC" presses Escape, anything else is typed into `field` and
// confirmed with ACEPTAR.
inline void answerQuantity(QWidget& dialog, const char* field, const QString& typed)
{
    if (typed == QLatin1String("ESC")) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return;
    }
    type(dialog, field, typed);
    click(dialog, "BAceptar");
}

}
