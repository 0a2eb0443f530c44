#include "DatabaseRows.h"
#include "ShopFixture.h"

#include "app/CommandLine.h"
#include "data/SessionState.h"
#include "data/Windows1252.h"
#include "masterdata/ProductImport.h"
#include "tax/SpreadsheetWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

namespace {

const QStringList kTitles = {QStringLiteral("Nombre"),           QStringLiteral("Marca"),
                             QStringLiteral("Presentación"),     QStringLiteral("Unidad"),
                             QStringLiteral("Categoría"),        QStringLiteral("Costo"),
                             QStringLiteral("Precio"),           QStringLiteral("Stock Mínimo"),
                             QStringLiteral("Código de Barras"), QStringLiteral("Stock Inicial")};

// Row i of a big list: ten brands, four units, three categories of which two the empty shop lacks.
QStringList bigRow(int i)
{
    const char* categories[] = {"BEBIDAS", "FERRETERIA", "ELECTRICOS"};
    return {QStringLiteral("ARTICULO %1").arg(i, 5, 10, QLatin1Char('0')),
            QStringLiteral("MARCA %1").arg(i % 10),
            QStringLiteral("CAJA"),
            QStringLiteral("UNIDAD %1").arg(i % 4),
            QLatin1String(categories[i % 3]),
            QStringLiteral("%1.25").arg(i % 50),
            QStringLiteral("%1.50").arg(i % 50 + 1),
            QStringLiteral("2"),
            QString::number(7790000000000LL + i),
            QString::number(i % 7)};
}

QString csvLine(const QStringList& cells, QChar separator)
{
    QStringList quoted;
    for (const QString& cell : cells)
        quoted << (cell.contains(separator) || cell.contains(QLatin1Char('"'))
                       ? QLatin1Char('"') + QString(cell).replace(QStringLiteral("\""), QStringLiteral("\"\""))
                             + QLatin1Char('"')
                       : cell);
    return quoted.join(separator);
}

QString writeCsv(const QString& path, const QList<QStringList>& rows, QChar separator = QLatin1Char(','),
                 bool windows1252 = false)
{
    QString text;
    for (const QStringList& row : rows)
        text += csvLine(row, separator) + QStringLiteral("\r\n");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(windows1252 ? Windows1252::Encode(text) : text.toUtf8());
    return path;
}

// Numbers go in as number cells, as a spreadsheet program keeps them.
QString writeXlsx(const QString& path, const QList<QStringList>& rows)
{
    SpreadsheetWriter sheet;
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            bool isNumber = false;
            const double value = rows[r][c].toDouble(&isNumber);
            if (isNumber && r > 0)
                sheet.number(r, c, value);
            else
                sheet.text(r, c, rows[r][c]);
        }
    if (const QString error = sheet.save(path); !error.isEmpty())
        qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
    return path;
}

ProductImport::Outcome importFile(const QString& path, bool write = true)
{
    ImportTable table;
    const QString error = ImportTable::Read(path, &table);
    if (!error.isEmpty()) {
        ProductImport::Outcome failed;
        failed.failure = error;
        return failed;
    }
    const ImportColumns::Map map = ImportColumns::Guess(table.titles);
    return write ? ProductImport::Import(table, map, QStringLiteral("admin")) : ProductImport::Check(table, map);
}

QList<int> problemLines(const ProductImport::Outcome& outcome)
{
    QList<int> lines;
    for (const ProductImport::Problem& problem : outcome.problems)
        if (!lines.contains(problem.line))
            lines << problem.line;
    return lines;
}

}

class TestProductImport : public QObject {
    Q_OBJECT

private slots:
    void bigListComesInWhole_data();
    void bigListComesInWhole();
    void badRowsStopTheWholeFile();
    void windows1252AccentsAreRead();
    void barcodeAlreadyUsed_data();
    void barcodeAlreadyUsed();
    void numbersAsWritten_data();
    void numbersAsWritten();
    void newCategoryTakesAnUnusedPlace();
    void noPlaceLeftForANewCategory();
    void columnsFoundByTitle();
    void commandLineImports();
};

