// Emptying a big shop database: generates a shop with N sales (and their lines, payments,
// purchases and deliveries), shows the query plans of the lookups the cascading deletes run per
// deleted row, and times the summary, the consistent copy and the emptying itself.
//
//     bench-emptying FOLDER [SALES]        (SALES defaults to 1000000)

#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"
#include "data/UDataModule.h"
#include "masterdata/DatabaseEmptying.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <functional>

namespace {

QTextStream out(stdout);

constexpr int kSalesPerSession = 1000;

QString Key(QChar letter, qint64 n) { return letter + QString::number(n).rightJustified(9, QLatin1Char('0')); }

// One prepared statement run many times.
class Batch {
public:
    Batch(const QString& sql) : m_query(TDataModule1::instance().connection())
    {
        if (!m_query.prepare(sql))
            throw DatabaseError(m_query.lastError().text());
    }
    void run(const QVariantList& values)
    {
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, values[i]);
        if (!m_query.exec())
            throw DatabaseError(m_query.lastError().text());
    }

private:
    QSqlQuery m_query;
};

void generate(qint64 sales)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    Batch caja(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero, Estado) VALUES(?, ?, 100, 'admin', ?)"));
    Batch venta(
        QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, NroFact, NroAut, TotalF, TotalE, Saldo, FormaP, "
                       "Comprobante, IdCaja, IdDosificacion, Cajero) VALUES(?, ?, ?, ?, 25, ?, ?, ?, ?, ?, 1, 'admin')"));
    Batch linea(QStringLiteral("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) "
                               "VALUES(1, ?, 12.5, 12.5, ?, 1)"));
    Batch pagoV(QStringLiteral("INSERT INTO SaldoV(TotalE, IdVenta, IdCaja, FechaR) VALUES(5, ?, ?, ?)"));
    Batch compra(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, TotalF, TotalE, Saldo, FormaP, Inventario, "
                                "IdCaja) VALUES(?, ?, '1023456027', 95, ?, ?, ?, ?, ?)"));
    Batch lineaC(QStringLiteral("INSERT INTO DetalleC(IdCategoria, IdProducto, CEntrante, PrecioU, PrecioT, IdCompra) "
                                "VALUES(1, ?, 10, 9.5, 95, ?)"));
    Batch servicio(QStringLiteral("INSERT INTO DetalleS(Cantidad, Concepto, PrecioT, IdCompra) VALUES(1, 'SERVICIO', 95, ?)"));
    Batch pagoC(QStringLiteral("INSERT INTO SaldoC(TotalE, IdCompra, IdCaja, FechaR) VALUES(10, ?, ?, ?)"));
    Batch entrega(QStringLiteral("INSERT INTO EntregaI(IdEntrega, FechaE, Cliente, IdCaja) VALUES(?, ?, 'PANADERO', ?)"));
    Batch lineaE(
        QStringLiteral("INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria) VALUES(2, 'P000000013', ?, 17)"));

    const qint64 sessions = (sales + kSalesPerSession - 1) / kSalesPerSession;
    qint64 sale = 0, purchase = 0, delivery = 0, invoice = 0;
    QDate day(2020, 1, 1);
    for (qint64 s = 1; s <= sessions; ++s, day = day.addDays(1)) {
        const QString id = Key(QLatin1Char('C'), s);
        const QString date = day.toString(Qt::ISODate);
        caja.run({id, date, s == sessions ? 1 : 0});
        for (int i = 0; i < kSalesPerSession && sale < sales; ++i) {
            const QString v = Key(QLatin1Char('V'), ++sale);
            const bool credit = i % 10 == 0;
            const bool invoiced = i % 3 == 0;
            venta.run({v, date, invoiced ? ++invoice : 0, invoiced ? 29040011007LL : 0, credit ? 10 : 25, credit ? 15 : 0,
                       credit ? 2 : 1, invoiced ? 1 : 0, id});
            linea.run({Key(QLatin1Char('P'), 1 + i % 11), v});
            linea.run({Key(QLatin1Char('P'), 1 + (i + 5) % 11), v});
            if (credit)
                pagoV.run({v, id, date});
        }
        for (int i = 0; i < 30; ++i) {
            const QString p = Key(QLatin1Char('P'), ++purchase);
            const int kind = i % 10 == 9 ? 3 : 1;
            const bool credit = i % 5 == 0;
            compra.run({p, date, credit ? 35 : 95, credit ? 60 : 0, credit ? 2 : 1, kind, id});
            if (kind == 3) {
                servicio.run({p});
            } else {
                lineaC.run({Key(QLatin1Char('P'), 1 + i % 11), p});
                lineaC.run({Key(QLatin1Char('P'), 1 + (i + 3) % 11), p});
            }
            if (credit)
                pagoC.run({p, id, date});
        }
        for (int i = 0; i < 10; ++i) {
            const QString e = Key(QLatin1Char('E'), ++delivery);
            entrega.run({e, date, id});
            lineaE.run({e});
        }
    }
    db.execute(QStringLiteral("UPDATE Codigos SET IdCaja=?, IdVenta=?, IdCompra=?, IdEgreso=? WHERE IdC=1"),
               {sessions, sale, purchase, delivery});
    transaction.commit();
}

