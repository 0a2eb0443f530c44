// Run by hand, never by the test suite: builds (once) a shop of several years with a yearly book
// of 100,000 invoices, times the books window loading that year, and prints the query plan of
// every statement of the books and reports with each combination of filters.
//
//     build/bench_books /tmp/bench.sqlite
#include "data/ClockSeam.h"
#include "data/DatabaseCreator.h"
#include "data/DesktopSeam.h"
#include "data/FileDialogSeam.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "reports/ReportQueries.h"
#include "tax/BookQueries.h"
#include "tax/ui/URLV.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <QToolButton>

namespace {

QTextStream out(stdout);

// Saves the exported book where the bench says.
class FixedSave : public FileDialogSeam {
public:
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString& start, const QString&) override
    {
        return QStringLiteral("/tmp/") + QFileInfo(start).fileName();
    }
};

// The files are looked at by hand afterwards.
class NoOpen : public DesktopSeam {
public:
    bool openFile(const QString&) override { return true; }
    bool openFileAt(const QString&, const QString&) override { return true; }
};

class Clock : public ClockSeam {
public:
    QDateTime now() const override { return QDateTime(QDate(2025, 12, 31), QTime(18, 0)); }
};

void Exec(QSqlQuery& q)
{
    if (!q.exec())
        qFatal("%s", qPrintable(q.lastError().text()));
}

