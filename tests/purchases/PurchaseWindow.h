#pragma once
#include "ProgramFiles.h"
#include "PrintCapture.h"
#include "PurchaseShop.h"
#include "WindowDriver.h"

#include "masterdata/ui/UBusquedas.h"
#include "masterdata/ui/UListarProd.h"
#include "purchases/ui/PurchasePanel.h"
#include "purchases/ui/UStock.h"
#include "sales/ui/UCantidad.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <memory>

// The purchases window over the demo shop, as a cashier uses it: the shared item and supplier
// pickers exist, the quantity dialog is answered from a list ("4|10" types quantity and cost,
// "ESC" presses Escape), and tickets and previews are recorded.
struct PurchaseWindow {
    PurchaseShop p;
    PrintCapture print;
    TFListarProd items;
    TFBusquedas suppliers;
    QStringList answers;
    std::unique_ptr<TFCompras> window;

    explicit PurchaseWindow(int mode = PurchasePanel::ProductsMode, const std::function<void(PurchaseShop&)>& prepare = {})
    {
        ProgramFiles::copyPicturesInto(p.shop.folder());
        TFListarProd::setShared(&items);
        TFBusquedas::setShared(&suppliers);
        TFCantidad::setRunner([this](TFCantidad& dialog) { answer(dialog); });
        if (prepare)
            prepare(p);
        window = open(mode);
    }
    ~PurchaseWindow()
    {
        window.reset();
        TFCantidad::setRunner({});
        TFListarProd::setShared(nullptr);
        TFBusquedas::setShared(nullptr);
    }

    static std::unique_ptr<TFCompras> open(int mode)
    {
        auto opened = std::make_unique<TFCompras>(mode);
        opened->show();
        activate(*opened);
        return opened;
    }
    // Focus moves only inside the active window; a modal dialog that closed leaves none active.
    static void activate(QWidget& window)
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the purchases window did not become the active window");
    }

    void answer(TFCantidad& dialog)
    {
        const QString typed = answers.isEmpty() ? QStringLiteral("ESC") : answers.takeFirst();
        if (typed == QLatin1String("ESC")) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return;
        }
        const QStringList parts = typed.split(QLatin1Char('|'));
        Drive::type(dialog, "ECantidadC", parts.value(0));
        Drive::type(dialog, "ECTotalC", parts.value(1));
        Drive::click(dialog, "BAceptar");
    }

    PurchasePanel& panel() const { return *qobject_cast<PurchasePanel*>(window->panel()); }
    DataGrid* lines() const { return Drive::control<DataGrid>(*window, "VecDP"); }
    DataGrid* list() const { return Drive::control<DataGrid>(*window, "VecC"); }
    QString field(const char* name) const { return Drive::text(*window, name); }
    QComboBox* combo(const char* name) const { return Drive::control<QComboBox>(*window, name); }
    QString label(const char* name) const { return Drive::control<QLabel>(*window, name)->text(); }
    void type(const char* name, const QString& text) { Drive::type(*window, name, text); }
    void click(const char* name) { Drive::click(*window, name); }
    void choose(const char* name, const QString& entry) { Drive::choose(*window, name, entry); }

    // Types the NIT/CI and leaves the field, as the cashier does, so the supplier is looked up.
    void supplier(const QString& nit)
    {
        activate(*window);
        type("ENitCI", nit);
        Drive::control<QWidget>(*window, "DTFechaC")->setFocus();
    }

    // "+" and the item list: the item's category, then the item by name with Enter.
    void add(const QString& productId)
    {
        const SqlRows item =
            p.row(QStringLiteral("SELECT IdCategoria, Producto FROM Productos WHERE IdProducto=?"), {productId});
        const int category = int(item.integer(0));
        const QString name = item.text(1);
        QTimer::singleShot(0, [category, name] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                qFatal("the item list did not open");
            Drive::click(*dialog, qPrintable(QStringLiteral("BGrupo%1").arg(category)));
            auto* grid = Drive::control<DataGrid>(*dialog, category >= 17 ? "VecI" : "VecP");
            const int row = grid->findRow(TFListarProd::ColProducto, name);
            if (row < 0)
                qFatal("no item %s in the list", qPrintable(name));
            grid->goToRow(row);
            QTest::keyClick(grid, Qt::Key_Return);
        });
        click("SBListarP");
        activate(*window);
    }
    // A click on the line's quantity opens the quantity dialog, answered with "quantity|cost".
    void edit(int row, const QString& quantityAndCost)
    {
        answers << quantityAndCost;
        Drive::clickCell(*window, "VecDP", row, PurchasePanel::LCEntr);
    }
    // A new purchase from Andina of these items, each "P000000001|4|40" (item, quantity, cost).
    void enter(const QStringList& items, const QString& supplierNit = QString::fromLatin1(PurchaseShop::Andina))
    {
        click("SBNuevoP");
        supplier(supplierNit);
        for (const QString& spec : items) {
            const QStringList parts = spec.split(QLatin1Char('|'));
            add(parts.at(0));
            edit(lines()->rowCount() - 1, parts.at(1) + QLatin1Char('|') + parts.at(2));
        }
    }
    QStringList column(int col) const
    {
        QStringList values;
        for (int row = 0; row < lines()->rowCount(); ++row)
            values << lines()->cell(col, row);
        return values;
    }
};
