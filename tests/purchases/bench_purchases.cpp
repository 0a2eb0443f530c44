// Measures the purchase windows' reads and writes on a shop with years of purchases, run by hand
// (not part of the suite):
//
//     build/cvi-zelto --create-database /tmp/compras.sqlite --demo --days 0
//     cmake --build build --target bench_purchases && build/bench_purchases /tmp/compras.sqlite 300000
//
// Fills the fresh demo shop with PURCHASES purchases of two lines each over 1,500 closed sessions
// (products, supplies and services), opens a session, then prints the query plan of the recent
// purchases list and of every read a registration, a stored purchase and a deletion make, and
// times them: the list of each kind, 50 registrations and their 50 deletions.
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"
#include "purchases/PurchaseDeletion.h"
#include "purchases/PurchaseRegistration.h"
#include "purchases/StoredPurchases.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>

namespace {

QTextStream out(stdout);

void Plan(const QString& sql, const QVariantList& values)
{
    out << sql << "\n";
    for (SqlRows r = TDataModule1::instance().query(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, values); !r.atEnd(); r.next())
        out << "    " << r.text(3) << "\n";
}

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

void Fill(int purchases)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    constexpr int Sessions = 1500;
    const QDate start(2022, 1, 3);
    for (int day = 0; day < Sessions; ++day)
        db.execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, Cajero, Estado) VALUES(?, ?, 'admin', 0)"),
                   {QStringLiteral("C%1").arg(day + 1, 9, 10, QLatin1Char('0')), Formats::IsoDate(start.addDays(day))});
    for (int n = 0; n < purchases; ++n) {
        const int day = n * Sessions / purchases;
        const int kind = n % 10 < 7 ? 1 : n % 10 < 9 ? 2 : 3;
        const QString id = QStringLiteral("P%1").arg(n + 1, 9, 10, QLatin1Char('0'));
        db.execute(
            QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, "
                           "Inventario, IdCaja) VALUES(?, ?, '1023456027', 'EMBOTELLADORA ANDINA SA', ?, 20, 20, ?, ?)"),
            {id, Formats::IsoDate(start.addDays(day)), n, kind, QStringLiteral("C%1").arg(day + 1, 9, 10, QLatin1Char('0'))});
        for (int line = 0; line < 2; ++line) {
            if (kind == 3)
                db.execute(
                    QStringLiteral("INSERT INTO DetalleS(Cantidad, Concepto, PrecioT, IdCompra) VALUES(1, 'FLETE', 10, ?)"),
                    {id});
            else
                db.execute(QStringLiteral("INSERT INTO DetalleC(IdCategoria, IdProducto, CInicial, CEntrante, PrecioU, "
                                          "PrecioT, IdCompra) VALUES(1, ?, 0, 1, 10, 10, ?)"),
                           {QStringLiteral("P%1").arg(kind == 1 ? 1 + line : 13 + line, 9, 10, QLatin1Char('0')), id});
        }
    }
    db.execute(QStringLiteral("UPDATE Codigos SET IdCompra=?, IdCaja=?"), {purchases, Sessions});
    transaction.commit();
}

template <typename F> double Millis(F&& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        out << "usage: bench_purchases FRESH-DEMO-FILE [PURCHASES]\n";
        return 2;
    }
    const int purchases = argc > 2 ? QByteArray(argv[2]).toInt() : 300000;
    auto& db = TDataModule1::instance();
    if (const QString error = db.open(QString::fromLocal8Bit(argv[1])); !error.isEmpty()) {
        out << error << "\n";
        return 2;
    }
    try {
        if (db.query(QStringLiteral("SELECT COUNT(*) FROM Compras")).integer(0) == 0) {
            out << "filling " << purchases << " purchases... " << Qt::flush;
            out << Millis([&] { Fill(purchases); }) / 1000 << " s\n";
        }
        SessionState& s = SessionState::current();
        s.UserLogin = QStringLiteral("admin");
        if (!FindOpenCashSession()) {
            const QString id = AllocateKey(CashSessionCounter, [&](const QString& key) {
                db.execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, Cajero) VALUES(?, '2026-12-09', 'admin')"), {key});
            });
            s.CashSessionId = id;
            s.WorkDate = QDate(2026, 12, 9);
        }
        out << db.query(QStringLiteral("SELECT COUNT(*) FROM Compras")).integer(0) << " purchases\n\n";

        Plan(StoredPurchases::RecentStatement(), {1});
        for (const QString& sql : PurchaseRegistration::ReadStatements())
            Plan(sql, QVariantList(sql.count(QLatin1Char('?')), QStringLiteral("1")));
        Plan(QStringLiteral("SELECT IdProducto, CEntrante FROM DetalleC WHERE IdCompra=? ORDER BY IdDetalleC"), {"P1"});
        Plan(QStringLiteral("DELETE FROM Compras WHERE IdCompra=?"), {"P1"});
        out << "\n";

        for (int kind : {1, 2, 3}) {
            QList<double> times;
            for (int i = 0; i < 20; ++i)
                times << Millis([&] { StoredPurchases::Recent(kind); });
            out << "recent purchases of kind " << kind << ": median " << Median(times) << " ms\n";
        }
        QList<double> lineTimes;
        const QString oldest = QStringLiteral("P000000001");
        for (int i = 0; i < 20; ++i)
            lineTimes << Millis([&] { StoredPurchases::Voucher(oldest); });
        out << "a stored purchase's voucher: median " << Median(lineTimes) << " ms\n";

        QList<double> registering, deleting;
        QStringList stored;
        for (int i = 0; i < 50; ++i) {
            PurchaseHeaderInput in = PurchaseHeaderInput::fromSession(1);
            in.nitCi = QStringLiteral("1023456027");
            in.supplierName = QStringLiteral("EMBOTELLADORA ANDINA SA");
            in.voucherKind = 1;
            in.invoiceNumber = QString::number(900000 + i);
            in.authorization = QStringLiteral("29040011007");
            in.dui = in.exempt = in.discounts = QStringLiteral("0");
            in.invoiceTotal = QStringLiteral("20");
            in.controlCode = QStringLiteral("7B-F3-48-A8");
            const QList<GoodsLineInput> lines = {{"P000000001", 1, "COCA COLA 2L", 48, "1", "10"},
                                                 {"P000000002", 1, "FANTA NARANJA 2L", 36, "1", "10"}};
            PurchaseRegistrationResult result;
            registering << Millis([&] { result = PurchaseRegistration::RegisterGoods(in, lines); });
            if (!result.stored()) {
                out << "refused: " << result.message << "\n";
                return 1;
            }
            stored << result.purchaseId;
        }
        for (const QString& id : stored)
            deleting << Millis([&] { PurchaseDeletion::Delete(id); });
        out << "registering an invoice of two lines: median " << Median(registering) << " ms\n";
        out << "deleting it: median " << Median(deleting) << " ms\n";
    } catch (const DatabaseError& e) {
        out << e.text() << "\n";
        return 1;
    }
    return 0;
}