void TestProductImport::bigListComesInWhole_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("csv, comma, UTF-8") << QStringLiteral("csv");
    QTest::newRow("csv, semicolon, Windows-1252") << QStringLiteral("csv1252");
    QTest::newRow("xlsx") << QStringLiteral("xlsx");
}

// 5,000 products with their stock, read and stored in at most two seconds.
void TestProductImport::bigListComesInWhole()
{
    QFETCH(QString, kind);
    ShopFixture shop(false);
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    constexpr int kCount = 5000;
    QList<QStringList> rows{kTitles};
    double stock = 0;
    for (int i = 0; i < kCount; ++i) {
        rows << bigRow(i);
        stock += i % 7;
    }
    const QString path = kind == QLatin1String("xlsx") ? writeXlsx(shop.folder() + QStringLiteral("lista.xlsx"), rows)
                         : kind == QLatin1String("csv1252")
                             ? writeCsv(shop.folder() + QStringLiteral("lista.csv"), rows, QLatin1Char(';'), true)
                             : writeCsv(shop.folder() + QStringLiteral("lista.csv"), rows);

    QElapsedTimer timer;
    timer.start();
    const ProductImport::Outcome outcome = importFile(path);
    const qint64 elapsed = timer.elapsed();
    qInfo("%s: %d products in %lld ms", qPrintable(kind), kCount, elapsed);
    QVERIFY2(outcome.written, qPrintable(outcome.report().join(QLatin1Char('\n'))));
    if (!shop.onServer())
        QVERIFY2(elapsed <= 2000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));

    TDataModule1& db = shop.db();
    QCOMPARE(db.query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0), kCount);
    QCOMPARE(db.query(QStringLiteral("SELECT SUM(Ingreso) FROM Productos")).number(0), stock);
    QCOMPARE(db.query(QStringLiteral("SELECT SUM(Egreso) FROM Productos")).number(0), 0.0);
    QCOMPARE(db.query(QStringLiteral("SELECT IdProducto FROM Codigos WHERE IdC=1")).integer(0), kCount);
    QCOMPARE(db.query(QStringLiteral("SELECT COUNT(*) FROM Marcas WHERE Marca LIKE 'MARCA %'")).integer(0), 10);
    QCOMPARE(db.query(QStringLiteral("SELECT COUNT(*) FROM UMedida WHERE UMedida LIKE 'UNIDAD %'")).integer(0), 4);
    // Two names the shop lacked took the two first unused sale categories after BEBIDAS.
    QCOMPARE(
        db.query(QStringLiteral("SELECT Categoria FROM Categorias WHERE IdCategoria IN (1, 2, 3) ORDER BY IdCategoria")).count(),
        3);
    const SqlRows names =
        db.query(QStringLiteral("SELECT Categoria FROM Categorias WHERE IdCategoria<=3 ORDER BY IdCategoria"));
    QStringList categoryNames;
    for (SqlRows r = names; !r.atEnd(); r.next())
        categoryNames << r.text(0);
    QCOMPARE(categoryNames, (QStringList{"BEBIDAS", "FERRETERIA", "ELECTRICOS"}));

    const SqlRows one = db.query(QStringLiteral("SELECT IdProducto, Inventario, IdCategoria, Marca, Presentacion, UMedida, "
                                                "StockM, PCompra, PVenta, PVentaIVA, CodigoB, Ingreso, Usuario FROM Productos "
                                                "WHERE Producto='ARTICULO 00004'"));
    QCOMPARE(one.text(0), QStringLiteral("P000000005"));
    QCOMPARE(one.integer(1), 1);
    QCOMPARE(one.integer(2), 2);  // FERRETERIA
    QCOMPARE(one.text(3), QStringLiteral("MARCA 4"));
    QCOMPARE(one.text(4), QStringLiteral("CAJA"));
    QCOMPARE(one.text(5), QStringLiteral("UNIDAD 0"));
    QCOMPARE(one.number(6), 2.0);
    QCOMPARE(one.amount(7), 4.25);
    QCOMPARE(one.amount(8), 5.5);
    QCOMPARE(one.amount(9), 5.5);
    QCOMPARE(one.text(10), QStringLiteral("7790000000004"));
    QCOMPARE(one.number(11), 4.0);
    QCOMPARE(one.text(12), QStringLiteral("admin"));
}

