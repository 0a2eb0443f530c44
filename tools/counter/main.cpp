// A sales counter without a window, for proving that several counters selling into one shop at
// once never lose, split or duplicate a sale (scripts/stress-counters.sh drives it):
//
//   cvi-counter open DATABASE [--date YYYY-MM-DD]
//       opens the cash session of that day (today unless told) unless one is open
//   cvi-counter sell DATABASE --count N [--seed S] [--cashier LOGIN] [--busy-timeout MS] [--stop-file F]
//       sells N sales through the register's own sale commit into the open session, one line
//       "KEY INVOICE LINES" on standard output for each sale as soon as it is stored
//   cvi-counter snapshot DATABASE
//       the latest sale key and every item's stock, for `verify`
//   cvi-counter verify DATABASE SNAPSHOT SOLD...
//       every sale a counter said it stored is there once, with all its lines, and every item's
//       stock is the snapshot's less what the sales stored since took
//   cvi-counter hold DATABASE SECONDS
//       holds the write lock that long, as a counter stuck in the middle of a sale would
//
// The database is named as the program names it, so a server's connection text works too.
#include "cash/CashOpening.h"
#include "data/DatabaseEngine.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"
#include "sales/PaymentForms.h"
#include "sales/SaleAmounts.h"
#include "sales/SaleCommit.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTextStream>
#include <QThread>
#include <random>