// The per-row lookups the cascading deletes of Caja run, and the summary's counts.
void showPlans()
{
    const QStringList statements = {
        "SELECT COUNT(*) FROM Ventas",
        "SELECT COUNT(*) FROM Ventas WHERE NroFact > 0",
        "DELETE FROM Caja",
        "DELETE FROM Ventas WHERE IdCaja=?",
        "DELETE FROM Compras WHERE IdCaja=?",
        "DELETE FROM EntregaI WHERE IdCaja=?",
        "DELETE FROM SaldoV WHERE IdCaja=?",
        "DELETE FROM SaldoC WHERE IdCaja=?",
        "DELETE FROM DetalleV WHERE IdVenta=?",
        "DELETE FROM SaldoV WHERE IdVenta=?",
        "DELETE FROM DetalleC WHERE IdCompra=?",
        "DELETE FROM DetalleS WHERE IdCompra=?",
        "DELETE FROM SaldoC WHERE IdCompra=?",
        "DELETE FROM DetalleEI WHERE IdEntrega=?",
    };
    out << "Query plans\n";
    for (const QString& sql : statements) {
        QSqlQuery q(TDataModule1::instance().connection());
        q.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
        if (sql.contains(QLatin1Char('?')))
            q.addBindValue(QStringLiteral("X000000001"));
        q.exec();
        out << "  " << sql << "\n";
        while (q.next())
            out << "      " << q.value(3).toString() << "\n";
    }
    out.flush();
}

void timed(const char* what, const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    out << QStringLiteral("%1: %2 s\n").arg(QLatin1String(what), -34).arg(timer.elapsed() / 1000.0, 0, 'f', 2);
    out.flush();
}

qint64 rows(const char* table)
{
    return TDataModule1::instance().query(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).integer(0);
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        out << "bench-emptying FOLDER [SALES]\n";
        return 2;
    }
    const qint64 sales = args.size() > 2 ? args[2].toLongLong() : 1000000;
    const QString path = QDir(args[1]).filePath(QStringLiteral("bench-%1.sqlite").arg(sales));
    try {
        if (!QFileInfo::exists(path)) {
            NewDatabaseOptions options;
            options.demo = true;
            if (const QString error = DatabaseCreator::create(path, options); !error.isEmpty())
                throw DatabaseError(error);
            if (const QString error = TDataModule1::instance().open(path); !error.isEmpty())
                throw DatabaseError(error);
            timed("generate", [&] { generate(sales); });
            TDataModule1::instance().close();
        }
        if (const QString error = TDataModule1::instance().open(path); !error.isEmpty())
            throw DatabaseError(error);
        out << QStringLiteral("%1: %2 sessions, %3 sales, %4 sale lines, %5 purchases, %6 deliveries, %7 MB\n")
                   .arg(path)
                   .arg(rows("Caja"))
                   .arg(rows("Ventas"))
                   .arg(rows("DetalleV"))
                   .arg(rows("Compras"))
                   .arg(rows("EntregaI"))
                   .arg(QFileInfo(path).size() / 1e6, 0, 'f', 0);
        showPlans();
        DatabaseEmptying::Summary summary;
        timed("summary (counts)", [&] { summary = DatabaseEmptying::Count(); });
        out << "  " << summary.question() << "\n";
        QString copy;
        timed("consistent copy (VACUUM INTO)", [&] {
            if (const QString failure = DatabaseEmptying::BackUp(&copy); !failure.isEmpty())
                throw DatabaseError(failure);
        });
        timed("emptying (one transaction)", [] { DatabaseEmptying::Empty(); });
        out << QStringLiteral("left: %1 sales, %2 sale lines, %3 payments; copy %4 (%5 MB)\n")
                   .arg(rows("Ventas"))
                   .arg(rows("DetalleV"))
                   .arg(rows("SaldoV") + rows("SaldoC"))
                   .arg(copy)
                   .arg(QFileInfo(copy).size() / 1e6, 0, 'f', 0);
    } catch (const DatabaseError& e) {
        out << "error: " << e.text() << "\n";
        return 1;
    }
    return 0;
}
