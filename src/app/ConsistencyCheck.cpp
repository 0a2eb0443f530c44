#include "app/ConsistencyCheck.h"

#include "data/CopyCheck.h"
#include "data/DatabaseEngine.h"
#include "data/Formats.h"
#include "data/EngineConnection.h"
#include "data/ReadOnlyDatabase.h"
#include "data/SchemaUpgrade.h"
#include "data/UDataModule.h"
#include "tax/ControlCode.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <functional>

namespace ConsistencyCheck {

namespace {

qint64 Cents(double amount) { return std::llround(amount * 100.0); }

QString Money(double amount) { return Formats::Money(amount); }

// The number of a key such as "V000000012"; -1 for no key.
qint64 KeyNumber(const QString& key)
{
    bool ok = false;
    const qint64 n = key.mid(1).toLongLong(&ok);
    return ok ? n : -1;
}

using Row = QSqlQuery;

class Checker {
public:
    Checker(QSqlDatabase db, QList<Problem>& problems) : m_db(std::move(db)), m_problems(problems) {}

    void add(const QString& rule, const QString& detail) { m_problems << Problem{rule, detail}; }

    // Runs a statement and hands every row to `each`, without holding the result in memory; a
    // statement the engine refuses is itself a problem of the rule it serves.
    void rows(const QString& rule, const QString& sql, const std::function<void(const Row&)>& each)
    {
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        if (!q.exec(sql)) {
            const QSqlError e = q.lastError();
            add(rule, QStringLiteral("no se pudo leer (%1)").arg(e.databaseText().isEmpty() ? e.text() : e.databaseText()));
            return;
        }
        while (q.next())
            each(q);
    }

