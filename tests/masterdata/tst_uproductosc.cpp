#include "ShopFixture.h"

#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "masterdata/MasterPictures.h"
#include "masterdata/ui/UProductosC.h"
#include "widgets/DataGrid.h"
#include "widgets/PictureBox.h"
#include "WindowDriver.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

namespace {

using Col = TFProductosC::ProductColumn;

const QString kIncomplete = QStringLiteral("Seleccione y/o Inserte correctamente todos los Datos");
const QString kNameTaken = QStringLiteral("El Nombre del Producto ya existe, intente con otro Nombre");

struct Catalog {
    ShopFixture shop;
    std::unique_ptr<TFProductosC> window;

    explicit Catalog(int printFormat = 0)
    {
        shop.login();
        SessionState::current().PrintFormat = printFormat;
    }
    TFProductosC& open()
    {
        window = std::make_unique<TFProductosC>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
        return *window;
    }
    TFProductosC& w() { return *window; }
    DataGrid* grid(const char* name) { return Drive::control<DataGrid>(w(), name); }
    SqlRows query(const QString& sql, const QVariantList& values = {}) { return shop.db().query(sql, values); }
    qint64 number(const QString& sql, const QVariantList& values = {}) { return query(sql, values).integer(0); }
    void exec(const QString& sql, const QVariantList& values = {}) { shop.db().execute(sql, values); }

    // Lists an inventory as the user does, then chooses one of its products by name.
    void choose(int inventory, const QString& name)
    {
        auto* combo = Drive::control<QComboBox>(w(), "CBInventario");
        combo->setEnabled(true);
        Drive::choose(w(), "CBInventario", combo->itemText(inventory));
        DataGrid* list = grid("Vec0");
        for (int row = 0; row < list->rowCount(); ++row)
            if (list->cell(Col::ColProducto, row) == name) {
                list->goToRow(row);
                return;
            }
        QFAIL(qPrintable(QStringLiteral("no product %1 listed").arg(name)));
    }
    // "NUEVO", an inventory, the n-th category, a name; the rest as NUEVO leaves it.
    void startNew(const QString& inventory, int category, const QString& name)
    {
        Drive::click(w(), "SBNuevoP");
        Drive::choose(w(), "CBInventario", inventory);
        Drive::control<QComboBox>(w(), "CBGrupoP")->setCurrentIndex(category);
        Drive::type(w(), "ENombreP", name);
    }
    int rowOf(const char* gridName, int column, const QString& text)
    {
        const DataGrid* list = grid(gridName);
        for (int row = 0; row < list->rowCount(); ++row)
            if (list->cell(column, row) == text)
                return row;
        return -1;
    }
    void clickCell(const char* gridName, int row, int column)
    {
        DataGrid* list = grid(gridName);
        const QRect cell = list->visualRect(list->model()->index(row, column));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QString picturePath(const QColor& colour, const QSize& size = {640, 480})
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        const QString path = shop.folder() + QStringLiteral("elegida-%1.png").arg(colour.name().mid(1));
        picture.save(path);
        return path;
    }
};

const QString kProducts = QStringLiteral("PRODUCTOS A LA VENTA");
const QString kSupplies = QStringLiteral("INSUMOS/MATERIAS PRIMAS");

QColor centreOf(const QPixmap& picture) { return picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2); }

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

}