namespace {

QTextStream out(stdout);
QTextStream err(stderr);

QString optionValue(const QStringList& args, const QString& name, const QString& fallback = {})
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

bool openShop(const QString& name)
{
    if (const QString error = TDataModule1::instance().open(name); !error.isEmpty()) {
        err << error << Qt::endl;
        return false;
    }
    return true;
}

int openSession(const QString& name, const QStringList& args)
{
    if (!openShop(name))
        return 2;
    const QString given = optionValue(args, QStringLiteral("--date"));
    const QDate date = given.isEmpty() ? QDate::currentDate() : Formats::ParseIsoDate(given);
    if (!date.isValid()) {
        err << "fecha no valida: " << given << Qt::endl;
        return 2;
    }
    if (FindOpenCashSession()) {
        out << SessionState::current().CashSessionId << Qt::endl;
        return 0;
    }
    if (const QString refusal = CashOpening::Open(date, 500, QStringLiteral("admin")); !refusal.isEmpty()) {
        err << refusal << Qt::endl;
        return 1;
    }
    out << SessionState::current().CashSessionId << Qt::endl;
    return 0;
}

struct Product {
    QString id;
    int category = 0;
    QString name;
    double price = 0;
};

QList<Product> productsForSale()
{
    QList<Product> products;
    for (SqlRows r = TDataModule1::instance().query(
             QStringLiteral("SELECT IdProducto, IdCategoria, Producto, PVenta FROM Productos "
                            "WHERE Inventario=1 AND Estado=1 AND PVenta>0 ORDER BY IdProducto"));
         !r.atEnd(); r.next())
        products << Product{r.text(0), int(r.integer(1)), r.text(2), r.amount(3)};
    return products;
}

SaleInput saleFrom(std::mt19937_64& rng, const QList<Product>& products)
{
    auto pick = [&](int n) { return int(rng() % quint64(n)); };
    SaleInput in = SaleInput::fromSession();
    in.saleNumberText = QStringLiteral("1");
    in.paymentForm = PaymentForms::Cash;
    in.voucherKind = pick(2) == 0 ? InvoiceVoucher : 0;
    in.nitCi = pick(3) == 0 ? QStringLiteral("7000001") : QStringLiteral("0");
    in.clientName = in.nitCi == QLatin1String("0") ? QStringLiteral("S/N") : QStringLiteral("CLIENTE DE MOSTRADOR");
    QStringList totals, chosen;
    const int lines = std::min(1 + pick(6), int(products.size()));
    while (in.lines.size() < lines) {
        const Product& p = products.at(pick(int(products.size())));
        if (chosen.contains(p.id))
            continue;
        chosen << p.id;
        const int quantity = 1 + pick(3);
        in.lines << SaleLine{p.id, p.category, QString::number(quantity), Formats::General(p.price), p.name, {}};
        totals << SaleAmounts::LineTotal(quantity, p.price);
    }
    in.cashText = Formats::General(SaleAmounts::Total(totals));
    return in;
}

// Sells until `count` sales are stored or the stop file appears. A database another counter
// holds too long is waited for and the sale tried again: its transaction wrote nothing.
int sell(const QString& name, const QStringList& args)
{
    bool ok = false;
    const int count = optionValue(args, QStringLiteral("--count")).toInt(&ok);
    if (!ok || count < 0) {
        err << "falta --count N" << Qt::endl;
        return 2;
    }
    const QString cashier = optionValue(args, QStringLiteral("--cashier"), QStringLiteral("caja"));
    const QString stopFile = optionValue(args, QStringLiteral("--stop-file"));
    std::mt19937_64 rng(optionValue(args, QStringLiteral("--seed"), QStringLiteral("1")).toULongLong());
    if (!openShop(name))
        return 2;
    // How long this counter waits for another station's lock: the file's busy wait, the server's lock wait.
    if (args.contains(QStringLiteral("--busy-timeout")))
        TDataModule1::instance().execute((DatabaseEngine::IsServer(name) ? QStringLiteral("SET lock_timeout = %1")
                                                                         : QStringLiteral("PRAGMA busy_timeout = %1"))
                                             .arg(optionValue(args, QStringLiteral("--busy-timeout")).toInt()));

    SessionState& s = SessionState::current();
    s.UserLogin = cashier;
    SessionLoader::LoadCashSession();
    SessionLoader::LoadParameters();
    SessionLoader::LoadTaxpayer();
    SessionLoader::LoadActiveDosage();
    if (s.CashOpen != 1) {
        err << "[" << cashier << "] La CAJA no esta Abierta" << Qt::endl;
        return 2;
    }
    const QList<Product> products = productsForSale();
    if (products.isEmpty()) {
        err << "[" << cashier << "] no hay productos a la venta" << Qt::endl;
        return 2;
    }

    for (int i = 0; i < count; ++i) {
        if (!stopFile.isEmpty() && QFile::exists(stopFile))
            break;
        const SaleInput in = saleFrom(rng, products);
        for (int attempt = 1;; ++attempt) {
            try {
                const SaleCommitResult r = SaleCommit::Commit(in);
                if (!r.stored()) {
                    err << "[" << cashier << "] venta " << i + 1 << " rechazada: " << r.message << Qt::endl;
                    return 3;
                }
                out << r.record.SaleId << ' ' << r.record.InvoiceNumber << ' ' << in.lines.size() << Qt::endl;
                break;
            } catch (const DatabaseError& e) {
                if (e.kind() != DatabaseError::Kind::Conflict || attempt >= 100) {
                    err << "[" << cashier << "] venta " << i + 1 << " fallo: " << e.text() << Qt::endl;
                    return 4;
                }
                err << "[" << cashier << "] " << e.text() << " (venta " << i + 1 << ", intento " << attempt + 1 << ")"
                    << Qt::endl;
                QThread::msleep(20);
            }
        }
    }
    return 0;
}

int snapshot(const QString& name)
{
    if (!openShop(name))
        return 2;
    auto& db = TDataModule1::instance();
    const ReadTransaction one(db);
    const SqlRows latest = db.query(QStringLiteral("SELECT IdVenta FROM Ventas ORDER BY IdVenta DESC LIMIT 1"));
    out << "ultima-venta " << (latest.isEmpty() ? QStringLiteral("-") : latest.text(0)) << '\n';
    for (SqlRows r = db.query(QStringLiteral("SELECT IdProducto, Ingreso-Egreso FROM Productos ORDER BY IdProducto"));
         !r.atEnd(); r.next())
        out << r.text(0) << ' ' << Formats::General(r.number(1)) << '\n';
    out.flush();
    return 0;
}

// The whole lines of a file: a counter killed while writing one leaves it unfinished.
QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.truncate(text.lastIndexOf(QLatin1Char('\n')) + 1);
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int verify(const QString& name, const QStringList& files)
{
    if (files.size() < 1) {
        err << "uso: cvi-counter verify BASE FOTO VENDIDAS..." << Qt::endl;
        return 2;
    }
    const QStringList photo = readLines(files.first());
    if (photo.isEmpty() || !photo.first().startsWith(QLatin1String("ultima-venta "))) {
        err << "la foto no es valida: " << files.first() << Qt::endl;
        return 2;
    }
    const QString since = photo.first().section(QLatin1Char(' '), 1);
    if (!openShop(name))
        return 2;
    auto& db = TDataModule1::instance();
    const ReadTransaction one(db);
    int problems = 0;
    auto problem = [&](const QString& text) {
        ++problems;
        out << "problema: " << text << '\n';
    };

    // Each sale said stored is there, once, whole.
    QHash<QString, int> reported;
    int reportedCount = 0;
    for (const QString& file : files.mid(1)) {
        for (const QString& line : readLines(file)) {
            const QStringList parts = line.split(QLatin1Char(' '));
            if (parts.size() != 3) {
                problem(QStringLiteral("linea ilegible en %1: %2").arg(file, line));
                continue;
            }
            ++reportedCount;
            if (reported.contains(parts.at(0)))
                problem(QStringLiteral("%1 informada dos veces").arg(parts.at(0)));
            reported.insert(parts.at(0), parts.at(2).toInt());
        }
    }
    const QString stored =
        QStringLiteral("SELECT V.Estado, COUNT(D.IdDetalleV) FROM Ventas V LEFT JOIN DetalleV D ON D.IdVenta=V.IdVenta "
                       "WHERE V.IdVenta=? GROUP BY V.Estado");
    for (auto it = reported.cbegin(); it != reported.cend(); ++it) {
        const SqlRows sale = db.query(stored, {it.key()});
        if (sale.isEmpty())
            problem(QStringLiteral("%1 informada y no guardada").arg(it.key()));
        else if (sale.integer(1) != it.value())
            problem(QStringLiteral("%1 tiene %2 lineas de %3").arg(it.key()).arg(sale.integer(1)).arg(it.value()));
    }

    // The stock moved by exactly what the stored sales took.
    // A shop without sales at the snapshot: every key is above the empty text (a null text would
    // be bound as NULL, which no key is above).
    const QString key = since == QLatin1String("-") ? QStringLiteral("") : since;
    QHash<QString, double> taken;
    for (SqlRows r = db.query(QStringLiteral("SELECT D.IdProducto, SUM(D.Cantidad) FROM DetalleV D, Ventas V "
                                             "WHERE D.IdVenta=V.IdVenta AND V.IdVenta>? AND V.Estado='V' "
                                             "GROUP BY D.IdProducto"),
                              {key});
         !r.atEnd(); r.next())
        taken.insert(r.text(0), r.number(1));
    QHash<QString, double> now;
    for (SqlRows r = db.query(QStringLiteral("SELECT IdProducto, Ingreso-Egreso FROM Productos")); !r.atEnd(); r.next())
        now.insert(r.text(0), r.number(1));
    for (const QString& line : photo.mid(1)) {
        const QString product = line.section(QLatin1Char(' '), 0, 0);
        const double before = line.section(QLatin1Char(' '), 1).toDouble();
        const double expected = before - taken.value(product);
        if (std::llround(expected * 1000) != std::llround(now.value(product) * 1000))
            problem(QStringLiteral("%1: stock %2, deberia ser %3 (%4 menos %5 vendidos)")
                        .arg(product, Formats::General(now.value(product)), Formats::General(expected),
                             Formats::General(before), Formats::General(taken.value(product))));
    }

    const qint64 storedSince = db.query(QStringLiteral("SELECT COUNT(*) FROM Ventas WHERE IdVenta>?"), {key}).integer(0);
    if (storedSince < reported.size())
        problem(QStringLiteral("solo %1 ventas guardadas y %2 informadas").arg(storedSince).arg(reported.size()));
    out << "ventas informadas: " << reportedCount << ", guardadas: " << storedSince
        << ", guardadas sin informar (caja detenida antes de decirlo): " << storedSince - reported.size()
        << ", problemas: " << problems << '\n';
    out.flush();
    return problems == 0 ? 0 : 1;
}

int hold(const QString& name, const QStringList& args)
{
    const double seconds = args.value(3).toDouble();
    if (!openShop(name))
        return 2;
    auto& db = TDataModule1::instance();
    db.begin();
    out << "ocupada" << Qt::endl;
    QThread::msleep(static_cast<unsigned long>(seconds * 1000));
    db.rollback();
    return 0;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString command = args.value(1);
    const QString database = args.value(2);
    if (database.isEmpty()) {
        err << "uso: cvi-counter open|sell|snapshot|verify|hold BASE ..." << Qt::endl;
        return 2;
    }
    try {
        if (command == QLatin1String("open"))
            return openSession(database, args);
        if (command == QLatin1String("sell"))
            return sell(database, args);
        if (command == QLatin1String("snapshot"))
            return snapshot(database);
        if (command == QLatin1String("verify"))
            return verify(database, args.mid(3));
        if (command == QLatin1String("hold"))
            return hold(database, args);
    } catch (const DatabaseError& e) {
        err << e.text() << Qt::endl;
        return 4;
    }
    err << "orden desconocida: " << command << Qt::endl;
    return 2;
}