// 2021 to 2026: 30,000 invoices a year, 100,000 in 2025; two lines each; purchases and deliveries.
void Generate(const QString& path)
{
    NewDatabaseOptions options;
    options.demo = true;
    if (const QString error = DatabaseCreator::create(path, options); !error.isEmpty())
        qFatal("%s", qPrintable(error));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "gen");
    db.setDatabaseName(path);
    db.open();
    db.transaction();
    QSqlQuery caja(db), sale(db), line(db), purchase(db), pline(db), delivery(db), dline(db);
    caja.prepare("INSERT INTO Caja(IdCaja, Fecha, Cajero, Estado) VALUES(?, ?, 'admin', 0)");
    sale.prepare("INSERT INTO Ventas(IdVenta, FechaV, NroFact, NroAut, Estado, NitCI, Cliente, TotalF, TotalE, Saldo, "
                 "Neto, IVA, CodigoC, FormaP, Comprobante, IdCaja, IdDosificacion) "
                 "VALUES(?, ?, ?, 29040011007, ?, ?, ?, ?, ?, ?, ?, ?, 'AB-CD-EF-01', ?, 1, ?, ?)");
    line.prepare("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria, Estado) "
                 "VALUES(?, ?, ?, ?, ?, ?, ?)");
    purchase.prepare("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, Comprobante, "
                     "Inventario, IdCaja) VALUES(?, ?, '1023456027', 'ANDINA', ?, ?, ?, ?, ?, ?)");
    pline.prepare(
        "INSERT INTO DetalleC(IdCategoria, IdProducto, CEntrante, PrecioU, PrecioT, IdCompra) VALUES(?, ?, ?, ?, ?, ?)");
    delivery.prepare("INSERT INTO EntregaI(IdEntrega, FechaE, Cliente, IdCaja) VALUES(?, ?, 'ALMACEN', ?)");
    dline.prepare("INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria) VALUES(?, ?, ?, 17)");
    int saleNo = 0, purchaseNo = 0, deliveryNo = 0, invoice = 0, dosage = 0;
    for (int year = 2021; year <= 2026; ++year) {
        ++dosage;
        invoice = 0;
        const int invoices = year == 2025 ? 100000 : 30000;
        const QDate first(year, 1, 1);
        for (int day = 0; day < 365; ++day) {
            const QDate date = first.addDays(day);
            const QString cash = QStringLiteral("C%1").arg(year * 1000 + day, 9, 10, QChar('0'));
            caja.addBindValue(cash);
            caja.addBindValue(Formats::IsoDate(date));
            Exec(caja);
            const int today = invoices / 365 + (day < invoices % 365 ? 1 : 0);
            for (int i = 0; i < today; ++i) {
                const QString id = QStringLiteral("V%1").arg(++saleNo, 9, 10, QChar('0'));
                const int product = saleNo % 12 + 1;
                const double price = 5 + product;
                const bool annulled = saleNo % 97 == 0;
                const int form = saleNo % 5 == 0 ? 2 : 1;
                sale.addBindValue(id);
                sale.addBindValue(Formats::IsoDate(date));
                sale.addBindValue(++invoice);
                sale.addBindValue(annulled ? "A" : "V");
                sale.addBindValue(QString::number(1000000 + saleNo % 5000));
                sale.addBindValue(QStringLiteral("CLIENTE %1").arg(saleNo % 5000));
                sale.addBindValue(price * 3);
                sale.addBindValue(form == 2 ? price : price * 3);
                sale.addBindValue(form == 2 ? price * 2 : 0.0);
                sale.addBindValue(price * 3 * 0.87);
                sale.addBindValue(price * 3 * 0.13);
                sale.addBindValue(form);
                sale.addBindValue(cash);
                sale.addBindValue(dosage);
                Exec(sale);
                for (int l = 0; l < 2; ++l) {
                    const QString pid = QStringLiteral("P%1").arg(product + l % 2, 9, 10, QChar('0'));
                    line.addBindValue(l + 1.0);
                    line.addBindValue(pid);
                    line.addBindValue(price);
                    line.addBindValue(price * (l + 1));
                    line.addBindValue(id);
                    line.addBindValue(product <= 4 ? 1 : product <= 7 ? 2 : 3);
                    line.addBindValue(annulled ? "A" : "V");
                    Exec(line);
                }
            }
            for (int p = 0; p < 10; ++p) {
                const QString id = QStringLiteral("P%1").arg(1000 + ++purchaseNo, 9, 10, QChar('0'));
                purchase.addBindValue(id);
                purchase.addBindValue(Formats::IsoDate(date));
                purchase.addBindValue(purchaseNo);
                purchase.addBindValue(100.0);
                purchase.addBindValue(100.0);
                purchase.addBindValue(p % 2);
                purchase.addBindValue(p % 3 + 1);
                purchase.addBindValue(cash);
                Exec(purchase);
                pline.addBindValue(p % 3 == 1 ? 17 : 1);
                pline.addBindValue(QStringLiteral("P%1").arg(p % 3 == 1 ? 13 : 1, 9, 10, QChar('0')));
                pline.addBindValue(10.0);
                pline.addBindValue(10.0);
                pline.addBindValue(100.0);
                pline.addBindValue(id);
                Exec(pline);
            }
            const QString did = QStringLiteral("E%1").arg(++deliveryNo, 9, 10, QChar('0'));
            delivery.addBindValue(did);
            delivery.addBindValue(Formats::IsoDate(date));
            delivery.addBindValue(cash);
            Exec(delivery);
            dline.addBindValue(5.0);
            dline.addBindValue(QStringLiteral("P000000013"));
            dline.addBindValue(did);
            Exec(dline);
        }
    }
    db.commit();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("gen");
    out << "generated " << saleNo << " sales, " << purchaseNo << " purchases, " << deliveryNo << " deliveries\n";
}

