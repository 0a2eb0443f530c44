#include "data/DatabaseCreator.h"

#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/EngineConnection.h"
#include "data/EngineErrors.h"
#include "data/Formats.h"
#include "data/PasswordHash.h"
#include "data/SchemaSql.h"
#include "data/SqlScript.h"
#include "data/UDataModule.h"

#include <QUuid>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

namespace {

const QString kConnection = QStringLiteral("cvi-zelto-create");

class Writer {
public:
    Writer(QSqlDatabase db, EngineKind engine) : m_db(std::move(db)), m_engine(engine) {}
    EngineKind engine() const { return m_engine; }
    void run(const QString& sql, const QVariantList& values = {})
    {
        QSqlQuery q(m_db);
        bool ran = false;
        if (values.isEmpty()) {
            ran = q.exec(sql);  // a server prepares no CREATE statement
        } else {
            ran = q.prepare(sql);
            if (ran) {
                for (const QVariant& v : values)
                    q.addBindValue(v);
                ran = q.exec();
            }
        }
        if (!ran)
            throw DatabaseError(m_engine == EngineKind::PostgreSQL
                                    ? EngineErrors::describePostgres(q.lastError(), sql, values)
                                    : TDataModule1::describeError(q.lastError().databaseText()));
    }
    qint64 count(const QString& sql)
    {
        QSqlQuery q(m_db);
        if (!q.exec(sql) || !q.next())
            throw DatabaseError(q.lastError().databaseText());
        return q.value(0).toLongLong();
    }

private:
    QSqlDatabase m_db;
    EngineKind m_engine;
};

void insertFixedRows(Writer& w, const NewDatabaseOptions& options);
void insertDemoShop(Writer& w);
void insertDemoOrders(Writer& w);

void createTables(Writer& w)
{
    for (const QString& statement : DatabaseCreator::schemaStatements(w.engine()))
        w.run(statement);
}

void fill(Writer& w, const NewDatabaseOptions& options)
{
    createTables(w);
    insertFixedRows(w, options);
    if (options.demo)
        insertDemoShop(w);
    if (options.demo && options.waitingOrders)
        insertDemoOrders(w);
}

const QString kAllRights = QStringLiteral("11111111111111111111");
const QString kNoRights = QStringLiteral("00000000000000000000");

void insertFixedRows(Writer& w, const NewDatabaseOptions& options)
{
    w.run(QStringLiteral("INSERT INTO Codigos(IdC, IdCaja, IdVenta, IdCompra, IdProducto, IdEgreso, Facturar, "
                         "ImprimirTC, Parametro1, StockVD, IdTienda) VALUES(1, 0, 0, 0, 0, 0, 1, 0, 0, 'S', ?)"),
          {QString::fromLatin1(QUuid::createUuid().toRfc4122().toHex())});
    w.run(QStringLiteral("INSERT INTO DatosC(NIT, RazonSocial, Sucursal, NFactura) VALUES(?, ?, 0, 1)"),
          {options.taxpayerNit, options.taxpayerName});

    const char* const sales[] = {"BEBIDAS",   "ABARROTES", "LACTEOS",          "LIMPIEZA",
                                 "GOLOSINAS", "PANADERIA", "CUIDADO PERSONAL", "VARIOS"};
    const char* const supplies[] = {"HARINAS",  "AZUCARES",    "ACEITES Y GRASAS",    "ENVASES",
                                    "EMPAQUES", "CONDIMENTOS", "INSUMOS DE LIMPIEZA", "OTROS INSUMOS"};
    for (int i = 0; i < 8; ++i) {
        w.run(QStringLiteral("INSERT INTO Categorias(IdCategoria, Inventario, Categoria, Estado) VALUES(?, 1, ?, 1)"),
              {i + 1, QString::fromLatin1(sales[i])});
        w.run(QStringLiteral("INSERT INTO Categorias(IdCategoria, Inventario, Categoria, Estado) VALUES(?, 2, ?, 1)"),
              {i + 17, QString::fromLatin1(supplies[i])});
    }

    // The invoice is the voucher kind at position 1 of both lists.
    const char* const saleVouchers[] = {"NOTA DE VENTA", "FACTURA", "RECIBO"};
    const char* const purchaseVouchers[] = {"RECIBO", "FACTURA/POLIZA (DUI)", "NOTA DE COMPRA"};
    for (int i = 0; i < 3; ++i) {
        w.run(QStringLiteral("INSERT INTO ComprobanteV(IdCompV, Comprobante, Numero) VALUES(?, ?, 0)"),
              {i + 1, QString::fromLatin1(saleVouchers[i])});
        w.run(QStringLiteral("INSERT INTO ComprobanteC(IdCompC, Comprobante, Numero) VALUES(?, ?, 0)"),
              {i + 1, QString::fromLatin1(purchaseVouchers[i])});
    }

    // The shipped password is known to everyone: the first login asks for the owner's own.
    w.run(QStringLiteral("INSERT INTO Usuario(Login, ClaveHash, Nombre, Ocupacion, Estado, M1, M2, M3, M4, M5, M6, "
                         "CambiarClave) VALUES(?, ?, 'ADMINISTRADOR', 'ADMIN', 1, ?, ?, ?, ?, ?, ?, 1)"),
          {QString::fromLatin1(DatabaseCreator::kAdminLogin).toUpper(), PasswordHash::Shipped(), kAllRights, kAllRights,
           kAllRights, kAllRights, kAllRights, kNoRights});
}

struct DemoProduct {
    int inventory;
    int category;
    const char* brand;
    const char* name;
    const char* presentation;
    const char* unit;
    double minimum, cost, price, priceWithInvoice, stock;
    const char* barcode;
};

const DemoProduct kDemoProducts[] = {
    {1, 1, "COCA COLA", "COCA COLA 2L", "BOTELLA PET 2 LITROS", "UNIDAD", 6, 9.5, 12.5, 12.5, 48, "7751234000011"},
    {1, 1, "COCA COLA", "FANTA NARANJA 2L", "BOTELLA PET 2 LITROS", "UNIDAD", 6, 9.0, 12.0, 12.0, 36, "7751234000028"},
    {1, 1, "PIL", "AGUA VITAL 600ML", "BOTELLA 600 ML", "UNIDAD", 12, 2.8, 4.0, 4.0, 60, "7751234000035"},
    {1, 1, "PACENA", "CERVEZA PACENA 620ML", "BOTELLA RETORNABLE", "UNIDAD", 12, 8.5, 11.0, 11.0, 72, "7751234000042"},
    {1, 2, "FINO", "ACEITE FINO 1L", "BOTELLA 1 LITRO", "UNIDAD", 4, 13.0, 16.5, 16.5, 20, "7751234000059"},
    {1, 2, "LA ESPANOLA", "FIDEO TALLARIN 400G", "BOLSA 400 G", "UNIDAD", 10, 4.2, 5.5, 5.5, 40, "7751234000066"},
    {1, 2, "GUABIRA", "AZUCAR 1KG", "BOLSA 1 KG", "KILO", 10, 6.0, 7.5, 7.5, 50, "7751234000073"},
    {1, 3, "PIL", "LECHE PIL 1L", "SACHET 1 LITRO", "UNIDAD", 12, 5.5, 7.0, 7.0, 30, "7751234000080"},
    {1, 3, "PIL", "YOGURT FRUTILLA 1L", "BOTELLA 1 LITRO", "UNIDAD", 6, 10.0, 13.0, 13.0, 15, "7751234000097"},
    {1, 4, "OLA", "DETERGENTE OLA 900G", "BOLSA 900 G", "UNIDAD", 5, 14.0, 18.0, 18.0, 12, "7751234000103"},
    {1, 5, "ARCOR", "CHOCOLATE ARCOR 100G", "TABLETA 100 G", "UNIDAD", 10, 6.5, 9.0, 9.0, 25, "7751234000110"},
    {1, 6, "LA FRANCESA", "PAN MARRAQUETA", "UNIDAD", "UNIDAD", 20, 0.4, 0.5, 0.5, 100, ""},
    {2, 17, "LA ESPANOLA", "HARINA DE TRIGO 50KG", "QUINTAL", "KILO", 100, 3.9, 0, 0, 250, ""},
    {2, 18, "GUABIRA", "AZUCAR GRANULADA 50KG", "QUINTAL", "KILO", 50, 5.6, 0, 0, 100, ""},
    {2, 20, "GENERICO", "BOLSA PLASTICA MEDIANA", "PAQUETE DE 100", "UNIDAD", 200, 0.1, 0, 0, 500, ""},
};

// Two orders waiting at the counter, as the order-taking side leaves them: the order in Ingresos,
// its lines in DetalleV under IdIngreso with the product name, unit code and stock flag.
void insertDemoOrders(Writer& w)
{
    const struct {
        const char* id;
        const char* time;
        const char* client;
        const char* remark;
    } orders[] = {{"I000000001", "10:15:00", "MESA 4", "SIN HIELO"},
                  {"I000000002", "10:40:00", "JUAN CARLOS ROJAS", "PARA LLEVAR"}};
    for (const auto& o : orders)
        w.run(QStringLiteral("INSERT INTO Ingresos(IdIngreso, HoraV, Cliente, Obs, Despachado, Estado) "
                             "VALUES(?, ?, ?, ?, 0, 'V')"),
              {QString::fromLatin1(o.id), QString::fromLatin1(o.time), QString::fromLatin1(o.client),
               QString::fromLatin1(o.remark)});
    const struct {
        const char* order;
        double quantity;
        int category;
        const char* product;
        const char* name;
        int unitCode;
        double price;
    } lines[] = {{"I000000001", 2, 1, "P000000001", "COCA COLA 2L", 0, 12.5},
                 {"I000000001", 6, 6, "P000000012", "PAN MARRAQUETA", 0, 0.5},
                 {"I000000002", 1, 2, "P000000007", "AZUCAR 1KG", 4, 7.5},
                 {"I000000002", 2, 3, "P000000008", "LECHE PIL 1L", 0, 7}};
    for (const auto& l : lines)
        w.run(QStringLiteral("INSERT INTO DetalleV(Cantidad, IdCategoria, IdProducto, Producto, CodUMedida, PrecioU, "
                             "PrecioT, ControlStock, IdIngreso) VALUES(?, ?, ?, ?, ?, ?, ?, 1, ?)"),
              {l.quantity, l.category, QString::fromLatin1(l.product), QString::fromLatin1(l.name), l.unitCode, l.price,
               l.quantity * l.price, QString::fromLatin1(l.order)});
}

void insertDemoShop(Writer& w)
{
    const QDate today = ClockSeam::current().today();
    const QString owner = QString::fromLatin1(DatabaseCreator::kAdminLogin);

    w.run(QStringLiteral("UPDATE DatosC SET TelefonoM=?, DireccionM=?, CiudadM=?, ActividadE=?, Propietario=?"),
          {QStringLiteral("2245678"), QStringLiteral("AV. 6 DE AGOSTO NRO 1234"), QStringLiteral("LA PAZ"),
           QStringLiteral("VENTA AL POR MENOR DE ALIMENTOS"), QStringLiteral("JUAN PEREZ MAMANI")});

    const char* const brands[][2] = {{"COCA COLA", "BOLIVIA"}, {"PIL", "BOLIVIA"},         {"PACENA", "BOLIVIA"},
                                     {"FINO", "BOLIVIA"},      {"LA ESPANOLA", "BOLIVIA"}, {"GUABIRA", "BOLIVIA"},
                                     {"OLA", "BOLIVIA"},       {"ARCOR", "ARGENTINA"},     {"LA FRANCESA", "BOLIVIA"},
                                     {"GENERICO", ""}};
    for (const auto& brand : brands)
        w.run(QStringLiteral("INSERT INTO Marcas(Marca, Procedencia, Estado) VALUES(?, ?, 1)"),
              {QString::fromLatin1(brand[0]), QString::fromLatin1(brand[1])});
    for (const char* unit : {"UNIDAD", "CAJA", "DOCENA", "LITRO", "KILO", "GRAMO"})
        w.run(QStringLiteral("INSERT INTO UMedida(UMedida, Estado) VALUES(?, 1)"), {QString::fromLatin1(unit)});

    // Every category of the demo shop shows a picture on its button.
    for (const int category : {1, 2, 3, 4, 5, 6, 7, 8, 17, 18, 19, 20, 21, 22, 23, 24}) {
        QFile picture(QStringLiteral(":/categorias/categoria%1.jpg").arg(category, 2, 10, QLatin1Char('0')));
        if (picture.open(QIODevice::ReadOnly))
            w.run(QStringLiteral("UPDATE Categorias SET Icono=? WHERE IdCategoria=?"), {picture.readAll(), category});
    }

    int number = 0;
    for (const DemoProduct& p : kDemoProducts) {
        ++number;
        w.run(QStringLiteral("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Marca, Producto, Presentacion, "
                             "UMedida, StockM, PCompra, PVenta, PVentaIVA, CodigoB, Ingreso, Egreso, Usuario, Estado) "
                             "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, 1)"),
              {QStringLiteral("P") + QString::number(number).rightJustified(9, QLatin1Char('0')), p.inventory, p.category,
               QString::fromLatin1(p.brand), QString::fromLatin1(p.name), QString::fromLatin1(p.presentation),
               QString::fromLatin1(p.unit), p.minimum, p.cost, p.price, p.priceWithInvoice, QString::fromLatin1(p.barcode),
               p.stock, owner});
    }
    w.run(QStringLiteral("UPDATE Codigos SET IdProducto=? WHERE IdC=1"), {number});

    const QString insertClient = QStringLiteral(
        "INSERT INTO Clientes(NitCI, Cliente, Direccion, Telefono, Celular, Empresa, NVentas, NCreditos, Usuario, Estado) "
        "VALUES(?, ?, ?, ?, ?, ?, 0, ?, ?, 1)");
    w.run(insertClient, {QStringLiteral("4567890"), QStringLiteral("MARIA QUISPE CONDORI"), QStringLiteral("C. LOAYZA 45"),
                         QStringLiteral("2201234"), QStringLiteral("71234567"), QString(), 3, owner});
    w.run(insertClient,
          {QStringLiteral("1020304025"), QStringLiteral("RESTAURANTE EL SOL SRL"), QStringLiteral("AV. BALLIVIAN 800"),
           QStringLiteral("2791122"), QStringLiteral("76543210"), QStringLiteral("EL SOL SRL"), 0, owner});
    w.run(insertClient, {QStringLiteral("3344556"), QStringLiteral("CARLOS O'BRIEN ROCA"), QStringLiteral("C. 21 CALACOTO"),
                         QString(), QStringLiteral("70011223"), QString(), 0, owner});

    const QString insertSupplier = QStringLiteral(
        "INSERT INTO Proveedores(NitCI, RSocial, Telefono, Celular, CBancaria, Representante, Direccion, Email, "
        "Usuario, Estado) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, 1)");
    w.run(insertSupplier, {QStringLiteral("1023456027"), QStringLiteral("EMBOTELLADORA ANDINA SA"), QStringLiteral("2334455"),
                           QStringLiteral("72011223"), QStringLiteral("1000-2233-44"), QStringLiteral("LUIS MENDOZA"),
                           QStringLiteral("ZONA INDUSTRIAL EL ALTO"), QStringLiteral("ventas@andina.bo"), owner});
    w.run(insertSupplier, {QStringLiteral("1029384011"), QStringLiteral("DISTRIBUIDORA LA CANASTA"),
                           QStringLiteral("2445566"), QStringLiteral("73322110"), QString(), QStringLiteral("ANA ROJAS"),
                           QStringLiteral("C. ILLAMPU 300"), QString(), owner});

    w.run(QStringLiteral("INSERT INTO Dosificaciones(FechaR, NAutorizacion, Dosificacion, FLimiteE, Leyenda, TelefonoS, "
                         "DireccionS, CiudadS, TelefonoM, DireccionM, CiudadM) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          {Formats::IsoDate(today), QString::fromLatin1(DatabaseCreator::kDemoAuthorization),
           QString::fromLatin1(DatabaseCreator::kDemoDosageKey), Formats::IsoDate(today.addYears(1)),
           QStringLiteral("El proveedor debe exhibir sus precios de forma visible y en moneda nacional."),
           QStringLiteral("2245678"), QStringLiteral("AV. 6 DE AGOSTO NRO 1234"), QStringLiteral("LA PAZ"),
           QStringLiteral("2245678"), QStringLiteral("AV. 6 DE AGOSTO NRO 1234"), QStringLiteral("LA PAZ")});
}

void removeDatabaseFiles(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

}

QStringList DatabaseCreator::schemaStatements(EngineKind engine)
{
    return SqlScriptStatements(QString::fromUtf8(engine == EngineKind::PostgreSQL ? kPostgresSchema : kSqliteSchema));
}

QString DatabaseCreator::create(const QString& name, const NewDatabaseOptions& options)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Indique el archivo de base de datos a crear");
    return EngineConnection::engineOf(name) == EngineKind::PostgreSQL ? createOnServer(name.trimmed(), options)
                                                                      : createFile(name, options);
}