class TstUProductosC : public QObject {
    Q_OBJECT
private slots:
    void opening()
    {
        Catalog c;
        TFProductosC& w = c.open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Gestionar Almacen"));
        QCOMPARE(Drive::control<QStatusBar>(w, "SBar1")->findChild<QLabel*>()->text(), QStringLiteral("Registrar Productos"));
        QCOMPARE(c.grid("Vec0")->rowCount(), 0);
        QVERIFY(!Drive::enabled(w, "CBInventario"));
        QVERIFY(!Drive::enabled(w, "SBInsertarP"));
        QCOMPARE(Drive::control<QComboBox>(w, "CBMarca")->currentText(), QStringLiteral("COCA COLA"));
        QCOMPARE(Drive::control<QComboBox>(w, "CBUMedida")->currentText(), QStringLiteral("UNIDAD"));
        QCOMPARE(Drive::control<QComboBox>(w, "CBInvent")->currentText(), kProducts);
        QCOMPARE(c.grid("VecC")->rowCount(), 8);
        QCOMPARE(Drive::text(w, "ENombreC"), QStringLiteral("BEBIDAS"));
        Drive::control<QTabWidget>(w, "PageControl1")->setCurrentIndex(1);
        QCOMPARE(Drive::control<QStatusBar>(w, "SBar1")->findChild<QLabel*>()->text(), QStringLiteral("Registrar Categoria"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Gestionar Productos y Categorias"));
    }

    void nameLimitFollowsThePrintFormat_data()
    {
        QTest::addColumn<int>("printFormat");
        QTest::addColumn<int>("kept");
        QTest::newRow("ticket printer: 22") << 0 << 22;
        QTest::newRow("letter printer: 45") << 1 << 45;
    }
    void nameLimitFollowsThePrintFormat()
    {
        QFETCH(int, printFormat);
        QFETCH(int, kept);
        Catalog c(printFormat);
        c.open();
        Drive::click(c.w(), "SBNuevoP");
        Drive::type(c.w(), "ENombreP", QString(kept + 1, QLatin1Char('a')));
        QCOMPARE(Drive::text(c.w(), "ENombreP"), QString(kept, QLatin1Char('A')));
    }

    // Limits hold for typing only: what a product already has is shown and written back whole.
    void storedValuesLongerThanTheBoxesStayWhole()
    {
        Catalog c(0);
        const QString longName = QStringLiteral("JUGO DE DURAZNO EN LATA DE TRESCIENTOS CINCUE");
        QCOMPARE(longName.size(), 45);
        c.exec(QStringLiteral("UPDATE Productos SET Producto=?, PCompra=10000.25 WHERE IdProducto='P000000001'"), {longName});
        c.open();
        c.choose(1, longName);
        QCOMPARE(Drive::text(c.w(), "ENombreP"), longName);
        QCOMPARE(Drive::text(c.w(), "EPCompra"), QStringLiteral("10000.25"));
        Drive::type(c.w(), "EPresentacion", QStringLiteral("LATA"));
        Drive::click(c.w(), "SBActualizarP");
        QCOMPARE(c.shop.messages.infos, QStringList{"Producto Actualizado Correctamente"});
        const SqlRows stored =
            c.query(QStringLiteral("SELECT Producto, PCompra, Presentacion FROM Productos WHERE IdProducto='P000000001'"));
        QCOMPARE(stored.text(0), longName);
        QCOMPARE(stored.number(1), 10000.25);
        QCOMPARE(stored.text(2), QStringLiteral("LATA"));
        // a new product is held to the limit again
        QCOMPARE(Drive::control<QLineEdit>(c.w(), "ENombreP")->maxLength(), 22);
    }

    void aSupplyInTheThirdSupplyCategory()
    {
        Catalog c;
        c.open();
        c.startNew(kSupplies, 3, QStringLiteral("ACEITE VEGETAL 20L"));
        QVERIFY(!Drive::visible(c.w(), "EPVenta"));
        QVERIFY(!Drive::visible(c.w(), "EPventaIVA"));
        Drive::type(c.w(), "EPCompra", QStringLiteral("180.5"));
        Drive::click(c.w(), "SBInsertarP");
        QVERIFY2(c.shop.messages.all.isEmpty(), qPrintable(c.shop.messages.all.join('|')));
        const SqlRows stored =
            c.query(QStringLiteral("SELECT Inventario, IdCategoria, PVenta, PVentaIVA, PCompra FROM Productos "
                                   "WHERE Producto='ACEITE VEGETAL 20L'"));
        QCOMPARE(stored.integer(0), 2);
        QCOMPARE(stored.integer(1), 19);
        QCOMPARE(stored.number(2), 0.0);
        QCOMPARE(stored.number(3), 0.0);
        QCOMPARE(stored.number(4), 180.5);
        c.choose(2, QStringLiteral("ACEITE VEGETAL 20L"));
        QCOMPARE(Drive::control<QComboBox>(c.w(), "CBGrupoP")->currentIndex(), 3);
        QCOMPARE(Drive::control<QComboBox>(c.w(), "CBGrupoP")->currentText(), QStringLiteral("ACEITES Y GRASAS"));
        QCOMPARE(Drive::control<QComboBox>(c.w(), "CBInventario")->currentText(), kSupplies);
        QVERIFY(!Drive::enabled(c.w(), "CBInventario"));
    }

    void insertStoresEverythingUnderTheNextKey()
    {
        Catalog c;
        c.open();
        c.startNew(kProducts, 2, QStringLiteral("arroz grano de oro 1kg"));
        QCOMPARE(Drive::text(c.w(), "EIDProducto"), QStringLiteral("P000000016"));
        Drive::choose(c.w(), "CBMarca", QStringLiteral("GUABIRA"));
        Drive::choose(c.w(), "CBUMedida", QStringLiteral("KILO"));
        Drive::type(c.w(), "EPresentacion", QStringLiteral("bolsa"));
        Drive::type(c.w(), "EStockM", QStringLiteral("5"));
        Drive::type(c.w(), "EPCompra", QStringLiteral("6.4"));
        Drive::type(c.w(), "EPVenta", QStringLiteral("8"));
        QCOMPARE(Drive::text(c.w(), "EPventaIVA"), QStringLiteral("9.04"));
        Drive::type(c.w(), "ECodigoB", QString());
        c.shop.files.paths << c.picturePath(Qt::red);
        QTest::mouseClick(Drive::control<PictureBox>(c.w(), "ImagenP"), Qt::LeftButton);

        // Another counter stores a product meanwhile and takes the key this one previewed.
        c.exec(QStringLiteral("INSERT INTO Productos(IdProducto, Producto) VALUES('P000000016', 'DE OTRA CAJA')"));
        c.exec(QStringLiteral("UPDATE Codigos SET IdProducto=16 WHERE IdC=1"));
        Drive::click(c.w(), "SBInsertarP");
        QVERIFY2(c.shop.messages.all.isEmpty(), qPrintable(c.shop.messages.all.join('|')));

        SqlRows stored = c.query(QStringLiteral("SELECT * FROM Productos WHERE Producto='ARROZ GRANO DE ORO 1KG'"));
        QStringList values;
        for (int column = 0; column < 16; ++column)
            values << stored.text(column);
        QCOMPARE(values, (QStringList{"P000000017", "1", "2", "GUABIRA", "ARROZ GRANO DE ORO 1KG", "BOLSA", "KILO", "5",
                                      "6.4", "8", "9.04", "0", "0", "0", "admin", "1"}));
        QCOMPARE(c.number(QStringLiteral("SELECT IdProducto FROM Codigos")), 17);
        const QString photo = c.shop.folder() + QStringLiteral("img/P000000017.jpg");
        QImageReader reader(photo);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage saved = reader.read();
        QCOMPARE(saved.size(), MasterPictures::PhotoSize);
        QVERIFY(near(saved.pixelColor(148, 103), Qt::red));
        QVERIFY(!QFile::exists(c.shop.folder() + QStringLiteral("img/P000000016.jpg")));
        // listed, and the window is ready for the next one
        QVERIFY(c.rowOf("Vec0", Col::ColIdProducto, QStringLiteral("P000000017")) >= 0);
        QCOMPARE(Drive::text(c.w(), "EIDProducto"), QStringLiteral("P000000018"));
        QVERIFY(Drive::text(c.w(), "ENombreP").isEmpty());
        QVERIFY(Drive::enabled(c.w(), "SBInsertarP"));
    }

    void refusedInserts_data()
    {
        QTest::addColumn<QString>("inventory");
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("no inventory") << "< Seleccione Inventario >" << 0 << "NUEVO"
                                      << ""
                                      << "" << kIncomplete;
        QTest::newRow("no category") << kProducts << 0 << "NUEVO"
                                     << ""
                                     << "" << kIncomplete;
        QTest::newRow("no name") << kProducts << 1 << ""
                                 << ""
                                 << "" << kIncomplete;
        QTest::newRow("minimum stock empty") << kProducts << 1 << "NUEVO"
                                             << "EStockM"
                                             << "" << kIncomplete;
        QTest::newRow("a point alone") << kProducts << 1 << "NUEVO"
                                       << "EStockM"
                                       << "." << kIncomplete;
        QTest::newRow("two points") << kProducts << 1 << "NUEVO"
                                    << "EPCompra"
                                    << "1.2.3" << kIncomplete;
        QTest::newRow("a point at the end") << kProducts << 1 << "NUEVO"
                                            << "EPventaIVA"
                                            << "7." << kIncomplete;
        QTest::newRow("a name taken") << kProducts << 2 << "coca cola 2l"
                                      << ""
                                      << "" << kNameTaken;
        QTest::newRow("a name taken in lower case") << kProducts << 2 << "agua de mesa"
                                                    << ""
                                                    << "" << kNameTaken;
        QTest::newRow("the name of a disabled supply") << kProducts << 1 << "sal fina"
                                                       << ""
                                                       << "" << kNameTaken;
    }
    void refusedInserts()
    {
        QFETCH(QString, inventory);
        QFETCH(int, category);
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Catalog c;
        c.exec(QStringLiteral("INSERT INTO Productos(IdProducto, Producto) VALUES('X1', 'agua de mesa')"));
        c.exec(
            QStringLiteral("INSERT INTO Productos(IdProducto, Inventario, Producto, Estado) VALUES('X2', 2, 'SAL FINA', 0)"));
        const qint64 before = c.number(QStringLiteral("SELECT COUNT(*) FROM Productos"));
        c.open();
        c.startNew(inventory, category, name);
        if (!field.isEmpty())
            Drive::type(c.w(), qPrintable(field), typed);
        Drive::click(c.w(), "SBInsertarP");
        QCOMPARE(c.shop.messages.infos, QStringList{message});
        QCOMPARE(c.number(QStringLiteral("SELECT COUNT(*) FROM Productos")), before);
        QCOMPARE(c.number(QStringLiteral("SELECT IdProducto FROM Codigos")), 15);
    }

    void priceWithVat_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("vat");
        QTest::addColumn<QString>("withVat");
        QTest::newRow("10 with 13") << "10"
                                    << "13"
                                    << "11.30";
        QTest::newRow("2.5 with 13: half a cent up") << "2.5"
                                                     << "13"
                                                     << "2.83";
        QTest::newRow("no VAT") << "4.75"
                                << "0"
                                << "4.75";
        QTest::newRow("no number yet leaves it") << "."
                                                 << "13"
                                                 << "0.00";
    }
    void priceWithVat()
    {
        QFETCH(QString, price);
        QFETCH(QString, vat);
        Catalog c;
        c.open();
        c.startNew(kProducts, 1, QStringLiteral("X"));
        Drive::type(c.w(), "EIVA", vat);
        Drive::type(c.w(), "EPVenta", price);
        QTEST(Drive::text(c.w(), "EPventaIVA"), "withVat");
    }

    // Filling the fields from a row runs none of the user's handlers: prices are not zeroed and the
    // price with VAT is not recomputed.
    void aChosenRowShowsItsStoredPrices()
    {
        Catalog c;
        c.exec(QStringLiteral("UPDATE Productos SET PVenta=10, PVentaIVA=12.5 WHERE IdProducto='P000000001'"));
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        QCOMPARE(Drive::text(c.w(), "EPVenta"), QStringLiteral("10.00"));
        QCOMPARE(Drive::text(c.w(), "EPventaIVA"), QStringLiteral("12.50"));
        QCOMPARE(Drive::text(c.w(), "EPCompra"), QStringLiteral("9.50"));
        QCOMPARE(Drive::text(c.w(), "EStockM"), QStringLiteral("6"));
        QCOMPARE(Drive::text(c.w(), "EIDProducto"), QStringLiteral("P000000001"));
        QCOMPARE(Drive::control<QComboBox>(c.w(), "CBGrupoP")->currentText(), QStringLiteral("BEBIDAS"));
        QVERIFY(Drive::enabled(c.w(), "SBActualizarP"));
        QVERIFY(!Drive::enabled(c.w(), "SBInsertarP"));
        Drive::click(c.w(), "SBActualizarP");
        QCOMPARE(c.query(QStringLiteral("SELECT PVentaIVA FROM Productos WHERE IdProducto='P000000001'")).number(0), 12.5);
    }

    void updateRefusesATakenName()
    {
        Catalog c;
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        Drive::type(c.w(), "ENombreP", QStringLiteral("fanta naranja 2l"));
        Drive::click(c.w(), "SBActualizarP");
        QCOMPARE(c.shop.messages.infos, QStringList{kNameTaken});
        QCOMPARE(c.number(QStringLiteral("SELECT COUNT(*) FROM Productos WHERE Producto='COCA COLA 2L'")), 1);
    }

    // A category change carries the product's sale, purchase and delivery lines along, and no other
    // product's.
    void aCategoryChangeCarriesTheLines()
    {
        Catalog c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9));
        c.exec(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, IdCaja) VALUES('V000000001', '2026-12-09', ?)"), {caja});
        c.exec(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, IdCaja) VALUES('P000000001', '2026-12-09', ?)"), {caja});
        c.exec(QStringLiteral("INSERT INTO EntregaI(IdEntrega, FechaE, IdCaja) VALUES('E000000001', '2026-12-09', ?)"),
               {caja});
        for (const char* product : {"P000000001", "P000000002"}) {
            c.exec(QStringLiteral("INSERT INTO DetalleV(IdProducto, IdVenta, IdCategoria) VALUES(?, 'V000000001', 1)"),
                   {QLatin1String(product)});
            c.exec(QStringLiteral("INSERT INTO DetalleC(IdProducto, IdCompra, IdCategoria) VALUES(?, 'P000000001', 1)"),
                   {QLatin1String(product)});
            c.exec(QStringLiteral("INSERT INTO DetalleEI(IdProducto, IdEntrega, IdCategoria) VALUES(?, 'E000000001', 1)"),
                   {QLatin1String(product)});
        }
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        Drive::control<QComboBox>(c.w(), "CBGrupoP")->setCurrentIndex(5);
        Drive::click(c.w(), "SBActualizarP");
        QCOMPARE(c.shop.messages.infos, QStringList{"Producto Actualizado Correctamente"});
        QCOMPARE(c.number(QStringLiteral("SELECT IdCategoria FROM Productos WHERE IdProducto='P000000001'")), 5);
        for (const char* table : {"DetalleV", "DetalleC", "DetalleEI"}) {
            const QString sql = QStringLiteral("SELECT IdCategoria FROM %1 WHERE IdProducto=?").arg(QLatin1String(table));
            QCOMPARE(c.number(sql, {QStringLiteral("P000000001")}), 5);
            QCOMPARE(c.number(sql, {QStringLiteral("P000000002")}), 1);
        }
    }

    void aProductGoneMeanwhileIsNotReportedUpdated()
    {
        Catalog c;
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        c.exec(QStringLiteral("DELETE FROM Productos WHERE IdProducto='P000000001'"));
        Drive::click(c.w(), "SBActualizarP");
        QCOMPARE(c.shop.messages.infos, QStringList{"El Producto ya no esta Registrado"});
        QCOMPARE(c.number(QStringLiteral("SELECT COUNT(*) FROM Productos WHERE Producto='COCA COLA 2L'")), 0);
    }

    void enableDisableAndDelete()
    {
        Catalog c;
        QDir().mkpath(c.shop.folder() + QStringLiteral("img"));
        QFile::copy(c.picturePath(Qt::blue), c.shop.folder() + QStringLiteral("img/P000000003.jpg"));
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        const int row = c.rowOf("Vec0", Col::ColIdProducto, QStringLiteral("P000000003"));
        auto estado = [&] { return c.number(QStringLiteral("SELECT Estado FROM Productos WHERE IdProducto='P000000003'")); };
        c.clickCell("Vec0", row, Col::ColEstado);
        QCOMPARE(estado(), 0);
        QVERIFY(!c.grid("Vec0")->isChecked(Col::ColEstado, row));
        c.clickCell("Vec0", row, Col::ColEstado);
        QCOMPARE(estado(), 1);

        c.exec(
            QStringLiteral("CREATE TRIGGER NoChange BEFORE UPDATE ON Productos BEGIN SELECT RAISE(ABORT, 'bloqueado'); END"));
        c.clickCell("Vec0", row, Col::ColEstado);
        QVERIFY(c.grid("Vec0")->isChecked(Col::ColEstado, row));
        QCOMPARE(c.shop.messages.errors, QStringList{"bloqueado"});
        c.exec(QStringLiteral("DROP TRIGGER NoChange"));

        const int rows = c.grid("Vec0")->rowCount();
        c.shop.messages.answerNext(false);
        c.clickCell("Vec0", row, Col::ColBorrar);
        QCOMPARE(c.grid("Vec0")->rowCount(), rows);
        c.clickCell("Vec0", row, Col::ColBorrar);
        QCOMPARE(c.shop.messages.questions.last(),
                 qMakePair(QStringLiteral("Eliminar Producto"),
                           QStringLiteral("Esta Seguro que quiere Eliminar el Producto?...")));
        QCOMPARE(c.number(QStringLiteral("SELECT COUNT(*) FROM Productos WHERE IdProducto='P000000003'")), 0);
        QCOMPARE(c.grid("Vec0")->rowCount(), rows - 1);
        QCOMPARE(c.rowOf("Vec0", Col::ColIdProducto, QStringLiteral("P000000003")), -1);
        QVERIFY(!QFile::exists(c.shop.folder() + QStringLiteral("img/P000000003.jpg")));
        QCOMPARE(c.grid("Vec0")->cell(Col::ColNro, rows - 2), QString::number(rows - 1));
    }

    // After "NUEVO" the row stays highlighted: a click on it shows it again, as on any other row.
    void clickOnTheHighlightedRowShowsIt_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("nuevo");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("column");
        QTest::newRow("products") << "Vec0"
                                  << "SBNuevoP"
                                  << "ENombreP" << int(Col::ColProducto);
        QTest::newRow("brands") << "VecM"
                                << "SBNuevoM"
                                << "EMarca" << int(TFProductosC::NameColNombre);
        QTest::newRow("units") << "VecUM"
                               << "SBNuevoUM"
                               << "EUMedida" << int(TFProductosC::NameColNombre);
    }
    void clickOnTheHighlightedRowShowsIt()
    {
        QFETCH(QString, grid);
        QFETCH(QString, nuevo);
        QFETCH(QString, field);
        QFETCH(int, column);
        Catalog c;
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        DataGrid* list = c.grid(qPrintable(grid));
        auto* tabs = c.w().findChild<QTabWidget*>();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(list))
                tabs->setCurrentIndex(i);
        QVERIFY(list->isVisible());
        const QString name = list->cell(column, 1);
        c.clickCell(qPrintable(grid), 1, column);
        QCOMPARE(Drive::text(c.w(), qPrintable(field)), name);
        Drive::click(c.w(), qPrintable(nuevo));
        QCOMPARE(Drive::text(c.w(), qPrintable(field)), QString());
        c.clickCell(qPrintable(grid), 1, column);
        QCOMPARE(Drive::text(c.w(), qPrintable(field)), name);
    }

    // A product the reports name (a sale, purchase or delivery line) is disabled, never deleted.
    void productWithHistoryIsKept_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("sold") << "INSERT INTO DetalleV(IdProducto, IdVenta, IdCategoria) VALUES('P000000003', 'V000000001', 1)";
        QTest::newRow("bought") << "INSERT INTO DetalleC(IdProducto, IdCompra, IdCategoria) VALUES('P000000003', 'P000000001', 1)";
        QTest::newRow("handed out")
            << "INSERT INTO DetalleEI(IdProducto, IdEntrega, IdCategoria) VALUES('P000000003', 'E000000001', 1)";
    }
    void productWithHistoryIsKept()
    {
        QFETCH(QString, line);
        Catalog c;
        const QString caja = c.shop.openCashSession(QDate(2026, 12, 9));
        c.exec(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, IdCaja) VALUES('V000000001', '2026-12-09', ?)"), {caja});
        c.exec(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, IdCaja) VALUES('P000000001', '2026-12-09', ?)"), {caja});
        c.exec(QStringLiteral("INSERT INTO EntregaI(IdEntrega, FechaE, IdCaja) VALUES('E000000001', '2026-12-09', ?)"),
               {caja});
        c.exec(line);
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        const int rows = c.grid("Vec0")->rowCount();
        const int row = c.rowOf("Vec0", Col::ColIdProducto, QStringLiteral("P000000003"));
        c.clickCell("Vec0", row, Col::ColBorrar);
        QCOMPARE(c.shop.messages.infos,
                 QStringList{"El Producto tiene ventas, compras o entregas registradas: eliminarlo cambiaria los "
                             "reportes. Para dejar de usarlo, desactivelo (quite la marca de la columna E)"});
        QCOMPARE(c.number(QStringLiteral("SELECT COUNT(*) FROM Productos WHERE IdProducto='P000000003'")), 1);
        QCOMPARE(c.grid("Vec0")->rowCount(), rows);
    }

    void evenCategoriesAreShaded()
    {
        Catalog c;
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        const DataGrid* list = c.grid("Vec0");
        const int bebida = c.rowOf("Vec0", Col::ColProducto, QStringLiteral("AGUA VITAL 600ML"));  // category 1
        const int abarrote = c.rowOf("Vec0", Col::ColProducto, QStringLiteral("AZUCAR 1KG"));      // category 2
        QCOMPARE(list->cellColor(Col::ColProducto, abarrote), TFProductosC::EvenCategoryColour());
        QCOMPARE(list->cellColor(Col::ColEstado, abarrote), TFProductosC::EvenCategoryColour());
        QVERIFY(list->cellColor(Col::ColProducto, bebida) != TFProductosC::EvenCategoryColour());
    }

    void photos()
    {
        Catalog c;
        QDir().mkpath(c.shop.folder() + QStringLiteral("img"));
        QFile::copy(c.picturePath(Qt::green), c.shop.folder() + QStringLiteral("img/P000000002.jpg"));
        c.open();
        auto shown = [&] { return centreOf(Drive::control<PictureBox>(c.w(), "ImagenP")->picture()); };
        c.choose(1, QStringLiteral("FANTA NARANJA 2L"));
        QVERIFY(near(shown(), Qt::green));
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        QVERIFY(near(shown(), centreOf(MasterPictures::DefaultPhoto())));

        // An unreadable file is refused; the picture shown stays and nothing is saved.
        const QString notAPicture = c.shop.folder() + QStringLiteral("nota.jpg");
        QFile file(notAPicture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("texto");
        file.close();
        c.shop.files.paths << notAPicture;
        QTest::mouseClick(Drive::control<PictureBox>(c.w(), "ImagenP"), Qt::LeftButton);
        QCOMPARE(c.shop.messages.errors.size(), 1);
        QVERIFY(near(shown(), centreOf(MasterPictures::DefaultPhoto())));
        Drive::click(c.w(), "SBActualizarP");
        QVERIFY(!QFile::exists(c.shop.folder() + QStringLiteral("img/P000000001.jpg")));

        // A chosen photo is kept with the update, under the product's key.
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        c.shop.files.paths << c.picturePath(Qt::yellow, {100, 400});
        QTest::mouseClick(Drive::control<PictureBox>(c.w(), "ImagenP"), Qt::LeftButton);
        Drive::click(c.w(), "SBActualizarP");
        const QImage saved(c.shop.folder() + QStringLiteral("img/P000000001.jpg"));
        QCOMPARE(saved.size(), MasterPictures::PhotoSize);
        QVERIFY(near(saved.pixelColor(148, 103), Qt::yellow));
        QVERIFY(near(saved.pixelColor(5, 103), Qt::white));  // fitted, not stretched
    }

    void categories()
    {
        Catalog c;
        c.open();
        Drive::control<QTabWidget>(c.w(), "PageControl1")->setCurrentIndex(1);
        Drive::choose(c.w(), "CBInvent", kSupplies);
        QCOMPARE(c.grid("VecC")->rowCount(), 8);
        c.grid("VecC")->goToRow(3);
        QCOMPARE(Drive::text(c.w(), "EIdC"), QStringLiteral("20"));
        Drive::type(c.w(), "ENombreC", QStringLiteral("bolsas y envases"));
        Drive::choose(c.w(), "CBVisibleC", QStringLiteral("DESHABILITADO"));
        c.shop.files.paths << c.picturePath(QColor(200, 30, 30), {300, 120});
        QTest::mouseClick(Drive::control<PictureBox>(c.w(), "Icono1"), Qt::LeftButton);

        c.shop.messages.answerNext(false);
        Drive::click(c.w(), "SBActualizar");
        QCOMPARE(c.query(QStringLiteral("SELECT Categoria FROM Categorias WHERE IdCategoria=20")).text(0),
                 QStringLiteral("ENVASES"));

        Drive::click(c.w(), "SBActualizar");
        QCOMPARE(c.shop.messages.questions.last().second, QStringLiteral("Esta seguro que quiere Actualizar el Registro?..."));
        const SqlRows stored =
            c.query(QStringLiteral("SELECT Categoria, Estado, Icono, Inventario FROM Categorias WHERE IdCategoria=20"));
        QCOMPARE(stored.text(0), QStringLiteral("BOLSAS Y ENVASES"));
        QCOMPARE(stored.integer(1), 0);
        QCOMPARE(stored.integer(3), 2);
        QImage icon;
        QVERIFY(icon.loadFromData(stored.blob(2), "JPG"));
        QCOMPARE(icon.size(), MasterPictures::IconSize);
        QVERIFY(near(icon.pixelColor(26, 26), QColor(200, 30, 30)));
        QCOMPARE(Drive::text(c.w(), "EIdC"), QStringLiteral("20"));  // reselected
        QVERIFY(c.shop.messages.infos.isEmpty());

        // Emptied name or no category chosen: refused.
        Drive::type(c.w(), "ENombreC", QString());
        Drive::click(c.w(), "SBActualizar");
        QCOMPARE(c.shop.messages.infos, QStringList{"Seleccione Inventario/Categoria a Actualizar"});
        QCOMPARE(c.query(QStringLiteral("SELECT Categoria FROM Categorias WHERE IdCategoria=20")).text(0),
                 QStringLiteral("BOLSAS Y ENVASES"));
    }

    void theInsumosCategoryStaysAsItIs()
    {
        Catalog c;
        c.exec(QStringLiteral("UPDATE Categorias SET Categoria='INSUMOS' WHERE IdCategoria=17"));
        c.open();
        Drive::choose(c.w(), "CBInvent", kSupplies);
        c.grid("VecC")->goToRow(0);
        QCOMPARE(Drive::text(c.w(), "ENombreC"), QStringLiteral("INSUMOS"));
        QVERIFY(!Drive::enabled(c.w(), "SBActualizar"));
        c.grid("VecC")->goToRow(1);
        QVERIFY(Drive::enabled(c.w(), "SBActualizar"));
    }

    void brandsAndUnits_data()
    {
        QTest::addColumn<bool>("brand");
        QTest::newRow("brands") << true;
        QTest::newRow("units") << false;
    }
    void brandsAndUnits()
    {
        QFETCH(bool, brand);
        Catalog c;
        c.open();
        const char* grid = brand ? "VecM" : "VecUM";
        const char* name = brand ? "EMarca" : "EUMedida";
        const char* combo = brand ? "CBMarca" : "CBUMedida";
        const QString table = brand ? QStringLiteral("Marcas") : QStringLiteral("UMedida");
        const QString column = brand ? QStringLiteral("Marca") : QStringLiteral("UMedida");
        const QString suffix = brand ? QStringLiteral("M") : QStringLiteral("UM");
        auto click = [&](const char* button) { Drive::click(c.w(), qPrintable(QLatin1String(button) + suffix)); };
        auto count = [&](const QString& value) {
            return c.number(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2=?").arg(table, column), {value});
        };
        const QString taken = brand ? QStringLiteral("El Nombre de la Marca ya existe, intente con otro Nombre")
                                    : QStringLiteral("El Nombre Unidad de Medida ya existe, intente con otro Nombre");

        click("SBNuevo");
        click("SBInsertar");
        QCOMPARE(c.shop.messages.infos.last(), brand ? QStringLiteral("Inserte correctamente la Marca")
                                                     : QStringLiteral("Inserte correctamente el Campo Unidad de Medida"));
        Drive::type(c.w(), name, QStringLiteral("nuevo"));
        if (brand)
            Drive::type(c.w(), "EProcedencia", QStringLiteral("peru"));
        Drive::choose(c.w(), brand ? "CBEstadoM" : "CBEstadoUM", QStringLiteral("DESHABILITADO"));
        click("SBInsertar");
        QCOMPARE(c.shop.messages.infos.last(), brand ? QStringLiteral("Marca registrada Correctamente")
                                                     : QStringLiteral("Unidad de Medida registrada Correctamente"));
        QCOMPARE(count(QStringLiteral("NUEVO")), 1);
        QCOMPARE(c.number(QStringLiteral("SELECT Estado FROM %1 WHERE %2='NUEVO'").arg(table, column)), 0);
        if (brand)
            QCOMPARE(c.query(QStringLiteral("SELECT Procedencia FROM Marcas WHERE Marca='NUEVO'")).text(0),
                     QStringLiteral("PERU"));
        QVERIFY(Drive::control<QComboBox>(c.w(), combo)->findText(QStringLiteral("NUEVO")) >= 0);  // disabled, still offered
        QVERIFY(c.rowOf(grid, TFProductosC::NameColNombre, QStringLiteral("NUEVO")) >= 0);

        // taken in any letter case, enabled or not
        c.exec(QStringLiteral("UPDATE %1 SET %2='nuevo' WHERE %2='NUEVO'").arg(table, column));
        click("SBNuevo");
        Drive::type(c.w(), name, QStringLiteral("NUEVO"));
        click("SBInsertar");
        QCOMPARE(c.shop.messages.infos.last(), taken);
        QCOMPARE(c.number(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)), brand ? 11 : 7);

        // rename, and a rename onto another's name
        c.grid(grid)->goToRow(0);
        QVERIFY(Drive::enabled(c.w(), qPrintable(QStringLiteral("SBActualizar") + suffix)));
        const QString first = brand ? QStringLiteral("COCA COLA") : QStringLiteral("UNIDAD");
        const QString second = brand ? QStringLiteral("PIL") : QStringLiteral("CAJA");
        QCOMPARE(Drive::text(c.w(), name), first);
        Drive::type(c.w(), name, second);
        click("SBActualizar");
        QCOMPARE(c.shop.messages.infos.last(), taken);
        const int infos = c.shop.messages.infos.size();
        Drive::type(c.w(), name, QStringLiteral("renombrada"));
        click("SBActualizar");
        QCOMPARE(count(QStringLiteral("RENOMBRADA")), 1);
        QCOMPARE(count(first), 0);
        QCOMPARE(c.shop.messages.infos.size(), brand ? infos : infos + 1);
        if (!brand)
            QCOMPARE(c.shop.messages.infos.last(), QStringLiteral("Unidad de Medida Actualizada Correctamente"));
        QCOMPARE(c.grid(grid)->cell(TFProductosC::NameColNombre, 0), QStringLiteral("RENOMBRADA"));

        // delete
        const int rows = c.grid(grid)->rowCount();
        c.clickCell(grid, 0, TFProductosC::NameColBorrar);
        QCOMPARE(c.shop.messages.questions.last().first,
                 brand ? QStringLiteral("Eliminar Marca") : QStringLiteral("Eliminar Unidad de Medida"));
        QCOMPARE(count(QStringLiteral("RENOMBRADA")), 0);
        QCOMPARE(c.grid(grid)->rowCount(), rows - 1);
        QCOMPARE(Drive::control<QComboBox>(c.w(), combo)->findText(QStringLiteral("RENOMBRADA")), -1);
    }

    // Products keep a brand or unit as text: one renamed or deleted since shows as it is stored and
    // survives an update of the product.
    void aRenamedBrandSurvivesAProductUpdate()
    {
        Catalog c;
        c.open();
        c.exec(QStringLiteral("UPDATE Marcas SET Marca='COCA-COLA CO' WHERE Marca='COCA COLA'"));
        c.exec(QStringLiteral("DELETE FROM UMedida WHERE UMedida='UNIDAD'"));
        c.w().close();
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        QCOMPARE(Drive::control<QComboBox>(c.w(), "CBMarca")->currentText(), QStringLiteral("COCA COLA"));
        QCOMPARE(Drive::control<QComboBox>(c.w(), "CBUMedida")->currentText(), QStringLiteral("UNIDAD"));
        Drive::type(c.w(), "EStockM", QStringLiteral("8"));
        Drive::click(c.w(), "SBActualizarP");
        const SqlRows stored =
            c.query(QStringLiteral("SELECT Marca, UMedida, StockM FROM Productos WHERE IdProducto='P000000001'"));
        QCOMPARE(stored.text(0), QStringLiteral("COCA COLA"));
        QCOMPARE(stored.text(1), QStringLiteral("UNIDAD"));
        QCOMPARE(stored.number(2), 8.0);

        // Another product: the old brand is no longer offered, so a pick is a real brand.
        c.choose(1, QStringLiteral("AGUA VITAL 600ML"));
        QCOMPARE(Drive::control<QComboBox>(c.w(), "CBMarca")->findText(QStringLiteral("COCA COLA")), -1);
        Drive::choose(c.w(), "CBMarca", QStringLiteral("COCA-COLA CO"));
        Drive::click(c.w(), "SBActualizarP");
        QCOMPARE(c.query(QStringLiteral("SELECT Marca FROM Productos WHERE IdProducto='P000000003'")).text(0),
                 QStringLiteral("COCA-COLA CO"));
    }

    // Not a check: renders every tab when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the tabs");
        QDir().mkpath(folder);
        Catalog c;
        QDir().mkpath(c.shop.folder() + QStringLiteral("img"));
        QImage photo(MasterPictures::PhotoSize, QImage::Format_RGB32);
        photo.fill(QColor(180, 40, 40));
        photo.save(c.shop.folder() + QStringLiteral("img/P000000001.jpg"));
        c.open();
        c.choose(1, QStringLiteral("COCA COLA 2L"));
        auto* tabs = Drive::control<QTabWidget>(c.w(), "PageControl1");
        QVERIFY(c.w().grab().save(folder + QStringLiteral("/almacen-productos.png")));
        c.choose(2, QStringLiteral("HARINA DE TRIGO 50KG"));
        QVERIFY(c.w().grab().save(folder + QStringLiteral("/almacen-insumos.png")));
        tabs->setCurrentIndex(1);
        QVERIFY(c.w().grab().save(folder + QStringLiteral("/almacen-categorias.png")));
        tabs->setCurrentIndex(2);
        c.grid("VecM")->goToRow(1);
        QVERIFY(c.w().grab().save(folder + QStringLiteral("/almacen-marcas.png")));
        tabs->setCurrentIndex(3);
        c.grid("VecUM")->goToRow(1);
        QVERIFY(c.w().grab().save(folder + QStringLiteral("/almacen-unidades.png")));
    }
};

QTEST_MAIN(TstUProductosC)
#include "tst_uproductosc.moc"
