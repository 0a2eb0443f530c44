#include "ShopFixture.h"
#include "SheetReader.h"
#include "WindowDriver.h"

#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "widgets/UMensajes.h"
#include "tax/ui/URLV.h"
#include "widgets/DataGrid.h"
#include "widgets/UBuscar2.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

struct Sale {
    QString id;
    QString date;
    int invoice;
    int dosage = 1;
    QString state = QStringLiteral("V");
    QString nit = QStringLiteral("4567890");
    QString name = QStringLiteral("ANA");
    double total = 10;
    double net = 8.7;
    double vat = 1.3;
    QString code = QStringLiteral("AA-BB-CC-DD");
};

struct Purchase {
    QString id;
    QString date;
    int invoice;
    int voucher = 1;  // 1 = supplier invoice
    QString supplier = QStringLiteral("EMBOTELLADORA ANDINA SA");
    double total = 500;
};

// A shop without demo rows, its taxpayer NIT 102, one cash session the rows belong to.
struct Books {
    ShopFixture shop{false};
    QString cash;
    Books(int adminMode = 10)
    {
        shop.login();
        cash = shop.openCashSession(QDate(2015, 3, 1));
        SessionState::current().TaxpayerNit = QStringLiteral("102");
        SessionState::current().AdminMode = adminMode;
    }
    void store(const Sale& s)
    {
        shop.db().execute(
            QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, NroFact, NroAut, Estado, NitCI, Cliente, TotalF, TotalE, "
                           "Saldo, Neto, IVA, CodigoC, Sucursal, HoraV, FormaP, Comprobante, IdCaja, IdDosificacion) "
                           "VALUES(?, ?, ?, 290400110071234, ?, ?, ?, ?, ?, 0, ?, ?, ?, 0, '10:00:00', 1, 1, ?, ?)"),
            {s.id, s.date, s.invoice, s.state, s.nit, s.name, s.total, s.total, s.net, s.vat, s.code, cash, s.dosage});
    }
    void store(const Purchase& p)
    {
        shop.db().execute(
            QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, NroDUI, NroAut, TotalF, "
                           "TotalE, Saldo, Exentos, SubTotal, Descuentos, ImpBase, CreditoF, CodigoC, TipoC, FormaP, "
                           "Comprobante, Inventario, Cajero, IdCaja) "
                           "VALUES(?, ?, '1023456027', ?, ?, '0', '290400110071999', ?, ?, 0, 0, ?, 0, ?, ?, "
                           "'AB-12-CD-34', 1, 1, ?, 1, 'admin', ?)"),
            {p.id, p.date, p.supplier, p.invoice, p.total, p.total, p.total, p.total, p.total * 0.13, p.voucher, cash});
    }
    // The March 2015 book of the tax file example: invoices 1, 2 (annulled) and 5.
    void march()
    {
        store(Sale{"V000000001", "2015-03-02", 1, 1, "V", "4567890", QString::fromUtf8("PEÑA LOPEZ"), 45.5, 39.59, 5.915,
                   "7B-F3-48-A8"});
        store(Sale{"V000000002", "2015-03-15", 2, 1, "A", "0", "ANULADO", 0, 0, 0, "0"});
        store(Sale{"V000000003", "2015-03-20", 0, 0, "V", "0", "SIN FACTURA"});
        store(Sale{"V000000004", "2015-03-31", 5, 1, "V", "1020304025", "CASA | PEREZ", 100, 87, 13, "A1-B2-C3-D4"});
    }
};

void load(TFRLCV& window, const QString& year, const QString& month)
{
    window.findChild<QLineEdit*>("EAnio")->setText(year);
    Drive::choose(window, "CBMes", month);
    Drive::click(window, "SBCargar");
}

DataGrid* book(TFRLCV& window) { return window.findChild<DataGrid*>(window.kind() == BookKind::Sales ? "VecV" : "VecC"); }

QStringList column(DataGrid* grid, int column)
{
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells << grid->cell(column, row);
    return cells;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray kMarch2015 =
    "3|1|02/03/2015|1|290400110071234|V|4567890|PE\xD1"
    "A LOPEZ|45.50|0.00|0.00|0.00|45.50|0.00|39.59|5.92|7B-F3-48-A8\r\n"
    "3|2|15/03/2015|2|290400110071234|A|0|ANULADO|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0\r\n"
    "3|3|31/03/2015|5|290400110071234|V|1020304025|CASA   PEREZ|100.00|0.00|0.00|0.00|100.00|0.00|87.00|13.00|A1-B2-C3-D4\r\n";

}