QString DatabaseCreator::createFile(const QString& path, const NewDatabaseOptions& options)
{
    if (QFileInfo::exists(path))
        return QStringLiteral("El archivo ya existe y no se sobrescribe: %1").arg(path);

    QString error = EngineConnection::open(path, kConnection);
    if (error.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::database(kConnection, false);
            Writer w(db, EngineKind::SQLite);
            try {
                w.run(QStringLiteral("PRAGMA foreign_keys = ON"));
                db.transaction();
                fill(w, options);
                if (!db.commit())
                    throw DatabaseError(db.lastError().text());
                w.run(QStringLiteral("PRAGMA journal_mode = WAL"));
            } catch (const DatabaseError& e) {
                db.rollback();
                error = e.text();
            }
        }
        EngineConnection::remove(kConnection);
    }
    if (!error.isEmpty()) {
        removeDatabaseFiles(path);
        return QStringLiteral("No se puede crear la base de datos: %1").arg(error);
    }
    return {};
}

// The database itself is made on the server by its administrator (CREATE DATABASE, with the shop's
// user as owner); this fills it, in one transaction, and only when it holds no table yet.
QString DatabaseCreator::createOnServer(const QString& text, const NewDatabaseOptions& options)
{
    if (const QString error = EngineConnection::open(text, kConnection); !error.isEmpty())
        return error;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::database(kConnection, false);
        Writer w(db, EngineKind::PostgreSQL);
        bool begun = false;
        try {
            if (w.count(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema()"))
                > 0) {
                error = QStringLiteral("La base de datos del servidor ya contiene tablas y no se modifica: %1")
                            .arg(EngineConnection::displayName(text));
            } else {
                w.run(QStringLiteral("BEGIN"));
                begun = true;
                fill(w, options);
                w.run(QStringLiteral("COMMIT"));
            }
        } catch (const DatabaseError& e) {
            if (begun)
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            error = QStringLiteral("No se puede crear la base de datos: %1").arg(e.text());
        }
    }
    EngineConnection::remove(kConnection);
    return error;
}
