// The shop after years of trade, measured: `make bench` (not part of the suite).
//
//     cmake --build build --target cvi-bench cvi-zelto && build/cvi-bench build/bench
//
// Prepares once, through the day simulator, a shop of 1,000,000 sales with about 3,000,000 lines
// over 5,000 products (five years; the last day's session left open with 5,000 sales) and keeps it
// in FOLDER; every run works on a fresh copy of it. Measures, side by side: the sale commit (six
// lines, an invoice with its control code) against the same inserts and updates through the
// SQLite C API with its statements prepared once, one transaction per sale (what this engine can
// do on this machine at best); the closing of the 5,000-sale session; the yearly sales book of
// the busiest year into its grid and the memory held with it open; the yearly sales report; the
// stock list; the daily cash list of the year; and the program's start up to the login window.
// Prints one table and writes it as FOLDER/bench.csv. `--only closing,commit,book,report,catalogue,
// daily,start` measures those figures alone.
#include "app/ShopSimulator.h"
#include "cash/CashClosing.h"
#include "cash/CashOpening.h"
#include "cash/ui/URCajaDiaria.h"
#include "data/ClockSeam.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "masterdata/ClientStore.h"
#include "masterdata/ProductStore.h"
#include "masterdata/SupplierStore.h"
#include "masterdata/ui/UProductosC.h"
#include "reports/ui/URIngresos.h"
#include "sales/PaymentForms.h"
#include "sales/SaleCommit.h"
#include "tax/BookQueries.h"
#include "tax/ui/URLV.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <sqlite3.h>

