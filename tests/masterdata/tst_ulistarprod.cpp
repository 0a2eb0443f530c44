#include "ShopFixture.h"

#include "data/SessionState.h"
#include "masterdata/MasterPictures.h"
#include "masterdata/ui/UListarProd.h"
#include "widgets/DataGrid.h"
#include "WindowDriver.h"

#include <QDir>
#include <QHeaderView>
#include <QToolButton>
#include <QtTest>

namespace {

using Col = TFListarProd::Column;

void addProduct(ShopFixture& shop, const QString& id, int category, const QString& name, double ingreso, double egreso,
                double minimum, int estado = 1)
{
    shop.db().execute(QStringLiteral("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Producto, StockM, PCompra, "
                                     "Ingreso, Egreso, Estado) VALUES(?, ?, ?, ?, ?, 1.5, ?, ?, ?)"),
                      {id, category > 16 ? 2 : 1, category, name, minimum, ingreso, egreso, estado});
}

QImage plainPicture(const QColor& colour)
{
    QImage picture(MasterPictures::IconSize, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

void setIcon(ShopFixture& shop, int category, const QColor& colour)
{
    shop.db().execute(QStringLiteral("UPDATE Categorias SET Icono=? WHERE IdCategoria=?"),
                      {MasterPictures::JpegBytes(plainPicture(colour)), category});
}

QColor iconCentre(const QToolButton* button)
{
    const QImage shown = button->icon().pixmap(MasterPictures::IconSize).toImage();
    return shown.isNull() ? QColor() : shown.pixelColor(26, 26);
}

bool near(const QColor& a, const QColor& b)
{
    return a.isValid() && b.isValid() && qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24
           && qAbs(a.blue() - b.blue()) < 24;
}

QStringList names(const DataGrid* grid)
{
    QStringList listed;
    for (int row = 0; row < grid->rowCount(); ++row)
        listed << grid->cell(Col::ColProducto, row);
    return listed;
}

void doubleClickRow(DataGrid* grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, Col::ColProducto));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

}

class TstUListarProd : public QObject {
    Q_OBJECT
private slots:
    void init() { SessionState::reset(); }

    void stockAndItsColour_data()
    {
        QTest::addColumn<double>("ingreso");
        QTest::addColumn<double>("egreso");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("colour");
        QTest::newRow("exhausted: red") << 5.0 << 5.0 << 0.0 << "0"
                                        << "red";
        QTest::newRow("below nothing: red") << 2.0 << 5.0 << 3.0 << "-3"
                                            << "red";
        QTest::newRow("3 under a minimum of 5: yellow") << 3.0 << 0.0 << 5.0 << "3"
                                                        << "yellow";
        QTest::newRow("3 with no minimum: plain") << 3.0 << 0.0 << 0.0 << "3"
                                                  << "plain";
        QTest::newRow("at the minimum: plain") << 5.0 << 0.0 << 5.0 << "5"
                                               << "plain";
        QTest::newRow("0.3 - 0.1 is 0.2, not under 0.2") << 0.3 << 0.1 << 0.2 << "0.2"
                                                         << "plain";
        QTest::newRow("a fraction left") << 10.0 << 9.75 << 0.0 << "0.25"
                                         << "plain";
    }
    void stockAndItsColour()
    {
        QFETCH(double, ingreso);
        QFETCH(double, egreso);
        QFETCH(double, minimum);
        QFETCH(QString, colour);
        ShopFixture shop;
        addProduct(shop, QStringLiteral("P000000100"), 8, QStringLiteral("PRUEBA"), ingreso, egreso, minimum);
        SessionState::current().SalesListGroup = 8;
        TFListarProd list;
        list.start(10, {});
        const DataGrid* grid = Drive::control<DataGrid>(list, "VecP");
        QCOMPARE(grid->rowCount(), 1);
        QTEST(grid->cell(Col::ColStock, 0), "stock");
        const QColor expected = colour == QLatin1String("red")      ? TFListarProd::ExhaustedColour()
                                : colour == QLatin1String("yellow") ? TFListarProd::LowColour()
                                                                    : QColor();
        for (int column : {int(Col::ColNumero), int(Col::ColProducto), int(Col::ColStock)}) {
            const QColor shown = grid->cellColor(column, 0);
            QVERIFY2(expected.isValid() ? shown == expected
                                        : shown != TFListarProd::ExhaustedColour() && shown != TFListarProd::LowColour(),
                     qPrintable(QStringLiteral("column %1 is %2").arg(column).arg(shown.name())));
        }
    }

