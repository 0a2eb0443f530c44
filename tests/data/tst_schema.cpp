#include "ShopFixture.h"
#include "TestServer.h"

#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"
#include "data/PasswordHash.h"
#include "data/SchemaTables.h"
#include "data/SharedFunctions.h"

#include "data/ServerAddress.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

namespace {

qint64 countOf(TDataModule1& db, const QString& sql, const QVariantList& values = {})
{
    return db.query(sql, values).integer(0);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}

class TstSchema : public QObject {
    Q_OBJECT
private slots:
    // Readers take "SELECT *" of these tables by position.
    void columnOrder_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("Codigos") << "Codigos"
                                 << QStringList{"IdC",           "IdCaja",     "IdVenta",       "IdCompra",
                                                "IdProducto",    "IdEgreso",   "Facturar",      "ImprimirTC",
                                                "Parametro1",    "StockVD",    "CarpetaCopias", "ImpresoraDirecta",
                                                "PaginaCodigos", "AbrirCajon", "IdTienda"};
        QTest::newRow("DatosC") << "DatosC" << QStringList{"NIT",     "RazonSocial", "Sucursal", "TelefonoM",  "DireccionM",
                                                           "CiudadM", "ActividadE",  "NFactura", "Propietario"};
        QTest::newRow("Dosificaciones") << "Dosificaciones"
                                        << QStringList{"IdDosificacion", "FechaR",    "NAutorizacion", "Dosificacion",
                                                       "FLimiteE",       "Leyenda",   "TelefonoS",     "DireccionS",
                                                       "CiudadS",        "TelefonoM", "DireccionM",    "CiudadM",
                                                       "Estado"};
        QTest::newRow("Usuario") << "Usuario"
                                 << QStringList{"Login", "Clave", "Nombre", "Ocupacion", "Estado",       "M1",       "M2",
                                                "M3",    "M4",    "M5",     "M6",        "CambiarClave", "ClaveHash"};
        QTest::newRow("Caja") << "Caja" << QStringList{"IdCaja",     "Fecha",      "CInicial",  "VentasEf",   "VentasCr",
                                                       "VentasDo",   "ComprasEf",  "ComprasCr", "ComprasDo",  "Traspaso",
                                                       "Saldo",      "SobFal",     "PCobrar",   "PPagar",     "NVentasEf",
                                                       "NVentasCr",  "NVentasDo",  "NVentasSC", "NComprasEf", "NComprasCr",
                                                       "NComprasDo", "NComprasSC", "NVentasA",  "NComprasA",  "Cajero",
                                                       "Estado"};
        QTest::newRow("Ventas") << "Ventas"
                                << QStringList{"IdVenta",     "FechaV", "NroFact",        "NroAut",   "Estado", "NitCI",
                                               "Cliente",     "TotalF", "TotalE",         "Saldo",    "ICE",    "Exentos",
                                               "Neto",        "IVA",    "CodigoC",        "Sucursal", "HoraV",  "FormaP",
                                               "Comprobante", "IdCaja", "IdDosificacion", "Obs",      "Cajero"};
        QTest::newRow("Compras") << "Compras"
                                 << QStringList{"IdCompra",    "FechaC",     "NitCI",    "Proveedor", "NroFact", "NroDUI",
                                                "NroAut",      "TotalF",     "TotalE",   "Saldo",     "Exentos", "SubTotal",
                                                "Descuentos",  "ImpBase",    "CreditoF", "CodigoC",   "TipoC",   "FormaP",
                                                "Comprobante", "Inventario", "Cajero",   "IdCaja",    "Estado"};
        QTest::newRow("EntregaI") << "EntregaI" << QStringList{"IdEntrega", "FechaE",   "NitCI",  "Cliente", "HoraE",
                                                               "Obs",       "Sucursal", "Cajero", "IdCaja",  "Estado"};
        QTest::newRow("Productos") << "Productos" << QStringList{"IdProducto", "Inventario",   "IdCategoria", "Marca",
                                                                 "Producto",   "Presentacion", "UMedida",     "StockM",
                                                                 "PCompra",    "PVenta",       "PVentaIVA",   "CodigoB",
                                                                 "Ingreso",    "Egreso",       "Usuario",     "Estado"};
        QTest::newRow("Categorias") << "Categorias"
                                    << QStringList{"IdCategoria", "Inventario", "Categoria", "Icono", "Estado"};
        QTest::newRow("Clientes") << "Clientes" << QStringList{"NitCI",   "Cliente", "Direccion", "Telefono", "Celular",
                                                               "Empresa", "NVentas", "NCreditos", "Usuario",  "Estado"};
        QTest::newRow("Proveedores") << "Proveedores"
                                     << QStringList{"NitCI",         "RSocial",   "Telefono", "Celular", "CBancaria",
                                                    "Representante", "Direccion", "Email",    "Usuario", "Estado"};
    }
    void columnOrder()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        QCOMPARE(shop.db().tableColumns(table), columns);
    }

    // Both engines' schema files describe the same shop: every table with the file's columns in
    // the file's order, and every index.
    void everyTableAndIndexOfTheSchema()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        QVERIFY(SchemaTables().size() >= 20);
        for (const SchemaTable& table : SchemaTables())
            QCOMPARE(shop.db().tableColumns(table.name), table.columnNames());
        QVERIFY(SchemaIndexNames().size() >= 30);
        for (const QString& index : SchemaIndexNames())
            QVERIFY2(shop.db().hasIndex(index), qPrintable(index));
    }

    void fixedRows()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        auto& db = shop.db();
        SqlRows codes = db.query(QStringLiteral("SELECT IdCaja, IdVenta, IdCompra, IdProducto, IdEgreso, Facturar, ImprimirTC, "
                                                "Parametro1, StockVD FROM Codigos WHERE IdC=1"));
        QCOMPARE(codes.count(), 1);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(codes.integer(i), 0);
        QCOMPARE(codes.integer(5), 1);
        QCOMPARE(codes.integer(6), 0);
        QCOMPARE(codes.integer(7), 0);
        QCOMPARE(codes.text(8), QStringLiteral("S"));
        // The shop's own identity: whose a backup copy is.
        const QString shopId = db.query(QStringLiteral("SELECT IdTienda FROM Codigos WHERE IdC=1")).text(0);
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(shopId).hasMatch(), qPrintable(shopId));

        SqlRows taxpayer = db.query(QStringLiteral("SELECT Sucursal, NFactura FROM DatosC"));
        QCOMPARE(taxpayer.count(), 1);
        QCOMPARE(taxpayer.integer(0), 0);
        QCOMPARE(taxpayer.integer(1), 1);

        SqlRows categories =
            db.query(QStringLiteral("SELECT IdCategoria, Inventario, Estado, Categoria FROM Categorias ORDER BY IdCategoria"));
        QList<int> ids;
        for (; !categories.atEnd(); categories.next()) {
            ids << int(categories.integer(0));
            QCOMPARE(categories.integer(1), categories.integer(0) <= 8 ? 1 : 2);
            QCOMPARE(categories.integer(2), 1);
            QVERIFY(!categories.text(3).isEmpty());
        }
        QCOMPARE(ids, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 17, 18, 19, 20, 21, 22, 23, 24}));

        // The invoice is the voucher kind at position 1 (from 0) of both lists.
        QCOMPARE(db.query(QStringLiteral("SELECT Comprobante FROM ComprobanteV ORDER BY IdCompV LIMIT 1 OFFSET 1")).text(0),
                 QStringLiteral("FACTURA"));
        QVERIFY(db.query(QStringLiteral("SELECT Comprobante FROM ComprobanteC ORDER BY IdCompC LIMIT 1 OFFSET 1"))
                    .text(0)
                    .startsWith(QStringLiteral("FACTURA")));

        SqlRows admin = db.query(QStringLiteral("SELECT M1, M2, M3, M4, M5, Estado FROM Usuario WHERE Login=?"),
                                 {QString::fromLatin1(DatabaseCreator::kAdminLogin)});
        QCOMPARE(admin.count(), 1);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(admin.text(i), QString(20, QLatin1Char('1')));
        QCOMPARE(admin.integer(5), 1);
    }

    void demoShopCanSellAtOnce()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        auto& db = shop.db();
        QVERIFY(countOf(db, QStringLiteral("SELECT COUNT(*) FROM Productos WHERE Inventario=1 AND Estado=1 AND PVenta>0"))
                >= 12);
        QVERIFY(countOf(db, QStringLiteral("SELECT COUNT(*) FROM Productos WHERE Inventario=2")) >= 1);
        QVERIFY(countOf(db, QStringLiteral("SELECT COUNT(*) FROM Clientes WHERE NCreditos>0")) >= 1);
        QVERIFY(countOf(db, QStringLiteral("SELECT COUNT(*) FROM Proveedores")) >= 1);
        SqlRows dosage = db.query(QStringLiteral("SELECT FLimiteE FROM Dosificaciones WHERE Estado=1"));
        QCOMPARE(dosage.count(), 1);
        QCOMPARE(dosage.date(0), shop.clock.today().addYears(1));
        // Product keys and the product counter agree, so the next product gets a fresh key.
        const qint64 products = countOf(db, QStringLiteral("SELECT COUNT(*) FROM Productos"));
        QCOMPARE(NextCounterId(ProductCounter), PadNextId(products));
        // Every category button shows a picture of the size the buttons draw.
        SqlRows categories = db.query(QStringLiteral("SELECT IdCategoria, Icono FROM Categorias ORDER BY IdCategoria"));
        QCOMPARE(categories.count(), 16);
        for (; !categories.atEnd(); categories.next()) {
            const QImage picture = QImage::fromData(categories.blob(1), "JPG");
            QVERIFY2(picture.size() == QSize(52, 52), qPrintable(categories.text(0)));
        }
    }

    // Rows inserted without the columns the program never names take their defaults.
    void defaults()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        auto& db = shop.db();
        db.execute(QStringLiteral(
            "INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero) VALUES('C000000001', '2026-12-09', 100, 'admin')"));
        SqlRows open = db.query(QStringLiteral("SELECT IdCaja, Fecha, CInicial FROM Caja WHERE Estado=1"));
        QCOMPARE(open.text(0), QStringLiteral("C000000001"));

        db.execute(
            QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, Saldo, FormaP, "
                           "Comprobante, Inventario, Cajero, IdCaja) "
                           "VALUES('P000000001', '2026-12-09', '123', 'X', 5, 10, 10, 0, 1, 0, 1, 'admin', 'C000000001')"));
        SqlRows purchase =
            db.query(QStringLiteral("SELECT Exentos, SubTotal, Descuentos, ImpBase, CreditoF, TipoC, NroDUI, NroAut, "
                                    "CodigoC, Estado FROM Compras"));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(purchase.number(i), 0.0);
        QVERIFY(!purchase.value(6).isNull() && purchase.text(6).isEmpty());
        QCOMPARE(purchase.text(9), QStringLiteral("V"));

        db.execute(QStringLiteral(
            "INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Producto) VALUES('P000000001', 1, 1, 'PAN')"));
        SqlRows product = db.query(QStringLiteral("SELECT (Ingreso - Egreso) AS Stock FROM Productos WHERE Estado=1"));
        QCOMPARE(product.count(), 1);
        QCOMPARE(product.number(0), 0.0);

        db.execute(QStringLiteral("INSERT INTO Dosificaciones(NAutorizacion) VALUES('1')"));
        QCOMPARE(countOf(db, QStringLiteral("SELECT COUNT(*) FROM Dosificaciones WHERE Estado=1")), 1);
    }

    // Emptying the database deletes only the cash sessions and relies on the cascades.
    void emptyingCajaRemovesEveryDependentRow()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        auto& db = shop.db();
        const char* const inserts[] = {
            "INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero) VALUES('C000000001', '2026-12-09', 0, 'admin')",
            "INSERT INTO Ventas(IdVenta, FechaV, IdCaja, FormaP, TotalF, TotalE, Saldo) VALUES('V000000001', '2026-12-09', 'C000000001', 2, 10, 4, 6)",
            "INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) VALUES(1, 'P000000001', 10, 10, 'V000000001', 1)",
            "INSERT INTO SaldoV(TotalE, IdVenta, IdCaja, FechaR, Cajero) VALUES(2, 'V000000001', 'C000000001', '2026-12-09', 'admin')",
            "INSERT INTO Compras(IdCompra, FechaC, IdCaja, FormaP, TotalF, TotalE, Saldo) VALUES('P000000001', '2026-12-09', 'C000000001', 2, 10, 0, 10)",
            "INSERT INTO DetalleC(IdCategoria, IdProducto, CEntrante, PrecioU, PrecioT, IdCompra) VALUES(1, 'P000000001', 1, 10, 10, 'P000000001')",
            "INSERT INTO DetalleS(Cantidad, Concepto, PrecioT, IdCompra) VALUES(1, 'FLETE', 5, 'P000000001')",
            "INSERT INTO SaldoC(TotalE, IdCompra, IdCaja, FechaR, Cajero) VALUES(3, 'P000000001', 'C000000001', '2026-12-09', 'admin')",
            "INSERT INTO EntregaI(IdEntrega, FechaE, IdCaja) VALUES('E000000001', '2026-12-09', 'C000000001')",
            "INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria) VALUES(2, 'P000000013', 'E000000001', 17)",
        };
        for (const char* sql : inserts)
            db.execute(QString::fromLatin1(sql));

        db.execute(QStringLiteral("DELETE FROM Caja"));
        for (const char* table :
             {"Caja", "Ventas", "DetalleV", "SaldoV", "Compras", "DetalleC", "DetalleS", "SaldoC", "EntregaI", "DetalleEI"})
            QCOMPARE(countOf(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))), 0);
        QVERIFY(countOf(db, QStringLiteral("SELECT COUNT(*) FROM Productos")) > 0);
    }

    void deletingAPurchaseRemovesItsLines()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        auto& db = shop.db();
        db.execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha) VALUES('C000000001', '2026-12-09')"));
        for (const char* id : {"P000000001", "P000000002"}) {
            db.execute(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, IdCaja) VALUES(?, '2026-12-09', 'C000000001')"),
                       {QString::fromLatin1(id)});
            db.execute(QStringLiteral("INSERT INTO DetalleC(IdProducto, IdCompra) VALUES('P000000001', ?)"),
                       {QString::fromLatin1(id)});
            db.execute(QStringLiteral("INSERT INTO DetalleS(Concepto, IdCompra) VALUES('X', ?)"), {QString::fromLatin1(id)});
            db.execute(QStringLiteral(
                           "INSERT INTO SaldoC(TotalE, IdCompra, IdCaja, FechaR) VALUES(1, ?, 'C000000001', '2026-12-09')"),
                       {QString::fromLatin1(id)});
        }
        db.execute(QStringLiteral("DELETE FROM Compras WHERE IdCompra=?"), {QStringLiteral("P000000001")});
        for (const char* table : {"DetalleC", "DetalleS", "SaldoC"}) {
            QCOMPARE(
                countOf(db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IdCompra='P000000001'").arg(QLatin1String(table))),
                0);
            QCOMPARE(
                countOf(db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IdCompra='P000000002'").arg(QLatin1String(table))),
                1);
        }
    }

    // Bad input gives a clear message and writes nothing.
    void badInputIsRefused_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QString>("message");
        const QString client = QStringLiteral("INSERT INTO Clientes(NitCI, Cliente) VALUES(?, ?)");
        QTest::newRow("name longer than its column") << client << QVariantList{"123", QString(51, QLatin1Char('A'))}
                                                     << "El dato \"Cliente\" no puede tener mas de 50 caracteres";
        QTest::newRow("text where a number goes")
            << QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial) VALUES('C000000001', '2026-12-09', ?)")
            << QVariantList{"doce"} << "El dato \"CInicial\" debe ser un numero";
        QTest::newRow("date that is not a date")
            << QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial) VALUES('C000000001', ?, 0)")
            << QVariantList{"2026-02-30"} << "El dato \"Fecha\" no es una fecha valida";
        QTest::newRow("duplicate key") << client << QVariantList{"4567890", "OTRO"}
                                       << "Ya existe un registro con el mismo dato \"NitCI\"";
    }
    void badInputIsRefused()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, values);
        QFETCH(QString, message);
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const qint64 before =
            countOf(shop.db(), QStringLiteral("SELECT (SELECT COUNT(*) FROM Clientes) + (SELECT COUNT(*) FROM Caja)"));
        try {
            shop.db().execute(sql, values);
            QFAIL("the statement was accepted");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.text(), message);
        }
        QCOMPARE(countOf(shop.db(), QStringLiteral("SELECT (SELECT COUNT(*) FROM Clientes) + (SELECT COUNT(*) FROM Caja)")),
                 before);
    }

    void apostropheIsStoredAsTyped()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const QString name = QStringLiteral("O'BRIEN'; DROP TABLE Clientes; --");
        shop.db().execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente) VALUES(?, ?)"), {QStringLiteral("77"), name});
        QCOMPARE(shop.db().query(QStringLiteral("SELECT Cliente FROM Clientes WHERE Cliente=?"), {name}).text(0), name);
    }

    void textKeysIgnoreLetterCase()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        const SqlRows admin =
            shop.db().query(QStringLiteral("SELECT ClaveHash FROM Usuario WHERE Login=?"), {QStringLiteral("AdMiN")});
        QCOMPARE(admin.count(), 1);
        QVERIFY(PasswordHash::Matches(QStringLiteral("AdMiN"), admin.text(0)));
    }

    void failedWriteInsideATransactionLeavesNothing()
    {
        ShopFixture shop(true);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        try {
            WriteTransaction tx;
            shop.db().execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente) VALUES('1', 'A')"));
            shop.db().execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente) VALUES('1', 'B')"));
            tx.commit();
            QFAIL("the duplicate was accepted");
        } catch (const DatabaseError&) {
        }
        QCOMPARE(countOf(shop.db(), QStringLiteral("SELECT COUNT(*) FROM Clientes WHERE NitCI='1'")), 0);
    }

    void creationRefusesAnExistingFile()
    {
        if (TestServer::enabled())
            QSKIP("a server's database: creationRefusesADatabaseWithTables");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tienda.sqlite"));
        QVERIFY(DatabaseCreator::create(path).isEmpty());
        const QByteArray before = fileBytes(path);
        const QString error = DatabaseCreator::create(path, NewDatabaseOptions{true, {}, {}});
        QVERIFY(error.contains(QStringLiteral("ya existe")));
        QCOMPARE(fileBytes(path), before);
    }

    // A shop is never written over another one, nor into a server's database with other tables.
    void creationRefusesADatabaseWithTables()
    {
        ShopFixture shop(false);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        if (!shop.onServer())
            QSKIP("a file: creationRefusesAnExistingFile");
        shop.db().execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente) VALUES('1', 'ANA')"));
        const QString error = DatabaseCreator::create(shop.databasePath(), NewDatabaseOptions{true, {}, {}});
        QVERIFY2(error.contains(QStringLiteral("ya contiene tablas")), qPrintable(error));
        QCOMPARE(countOf(shop.db(), QStringLiteral("SELECT COUNT(*) FROM Clientes")), 1);
        QCOMPARE(countOf(shop.db(), QStringLiteral("SELECT COUNT(*) FROM Productos")), 0);
    }

    // A server that cannot be reached, or a database that is no shop: a clear message, quickly,
    // and the module stays closed.
    void openingRefusesABadServer_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("malformed text") << "malformed"
                                        << "El texto de conexion no es valido";
        QTest::newRow("nobody listens on the port") << "port"
                                                    << "No se puede conectar con el servidor de base de datos";
        QTest::newRow("unknown user") << "user"
                                      << "No se puede conectar con el servidor de base de datos";
        QTest::newRow("no such database") << "database"
                                          << "No se puede conectar con el servidor de base de datos";
        QTest::newRow("a database that is no shop") << "empty"
                                                    << "La base de datos del servidor no es una base de datos del sistema";
    }
    void openingRefusesABadServer()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        if (!TestServer::enabled())
            QSKIP("runs against the test server");
        ServerAddress address;
        QVERIFY(ServerAddress::parse(TestServer::adminText(), &address, nullptr));
        QString text;
        if (change == QLatin1String("malformed")) {
            text = QStringLiteral("postgresql://%1:secreto@%2/").arg(address.user, address.host);
        } else if (change == QLatin1String("port")) {
            address.port = 1;  // a privileged port nobody serves on this computer
            text = address.text();
        } else if (change == QLatin1String("user")) {
            address.user = QStringLiteral("nadie");
            text = address.text();
        } else if (change == QLatin1String("database")) {
            address.database = QStringLiteral("no_existe");
            text = address.text();
        } else {
            text = TestServer::createDatabase();
        }
        QElapsedTimer timer;
        timer.start();
        const QString error = TDataModule1::instance().open(text);
        QVERIFY2(error.startsWith(message), qPrintable(error));
        QVERIFY(timer.elapsed() < 8000);
        QVERIFY(!TDataModule1::instance().isOpen());
        QVERIFY(!error.contains(QStringLiteral("secreto")));  // a password is never shown
        if (change == QLatin1String("empty")) {
            QVERIFY(TDataModule1::instance().open(text).startsWith(message));  // still empty: nothing written
            TestServer::dropDatabase(text);
        }
    }

    // The program never creates tables in a file chosen at login, and a refused file is unchanged.
    void openingRefusesWhatIsNotAShopDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << false << "No se encuentra el archivo de base de datos";
        QTest::newRow("not a database") << QByteArray("Nombre;Precio\nPAN;0.50\n") << false
                                        << "El archivo no es una base de datos del sistema";
        QTest::newRow("empty file") << QByteArray("") << false << "El archivo no es una base de datos del sistema";
        QTest::newRow("read only") << QByteArray("shop") << true << "El archivo de base de datos es de solo lectura";
    }
    void openingRefusesWhatIsNotAShopDatabase()
    {
        if (TestServer::enabled())
            QSKIP("files only: openingRefusesABadServer");
        QFETCH(QByteArray, content);
        QFETCH(bool, readOnly);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("elegido.sqlite"));
        if (content == "shop")
            QVERIFY(DatabaseCreator::create(path).isEmpty());
        else if (!content.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        if (readOnly)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QByteArray before = fileBytes(path);

        const QString error = TDataModule1::instance().open(path);
        QVERIFY2(error.startsWith(message), qPrintable(error));
        QVERIFY(!TDataModule1::instance().isOpen());
        QCOMPARE(QFile::exists(path), !content.isNull());
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
    }
};

QTEST_GUILESS_MAIN(TstSchema)
#include "tst_schema.moc"