void TestProductImport::badRowsStopTheWholeFile()
{
    ShopFixture shop(false);
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    QList<QStringList> rows{kTitles};
    for (int i = 0; i < 8; ++i)
        rows << bigRow(i);
    rows[3][6] = QStringLiteral("doce");  // line 4: a price that is no number
    rows[5][0] = QString();               // line 6: no name
    rows[7][9] = QStringLiteral("-3");    // line 8: stock below zero
    const QString path = writeCsv(shop.folder() + QStringLiteral("tres-malas.csv"), rows);

    const ProductImport::Outcome outcome = importFile(path);
    QVERIFY(!outcome.written);
    QCOMPARE(problemLines(outcome), (QList<int>{4, 6, 8}));
    const QStringList report = outcome.report();
    QCOMPARE(report.value(0), QStringLiteral("3 filas con errores; no se importó ningún producto."));
    QCOMPARE(report.value(1), QStringLiteral("Línea 4: el precio de venta no es un número: \"doce\""));
    QCOMPARE(report.value(2), QStringLiteral("Línea 6: falta el nombre del producto"));
    QCOMPARE(report.value(3), QStringLiteral("Línea 8: el stock inicial no puede ser negativo: -3"));

    TDataModule1& db = shop.db();
    QCOMPARE(db.query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0), 0);
    QCOMPARE(db.query(QStringLiteral("SELECT COUNT(*) FROM Marcas")).integer(0), 0);
    QCOMPARE(db.query(QStringLiteral("SELECT COUNT(*) FROM UMedida")).integer(0), 0);
    QCOMPARE(db.query(QStringLiteral("SELECT IdProducto FROM Codigos WHERE IdC=1")).integer(0), 0);
    QCOMPARE(db.query(QStringLiteral("SELECT Categoria FROM Categorias WHERE IdCategoria=2")).text(0),
             QStringLiteral("ABARROTES"));
}

void TestProductImport::windows1252AccentsAreRead()
{
    ShopFixture shop(false);
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    const QString path = writeCsv(
        shop.folder() + QStringLiteral("acentos.csv"),
        {{QStringLiteral("Descripción"), QStringLiteral("Categoría"), QStringLiteral("Precio"), QStringLiteral("Marca")},
         {QStringLiteral("café de altura"), QStringLiteral("Bebidas"), QStringLiteral("25,50"), QStringLiteral("Ñandú")},
         {QStringLiteral("Piña en almíbar"), QStringLiteral("ABARROTES"), QStringLiteral("12"), QString()}},
        QLatin1Char(';'), true);
    const ProductImport::Outcome outcome = importFile(path);
    QVERIFY2(outcome.written, qPrintable(outcome.report().join(QLatin1Char('\n'))));
    const QStringList stored = StatementRows(shop.db(), QStringLiteral("SELECT Producto, Marca, PVenta, IdCategoria "
                                                                       "FROM Productos ORDER BY IdProducto"));
    QCOMPARE(stored, (QStringList{QStringLiteral("CAFÉ DE ALTURA|ÑANDÚ|25.5|1"), QStringLiteral("PIÑA EN ALMÍBAR||12|2")}));
    QCOMPARE(outcome.newBrands, QStringList{QStringLiteral("ÑANDÚ")});
}

void TestProductImport::barcodeAlreadyUsed_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a product of the shop has it")
        << QStringList{QStringLiteral("7751234000011"), QStringLiteral("111")}
        << QStringLiteral("Línea 2: el código de barras 7751234000011 ya es del producto \"COCA COLA 2L\"");
    QTest::newRow("an earlier row has it") << QStringList{QStringLiteral("222"), QStringLiteral("222")}
                                           << QStringLiteral("Línea 3: el código de barras 222 ya está en la línea 2");
}