    void listsTheEnabledProductsOfTheCategory()
    {
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE Productos SET Estado=0 WHERE Producto='FANTA NARANJA 2L'"));
        TFListarProd list;
        list.start(10, {});
        QCOMPARE(list.windowTitle(), QStringLiteral("Lista de Productos a la Venta"));
        QVERIFY(Drive::visible(list, "PListarPV"));
        QVERIFY(!Drive::visible(list, "PListarPI"));
        const DataGrid* grid = Drive::control<DataGrid>(list, "VecP");
        QCOMPARE(names(grid), (QStringList{"AGUA VITAL 600ML", "CERVEZA PACENA 620ML", "COCA COLA 2L"}));
        QCOMPARE(grid->horizontalHeaderItem(Col::ColProducto)->text(), QStringLiteral(" Categoria: BEBIDAS"));
        QCOMPARE(grid->selectedRow(), 0);
        QCOMPARE(grid->cell(Col::ColNumero, 2), QStringLiteral("3"));
    }

    void choosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("inLines");
        QTest::addColumn<QString>("chosen");  // empty: nothing comes back
        QTest::newRow("Enter on the selected row") << "enter third" << QStringList{} << "P000000001";
        QTest::newRow("double-click") << "double-click third" << QStringList{"P000000003"} << "P000000001";
        QTest::newRow("already among the lines") << "enter third" << QStringList{"P000000009", "p000000001"} << "";
        QTest::newRow("Escape") << "escape" << QStringList{} << "";
    }
    void choosing()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, inLines);
        QFETCH(QString, chosen);
        ShopFixture shop;
        TFListarProd list;
        list.start(10, inLines);
        DataGrid* grid = Drive::control<DataGrid>(list, "VecP");
        QCOMPARE(grid->cell(Col::ColProducto, 2), QStringLiteral("COCA COLA 2L"));
        if (how == QLatin1String("enter third")) {
            grid->goToRow(2);
            QTest::keyClick(grid, Qt::Key_Return);
        } else if (how == QLatin1String("double-click third")) {
            doubleClickRow(grid, 2);
        } else {
            QTest::keyClick(grid, Qt::Key_Escape);
        }
        QVERIFY(!list.isVisible());
        const auto product = list.chosen();
        QCOMPARE(product.has_value(), !chosen.isEmpty());
        if (!product)
            return;
        QCOMPARE(product->IdProducto, chosen);
        QCOMPARE(product->IdCategoria, 1);
        QCOMPARE(product->Marca, QStringLiteral("COCA COLA"));
        QCOMPARE(product->Producto, QStringLiteral("COCA COLA 2L"));
        QCOMPARE(product->Presentacion, QStringLiteral("BOTELLA PET 2 LITROS"));
        QCOMPARE(product->UMedida, QStringLiteral("UNIDAD"));
        QCOMPARE(product->Stock, 48.0);
        QCOMPARE(product->PCompra, 9.5);
    }

    void anEmptyListPicksNothing()
    {
        ShopFixture shop;
        SessionState::current().SalesListGroup = 8;
        TFListarProd list;
        list.start(10, {});
        DataGrid* grid = Drive::control<DataGrid>(list, "VecP");
        QCOMPARE(grid->rowCount(), 0);
        QTest::keyClick(grid, Qt::Key_Return);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
        QVERIFY(list.isVisible());
        QVERIFY(!list.chosen().has_value());
    }

    void reopeningShowsTheCategoryChosenLast()
    {
        ShopFixture shop;
        TFListarProd list;
        list.start(11, {});
        QCOMPARE(list.windowTitle(), QStringLiteral("Lista de Insumos"));
        QVERIFY(Drive::visible(list, "PListarPI"));
        QVERIFY(!Drive::visible(list, "PListarPV"));
        DataGrid* grid = Drive::control<DataGrid>(list, "VecI");
        QCOMPARE(names(grid), QStringList{"HARINA DE TRIGO 50KG"});
        Drive::click(list, "BGrupo20");
        QCOMPARE(names(grid), QStringList{"BOLSA PLASTICA MEDIANA"});
        QCOMPARE(grid->horizontalHeaderItem(Col::ColProducto)->text(), QStringLiteral(" Categoria: ENVASES"));
        QCOMPARE(SessionState::current().SupplyListGroup, 20);
        list.reject();

        list.start(10, {});
        QCOMPARE(names(Drive::control<DataGrid>(list, "VecP")).size(), 4);  // the products keep their own
        list.reject();
        list.start(11, {});
        QCOMPARE(names(grid), QStringList{"BOLSA PLASTICA MEDIANA"});
        QVERIFY(Drive::control<QToolButton>(list, "BGrupo20")->isChecked());
    }

    // Each button stands for its own category: a disabled or icon-less category does not shift the
    // pictures of the others, and supplies start at button 17.
    void eachButtonShowsItsOwnCategory()
    {
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE Categorias SET Icono=NULL"));  // the demo's pictures out of the way
        shop.db().execute(QStringLiteral("UPDATE Categorias SET Estado=0 WHERE IdCategoria=2"));
        setIcon(shop, 2, Qt::blue);
        setIcon(shop, 3, Qt::red);
        setIcon(shop, 17, Qt::green);
        shop.db().execute(QStringLiteral("UPDATE Categorias SET Icono=? WHERE IdCategoria=4"), {QByteArray("not a picture")});
        QDir().mkpath(shop.folder() + QStringLiteral("img"));
        QVERIFY(plainPicture(QColor(250, 0, 250)).save(shop.folder() + QStringLiteral("img/img01.jpg")));
        const QColor fallback(250, 0, 250);

        TFListarProd list;
        list.start(10, {});
        auto button = [&](const char* name) { return Drive::control<QToolButton>(list, name); };
        QVERIFY(near(iconCentre(button("BGrupo1")), fallback));
        QCOMPARE(button("BGrupo1")->toolTip(), QStringLiteral("BEBIDAS"));
        QVERIFY(!button("BGrupo2")->isVisible());
        QVERIFY(near(iconCentre(button("BGrupo3")), Qt::red));
        QCOMPARE(button("BGrupo3")->toolTip(), QStringLiteral("LACTEOS"));
        QVERIFY(near(iconCentre(button("BGrupo4")), fallback));
        for (const char* unused : {"BGrupo9", "BGrupo10"}) {
            QVERIFY(button(unused)->isVisible());
            QVERIFY(!button(unused)->isEnabled());
            QVERIFY(button(unused)->icon().isNull());
        }
        list.reject();

        list.start(11, {});
        QVERIFY(near(iconCentre(button("BGrupo17")), Qt::green));
        QCOMPARE(button("BGrupo17")->toolTip(), QStringLiteral("HARINAS"));
        QVERIFY(near(iconCentre(button("BGrupo18")), fallback));
        QCOMPARE(button("BGrupo24")->toolTip(), QStringLiteral("OTROS INSUMOS"));
        for (const char* unused : {"BGrupo25", "BGrupo26"}) {
            QVERIFY(!button(unused)->isEnabled());
            QVERIFY(button(unused)->icon().isNull());
        }
    }

    void withoutPictureFilesTheBuiltInIconShows()
    {
        ShopFixture shop;
        shop.db().execute(QStringLiteral("UPDATE Categorias SET Icono=NULL"));
        TFListarProd list;
        list.start(10, {});
        const QColor shown = iconCentre(Drive::control<QToolButton>(list, "BGrupo1"));
        QVERIFY(near(shown, MasterPictures::DefaultIcon().toImage().pixelColor(26, 26)));
        QVERIFY(shown != QColor(Qt::black));
    }

    // Not a check: renders both lists when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the product lists");
        QDir().mkpath(folder);
        ShopFixture shop;
        setIcon(shop, 3, QColor(70, 130, 200));
        shop.db().execute(QStringLiteral("UPDATE Productos SET Egreso=Ingreso WHERE Producto='AGUA VITAL 600ML'"));
        shop.db().execute(QStringLiteral("UPDATE Productos SET Egreso=Ingreso-4 WHERE Producto='COCA COLA 2L'"));
        TFListarProd list;
        list.start(10, {});
        QVERIFY(list.grab().save(folder + QStringLiteral("/lista-productos.png")));
        list.reject();
        list.start(11, {});
        QVERIFY(list.grab().save(folder + QStringLiteral("/lista-insumos.png")));
    }
};

QTEST_MAIN(TstUListarProd)
#include "tst_ulistarprod.moc"