void Plan(const QString& name, const Statement& s)
{
    QSqlQuery q(TDataModule1::instance().connection());
    q.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + s.sql);
    for (const QVariant& v : s.values)
        q.addBindValue(v);
    Exec(q);
    out << "\n-- " << name << "\n" << s.sql << "\n";
    while (q.next())
        out << "   " << q.value(3).toString() << "\n";
    QElapsedTimer timer;
    timer.start();
    const int rows = TDataModule1::instance().query(s.sql, s.values).count();
    out << "   rows " << rows << ", " << timer.elapsed() << " ms\n";
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        qFatal("usage: bench_books DATABASE");
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (!QFileInfo::exists(path))
        Generate(path);
    if (const QString error = TDataModule1::instance().open(path); !error.isEmpty())
        qFatal("%s", qPrintable(error));
    Clock clock;
    ClockSeam::install(&clock);
    out << "Ventas rows: " << TDataModule1::instance().query("SELECT COUNT(*) FROM Ventas").integer(0) << "\n";

    QElapsedTimer timer;
    timer.start();
    SqlRows year = BookQueries::Load(BookKind::Sales, {0, 2025});
    out << "year 2025 statement: " << year.count() << " rows, " << timer.elapsed() << " ms\n";

    SessionState::current().AdminMode = 10;
    TFRLCV window;  // opens on December 2025
    window.findChild<QComboBox*>("CBMes")->setCurrentIndex(0);
    timer.restart();
    window.SBCargarClick();
    out << "books window, ANUAL 2025: " << window.findChild<DataGrid*>("VecV")->rowCount() << " rows listed in "
        << timer.elapsed() << " ms\n";
    timer.restart();
    window.findChild<DataGrid*>("VecV")->footerText(0);
    window.findChild<QComboBox*>("CBMes")->setCurrentIndex(3);
    window.SBCargarClick();
    out << "books window, MARZO 2025: " << window.findChild<DataGrid*>("VecV")->rowCount() << " rows listed in "
        << timer.elapsed() << " ms\n";
    FixedSave save;
    FileDialogSeam::install(&save);
    NoOpen desktop;
    DesktopSeam::install(&desktop);
    SessionState::current().TaxpayerNit = QStringLiteral("1000000010");
    timer.restart();
    window.SBExportarTXTClick();
    out << "text file of MARZO 2025 written in " << timer.elapsed() << " ms: /tmp/Ventas_032025_1000000010.txt\n";
    timer.restart();
    window.SBExportarXLSClick();
    out << "spreadsheet of MARZO 2025 written in " << timer.elapsed() << " ms\n";

    const QDate from(2025, 3, 1), to(2025, 3, 31);
    const BookPeriod march{3, 2025};
    Plan("sales book", {BookQueries::SalesStatement(), {Formats::IsoDate(march.from()), Formats::IsoDate(march.until())}});
    Plan("purchases book",
         {BookQueries::PurchasesStatement(), {Formats::IsoDate(march.from()), Formats::IsoDate(march.until())}});
    const QList<QPair<QString, ItemFilter>> filters{
        {"all", {}}, {"category", {1, {}}}, {"category and item", {1, "P000000001"}}, {"item", {0, "P000000001"}}};
    for (int mode : {1, 6})
        for (const auto& f : filters)
            Plan(QStringLiteral("product table mode %1, %2").arg(mode).arg(f.first),
                 ReportQueries::ProductTable(mode, from, to,
                                             mode == 6 && f.second.categoryId
                                                 ? ItemFilter{17, f.second.itemId.isEmpty() ? QString() : "P000000013"}
                                             : mode == 6 && !f.second.itemId.isEmpty() ? ItemFilter{0, "P000000013"}
                                                                                       : f.second));
    for (const QString& nit : {QString(), QStringLiteral("1000042")})
        for (bool byName : {false, true})
            Plan(QStringLiteral("debtors, NIT/CI %1, by %2").arg(nit.isEmpty() ? "any" : nit, byName ? "name" : "number"),
                 ReportQueries::SalesByPaymentForm(from, to, nit, 2, byName));
    for (const QString& nit : {QString(), QStringLiteral("1000042")})
        Plan(QStringLiteral("debtors' lines, NIT/CI %1").arg(nit.isEmpty() ? "any" : nit),
             ReportQueries::LinesOfSales(from, to, nit, 2));
    for (int inventory : {1, 2})
        for (const auto& f : filters)
            Plan(QStringLiteral("purchase table inventory %1, %2").arg(inventory).arg(f.first),
                 ReportQueries::PurchaseTable(inventory, from, to, f.second));
    Plan("services", ReportQueries::ServiceTable(from, to));
    return 0;
}