class TstURLV : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheComputersMonth()
    {
        Books b;
        b.shop.clock.moment = QDateTime(QDate(2015, 3, 10), QTime(9, 0));
        b.march();
        TFRLCV window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Libro de Ventas"));
        QCOMPARE(window.findChild<QLineEdit*>("EAnio")->text(), QStringLiteral("2015"));
        QCOMPARE(window.findChild<QComboBox*>("CBMes")->currentText(), QStringLiteral("MARZO"));
        QCOMPARE(column(book(window), BookLines::SNroFact), QStringList({"1", "2", "5"}));
        QCOMPARE(book(window)->selectedRow(), 2);
        QCOMPARE(window.findChild<QLabel*>("LRegistro")->text(), QStringLiteral("Registro: 3 de 3"));
        window.alert()->close();
    }

    void marchBookFileByteForByte()
    {
        Books b;
        b.march();
        TFRLCV window;
        load(window, "2015", "MARZO");
        QCOMPARE(window.findChild<QLabel*>("LEstado")->text(), QStringLiteral("Faltan 2 Facturas"));
        TFMensajes* alert = window.alert();
        QVERIFY(alert->isVisible());
        QCOMPARE(alert->alertMode(), 1);
        QCOMPARE(alert->invoicesLabel()->text(), QStringLiteral("Faltan 2 Facturas y son las Siguentes: "));
        QCOMPARE(alert->invoicesMemo()->toPlainText(), QStringLiteral("3\n4"));
        alert->close();

        DataGrid* grid = book(window);
        const QColor green(0xC0, 0xDC, 0xC0);
        for (int c = 0; c <= BookLines::SSucursal; ++c) {
            QCOMPARE(grid->cellColor(c, 1), green);
            QVERIFY(grid->cellColor(c, 0) != green);
        }

        const QString path = b.shop.folder() + "Ventas_032015_102.txt";
        b.shop.files.paths << path;
        Drive::click(window, "SBExportarTXT");
        QCOMPARE(b.shop.files.requests, QStringList{b.shop.folder() + "Ventas_032015_102.txt|Archivo de Texto (*.txt)"});
        QCOMPARE(readFile(path), kMarch2015);
        QCOMPARE(b.shop.desktop.opened, QStringList{path});
        QVERIFY(b.shop.messages.all.isEmpty());
    }

    void monthWithoutInvoicesIsOneLine()
    {
        Books b;
        b.march();
        TFRLCV window;
        load(window, "2015", "JUNIO");
        QCOMPARE(book(window)->rowCount(), 1);
        QVERIFY(!window.alert()->isVisible());
        QCOMPARE(window.findChild<QLabel*>("LEstado")->text(), QStringLiteral("Reporte Correcto"));
        const QString path = b.shop.folder() + "out.txt";
        b.shop.files.paths << path;
        Drive::click(window, "SBExportarTXT");
        QCOMPARE(readFile(path), QByteArray("0|1|0|0|0|0||Sin Movimiento|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0\r\n"));
    }

    void purchasesBookFileByteForByte()
    {
        Books b(11);
        b.store(Purchase{"P000000001", "2015-03-20", 88, 1, "DISTRIBUIDORA LA CANASTA", 120.4});
        b.store(Purchase{"P000000002", "2015-03-05", 1234});
        b.store(Purchase{"P000000003", "2015-03-05", 77, 0});  // a receipt: not in the book
        b.store(Purchase{"P000000004", "2015-04-01", 5});
        TFRLCV window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Libro de Compras"));
        load(window, "2015", "MARZO");
        const QString path = b.shop.folder() + "Compras_032015_102.txt";
        b.shop.files.paths << path;
        Drive::click(window, "SBExportarTXT");
        QCOMPARE(b.shop.files.requests.value(0), b.shop.folder() + "Compras_032015_102.txt|Archivo de Texto (*.txt)");
        QCOMPARE(readFile(path),
                 QByteArray("1|1|05/03/2015|1023456027|EMBOTELLADORA ANDINA SA|1234|0|290400110071999|500.00|0.00|500.00|"
                            "0.00|500.00|65.00|AB-12-CD-34|1\r\n"
                            "1|2|20/03/2015|1023456027|DISTRIBUIDORA LA CANASTA|88|0|290400110071999|120.40|0.00|120.40|"
                            "0.00|120.40|15.65|AB-12-CD-34|1\r\n"));
    }

    void periods_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QStringList>("invoices");
        QTest::newRow("the month's last day in, the next month's first out") << "MARZO" << QStringList{"1", "2", "3"};
        QTest::newRow("February") << "FEBRERO" << QStringList{"9"};
        QTest::newRow("ANUAL, dosage by dosage") << "ANUAL" << QStringList{"9", "1", "2", "3", "4", "1"};
    }
    void periods()
    {
        QFETCH(QString, month);
        QFETCH(QStringList, invoices);
        Books b;
        b.store(Sale{"V000000001", "2015-02-28", 9, 1});
        b.store(Sale{"V000000002", "2015-03-01", 1, 2});
        b.store(Sale{"V000000003", "2015-03-31", 3, 2});
        b.store(Sale{"V000000004", "2015-03-10", 2, 2});
        b.store(Sale{"V000000005", "2015-04-01", 4, 2});
        b.store(Sale{"V000000006", "2015-12-31", 1, 3});
        b.store(Sale{"V000000007", "2016-01-01", 5, 3});
        TFRLCV window;
        load(window, "2015", month);
        QCOMPARE(column(book(window), BookLines::SNroFact), invoices);
        QVERIFY(!window.alert()->isVisible());  // a new dosage starting at 1 is no gap
    }

    void annualFileName()
    {
        Books b;
        b.march();
        TFRLCV window;
        load(window, "2015", "ANUAL");
        window.alert()->close();
        b.shop.files.paths << QString();  // cancelled
        Drive::click(window, "SBExportarTXT");
        QCOMPARE(b.shop.files.requests.value(0), b.shop.folder() + "Ventas_002015_102.txt|Archivo de Texto (*.txt)");
        QVERIFY(b.shop.desktop.opened.isEmpty());
        QCOMPARE(QDir(b.shop.folder()).entryList({"*.txt"}), QStringList{});
    }

    void failedSaveLeavesNothing()
    {
        Books b;
        b.march();
        TFRLCV window;
        load(window, "2015", "MARZO");
        window.alert()->close();
        const QString path = b.shop.folder() + "no-such-folder/Ventas_032015_102.txt";
        b.shop.files.paths << path;
        Drive::click(window, "SBExportarTXT");
        QCOMPARE(b.shop.messages.errors.size(), 1);
        QVERIFY(b.shop.messages.errors.first().startsWith("No se puede guardar el archivo " + path));
        QVERIFY(!QFile::exists(path));
        QVERIFY(b.shop.desktop.opened.isEmpty());
    }

    void desktopThatCannotOpenTheFile()
    {
        Books b;
        b.march();
        b.shop.desktop.opens = false;
        TFRLCV window;
        load(window, "2015", "MARZO");
        window.alert()->close();
        b.shop.files.paths << b.shop.folder() + "v.txt";
        Drive::click(window, "SBExportarTXT");
        QVERIFY(QFile::exists(b.shop.folder() + "v.txt"));
        QCOMPARE(b.shop.messages.plains, QStringList{"No es posible abrir el Bloc de Notas"});
    }

    void changingThePeriodEmptiesTheList()
    {
        Books b;
        b.march();
        TFRLCV window;
        load(window, "2015", "MARZO");
        window.alert()->close();
        Drive::type(window, "EAnio", "2016");
        QCOMPARE(book(window)->rowCount(), 0);
        for (const char* name : {"SBBuscar", "SBExportarTXT", "SBExportarXLS", "SBPrimero", "SBUltimo", "SBColumnas"})
            QVERIFY2(!Drive::enabled(window, name), name);
        QVERIFY(Drive::enabled(window, "SBCargar"));
        Drive::type(window, "EAnio", "");
        Drive::click(window, "SBCargar");  // an empty year loads nothing
        QCOMPARE(book(window)->rowCount(), 0);
        QVERIFY(b.shop.messages.all.isEmpty());
        Drive::type(window, "EAnio", "2015");
        Drive::key(window, "CBMes", Qt::Key_Return);  // Enter in the month loads
        QCOMPARE(book(window)->rowCount(), 3);
    }

    void hiddenColumnsAndNavigation()
    {
        Books b;
        b.march();
        TFRLCV window;
        load(window, "2015", "MARZO");
        window.alert()->close();
        DataGrid* grid = book(window);
        QVERIFY(grid->isColumnHidden(BookLines::SNroAut));
        Drive::click(window, "SBColumnas");
        QVERIFY(!grid->isColumnHidden(BookLines::SNroAut));
        QCOMPARE(Drive::control<QToolButton>(window, "SBColumnas")->toolTip(), QStringLiteral("Ocultar Columnas"));
        Drive::click(window, "SBColumnas");
        QVERIFY(grid->isColumnHidden(BookLines::SNroAut));
        QCOMPARE(Drive::control<QToolButton>(window, "SBColumnas")->toolTip(), QStringLiteral("Mostrar Columnas"));
        Drive::click(window, "SBPrimero");
        QCOMPARE(window.findChild<QLabel*>("LRegistro")->text(), QStringLiteral("Registro: 1 de 3"));
        Drive::click(window, "SBSiguiente");
        QCOMPARE(window.findChild<QLabel*>("LRegistro")->text(), QStringLiteral("Registro: 2 de 3"));
    }

    void searchFindsAnInvoice()
    {
        Books b;
        b.march();
        TFRLCV window;
        load(window, "2015", "MARZO");
        window.alert()->close();
        Drive::click(window, "SBBuscar");
        TFBuscar2* search = window.searchDialog();
        QVERIFY(search->isVisible());
        QCOMPARE(search->mode(), SearchDialogMode::SalesBook);
        QCOMPARE(MainStatus::text(3), QString::fromUtf8("Operación: Buscando Registros"));
        search->setOption(TFBuscar2::ByName);
        search->setSearchText("peña");
        QVERIFY(search->findNext());
        QCOMPARE(book(window)->selectedRow(), 0);
    }

    void salesSpreadsheetReadBack()
    {
        Books b;
        b.march();
        TFRLCV window;
        load(window, "2015", "MARZO");
        window.alert()->close();
        const QString path = b.shop.folder() + "Ventas_032015_102.xlsx";
        b.shop.files.paths << path;
        Drive::click(window, "SBExportarXLS");
        QCOMPARE(b.shop.files.requests.value(0), b.shop.folder() + "Ventas_032015_102.xlsx|Libro de Excel (*.xlsx)");
        QVERIFY2(b.shop.messages.all.isEmpty(), qPrintable(b.shop.messages.all.join('\n')));
        QCOMPARE(b.shop.desktop.opened, QStringList{path});
        SheetReader sheet;
        QCOMPARE(sheet.read(path), QString());

        QCOMPARE(sheet.cell("A1").value.toString(), QStringLiteral("MI NEGOCIO"));
        QCOMPARE(sheet.cell("A2").value.toString(), QStringLiteral("Libro de Ventas Sucursal: 0"));
        QCOMPARE(sheet.cell("A3").value.toString(), QStringLiteral("Periodo: MARZO/2015"));
        QVERIFY(sheet.cell("Q1").bold && sheet.cell("A4").bold);
        const QStringList headings{"ESP.",
                                   "Nº",
                                   "Fecha",
                                   "Nº Fact.",
                                   "Num. de Aut.",
                                   "Estado",
                                   "Nit/CI Cliente",
                                   "Nombre o Razon Social Cliente",
                                   "Importe Total",
                                   "ICE",
                                   "Exentos",
                                   "Gravamens",
                                   "SubTotal",
                                   "Descuentos",
                                   "Neto",
                                   "Debito Fiscal",
                                   "Codigo de Control"};
        for (int c = 0; c < headings.size(); ++c) {
            const QString ref = QChar('A' + c) + QStringLiteral("6");
            const SheetCell h = sheet.cell(ref);
            QCOMPARE(h.value.toString(), headings.at(c));
            QVERIFY2(h.bold && h.fill == "FFFFFF00" && h.top == "thin", qPrintable(ref));
            QCOMPARE(sheet.cell(QChar('A' + c) + QStringLiteral("7")).top, QStringLiteral("thin"));
            QCOMPARE(sheet.cell(QChar('A' + c) + QStringLiteral("8")).top, QString());
        }
        const double widths[] = {5, 5, 12, 6, 16, 5, 12, 35, 8, 8, 8, 8, 8, 8, 8, 8, 16};
        for (int c = 0; c < 17; ++c)
            QCOMPARE(sheet.width(QString(QChar('A' + c))), widths[c]);

        const struct {
            const char* ref;
            const char* type;
            QJsonValue value;
            const char* format;
        } cells[] = {
            {"A7", "n", 3, "General"},
            {"B7", "n", 1, "General"},
            {"C7", "d", "2015-03-02", "dd/mm/yyyy"},
            {"D7", "s", "1", "General"},
            {"E7", "s", "290400110071234", "General"},
            {"F8", "s", "A", "General"},
            {"G7", "s", "4567890", "General"},
            {"H7", "s", QString::fromUtf8("PEÑA LOPEZ"), "General"},
            {"I7", "n", 45.5, "0.00"},
            {"P7", "n", 5.92, "0.00"},
            {"Q7", "s", "7B-F3-48-A8", "General"},
            {"H9", "s", "CASA | PEREZ", "General"},
        };
        for (const auto& c : cells) {
            const SheetCell got = sheet.cell(c.ref);
            QVERIFY2(got.type == QLatin1String(c.type), c.ref);
            QVERIFY2(got.value == c.value, c.ref);
            QVERIFY2(got.format == QLatin1String(c.format), c.ref);
            QVERIFY2(!got.bold, c.ref);
        }
        QCOMPARE(sheet.cell("B7").align, QStringLiteral("left"));
        QCOMPARE(sheet.cell("F9").align, QStringLiteral("left"));
        QCOMPARE(sheet.cell("G7").align, QString());
        QVERIFY(!sheet.cell("A10").exists);
    }

    void purchasesSpreadsheetKeepsIdentifiersAsText()
    {
        Books b(11);
        b.store(Purchase{"P000000001", "2015-03-05", 1234});
        TFRLCV window;
        load(window, "2015", "MARZO");
        const QString path = b.shop.folder() + "c.xlsx";
        b.shop.files.paths << path;
        Drive::click(window, "SBExportarXLS");
        SheetReader sheet;
        QCOMPARE(sheet.read(path), QString());
        QCOMPARE(sheet.cell("A2").value.toString(), QStringLiteral("Libro de Compras Sucursal: 0"));
        QCOMPARE(sheet.cell("G6").value.toString(), QStringLiteral("Nº CUI"));
        QCOMPARE(sheet.cell("D7").type, QStringLiteral("s"));
        QCOMPARE(sheet.cell("F7").value.toString(), QStringLiteral("1234"));
        QCOMPARE(sheet.cell("F7").type, QStringLiteral("s"));
        QCOMPARE(sheet.cell("H7").value.toString(), QStringLiteral("290400110071999"));
        QCOMPARE(sheet.cell("N7").value.toDouble(), 65.0);
        QCOMPARE(sheet.cell("P7").type, QStringLiteral("n"));
        const double widths[] = {5, 5, 12, 12, 35, 12, 5, 12, 10, 6, 6, 6, 10, 8, 10, 5};
        for (int c = 0; c < 16; ++c)
            QCOMPARE(sheet.width(QString(QChar('A' + c))), widths[c]);
    }

    void activationNamesTheBook()
    {
        Books b(11);
        TFRLCV window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Reporte Libro de Compras"));
    }

    // Not a check: renders the book with its alert when CVI_SAMPLE_DIR is set.
    void snapshots()
    {
        const QByteArray dir = qgetenv("CVI_SAMPLE_DIR");
        if (dir.isEmpty())
            QSKIP("set CVI_SAMPLE_DIR to write the book window's pictures");
        Books b;
        b.march();
        for (int n = 6; n <= 30; ++n)
            b.store(Sale{QStringLiteral("V0000001%1").arg(n, 2, 10, QChar('0')), "2015-03-31", n + (n > 20 ? 3 : 0), 1,
                         n % 9 == 0 ? "A" : "V", "3344556", QStringLiteral("CLIENTE NUMERO %1").arg(n), 12.5 * n, 10.875 * n,
                         1.625 * n, "1A-2B-3C-4D"});
        TFRLCV window;
        load(window, "2015", "MARZO");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString folder = QString::fromLocal8Bit(dir);
        QVERIFY(window.grab().save(folder + "/libro-ventas.png"));
        QVERIFY(window.alert()->grab().save(folder + "/libro-ventas-alerta.png"));
        window.alert()->close();
        Drive::click(window, "SBBuscar");
        QVERIFY(window.searchDialog()->grab().save(folder + "/buscar-registros.png"));
    }
};

QTEST_MAIN(TstURLV)
#include "tst_urlv.moc"