void TestProductImport::barcodeAlreadyUsed()
{
    QFETCH(QStringList, codes);
    QFETCH(QString, problem);
    ShopFixture shop;  // the demo shop, whose products carry bar codes
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    const qint64 before = shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0);
    const QString path =
        writeCsv(shop.folder() + QStringLiteral("codigos.csv"),
                 {{QStringLiteral("Nombre"), QStringLiteral("Categoria"), QStringLiteral("Precio"), QStringLiteral("Codigo")},
                  {QStringLiteral("NUEVO UNO"), QStringLiteral("VARIOS"), QStringLiteral("1"), codes[0]},
                  {QStringLiteral("NUEVO DOS"), QStringLiteral("VARIOS"), QStringLiteral("1"), codes[1]},
                  {QStringLiteral("SIN CODIGO"), QStringLiteral("VARIOS"), QStringLiteral("1"), QStringLiteral("0")},
                  {QStringLiteral("SIN CODIGO 2"), QStringLiteral("VARIOS"), QStringLiteral("1"), QString()}});
    const ProductImport::Outcome outcome = importFile(path);
    QVERIFY(!outcome.written);
    QCOMPARE(outcome.report().mid(1), QStringList{problem});
    QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0), before);
}

void TestProductImport::numbersAsWritten_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<double>("price");
    QTest::newRow("point") << QStringLiteral("12.50") << 12.5;
    QTest::newRow("decimal comma") << QStringLiteral("12,50") << 12.5;
    QTest::newRow("thousands with points") << QStringLiteral("1.234,50") << 1234.5;
    QTest::newRow("thousands with commas") << QStringLiteral("1,234.50") << 1234.5;
    QTest::newRow("currency before") << QStringLiteral("Bs 8") << 8.0;
}

void TestProductImport::numbersAsWritten()
{
    QFETCH(QString, written);
    QFETCH(double, price);
    ShopFixture shop(false);
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    const QString path = writeCsv(shop.folder() + QStringLiteral("precio.csv"),
                                  {{QStringLiteral("Producto"), QStringLiteral("Rubro"), QStringLiteral("Precio de venta")},
                                   {QStringLiteral("UNO"), QStringLiteral("VARIOS"), written}},
                                  QLatin1Char(';'));
    const ProductImport::Outcome outcome = importFile(path);
    QVERIFY2(outcome.written, qPrintable(outcome.report().join(QLatin1Char('\n'))));
    QCOMPARE(shop.db().query(QStringLiteral("SELECT PVenta FROM Productos")).amount(0), price);
}

// A category the shop lacks renames one that nothing ever used; one with products keeps its name.
void TestProductImport::newCategoryTakesAnUnusedPlace()
{
    ShopFixture shop(false);
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    for (int category : {1, 2, 3, 4, 5, 6, 8})
        shop.db().execute(QStringLiteral("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Producto) "
                                         "VALUES(?, 1, ?, ?)"),
                          {QStringLiteral("X%1").arg(category), category, QStringLiteral("OCUPA %1").arg(category)});
    const QString path = writeCsv(shop.folder() + QStringLiteral("nueva.csv"),
                                  {{QStringLiteral("Nombre"), QStringLiteral("Categoria"), QStringLiteral("Precio")},
                                   {QStringLiteral("MARTILLO"), QStringLiteral("Ferreteria"), QStringLiteral("35")}});
    const ProductImport::Outcome check = importFile(path, false);
    QVERIFY(check.ok());
    QVERIFY(!check.written);
    QCOMPARE(check.newCategories, QStringList{QStringLiteral("FERRETERIA (en lugar de CUIDADO PERSONAL)")});
    QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Productos WHERE Producto='MARTILLO'")).integer(0), 0);

    const ProductImport::Outcome outcome = importFile(path);
    QVERIFY(outcome.written);
    QCOMPARE(StatementRows(shop.db(), QStringLiteral("SELECT Categoria FROM Categorias WHERE IdCategoria=7")),
             QStringList{QStringLiteral("FERRETERIA")});
    QCOMPARE(shop.db().query(QStringLiteral("SELECT IdCategoria FROM Productos WHERE Producto='MARTILLO'")).integer(0), 7);
}

