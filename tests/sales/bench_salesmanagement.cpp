// Measures sales management and the dispatch queue on a big shop file, run by hand (not part of
// the suite):
//
//     build/cvi-zelto --create-database /tmp/big10.sqlite --demo
//     scripts/make-big-shop.py /tmp/big10.sqlite --per-day 274 --orders 200000   # ten years
//     cmake --build build --target bench_salesmanagement
//     QT_QPA_PLATFORM=offscreen build/bench_salesmanagement /tmp/big10.sqlite [YEAR]
//
// Prints the query plan of the year's list, of the reads behind a chosen sale (the sale, its
// lines, the client's company, its dosage), of the annulment and of the queue, then times filling
// a year's list into the window, choosing a sale, annulling one and reading the queue.
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "sales/DispatchQueue.h"
#include "sales/SaleAnnulment.h"
#include "sales/ui/SalesManagementPanel.h"
#include "sales/StoredSale.h"
#include "sales/ui/USaldarD.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

QTextStream out(stdout);

void Plan(const QString& sql)
{
    out << sql << "\n";
    const QVariantList values(sql.count(QLatin1Char('?')), QStringLiteral("0"));
    const SqlRows plan = TDataModule1::instance().query(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, values);
    for (SqlRows r = plan; !r.atEnd(); r.next())
        out << "    " << r.text(3) << "\n";
}

double Ms(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        out << "usage: bench_salesmanagement FILE [YEAR]\n";
        return 2;
    }
    TDataModule1& db = TDataModule1::instance();
    if (const QString error = db.open(QString::fromLocal8Bit(argv[1])); !error.isEmpty()) {
        out << error << "\n";
        return 2;
    }
    SessionState& s = SessionState::current();
    s.UserLogin = QStringLiteral("admin");
    SessionLoader::LoadCashSession();
    SessionLoader::LoadParameters();
    SessionLoader::LoadTaxpayer();
    SessionLoader::LoadActiveDosage();
    const int year = argc > 2 ? QByteArray(argv[2]).toInt() : QDate::currentDate().year() - 1;
    out << "sales in the file: " << db.query(QStringLiteral("SELECT COUNT(*) FROM Ventas")).integer(0)
        << ", orders: " << db.query(QStringLiteral("SELECT COUNT(*) FROM Ingresos")).integer(0) << "\n\n";

    Plan(SalesManagementPanel::ListStatement());
    for (const QString& sql : StoredSales::ReadStatements() + SaleAnnulment::Statements() + DispatchQueue::ReadStatements())
        Plan(sql);
    out << "\n";

    s.ListYear = year;
    s.WindowMode = 4;
    QElapsedTimer timer;
    timer.start();
    TFSaldarD window;
    const double opening = Ms(timer);
    auto* panel = window.findChild<SalesManagementPanel*>();
    auto* list = window.findChild<DataGrid*>(QStringLiteral("VecV"));
    out << "year " << year << ": " << list->rowCount() << " sales listed; window opened in " << opening << " ms\n";
    for (int i = 0; i < 3; ++i) {
        timer.restart();
        panel->loadList();
        out << "    list filled again in " << Ms(timer) << " ms\n";
    }

    const QString sale = list->cell(SalesManagementPanel::VIdVenta, list->rowCount() / 2);
    timer.restart();
    list->goToRow(list->rowCount() / 2);
    out << "choosing " << sale << " (read, lines, company, dosage): " << Ms(timer) << " ms\n";
    timer.restart();
    const SaleAnnulment::Result annulled = SaleAnnulment::Annul(sale);
    out << "annulling it: " << Ms(timer) << " ms (" << annulled.message << ")\n";

    timer.restart();
    const QList<DispatchQueue::Order> waiting = DispatchQueue::Waiting();
    out << "queue: " << waiting.size() << " orders waiting read in " << Ms(timer) << " ms";
    if (!waiting.isEmpty()) {
        timer.restart();
        const int lines = int(DispatchQueue::Lines(waiting.first().id).size());
        out << "; " << lines << " lines of one read in " << Ms(timer) << " ms";
    }
    out << "\n";
    return 0;
}
