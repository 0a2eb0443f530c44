#include "PrintCapture.h"
#include "ShopFixture.h"
#include "WindowDriver.h"

#include "cash/ui/URCajaDiaria.h"
#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "widgets/DataGrid.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

namespace {

using Col = TFRCajaDiaria::Column;

// A closed (or open) session row as the closing stores it.
struct Session {
    QString id;
    QString date;
    int estado = 0;
    double sobFal = 0;
};

void store(ShopFixture& shop, const Session& s)
{
    shop.db().execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial, VentasEf, VentasCr, VentasDo, ComprasEf, "
                                     "ComprasCr, ComprasDo, Traspaso, Saldo, SobFal, PCobrar, PPagar, NVentasEf, NVentasCr, "
                                     "NVentasDo, NVentasSC, NComprasEf, NComprasCr, NComprasDo, NComprasSC, NVentasA, "
                                     "NComprasA, Cajero, Estado) "
                                     "VALUES(?, ?, 100, 230.5, 20, 80, 45, 5, 70, 200, 87.5, ?, 60, 20, 7, 2, 1, 1, 3, 1, "
                                     "1, 1, 1, 2, 'ana', ?)"),
                      {s.id, s.date, s.sobFal, s.estado});
}

QStringList listedIds(const DataGrid* grid)
{
    QStringList ids;
    for (int row = 0; row < grid->rowCount(); ++row)
        ids << grid->cell(Col::ColIdCaja, row);
    return ids;
}

DataGrid* listOf(TFRCajaDiaria& window) { return Drive::control<DataGrid>(window, "VecC"); }

// The year is set as a paste would, so texts the key filter keeps out can be tried too.
void listYear(TFRCajaDiaria& window, const QString& year)
{
    Drive::control<QLineEdit>(window, "EAnio")->setText(year);
    Drive::click(window, "SBListar");
}

}