    void engineIntegrity();
    void foreignKeys();
    void lines();
    void saleTotals();
    void lineStates();
    void debts();
    void counters();
    void invoiceRuns();
    void controlCodes();
    void openSessions();
    void closings();

private:
    QSqlDatabase m_db;
    QList<Problem>& m_problems;
};

void Checker::engineIntegrity()
{
    const QString rule = QStringLiteral("Integridad del archivo");
    rows(rule, QStringLiteral("PRAGMA integrity_check"), [&](const Row& r) {
        if (r.value(0).toString() != QLatin1String("ok"))
            add(rule, r.value(0).toString());
    });
}

void Checker::foreignKeys()
{
    const QString rule = QStringLiteral("Clave foranea");
    rows(rule, QStringLiteral("PRAGMA foreign_key_check"), [&](const Row& r) {
        add(rule, QStringLiteral("la fila %1 de %2 apunta a una fila de %3 que no existe")
                      .arg(r.value(1).toString(), r.value(0).toString(), r.value(2).toString()));
    });
}

void Checker::lines()
{
    struct Owner {
        const char* rule;
        const char* sql;
    };
    static const Owner kOwners[] = {
        {"Venta sin lineas",
         "SELECT V.IdVenta FROM Ventas V WHERE NOT EXISTS (SELECT 1 FROM DetalleV D WHERE D.IdVenta=V.IdVenta) "
         "ORDER BY V.IdVenta"},
        {"Compra sin lineas", "SELECT C.IdCompra FROM Compras C WHERE C.Inventario<>3 AND NOT EXISTS "
                              "(SELECT 1 FROM DetalleC D WHERE D.IdCompra=C.IdCompra) ORDER BY C.IdCompra"},
        {"Compra sin lineas", "SELECT C.IdCompra FROM Compras C WHERE C.Inventario=3 AND NOT EXISTS "
                              "(SELECT 1 FROM DetalleS D WHERE D.IdCompra=C.IdCompra) ORDER BY C.IdCompra"},
        {"Entrega sin lineas", "SELECT E.IdEntrega FROM EntregaI E WHERE NOT EXISTS (SELECT 1 FROM DetalleEI D WHERE "
                               "D.IdEntrega=E.IdEntrega) "
                               "ORDER BY E.IdEntrega"},
    };
    for (const Owner& owner : kOwners) {
        const QString rule = QString::fromLatin1(owner.rule);
        rows(rule, QString::fromLatin1(owner.sql), [&](const Row& r) { add(rule, r.value(0).toString()); });
    }
}

// The sale's total is its lines' totals added and rounded to cents, as the register adds them.
void Checker::saleTotals()
{
    const QString rule = QStringLiteral("Total de venta");
    rows(rule,
         QStringLiteral("SELECT V.IdVenta, V.TotalF, SUM(D.PrecioT) FROM Ventas V, DetalleV D WHERE D.IdVenta=V.IdVenta "
                        "GROUP BY V.IdVenta, V.TotalF ORDER BY V.IdVenta"),
         [&](const Row& r) {
             const double total = r.value(1).toDouble();
             const double lines = Formats::RoundCents(r.value(2).toDouble());
             if (Cents(total) != Cents(lines))
                 add(rule, QStringLiteral("%1: total %2, suma de sus lineas %3")
                               .arg(r.value(0).toString(), Money(total), Money(lines)));
         });
}

// An annulment turns the lines with their sale or delivery.
void Checker::lineStates()
{
    const QString sales = QStringLiteral("Estado de linea de venta");
    rows(sales,
         QStringLiteral("SELECT D.IdDetalleV, D.IdVenta, D.Estado, V.Estado FROM DetalleV D, Ventas V "
                        "WHERE D.IdVenta=V.IdVenta AND D.Estado<>V.Estado ORDER BY D.IdVenta, D.IdDetalleV"),
         [&](const Row& r) {
             add(sales, QStringLiteral("%1: linea %2 en estado %3, la venta en %4")
                            .arg(r.value(1).toString(), r.value(0).toString(), r.value(2).toString(), r.value(3).toString()));
         });
    const QString deliveries = QStringLiteral("Estado de linea de entrega");
    rows(deliveries,
         QStringLiteral("SELECT D.IdEntrega, D.IdProducto, D.Estado, E.Estado FROM DetalleEI D, EntregaI E "
                        "WHERE D.IdEntrega=E.IdEntrega AND D.Estado<>E.Estado ORDER BY D.IdEntrega, D.IdProducto"),
         [&](const Row& r) {
             add(deliveries,
                 QStringLiteral("%1: linea de %2 en estado %3, la entrega en %4")
                     .arg(r.value(0).toString(), r.value(1).toString(), r.value(2).toString(), r.value(3).toString()));
         });
}

// What was paid plus what is owed is the total (a purchase on a receipt keeps the change in its
// balance instead), nothing is owed below zero, only credit owes, and the instalments recorded
// never pass what the sale or purchase counts as paid.
void Checker::debts()
{
    const QString sales = QStringLiteral("Deuda de venta");
    rows(sales,
         QStringLiteral("SELECT IdVenta, FormaP, TotalF, TotalE, Saldo FROM Ventas WHERE Estado='V' "
                        "AND (Saldo<>0 OR TotalE<>TotalF) ORDER BY IdVenta"),
         [&](const Row& r) {
             const QString id = r.value(0).toString();
             const int form = r.value(1).toInt();
             const qint64 total = Cents(r.value(2).toDouble()), paid = Cents(r.value(3).toDouble()),
                          owed = Cents(r.value(4).toDouble());
             if (owed < 0 || paid < 0)
                 add(sales, QStringLiteral("%1: cancelado %2 y saldo %3 no pueden ser negativos")
                                .arg(id, Money(paid / 100.0), Money(owed / 100.0)));
             else if (paid + owed != total)
                 add(sales, QStringLiteral("%1: cancelado %2 mas saldo %3 no es el total %4")
                                .arg(id, Money(paid / 100.0), Money(owed / 100.0), Money(total / 100.0)));
             else if (owed > 0 && form != 2)
                 add(sales, QStringLiteral("%1: debe %2 sin ser una venta a credito").arg(id, Money(owed / 100.0)));
         });
    rows(sales,
         QStringLiteral("SELECT S.IdVenta, SUM(S.TotalE), V.TotalE FROM SaldoV S, Ventas V "
                        "WHERE S.IdVenta=V.IdVenta AND V.Estado='V' GROUP BY S.IdVenta, V.TotalE ORDER BY S.IdVenta"),
         [&](const Row& r) {
             if (Cents(r.value(1).toDouble()) > Cents(r.value(2).toDouble()))
                 add(sales, QStringLiteral("%1: cobros por %2, mas de lo cancelado %3")
                                .arg(r.value(0).toString(), Money(r.value(1).toDouble()), Money(r.value(2).toDouble())));
         });

    const QString purchases = QStringLiteral("Deuda de compra");
    rows(purchases,
         QStringLiteral("SELECT IdCompra, FormaP, TotalF, TotalE, Saldo FROM Compras WHERE Estado='V' "
                        "AND (Saldo<>0 OR TotalE<>TotalF) ORDER BY IdCompra"),
         [&](const Row& r) {
             const QString id = r.value(0).toString();
             const bool credit = r.value(1).toInt() == 2;
             const qint64 total = Cents(r.value(2).toDouble()), paid = Cents(r.value(3).toDouble()),
                          balance = Cents(r.value(4).toDouble());
             if (balance < 0 || paid < 0)
                 add(purchases, QStringLiteral("%1: pagado %2 y saldo %3 no pueden ser negativos")
                                    .arg(id, Money(paid / 100.0), Money(balance / 100.0)));
             else if (credit && paid + balance != total)
                 add(purchases, QStringLiteral("%1: pagado %2 mas saldo %3 no es el total %4")
                                    .arg(id, Money(paid / 100.0), Money(balance / 100.0), Money(total / 100.0)));
             else if (!credit && paid - balance != total)
                 add(purchases, QStringLiteral("%1: pagado %2 menos el cambio %3 no es el total %4")
                                    .arg(id, Money(paid / 100.0), Money(balance / 100.0), Money(total / 100.0)));
         });
    rows(purchases,
         QStringLiteral("SELECT S.IdCompra, SUM(S.TotalE), C.TotalE FROM SaldoC S, Compras C "
                        "WHERE S.IdCompra=C.IdCompra AND C.Estado='V' GROUP BY S.IdCompra, C.TotalE ORDER BY S.IdCompra"),
         [&](const Row& r) {
             if (Cents(r.value(1).toDouble()) > Cents(r.value(2).toDouble()))
                 add(purchases, QStringLiteral("%1: pagos por %2, mas de lo pagado %3")
                                    .arg(r.value(0).toString(), Money(r.value(1).toDouble()), Money(r.value(2).toDouble())));
         });
}

void Checker::counters()
{
    const QString rule = QStringLiteral("Contador");
    struct Counter {
        const char* column;
        const char* table;
        const char* key;
    };
    static const Counter kCounters[] = {{"IdCaja", "Caja", "IdCaja"},
                                        {"IdVenta", "Ventas", "IdVenta"},
                                        {"IdCompra", "Compras", "IdCompra"},
                                        {"IdProducto", "Productos", "IdProducto"},
                                        {"IdEgreso", "EntregaI", "IdEntrega"}};
    for (const Counter& c : kCounters) {
        qint64 counter = -1;
        rows(rule, QStringLiteral("SELECT %1 FROM Codigos WHERE IdC=1").arg(QLatin1String(c.column)),
             [&](const Row& r) { counter = r.value(0).toLongLong(); });
        rows(rule, QStringLiteral("SELECT MAX(%1) FROM %2").arg(QLatin1String(c.key), QLatin1String(c.table)),
             [&](const Row& r) {
                 const QString highest = r.value(0).toString();
                 if (!highest.isEmpty() && KeyNumber(highest) > counter)
                     add(rule, QStringLiteral("Codigos.%1 es %2 y %3 ya guarda %4")
                                   .arg(QLatin1String(c.column))
                                   .arg(counter)
                                   .arg(QLatin1String(c.table), highest));
             });
    }

    qint64 next = 0;
    rows(rule, QStringLiteral("SELECT NFactura FROM DatosC"), [&](const Row& r) { next = r.value(0).toLongLong(); });
    rows(rule,
         QStringLiteral("SELECT MAX(V.NroFact) FROM Ventas V, Dosificaciones D "
                        "WHERE V.IdDosificacion=D.IdDosificacion AND D.Estado=1 AND V.NroFact>0"),
         [&](const Row& r) {
             if (!r.value(0).isNull() && r.value(0).toLongLong() >= next)
                 add(rule, QStringLiteral("la proxima factura es la %1 y la dosificacion activa ya emitio la %2")
                               .arg(next)
                               .arg(r.value(0).toLongLong()));
         });
}

// Annulled invoices keep their number, so every number of a dosage is stored exactly once.
void Checker::invoiceRuns()
{
    const QString gap = QStringLiteral("Facturas faltantes");
    const QString twice = QStringLiteral("Factura repetida");
    qint64 dosage = -1, previous = 0;
    QString previousSale;
    rows(gap,
         QStringLiteral("SELECT IdDosificacion, NroFact, IdVenta FROM Ventas WHERE NroFact>0 "
                        "ORDER BY IdDosificacion, NroFact, IdVenta"),
         [&](const Row& r) {
             const qint64 d = r.value(0).toLongLong(), n = r.value(1).toLongLong();
             const QString sale = r.value(2).toString();
             if (d == dosage && n == previous)
                 add(twice, QStringLiteral("dosificacion %1, factura %2 en %3 y %4").arg(d).arg(n).arg(previousSale, sale));
             else if (d == dosage && n > previous + 1)
                 add(gap, n == previous + 2 ? QStringLiteral("dosificacion %1, factura %2").arg(d).arg(previous + 1)
                                            : QStringLiteral("dosificacion %1, facturas %2 a %3 (%4)")
                                                  .arg(d)
                                                  .arg(previous + 1)
                                                  .arg(n - 1)
                                                  .arg(n - previous - 1));
             dosage = d;
             previous = n;
             previousSale = sale;
         });
}

void Checker::controlCodes()
{
    const QString rule = QStringLiteral("Codigo de control");
    rows(rule,
         QStringLiteral("SELECT V.IdVenta, V.NroFact, V.NitCI, V.FechaV, V.TotalF, V.NroAut, V.CodigoC, V.IdDosificacion, "
                        "D.Dosificacion, D.NAutorizacion FROM Ventas V LEFT JOIN Dosificaciones D "
                        "ON D.IdDosificacion=V.IdDosificacion WHERE V.Comprobante=1 AND V.NroFact>0 AND V.Estado='V' "
                        "ORDER BY V.IdVenta"),
         [&](const Row& r) {
             const QString sale = r.value(0).toString();
             if (r.value(8).isNull()) {
                 add(rule, QStringLiteral("%1: su dosificacion %2 no existe").arg(sale, r.value(7).toString()));
                 return;
             }
             const QString number = QString::number(r.value(1).toLongLong());
             const QString nit = r.value(2).toString();
             const QString date = Formats::ParseIsoDate(r.value(3).toString()).toString(QStringLiteral("yyyyMMdd"));
             const QString amount = QString::number(ControlCode::RoundInvoiceAmount(r.value(4).toDouble()));
             const QString key = r.value(8).toString();
             const QString stored = r.value(6).toString();
             QString expected =
                 ControlCode::GenerateControlCode(number, nit, date, amount, key, QString::number(r.value(5).toLongLong()));
             // An authorization written with leading zeros keeps them in the dosage only.
             const QString dosageAuthorization = r.value(9).toString();
             if (expected != stored && dosageAuthorization.toLongLong() == r.value(5).toLongLong())
                 if (const QString again =
                         ControlCode::GenerateControlCode(number, nit, date, amount, key, dosageAuthorization);
                     again == stored)
                     expected = again;
             if (expected != stored)
                 add(rule, QStringLiteral("%1 (factura %2): guardado %3, calculado %4")
                               .arg(sale, number, stored, expected.isEmpty() ? QStringLiteral("ninguno") : expected));
         });
}

void Checker::openSessions()
{
    const QString rule = QStringLiteral("Cajas abiertas");
    QStringList open;
    rows(rule, QStringLiteral("SELECT IdCaja, Fecha FROM Caja WHERE Estado=1 ORDER BY IdCaja"), [&](const Row& r) {
        open << QStringLiteral("%1 del %2")
                    .arg(r.value(0).toString(), Formats::Date(Formats::ParseIsoDate(r.value(1).toString())));
    });
    if (open.size() > 1)
        add(rule, QStringLiteral("%1 abiertas a la vez: %2").arg(open.size()).arg(open.join(QStringLiteral(", "))));
}

// A closed session's stored figures must still add up: what was counted (what stayed in the till
// plus what was taken out) against what was expected gives its shortage or surplus; it counted
// every sale booked in it (sales are never removed, an annulled one moves to the annulled count)
// and no fewer purchases than it still holds (a purchase may be deleted later); and it opened
// with at least what the session before it left in the till.
void Checker::closings()
{
    const QString rule = QStringLiteral("Cierre de caja");
    QHash<QString, qint64> sales, purchases;
    rows(rule, QStringLiteral("SELECT IdCaja, COUNT(*) FROM Ventas GROUP BY IdCaja"),
         [&](const Row& r) { sales.insert(r.value(0).toString(), r.value(1).toLongLong()); });
    rows(rule, QStringLiteral("SELECT IdCaja, COUNT(*) FROM Compras GROUP BY IdCaja"),
         [&](const Row& r) { purchases.insert(r.value(0).toString(), r.value(1).toLongLong()); });

    bool havePrevious = false;
    QString previousId;
    double previousBalance = 0;
    rows(rule,
         QStringLiteral("SELECT IdCaja, CInicial, VentasEf, VentasCr, ComprasEf, ComprasCr, Traspaso, Saldo, SobFal, "
                        "NVentasEf, NVentasCr, NVentasDo, NVentasSC, NVentasA, NComprasEf, NComprasCr, NComprasDo, "
                        "NComprasSC, NComprasA, Estado FROM Caja ORDER BY IdCaja"),
         [&](const Row& r) {
             const QString id = r.value(0).toString();
             const double initial = r.value(1).toDouble();
             if (havePrevious && Cents(initial) < Cents(previousBalance))
                 add(rule, QStringLiteral("%1: abrio con %2, menos de los %3 que dejo %4")
                               .arg(id, Money(initial), Money(previousBalance), previousId));
             havePrevious = true;
             previousId = id;
             previousBalance = r.value(7).toDouble();
             if (r.value(19).toInt() != 0)
                 return;

             const double counted = r.value(7).toDouble() + r.value(6).toDouble();
             const double expected =
                 initial + r.value(2).toDouble() + r.value(3).toDouble() - r.value(4).toDouble() - r.value(5).toDouble();
             const double difference = Formats::RoundCents(counted - expected);
             if (std::llabs(Cents(difference) - Cents(r.value(8).toDouble())) > 1)
                 add(rule, QStringLiteral("%1: el faltante/sobrante guardado %2 no cuadra con lo contado %3 y lo "
                                          "esperado %4 (%5)")
                               .arg(id, Money(r.value(8).toDouble()), Money(counted), Money(expected), Money(difference)));

             qint64 salesCounted = 0, purchasesCounted = 0;
             for (int c = 9; c <= 13; ++c)
                 salesCounted += r.value(c).toLongLong();
             for (int c = 14; c <= 18; ++c)
                 purchasesCounted += r.value(c).toLongLong();
             if (salesCounted != sales.value(id))
                 add(rule, QStringLiteral("%1: conto %2 ventas y tiene %3").arg(id).arg(salesCounted).arg(sales.value(id)));
             if (purchasesCounted < purchases.value(id))
                 add(rule,
                     QStringLiteral("%1: conto %2 compras y tiene %3").arg(id).arg(purchasesCounted).arg(purchases.value(id)));
         });
}

}

QList<Problem> Check(QSqlDatabase db, bool sqlite)
{
    QList<Problem> problems;
    Checker checker(db, problems);
    // One snapshot: a counter selling meanwhile is either wholly seen or not at all (a server's
    // plain transaction would see each statement's latest commits).
    if (sqlite)
        db.transaction();
    else
        QSqlQuery(db).exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ"));
    if (sqlite) {
        checker.engineIntegrity();
        checker.foreignKeys();
    }
    checker.lines();
    checker.saleTotals();
    checker.lineStates();
    checker.debts();
    checker.counters();
    checker.invoiceRuns();
    checker.controlCodes();
    checker.openSessions();
    checker.closings();
    if (sqlite)
        db.rollback();
    else
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return problems;
}

namespace {

QString olderNotice(int version)
{
    return QStringLiteral("La base de datos es de la version %1 (este programa escribe la %2): se reviso como "
                          "esta, sin actualizarla; se actualiza al abrirla con el programa.")
        .arg(version)
        .arg(SchemaUpgrade::currentPlan().version);
}

// The shop's version on a server, read without changing anything; false with `error` set when
// the database is no shop.
bool serverVersion(QSqlDatabase db, int* version, QString* error)
{
    QList<QVariantList> rows;
    if (!ReadRows(db,
                  QStringLiteral("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema() "
                                 "AND table_name IN ('codigos', 'datosc', 'usuario', 'caja', 'ventas')"),
                  {}, &rows, error))
        return false;
    if (rows.value(0).value(0).toInt() != 5) {
        *error = QStringLiteral("no es una base de datos del sistema");
        return false;
    }
    rows.clear();
    if (!ReadRows(db, QStringLiteral("SELECT obj_description(to_regclass('codigos'), 'pg_class')"), {}, &rows, error))
        return false;
    static const QRegularExpression form(QStringLiteral("^version (\\d+)$"));
    *version = form.match(rows.value(0).value(0).toString().trimmed()).captured(1).toInt();
    return true;
}

// A server's shop on a connection whose every transaction is read-only.
Outcome runOnServer(const QString& name)
{
    Outcome outcome;
    const QString connection = QStringLiteral("cvi-zelto-check");
    if (const QString error = EngineConnection::open(name, connection); !error.isEmpty()) {
        outcome.failure = error;
        return outcome;
    }
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QString error;
    int version = 0;
    if (!QSqlQuery(db).exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY")))
        error = QStringLiteral("no se pudo leer sin escribir");
    else if (serverVersion(db, &version, &error))
        error = SchemaUpgrade::checkNotNewer(version);
    if (!error.isEmpty()) {
        outcome.failure = QStringLiteral("No se puede revisar %1: %2").arg(EngineConnection::displayName(name), error);
    } else {
        if (version < SchemaUpgrade::currentPlan().version)
            outcome.notice = olderNotice(version);
        outcome.problems = Check(db, false);
    }
    EngineConnection::remove(connection);
    return outcome;
}

}

Outcome Run(const QString& databaseName)
{
    if (DatabaseEngine::IsServer(databaseName))
        return runOnServer(databaseName);
    Outcome outcome;
    if (!QFileInfo(databaseName).isFile()) {
        outcome.failure = QStringLiteral("No se encuentra el archivo de base de datos: %1").arg(databaseName);
        return outcome;
    }
    const ReadOnlyDatabase file(databaseName, ReadOnlyDatabase::Open::Tidy);
    QString refusal = file.error();
    if (refusal.isEmpty())
        refusal = CopyCheck::ShopTables(file.connection());
    if (!refusal.isEmpty()) {
        outcome.failure = QStringLiteral("No se puede revisar %1: %2").arg(databaseName, refusal);
        return outcome;
    }
    QList<QVariantList> rows;
    if (ReadRows(file.connection(), QStringLiteral("PRAGMA user_version"), {}, &rows, nullptr)
        && rows.value(0).value(0).toInt() < SchemaUpgrade::currentPlan().version)
        outcome.notice = olderNotice(rows.value(0).value(0).toInt());
    outcome.problems = Check(file.connection(), true);
    return outcome;
}

}