void TestProductImport::noPlaceLeftForANewCategory()
{
    ShopFixture shop;
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    for (int category = 1; category <= 8; ++category)
        shop.db().execute(QStringLiteral("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Producto) "
                                         "VALUES(?, 1, ?, ?)"),
                          {QStringLiteral("X%1").arg(category), category, QStringLiteral("OCUPA %1").arg(category)});
    const QString path = writeCsv(shop.folder() + QStringLiteral("sin-lugar.csv"),
                                  {{QStringLiteral("Nombre"), QStringLiteral("Categoria"), QStringLiteral("Precio")},
                                   {QStringLiteral("MARTILLO"), QStringLiteral("FERRETERIA"), QStringLiteral("35")},
                                   {QStringLiteral("AGUA"), QStringLiteral("bebidas"), QStringLiteral("3")}});
    const ProductImport::Outcome outcome = importFile(path);
    QVERIFY(!outcome.written);
    QCOMPARE(problemLines(outcome), QList<int>{2});
    QVERIFY2(outcome.problems.value(0).reason.startsWith(QStringLiteral("no hay lugar para la categoría \"FERRETERIA\"")),
             qPrintable(outcome.problems.value(0).reason));
}

void TestProductImport::columnsFoundByTitle()
{
    const ImportColumns::Map map =
        ImportColumns::Guess({QStringLiteral(" CÓDIGO DE BARRAS "), QStringLiteral("Descripción"), QStringLiteral("P. Venta"),
                              QStringLiteral("Rubro"), QStringLiteral("Existencias"), QStringLiteral("Observaciones")});
    QCOMPARE(map[ImportColumns::Barcode], 0);
    QCOMPARE(map[ImportColumns::Name], 1);
    QCOMPARE(map[ImportColumns::Price], 2);
    QCOMPARE(map[ImportColumns::Category], 3);
    QCOMPARE(map[ImportColumns::Stock], 4);
    QCOMPARE(map[ImportColumns::Brand], -1);
    QCOMPARE(ImportColumns::MissingRequired(map), QString());
    QCOMPARE(ImportColumns::MissingRequired(ImportColumns::Guess({QStringLiteral("Marca")})),
             QStringLiteral("Falta la columna de: Nombre, Categoría, Precio de Venta"));
}

void TestProductImport::commandLineImports()
{
    ShopFixture shop(false, ShopFixture::Place::File);
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    const QString shopPath = shop.databasePath();
    shop.db().close();
    QList<QStringList> rows{kTitles};
    for (int i = 0; i < 5; ++i)
        rows << bigRow(i);
    rows[2][6] = QString();  // line 3: no price
    const QString bad = writeCsv(shop.folder() + QStringLiteral("mala.csv"), rows);
    rows[2][6] = QStringLiteral("4");
    const QString good = writeXlsx(shop.folder() + QStringLiteral("buena.xlsx"), rows);

    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QCOMPARE(RunCommandLine({QStringLiteral("cvi-zelto"), QStringLiteral("--import-products"), bad, shopPath}, out, err), 1);
    out.flush();
    err.flush();
    QVERIFY2(errText.contains(QStringLiteral("Línea 3: falta el precio de venta")), qPrintable(errText));
    QCOMPARE(RunCommandLine({QStringLiteral("cvi-zelto"), QStringLiteral("--import-products"), good, shopPath}, out, err), 0);
    out.flush();
    QVERIFY2(outText.contains(QStringLiteral("Productos importados: 5")), qPrintable(outText));
    QCOMPARE(RunCommandLine({QStringLiteral("cvi-zelto"), QStringLiteral("--import-products"), good}, out, err), 2);

    QCOMPARE(shop.db().open(shopPath), QString());
    QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0), 5);
}

QTEST_MAIN(TestProductImport)
#include "tst_productimport.moc"