namespace {

QTextStream out(stdout);

constexpr int kProducts = 5000;
constexpr int kYears = 5;
constexpr int kSalesPerDay = 545;  // 1826 days of it, then the open day's 5,000
constexpr int kOpenDaySales = 5000;
constexpr int kCommits = 1000;
constexpr int kReads = 5;
constexpr int kStarts = 3;

[[noreturn]] void fail(const QString& text)
{
    out << "bench: " << text << Qt::endl;
    std::exit(1);
}

double msSince(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

struct Figure {
    QString name;
    QList<double> values;  // ms, or MB for memory
    QString unit = QStringLiteral("ms");
    double raw = 0;  // the raw figure it compares with; 0 for none
    QString target;
    bool met = true;

    double quantile(double q) const
    {
        QList<double> v = values;
        std::sort(v.begin(), v.end());
        if (v.isEmpty())
            return 0;
        const qsizetype at = std::min<qsizetype>(v.size() - 1, qsizetype(q * double(v.size())));
        return v.at(at);
    }
    double median() const { return quantile(0.5); }
    double p99() const { return quantile(0.99); }
};

// ---- the shop, prepared once ----

void addCatalogue()
{
    WriteTransaction all;
    for (int i = 1; i <= kProducts - 15; ++i) {
        ProductStore::Product p;
        p.Inventario = 1;
        p.IdCategoria = 1 + i % 8;
        p.Marca = QStringLiteral("MARCA %1").arg(i % 50);
        p.Producto = QStringLiteral("PRODUCTO %1").arg(i, 5, 10, QLatin1Char('0'));
        p.Presentacion = QStringLiteral("UNIDAD");
        p.UMedida = QStringLiteral("UNIDAD");
        p.StockM = 5 + i % 20;
        p.PCompra = 1 + (i % 90);
        p.PVenta = Formats::RoundCents(p.PCompra * 1.3);
        p.PVentaIVA = p.PVenta;
        p.CodigoB = QStringLiteral("77%1").arg(i, 11, 10, QLatin1Char('0'));
        QString key;
        if (const QString refusal = ProductStore::Insert(p, QStringLiteral("admin"), &key); !refusal.isEmpty())
            fail(refusal);
    }
    // What the catalogue holds at the start: about a month of selling each.
    TDataModule1::instance().execute(QStringLiteral("UPDATE Productos SET Ingreso=StockM*4"));
    for (int i = 1; i <= 2000; ++i) {
        ClientStore::Client c;
        c.NitCI = QString::number(3000000 + i);
        c.Cliente = QStringLiteral("CLIENTE %1").arg(i, 4, 10, QLatin1Char('0'));
        c.NCreditos = i % 4;
        if (const QString refusal = ClientStore::Insert(c, QStringLiteral("admin")); !refusal.isEmpty())
            fail(refusal);
    }
    for (int i = 1; i <= 20; ++i) {
        SupplierStore::Supplier s;
        s.NitCI = QString::number(1020000000 + i);
        s.RSocial = QStringLiteral("PROVEEDOR %1").arg(i);
        if (const QString refusal = SupplierStore::Insert(s, QStringLiteral("admin")); !refusal.isEmpty())
            fail(refusal);
    }
    all.commit();
}

void prepare(const QString& path)
{
    const QString building = path + QStringLiteral(".preparando");
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(building + QLatin1String(suffix));
    NewDatabaseOptions options;
    options.demo = true;
    if (const QString error = DatabaseCreator::create(building, options); !error.isEmpty())
        fail(error);
    auto& db = TDataModule1::instance();
    if (const QString error = db.open(building); !error.isEmpty())
        fail(error);
    SessionState::current().UserLogin = QStringLiteral("admin");
    addCatalogue();

    QElapsedTimer clock;
    clock.start();
    const QDate today = QDate::currentDate();
    const int days = kYears * 365 + 1;
    SimulationOptions history;
    history.days = days;
    history.salesPerDay = kSalesPerDay;
    history.from = today.addDays(-days - 1);
    history.seed = 2026;
    auto progress = [&](const QString& line) {
        if (line.startsWith(QLatin1String("Dia ")) && line.section(QLatin1Char(' '), 1, 1).toInt() % 100 == 0)
            out << "  " << line << " (" << int(clock.elapsed() / 1000) << " s)" << Qt::endl;
    };
    out << "preparing " << path << ": " << days << " days of " << kSalesPerDay << " sales, then one of " << kOpenDaySales
        << " left open" << Qt::endl;
    SimulationSummary summary;
    if (const QString refusal = ShopSimulator::Run(history, &summary, progress); !refusal.isEmpty())
        fail(refusal);
    out << "  " << summary.line() << Qt::endl;
    SimulationOptions openDay;
    openDay.days = 1;
    openDay.salesPerDay = kOpenDaySales;
    openDay.seed = 2027;
    openDay.closeLastDay = false;
    if (const QString refusal = ShopSimulator::Run(openDay, &summary); !refusal.isEmpty())
        fail(refusal);
    out << "  " << summary.line() << Qt::endl;
    out << "  prepared in " << int(clock.elapsed() / 1000) << " s" << Qt::endl;
    db.close();
    if (!QFile::rename(building, path))
        fail(QStringLiteral("cannot rename %1").arg(building));
}

// ---- the sale commit and its raw twin ----

SaleInput sixLineInvoice(const QStringList& products)
{
    SaleInput in = SaleInput::fromSession();
    in.saleNumberText = QStringLiteral("1");
    in.paymentForm = PaymentForms::Cash;
    in.voucherKind = InvoiceVoucher;
    in.nitCi = QStringLiteral("3000042");
    in.clientName = QStringLiteral("CLIENTE 0042");
    for (int i = 0; i < 6; ++i)
        in.lines << SaleLine{products.at(i), 1 + i % 8, QStringLiteral("2"), QStringLiteral("7.5"), {}, {}};
    in.cashText = QStringLiteral("100");
    return in;
}

class RawSale {
public:
    explicit RawSale(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail(QStringLiteral("sqlite3_open_v2 failed"));
        sqlite3_busy_timeout(m_db, 5000);
        run("PRAGMA foreign_keys = ON");
        m_begin = prepare("BEGIN IMMEDIATE");
        m_commit = prepare("COMMIT");
        m_saleCounter = prepare("SELECT IdVenta FROM Codigos WHERE IdC=1");
        m_invoiceCounter = prepare("SELECT NFactura FROM DatosC");
        m_advanceInvoice = prepare("UPDATE DatosC SET NFactura=NFactura+1");
        m_sale = prepare("INSERT INTO Ventas(IdVenta, FechaV, NroFact, NroAut, Estado, NitCI, Cliente, TotalF, TotalE, "
                         "Saldo, Neto, IVA, CodigoC, Sucursal, HoraV, FormaP, Comprobante, IdCaja, IdDosificacion, "
                         "Obs, Cajero) VALUES(?, ?, ?, ?, 'V', ?, ?, 90, 90, 0, 90, 11.7, '7B-F3-48-A8', 0, "
                         "'10:00:00', 1, 1, ?, ?, '', 'admin')");
        m_advanceSale = prepare("UPDATE Codigos SET IdVenta=IdVenta+1 WHERE IdC=1");
        m_line = prepare("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) "
                         "VALUES(2, ?, 7.5, 15, ?, ?)");
        m_outflow = prepare("UPDATE Productos SET Egreso=Egreso+2 WHERE IdProducto=?");
        m_client = prepare("UPDATE Clientes SET Cliente=?, NVentas=NVentas+1 WHERE NitCI=?");
    }
    ~RawSale()
    {
        for (sqlite3_stmt* s : {m_begin, m_commit, m_saleCounter, m_invoiceCounter, m_advanceInvoice, m_sale, m_advanceSale,
                                m_line, m_outflow, m_client})
            sqlite3_finalize(s);
        sqlite3_close(m_db);
    }

    void sell(const SaleInput& in)
    {
        step(m_begin);
        step(m_saleCounter, SQLITE_ROW);
        const QByteArray key = "V" + QByteArray::number(sqlite3_column_int64(m_saleCounter, 0) + 1).rightJustified(9, '0');
        sqlite3_reset(m_saleCounter);
        step(m_invoiceCounter, SQLITE_ROW);
        const sqlite3_int64 invoice = sqlite3_column_int64(m_invoiceCounter, 0);
        sqlite3_reset(m_invoiceCounter);
        step(m_advanceInvoice);
        const QByteArray date = Formats::IsoDate(in.workDate).toUtf8(), nit = in.nitCi.toUtf8(),
                         name = in.clientName.toUtf8(), session = in.cashSessionId.toUtf8();
        sqlite3_bind_text(m_sale, 1, key.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(m_sale, 2, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(m_sale, 3, invoice);
        sqlite3_bind_int64(m_sale, 4, in.authorizationNumber.toLongLong());
        sqlite3_bind_text(m_sale, 5, nit.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(m_sale, 6, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(m_sale, 7, session.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(m_sale, 8, in.dosageId);
        step(m_sale);
        step(m_advanceSale);
        for (const SaleLine& line : in.lines) {
            const QByteArray product = line.productId.toUtf8();
            sqlite3_bind_text(m_line, 1, product.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(m_line, 2, key.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(m_line, 3, line.categoryId);
            step(m_line);
            sqlite3_bind_text(m_outflow, 1, product.constData(), -1, SQLITE_TRANSIENT);
            step(m_outflow);
        }
        sqlite3_bind_text(m_client, 1, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(m_client, 2, nit.constData(), -1, SQLITE_TRANSIENT);
        step(m_client);
        step(m_commit);
    }

private:
    sqlite3_stmt* prepare(const char* sql)
    {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr) != SQLITE_OK)
            fail(QStringLiteral("prepare: %1").arg(QString::fromUtf8(sqlite3_errmsg(m_db))));
        return s;
    }
    void run(const char* sql) { sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }
    void step(sqlite3_stmt* s, int expected = SQLITE_DONE)
    {
        if (sqlite3_step(s) != expected)
            fail(QStringLiteral("raw sale: %1").arg(QString::fromUtf8(sqlite3_errmsg(m_db))));
        if (expected == SQLITE_DONE)
            sqlite3_reset(s);
    }

    sqlite3* m_db = nullptr;
    sqlite3_stmt *m_begin, *m_commit, *m_saleCounter, *m_invoiceCounter, *m_advanceInvoice, *m_sale, *m_advanceSale, *m_line,
        *m_outflow, *m_client;
};

// ---- the program's start ----

// Launches the program until its login window shows; returns launch to splash, and launch to login.
QPair<double, double> timeStart(const QString& program, const QString& folder)
{
    const QString trace = folder + QStringLiteral("/arranque.txt");
    QFile::remove(trace);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CVI_START_TRACE"), trace);
    env.insert(QStringLiteral("CVI_SETTINGS_FILE"), folder + QStringLiteral("/settings.ini"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // A copy of the program the developer has open must not answer in its place.
    env.insert(QStringLiteral("USER"), QStringLiteral("cvi-bench-%1").arg(QCoreApplication::applicationPid()));
    p.setProcessEnvironment(env);
    const qint64 launched = QDateTime::currentMSecsSinceEpoch();
    p.start(program, {});
    if (!p.waitForFinished(30000))
        fail(QStringLiteral("the program did not reach its login window"));
    QFile f(trace);
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("the program wrote no start trace"));
    QHash<QString, qint64> at;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.isEmpty())
            at.insert(QString::fromLatin1(line.split(' ').value(0)), line.split(' ').value(1).toLongLong());
    if (!at.contains(QStringLiteral("login")))
        fail(QStringLiteral("the start trace has no login"));
    return {double(at.value(QStringLiteral("splash")) - launched), double(at.value(QStringLiteral("login")) - launched)};
}

qint64 residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
    return 0;
}

template <typename F> QList<double> timed(int times, F&& run)
{
    QList<double> values;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        values << msSince(t);
    }
    return values;
}

QString number(double v) { return v >= 100 ? QString::number(v, 'f', 0) : QString::number(v, 'f', 2); }

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/bench")).absolutePath();
    QDir().mkpath(folder);
    const QString cache = folder + QStringLiteral("/tienda-1m.sqlite");
    const QString work = folder + QStringLiteral("/trabajo.sqlite");
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/cvi-zelto");
    const QStringList only = QCoreApplication::arguments().contains(QStringLiteral("--only"))
                                 ? QCoreApplication::arguments()
                                       .value(QCoreApplication::arguments().indexOf(QStringLiteral("--only")) + 1)
                                       .split(QLatin1Char(','))
                                 : QStringList();
    auto wanted = [&](const char* figure) { return only.isEmpty() || only.contains(QLatin1String(figure)); };
    try {
        if (!QFileInfo::exists(cache))
            prepare(cache);
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(work + QLatin1String(suffix));
        if (!QFile::copy(cache, work))
            fail(QStringLiteral("cannot copy %1").arg(cache));

        QList<Figure> figures;
        auto& db = TDataModule1::instance();
        if (const QString error = db.open(work); !error.isEmpty())
            fail(error);
        SessionState& s = SessionState::current();
        s.UserLogin = QStringLiteral("admin");
        SessionLoader::LoadCashSession();
        SessionLoader::LoadParameters();
        SessionLoader::LoadTaxpayer();
        SessionLoader::LoadActiveDosage();
        const qint64 sales = db.query(QStringLiteral("SELECT COUNT(*) FROM Ventas")).integer(0);
        const qint64 lines = db.query(QStringLiteral("SELECT COUNT(*) FROM DetalleV")).integer(0);
        const qint64 products = db.query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0);
        out << "shop: " << sales << " sales, " << lines << " lines, " << products << " products" << Qt::endl;
        if (s.CashOpen != 1)
            fail(QStringLiteral("the prepared shop has no open session"));

        // The closing of the open day.
        QElapsedTimer t;
        const QDate today = QDate::currentDate();
        if (wanted("closing")) {
            const qint64 sessionSales =
                db.query(QStringLiteral("SELECT COUNT(*) FROM Ventas WHERE IdCaja=?"), {s.CashSessionId}).integer(0);
            t.start();
            ClosingFigures closed;
            if (const QString refusal = CashClosing::Close(s.CashSessionId, 1000, 0, &closed); !refusal.isEmpty())
                fail(refusal);
            Figure f{QStringLiteral("closing (%1-sale session)").arg(sessionSales), {msSince(t)}, "ms", 0, "< 10 ms"};
            f.met = f.median() < 10;
            figures << f;
            s.CashOpen = 0;
            if (const QString refusal = CashOpening::Open(today, 0, s.UserLogin); !refusal.isEmpty())
                fail(refusal);
            s.WorkDate = today;
        }

        // The sale against its raw twin, taking turns.
        if (wanted("commit")) {
            QStringList six;
            for (SqlRows r = db.query(QStringLiteral("SELECT IdProducto FROM Productos WHERE Inventario=1 AND Estado=1 "
                                                     "ORDER BY IdProducto LIMIT 6"));
                 !r.atEnd(); r.next())
                six << r.text(0);
            const SaleInput sale = sixLineInvoice(six);
            RawSale raw(work);
            QList<double> commits, raws;
            for (int i = 0; i < kCommits; ++i) {
                t.restart();
                const SaleCommitResult r = SaleCommit::Commit(sale);
                commits << msSince(t);
                if (!r.stored())
                    fail(r.message);
                t.restart();
                raw.sell(sale);
                raws << msSince(t);
            }
            Figure rawFigure{QStringLiteral("raw sale, SQLite C API"), raws, "ms", 0, ""};
            Figure commit{QStringLiteral("sale commit (6 lines, invoice)"), commits, "ms", rawFigure.median(),
                          "p50 <= 2x raw, p99 < 10 ms"};
            commit.met = commit.median() <= 2 * rawFigure.median() && commit.p99() < 10;
            figures << commit << rawFigure;
        }

        // The books and lists of the busiest year.
        const int year = today.year() - 1;
        const qint64 invoices = db.query(QStringLiteral("SELECT COUNT(*) FROM Ventas WHERE Comprobante=1 AND NroFact>0 "
                                                        "AND FechaV>=? AND FechaV<?"),
                                         {QStringLiteral("%1-01-01").arg(year), QStringLiteral("%1-01-01").arg(year + 1)})
                                    .integer(0);
        if (wanted("book")) {
            s.AdminMode = 10;
            TFRLCV book;
            book.findChild<QLineEdit*>(QStringLiteral("EAnio"))->setText(QString::number(year));
            book.findChild<QComboBox*>(QStringLiteral("CBMes"))->setCurrentIndex(0);
            Figure f{QStringLiteral("yearly sales book (%1 invoices of %2)").arg(invoices).arg(year),
                     timed(kReads, [&] { book.SBCargarClick(); }), "ms", 0, "< 1 s"};
            f.met = f.median() < 1000;
            const int rows = book.findChild<DataGrid*>(QStringLiteral("VecV"))->rowCount();
            f.name += QStringLiteral(", %1 rows").arg(rows);
            // What the program holds once it is back at its event loop with the book on screen.
            QCoreApplication::processEvents();
            const double resident = double(residentMegabytes());
            figures << f
                    << Figure{QStringLiteral("  of which the book's statement alone"),
                              timed(kReads,
                                    [&] {
                                        BookQueries::Load(BookKind::Sales, {0, year});
                                    }),
                              "ms", 0, ""};
            figures << Figure{QStringLiteral("resident memory with the yearly book open"),
                              {resident},
                              "MB",
                              0,
                              "< 150 MB",
                              resident < 150};
        }
        if (wanted("report")) {
            s.WindowMode = 1;
            TFRIngresos report;
            report.findChild<QDateEdit*>(QStringLiteral("DTFechaI"))->setDate(QDate(year, 1, 1));
            report.findChild<QDateEdit*>(QStringLiteral("DTFechaF"))->setDate(QDate(year, 12, 31));
            Figure f{QStringLiteral("yearly sales report (%1)").arg(year), timed(kReads, [&] { report.SBGenerar2Click(); }),
                     "ms", 0, ""};
            f.name += QStringLiteral(", %1 rows").arg(report.findChild<DataGrid*>(QStringLiteral("VecI"))->rowCount());
            figures << f;
        }
        if (wanted("catalogue")) {
            // Every product with its stock, as the catalogue window lists them once the inventory
            // is chosen.
            TFProductosC catalogue;
            auto* inventory = catalogue.findChild<QComboBox*>(QStringLiteral("CBInventario"));
            Figure f{QStringLiteral("product list with stock (catalogue window)"),
                     timed(kReads,
                           [&] {
                               inventory->setCurrentIndex(1);
                               emit inventory->activated(1);
                           }),
                     "ms", 0, ""};
            f.name += QStringLiteral(", %1 products").arg(catalogue.findChild<DataGrid*>(QStringLiteral("Vec0"))->rowCount());
            figures << f;
        }
        if (wanted("daily")) {
            TFRCajaDiaria list;
            list.findChild<QLineEdit*>(QStringLiteral("EAnio"))->setText(QString::number(year));
            Figure f{QStringLiteral("daily cash list (%1)").arg(year), timed(kReads, [&] { list.SBListarClick(); }), "ms", 0,
                     ""};
            f.name += QStringLiteral(", %1 sessions").arg(list.findChild<DataGrid*>(QStringLiteral("VecC"))->rowCount());
            figures << f;
        }
        db.close();

        if (wanted("start")) {
            QList<double> toSplash, toLogin;
            for (int i = 0; i < kStarts; ++i) {
                const auto [splash, login] = timeStart(program, folder);
                toSplash << splash;
                toLogin << login;
            }
            Figure start{QStringLiteral("start to the splash"), toSplash, "ms", 0, "< 300 ms"};
            start.met = start.median() < 300;
            figures << start
                    << Figure{QStringLiteral("start to the login window (3 s splash and 1 s wait included)"), toLogin, "ms",
                              0, ""};
        }

        // The table and its CSV.
        QFile csv(folder + QStringLiteral("/bench.csv"));
        if (!csv.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fail(QStringLiteral("cannot write %1").arg(csv.fileName()));
        QTextStream csvOut(&csv);
        csvOut << "figure,unit,median,p99,ratio_to_raw,target,met\n";
        out << Qt::endl
            << QStringLiteral("%1 %2 %3 %4  %5")
                   .arg(QStringLiteral("figure"), -66)
                   .arg(QStringLiteral("median"), 9)
                   .arg(QStringLiteral("p99"), 9)
                   .arg(QStringLiteral("x raw"), 6)
                   .arg(QStringLiteral("target"))
            << Qt::endl;
        for (const Figure& f : figures) {
            const QString ratio = f.raw > 0 ? QString::number(f.median() / f.raw, 'f', 2) : QString();
            out << QStringLiteral("%1 %2 %3 %4  %5%6")
                       .arg(f.name, -66)
                       .arg(number(f.median()) + QLatin1Char(' ') + f.unit, 9)
                       .arg(number(f.p99()) + QLatin1Char(' ') + f.unit, 9)
                       .arg(ratio, 6)
                       .arg(f.target,
                            f.target.isEmpty() ? QString() : (f.met ? QStringLiteral(" ok") : QStringLiteral(" MISSED")))
                << Qt::endl;
            csvOut << '"' << f.name << "\"," << f.unit << ',' << number(f.median()) << ',' << number(f.p99()) << ',' << ratio
                   << ",\"" << f.target << "\","
                   << (f.target.isEmpty() ? ""
                       : f.met            ? "yes"
                                          : "no")
                   << '\n';
        }
        out << Qt::endl << "written: " << csv.fileName() << Qt::endl;
    } catch (const DatabaseError& e) {
        fail(e.text());
    }
    return 0;
}
