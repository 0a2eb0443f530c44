// Opening times of the catalogue, the suppliers/clients window and the pickers on a big shop, run
// by hand (not part of the suite):
//
//     build/cvi-zelto --create-database /tmp/big.sqlite --demo --days 0 && scripts/big-shop.py /tmp/big.sqlite
//     cmake --build build --target time_masterdata
//     QT_QPA_PLATFORM=offscreen build/time_masterdata /tmp/big.sqlite
//
// Each figure is the best of three runs, in milliseconds, from creating or showing the window to
// its list being filled. The last one changes a product's category, so use a scratch copy.
#include "HandTiming.h"

#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "masterdata/PickerMode.h"
#include "masterdata/ProductStore.h"
#include "masterdata/ui/UBusquedas.h"
#include "masterdata/ui/UListarProd.h"
#include "masterdata/ui/UProductosC.h"
#include "masterdata/ui/UProveedores.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

using HandTiming::BestOfThree;

namespace {

int rowsOf(const QWidget& window, const char* grid)
{
    const auto* list = window.findChild<DataGrid*>(QLatin1String(grid));
    return list ? list->rowCount() : -1;
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: time_masterdata DATABASE\n");
        return 2;
    }
    QElapsedTimer opening;
    opening.start();
    if (const QString error = TDataModule1::instance().open(QString::fromLocal8Bit(argv[1])); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%-52s %6lld ms\n", "opening the database (with any schema upgrade)",
                static_cast<long long>(opening.elapsed()));
    SessionState& s = SessionState::current();
    s.UserLogin = QStringLiteral("admin");
    s.SalesListGroup = 1;
    s.SupplyListGroup = 17;

    for (int mode : {1, 2}) {
        BestOfThree(mode == 1 ? "Gestionar Proveedores (every supplier)" : "Gestionar Clientes (every client)", [&] {
            s.MasterMode = mode;
            TFProveedores window;
            window.setAttribute(Qt::WA_DeleteOnClose, false);
            return rowsOf(window, mode == 1 ? "VecP" : "VecC");
        });
    }
    TFBusquedas picker;
    const struct {
        int mode;
        bool debtors;
        const char* what;
    } lists[] = {{PickerModes::SaleClient, false, "picker, clients"},
                 {PickerModes::ReportClient, true, "picker, debtors"},
                 {PickerModes::PurchaseSupplier, false, "picker, suppliers"}};
    for (const auto& list : lists)
        BestOfThree(list.what, [&] {
            picker.start(list.mode, list.debtors);
            const int rows = rowsOf(picker, PickerModes::ListsSuppliers(list.mode) ? "VecP" : "VecC");
            picker.reject();
            return rows;
        });
    TFListarProd products;
    BestOfThree("product list, a sales category", [&] {
        products.start(10, {});
        const int rows = rowsOf(products, "VecP");
        products.reject();
        return rows;
    });
    BestOfThree("Gestionar Almacen, then products for sale listed", [&] {
        TFProductosC window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        auto* inventory = window.findChild<QComboBox*>(QStringLiteral("CBInventario"));
        inventory->setCurrentIndex(1);
        emit inventory->activated(1);
        return rowsOf(window, "Vec0");
    });

    const SqlRows busiest = TDataModule1::instance().query(
        QStringLiteral("SELECT IdProducto, COUNT(*) FROM DetalleV GROUP BY IdProducto ORDER BY COUNT(*) DESC LIMIT 1"));
    const QString id = busiest.text(0);
    SqlRows row = TDataModule1::instance().query(QStringLiteral("SELECT * FROM Productos WHERE IdProducto=?"), {id});
    ProductStore::Product p{
        id,          int(row.integer(1)), int(row.integer(2)), row.text(3),   row.text(4),    row.text(5),
        row.text(6), row.number(7),       row.number(8),       row.number(9), row.number(10), row.text(11)};
    BestOfThree("category change of the busiest product (lines moved)", [&] {
        p.IdCategoria = p.IdCategoria % 8 + 1;
        ProductStore::Update(p, p.Producto);
        return int(busiest.integer(1));
    });
    return 0;
}