class TstURCajaDiaria : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheComputersYear()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        SessionState::current().ListYear = 2020;
        store(shop, {QStringLiteral("C000000001"), QStringLiteral("2026-03-02")});
        TFRCajaDiaria window;
        QCOMPARE(Drive::control<QLineEdit>(window, "EAnio")->text(), QStringLiteral("2026"));
        QCOMPARE(Drive::control<QSpinBox>(window, "upDAnio")->value(), 2026);
        QCOMPARE(listedIds(listOf(window)), QStringList{QStringLiteral("C000000001")});
        QCOMPARE(listOf(window)->selectedRow(), 0);
        QVERIFY(shop.messages.all.isEmpty());
    }

    void upDownAndYearEditStayInStep()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        TFRCajaDiaria window;
        auto* year = Drive::control<QLineEdit>(window, "EAnio");
        auto* upDown = Drive::control<QSpinBox>(window, "upDAnio");
        upDown->stepBy(-1);
        QCOMPARE(year->text(), QStringLiteral("2025"));
        year->selectAll();
        QTest::keyClicks(year, QStringLiteral("2019"));
        QCOMPARE(upDown->value(), 2019);
        upDown->setValue(2018);
        upDown->stepBy(-1);
        QCOMPARE(year->text(), QStringLiteral("2018"));
    }

    void listing_data()
    {
        QTest::addColumn<QList<Session>>("sessions");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QStringList>("listed");
        const Session a{QStringLiteral("C000000001"), QStringLiteral("2025-12-31")};
        const Session b{QStringLiteral("C000000002"), QStringLiteral("2026-01-01")};
        const Session c{QStringLiteral("C000000003"), QStringLiteral("2026-12-31")};
        const Session d{QStringLiteral("C000000004"), QStringLiteral("2027-01-01")};
        const Session open{QStringLiteral("C000000005"), QStringLiteral("2026-12-31"), 1};
        QTest::newRow("year without sessions") << QList<Session>{a, d} << "2026" << QStringList{};
        QTest::newRow("only the chosen year, newest first") << QList<Session>{a, b, c, d} << "2026" << QStringList{c.id, b.id};
        QTest::newRow("another year") << QList<Session>{a, b, c, d} << "2025" << QStringList{a.id};
        QTest::newRow("the open session is never listed") << QList<Session>{b, c, open} << "2026" << QStringList{c.id, b.id};
        QTest::newRow("newest by session, not by date")
            << QList<Session>{{QStringLiteral("C000000001"), QStringLiteral("2026-05-01")},
                              {QStringLiteral("C000000002"), QStringLiteral("2026-02-01")}}
            << "2026" << QStringList{QStringLiteral("C000000002"), QStringLiteral("C000000001")};
    }
    void listing()
    {
        QFETCH(QList<Session>, sessions);
        QFETCH(QString, year);
        QFETCH(QStringList, listed);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        for (const Session& s : sessions)
            store(shop, s);
        TFRCajaDiaria window;
        listYear(window, year);
        DataGrid* grid = listOf(window);
        QCOMPARE(listedIds(grid), listed);
        for (int row = 0; row < grid->rowCount(); ++row)
            QCOMPARE(grid->cell(Col::ColNro, row), QString::number(row + 1));
        QCOMPARE(grid->selectedRow(), listed.isEmpty() ? -1 : 0);
        QVERIFY(shop.messages.all.isEmpty());
    }

    void emptyListPrintsNothing()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        PrintCapture print;
        TFRCajaDiaria window;
        QCOMPARE(listOf(window)->rowCount(), 0);
        window.VecCCellClick(0, Col::ColImprimir);
        Drive::click(window, "SBAnterior");
        Drive::click(window, "SBUltimo");
        QVERIFY(print.previews.shown.isEmpty());
        QCOMPARE(window.lastSelectedRow(), -1);
    }

    void rowShowsTheStoredFigures()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        store(shop, {QStringLiteral("C000000007"), QStringLiteral("2026-12-09"), 0, -12.5});
        TFRCajaDiaria window;
        DataGrid* grid = listOf(window);
        QCOMPARE(grid->rowCount(), 1);
        const QStringList expected{"1",     "C000000007", "09/dic/2026", "100.00", "230.50", "20.00",  "80.00",
                                   "45.00", "5.00",       "70.00",       "200.00", "87.50",  "-12.50", "60.00",
                                   "20.00", "7",          "2",           "1",      "1",      "3",      "1",
                                   "1",     "1",          "1",           "2",      "ana"};
        for (int column = 0; column < expected.size(); ++column)
            QCOMPARE(grid->cell(column, 0), expected.at(column));
        QCOMPARE(grid->horizontalHeaderItem(Col::ColSobFal)->text(), QStringLiteral("Sob. o Falt."));
        QStringList visible;
        for (int column = 0; column < grid->columnCount(); ++column)
            if (!grid->isColumnHidden(column))
                visible << grid->horizontalHeaderItem(column)->text();
        QCOMPARE(visible, (QStringList{"Nro", "Fecha Caja", "C/Inicial", "Traspaso", "Saldo", "Sob. o Falt.", "Cajero", "I"}));
    }

    void printCellReprintsTheClosingReport_data()
    {
        QTest::addColumn<double>("sobFal");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("difference");
        QTest::newRow("shortage") << -12.5 << "Faltante"
                                  << "12.50";
        QTest::newRow("surplus") << 3.0 << "Sobrante"
                                 << "3.00";
        QTest::newRow("exact") << 0.0 << ""
                               << "";
    }
    void printCellReprintsTheClosingReport()
    {
        QFETCH(double, sobFal);
        QFETCH(QString, caption);
        QFETCH(QString, difference);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        store(shop, {QStringLiteral("C000000006"), QStringLiteral("2026-12-08")});
        store(shop, {QStringLiteral("C000000007"), QStringLiteral("2026-12-09"), 0, sobFal});
        PrintCapture print;
        TFRCajaDiaria window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        Drive::clickCell(window, "VecC", 0, Col::ColSaldo);
        QVERIFY(print.previews.shown.isEmpty());
        Drive::clickCell(window, "VecC", 0, Col::ColImprimir);
        QCOMPARE(print.previews.shown.size(), 1);

        QCOMPARE(print.label("LTitulo"), QStringLiteral("CIERRE DE CAJA [C000000007]"));
        QCOMPARE(print.label("LCajero"), QStringLiteral("ana"));
        QCOMPARE(print.label("LFecha"), QStringLiteral("09/dic/2026"));
        QCOMPARE(print.label("LSFT"), caption);
        QCOMPARE(print.label("Lsf"), difference);
        QCOMPARE(print.label("LEfectivo"), QStringLiteral("287.50"));
        QCOMPARE(print.label("LTraspaso"), QStringLiteral("200.00"));
        QCOMPARE(print.label("LSaldo"), QStringLiteral("87.50"));
        QCOMPARE(print.label("LVContado"), QStringLiteral("230.50"));
        QCOMPARE(print.label("LVTotal"), QStringLiteral("350.50"));
        QCOMPARE(print.label("LCTotal"), QStringLiteral("50.00"));
        QCOMPARE(print.label("LTotalVC"), QStringLiteral("300.50"));
        QCOMPARE(print.label("LDVentas"), QStringLiteral("60.00"));
        QCOMPARE(print.label("LDCompras"), QStringLiteral("20.00"));
        QCOMPARE(print.label("LEVTotal"), QStringLiteral("11"));
        QCOMPARE(print.label("LECTotal"), QStringLiteral("6"));
        QCOMPARE(print.label("LEComprasA"), QStringLiteral("2"));
        QCOMPARE(print.label("LFechaI"), QStringLiteral("Fecha y Hora de Impresión: 09/12/2026 10:30:00"));

        Drive::clickCell(window, "VecC", 1, Col::ColImprimir);
        QCOMPARE(print.previews.shown.size(), 2);
        QCOMPARE(print.label("LTitulo"), QStringLiteral("CIERRE DE CAJA [C000000006]"));
        QCOMPARE(print.label("LSFT"), QString());
    }

    void snapshots()
    {
        const QByteArray dir = qgetenv("CVI_SAMPLE_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SAMPLE_DIR to write the daily cash report's pictures");
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        for (int day = 1; day <= 8; ++day)
            store(shop, {QStringLiteral("C00000000%1").arg(day), QStringLiteral("2026-12-0%1").arg(day), 0,
                         day % 3 == 0 ? -12.5 : (day % 3 == 1 ? 0.0 : 4.0)});
        PrintCapture print;
        TFRCajaDiaria window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString folder = QString::fromLocal8Bit(dir);
        QVERIFY(window.grab().save(folder + QStringLiteral("/caja-diaria.png")));
        Drive::clickCell(window, "VecC", 2, Col::ColImprimir);
        QCOMPARE(print.previews.writePdf(0, folder + QStringLiteral("/caja-diaria-reimpresion.pdf")), QString());
    }

    void navigation()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        for (int day = 1; day <= 3; ++day)
            store(shop, {QStringLiteral("C00000000%1").arg(day), QStringLiteral("2026-12-0%1").arg(day)});
        TFRCajaDiaria window;
        DataGrid* grid = listOf(window);
        auto press = [&](const char* name) {
            Drive::click(window, name);
            return grid->selectedRow();
        };
        QCOMPARE(press("SBAnterior"), 0);
        QCOMPARE(press("SBSiguiente"), 1);
        QCOMPARE(press("SBUltimo"), 2);
        QCOMPARE(press("SBSiguiente"), 2);
        QCOMPARE(press("SBAnterior"), 1);
        QCOMPARE(window.lastSelectedRow(), 1);
        QCOMPARE(press("SBPrimero"), 0);
        QCOMPARE(grid->cell(Col::ColIdCaja, grid->selectedRow()), QStringLiteral("C000000003"));
    }

    void yearThatIsNotANumber_data()
    {
        QTest::addColumn<QString>("year");
        QTest::newRow("letters") << "20a6";
        QTest::newRow("point") << "20.6";
        QTest::newRow("empty") << "";
        QTest::newRow("year zero") << "0";
    }
    void yearThatIsNotANumber()
    {
        QFETCH(QString, year);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        store(shop, {QStringLiteral("C000000001"), QStringLiteral("2026-03-02")});
        TFRCajaDiaria window;
        QCOMPARE(listOf(window)->rowCount(), 1);
        listYear(window, year);
        QCOMPARE(listOf(window)->rowCount(), 0);
        QCOMPARE(shop.messages.errors.size(), 1);
        QCOMPARE(window.lastSelectedRow(), -1);
    }

    void activationNamesTheOperation()
    {
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        TFRCajaDiaria window;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Reporte Caja Diaria"));
    }
};

QTEST_MAIN(TstURCajaDiaria)
#include "tst_urcajadiaria.moc"
