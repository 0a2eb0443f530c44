#include "ShopFixture.h"

#include "data/MainStatus.h"
#include "data/SessionState.h"
#include "data/DatabaseError.h"
#include "masterdata/SupplierStore.h"
#include "masterdata/ui/UProveedores.h"
#include "masterdata/VoucherStore.h"
#include "widgets/DataGrid.h"
#include "WindowDriver.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

namespace {

using P = TFProveedores::SupplierColumn;
using C = TFProveedores::ClientColumn;

struct Window {
    ShopFixture shop;
    std::unique_ptr<TFProveedores> window;

    explicit Window(int mode)
    {
        shop.login();
        SessionState::current().MasterMode = mode;
        window = std::make_unique<TFProveedores>();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }
    TFProveedores& w() { return *window; }
    DataGrid* grid(const char* name) { return Drive::control<DataGrid>(w(), name); }
    SqlRows row(const QString& sql, const QVariantList& values = {}) { return shop.db().query(sql, values); }
    qint64 count(const QString& table) { return row(QStringLiteral("SELECT COUNT(*) FROM ") + table).integer(0); }
    void clickCell(const char* gridName, int row, int column)
    {
        DataGrid* g = grid(gridName);
        const QRect cell = g->visualRect(g->model()->index(row, column));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    }
    int rowOf(const char* gridName, const QString& nitCI)
    {
        const DataGrid* g = grid(gridName);
        for (int row = 0; row < g->rowCount(); ++row)
            if (g->cell(1, row) == nitCI)
                return row;
        return -1;
    }
};

QString ownStatus(const QWidget& window)
{
    return Drive::control<QStatusBar>(window, "SBar1")->findChild<QLabel*>()->text();
}

}

class TstUProveedores : public QObject {
    Q_OBJECT
private slots:
    void eachModeShowsItsPanel_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("mainStatus");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("1 suppliers") << 1 << "PProveedores"
                                     << "Proveedores"
                                     << "Gestionar Proveedore"
                                     << "Gestionar Proveedores"
                                     << "VecP" << QStringList{"DISTRIBUIDORA LA CANASTA", "EMBOTELLADORA ANDINA SA"};
        QTest::newRow("2 clients") << 2 << "PClientes"
                                   << "Clientes"
                                   << "Gestionar Clientes"
                                   << "Gestionar Clientes"
                                   << "VecC"
                                   << QStringList{"CARLOS O'BRIEN ROCA", "MARIA QUISPE CONDORI", "RESTAURANTE EL SOL SRL"};
        QTest::newRow("3 sale vouchers") << 3 << "PComprobanteV"
                                         << "Comprobantes de Venta"
                                         << "Gestionar Comprobantes de Venta"
                                         << "Gestionar Comprobantes de Venta"
                                         << "VecV" << QStringList{"NOTA DE VENTA", "FACTURA", "RECIBO"};
        QTest::newRow("4 purchase vouchers") << 4 << "PComprobanteC"
                                             << "Comprobantes de Compra"
                                             << "Gestionar Comprobantes de Compra"
                                             << "Gestionar Comprobantes de Compra"
                                             << "VecCC" << QStringList{"RECIBO", "FACTURA/POLIZA (DUI)", "NOTA DE COMPRA"};
    }
    void eachModeShowsItsPanel()
    {
        QFETCH(int, mode);
        QFETCH(QString, panel);
        QFETCH(QString, grid);
        QFETCH(QStringList, names);
        Window t(mode);
        QCOMPARE(t.w().masterMode(), mode);
        for (const char* name : {"PProveedores", "PClientes", "PComprobanteV", "PComprobanteC"})
            QCOMPARE(Drive::visible(t.w(), name), panel == QLatin1String(name));
        QTEST(t.w().windowTitle(), "caption");
        QTEST(ownStatus(t.w()), "status");
        t.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.w()));
        QTEST(MainStatus::text(3), "mainStatus");
        const DataGrid* list = t.grid(qPrintable(grid));
        QStringList listed;
        for (int row = 0; row < list->rowCount(); ++row)
            listed << list->cell(2, row);
        QCOMPARE(listed, names);
        QCOMPARE(list->cell(0, names.size() - 1), QString::number(names.size()));
        QVERIFY(t.shop.messages.all.isEmpty());
    }

    void supplierInsertRefusals_data()
    {
        QTest::addColumn<QString>("nit");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString incomplete = QStringLiteral("Inserte almenos Nit/CI y Razon Social para registrar el Proveedor");
        const QString taken = QStringLiteral("El Proveedor con ese Numero de Nit/CI ya esta Registrado");
        QTest::newRow("no NIT/CI") << ""
                                   << "NUEVO SRL" << incomplete;
        QTest::newRow("no name") << "555"
                                 << "" << incomplete;
        QTest::newRow("blank name") << "555"
                                    << "   " << incomplete;
        QTest::newRow("NIT/CI of an enabled supplier") << "1023456027"
                                                       << "OTRO" << taken;
        QTest::newRow("NIT/CI of a disabled supplier") << "222"
                                                       << "OTRO" << taken;
    }
    void supplierInsertRefusals()
    {
        QFETCH(QString, nit);
        QFETCH(QString, name);
        Window t(1);
        t.shop.db().execute(QStringLiteral("INSERT INTO Proveedores(NitCI, RSocial, Estado) VALUES('222', 'INACTIVO', 0)"));
        const qint64 before = t.count(QStringLiteral("Proveedores"));
        Drive::click(t.w(), "SBNuevo");
        Drive::type(t.w(), "ENitCI", nit);
        Drive::type(t.w(), "ERSocial", name);
        Drive::click(t.w(), "SBInsertar");
        QFETCH(QString, message);
        QCOMPARE(t.shop.messages.infos, QStringList{message});
        QCOMPARE(t.count(QStringLiteral("Proveedores")), before);
        QCOMPARE(t.grid("VecP")->rowCount(), 2);
    }

    void supplierInsertStoresWhatWasTyped()
    {
        Window t(1);
        Drive::click(t.w(), "SBNuevo");
        QVERIFY(!Drive::control<QLineEdit>(t.w(), "ENitCI")->isReadOnly());
        Drive::type(t.w(), "ENitCI", QStringLiteral("45a67.8"));
        Drive::type(t.w(), "ERSocial", QStringLiteral("ferreteria o'hara"));
        Drive::type(t.w(), "ETelefono", QStringLiteral("2201234"));
        Drive::type(t.w(), "ECelular", QStringLiteral("71234567"));
        Drive::type(t.w(), "ECBancaria", QStringLiteral("bnb 10-22"));
        Drive::type(t.w(), "ERepresentante", QStringLiteral("juan"));
        Drive::type(t.w(), "EDireccion", QStringLiteral("c. sucre 1"));
        Drive::type(t.w(), "EEmail", QStringLiteral("o'brien@x.bo"));
        Drive::choose(t.w(), "CBEstado", QStringLiteral("DESHABILITADO"));
        Drive::click(t.w(), "SBInsertar");
        QVERIFY2(t.shop.messages.all.isEmpty(), qPrintable(t.shop.messages.all.join('|')));

        SqlRows stored = t.row(QStringLiteral("SELECT * FROM Proveedores WHERE NitCI='4567.8'"));
        QCOMPARE(stored.count(), 1);
        QStringList values;
        for (int column = 0; column < 10; ++column)
            values << stored.text(column);
        QCOMPARE(values, (QStringList{"4567.8", "FERRETERIA OHARA", "2201234", "71234567", "BNB 10-22", "JUAN", "C. SUCRE 1",
                                      "o'brien@x.bo", "admin", "0"}));
        const DataGrid* list = t.grid("VecP");
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->cell(P::PColNitCI, 2), QStringLiteral("4567.8"));  // appended at the end
        QCOMPARE(list->cell(P::PColNro, 2), QStringLiteral("3"));
        QVERIFY(!list->isChecked(P::PColEstado, 2));
        // ready for the next one
        QVERIFY(Drive::text(t.w(), "ENitCI").isEmpty());
        QVERIFY(Drive::enabled(t.w(), "SBInsertar"));
        QVERIFY(!Drive::enabled(t.w(), "SBActualizar"));
        QCOMPARE(Drive::control<QComboBox>(t.w(), "CBEstado")->currentText(), QStringLiteral("HABILITADO"));
    }

    void supplierSelectAndUpdate()
    {
        Window t(1);
        DataGrid* list = t.grid("VecP");
        list->goToRow(1);
        QCOMPARE(Drive::text(t.w(), "ENitCI"), QStringLiteral("1023456027"));
        QCOMPARE(Drive::text(t.w(), "ERSocial"), QStringLiteral("EMBOTELLADORA ANDINA SA"));
        QCOMPARE(Drive::text(t.w(), "ECBancaria"), QStringLiteral("1000-2233-44"));
        QCOMPARE(Drive::text(t.w(), "ERepresentante"), QStringLiteral("LUIS MENDOZA"));
        QCOMPARE(Drive::text(t.w(), "EEmail"), QStringLiteral("ventas@andina.bo"));
        QVERIFY(Drive::control<QLineEdit>(t.w(), "ENitCI")->isReadOnly());
        QVERIFY(Drive::enabled(t.w(), "SBActualizar"));
        QVERIFY(!Drive::enabled(t.w(), "SBInsertar"));

        Drive::type(t.w(), "ERSocial", QStringLiteral("EMBOTELLADORA DEL SUR"));
        Drive::type(t.w(), "EEmail", QStringLiteral("sur@x.bo"));
        Drive::choose(t.w(), "CBEstado", QStringLiteral("DESHABILITADO"));
        Drive::click(t.w(), "SBActualizar");
        QCOMPARE(t.shop.messages.infos, QStringList{"Registro Actualizado Correctamente"});
        SqlRows stored =
            t.row(QStringLiteral("SELECT RSocial, Email, Estado, Usuario FROM Proveedores WHERE NitCI='1023456027'"));
        QCOMPARE(stored.text(0), QStringLiteral("EMBOTELLADORA DEL SUR"));
        QCOMPARE(stored.text(1), QStringLiteral("sur@x.bo"));
        QCOMPARE(stored.integer(2), 0);
        QCOMPARE(stored.text(3), QStringLiteral("admin"));
        QCOMPARE(list->cell(P::PColRSocial, 1), QStringLiteral("EMBOTELLADORA DEL SUR"));
        QVERIFY(!list->isChecked(P::PColEstado, 1));

        t.shop.messages.clear();
        Drive::type(t.w(), "ERSocial", QString());
        Drive::click(t.w(), "SBActualizar");
        QCOMPARE(t.shop.messages.infos, QStringList{"Inserte correctamente los Datos"});
        QCOMPARE(t.row(QStringLiteral("SELECT RSocial FROM Proveedores WHERE NitCI='1023456027'")).text(0),
                 QStringLiteral("EMBOTELLADORA DEL SUR"));

        // Deleted at another counter meanwhile: no success is claimed.
        t.shop.messages.clear();
        t.shop.db().execute(QStringLiteral("DELETE FROM Proveedores WHERE NitCI='1023456027'"));
        Drive::type(t.w(), "ERSocial", QStringLiteral("OTRO"));
        Drive::click(t.w(), "SBActualizar");
        QCOMPARE(t.shop.messages.infos, QStringList{"El Proveedor ya no esta Registrado"});
        QCOMPARE(t.count(QStringLiteral("Proveedores")), 1);
    }

    void enableBoxWritesAtOnce_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("table");
        QTest::newRow("suppliers") << 1 << "Proveedores";
        QTest::newRow("clients") << 2 << "Clientes";
    }
    void enableBoxWritesAtOnce()
    {
        QFETCH(int, mode);
        QFETCH(QString, table);
        Window t(mode);
        const char* gridName = mode == 1 ? "VecP" : "VecC";
        const int column = mode == 1 ? int(P::PColEstado) : int(C::CColEstado);
        const QString nit = t.grid(gridName)->cell(1, 0);
        auto stored = [&] {
            return t.row(QStringLiteral("SELECT Estado FROM %1 WHERE NitCI=?").arg(table), {nit}).integer(0);
        };
        t.clickCell(gridName, 0, column);
        QCOMPARE(stored(), 0);
        QVERIFY(!t.grid(gridName)->isChecked(column, 0));
        if (mode == 1)
            QCOMPARE(Drive::control<QComboBox>(t.w(), "CBEstado")->currentText(), QStringLiteral("DESHABILITADO"));
        t.clickCell(gridName, 0, column);
        QCOMPARE(stored(), 1);
        QVERIFY(t.grid(gridName)->isChecked(column, 0));

        // A refused write puts the box back and says why.
        t.shop.db().execute(
            QStringLiteral("CREATE TRIGGER NoChange BEFORE UPDATE ON %1 BEGIN SELECT RAISE(ABORT, 'registro bloqueado'); END")
                .arg(table));
        t.clickCell(gridName, 0, column);
        QVERIFY(t.grid(gridName)->isChecked(column, 0));
        QCOMPARE(stored(), 1);
        QCOMPARE(t.shop.messages.errors, QStringList{"registro bloqueado"});
        t.shop.db().execute(QStringLiteral("DROP TRIGGER NoChange"));

        // Deleted at another counter: the box goes back too.
        t.shop.db().execute(QStringLiteral("DELETE FROM %1 WHERE NitCI=?").arg(table), {nit});
        t.clickCell(gridName, 0, column);
        QVERIFY(t.grid(gridName)->isChecked(column, 0));
        QCOMPARE(t.shop.messages.infos.size(), 1);
        QVERIFY(t.shop.messages.infos[0].endsWith(QStringLiteral("ya no esta Registrado")));
    }

    // After "NUEVO" the row stays highlighted: a click on it shows it again, as on any other row.
    void clickOnTheHighlightedRowShowsIt_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("nuevo");
        QTest::addColumn<QString>("field");
        QTest::newRow("suppliers") << 1 << "VecP"
                                   << "SBNuevo"
                                   << "ERSocial";
        QTest::newRow("clients") << 2 << "VecC"
                                 << "SBNuevoC"
                                 << "ECliente";
    }
    void clickOnTheHighlightedRowShowsIt()
    {
        QFETCH(int, mode);
        QFETCH(QString, grid);
        QFETCH(QString, nuevo);
        QFETCH(QString, field);
        Window t(mode);
        const QString name = t.grid(qPrintable(grid))->cell(2, 1);
        t.clickCell(qPrintable(grid), 1, 2);
        QCOMPARE(Drive::text(t.w(), qPrintable(field)), name);
        Drive::click(t.w(), qPrintable(nuevo));
        QCOMPARE(Drive::text(t.w(), qPrintable(field)), QString());
        t.clickCell(qPrintable(grid), 1, 2);
        QCOMPARE(Drive::text(t.w(), qPrintable(field)), name);
    }

    void deleting_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("used");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("refusal");
        const QString supplierQ = "Esta Seguro de querer Eliminar el Proveedor?...";
        const QString clientQ = "Esta Seguro de querer Eliminar el Cliente?...";
        const QString supplierUsed = "El Proveedor tiene compras registradas: eliminarlo cambiaria los reportes. Para "
                                     "dejar de usarlo, desactivelo (quite la marca de la columna E)";
        const QString clientUsed = "El Cliente tiene ventas o entregas registradas: eliminarlo cambiaria los reportes y "
                                   "sus deudas perderian el nombre. Para dejar de usarlo, desactivelo (quite la marca "
                                   "de la columna E)";
        QTest::newRow("supplier, yes") << 1 << true << false << "Eliminar Proveedor" << supplierQ << "";
        QTest::newRow("supplier, no") << 1 << false << false << "Eliminar Proveedor" << supplierQ << "";
        QTest::newRow("supplier with purchases") << 1 << true << true << "Eliminar Proveedor" << supplierQ << supplierUsed;
        QTest::newRow("client, yes") << 2 << true << false << "Eliminar Cliente" << clientQ << "";
        QTest::newRow("client, no") << 2 << false << false << "Eliminar Cliente" << clientQ << "";
        QTest::newRow("client with sales") << 2 << true << true << "Eliminar Cliente" << clientQ << clientUsed;
    }
    void deleting()
    {
        QFETCH(int, mode);
        QFETCH(bool, yes);
        QFETCH(bool, used);
        QFETCH(QString, refusal);
        Window t(mode);
        const QString table = mode == 1 ? QStringLiteral("Proveedores") : QStringLiteral("Clientes");
        const char* gridName = mode == 1 ? "VecP" : "VecC";
        const QString first = t.grid(gridName)->cell(1, 0);
        // A purchase and a sale of someone else, or (used) of the row being deleted.
        const QString other = QStringLiteral("99887766");
        const QString caja = t.shop.openCashSession(QDate(2026, 12, 9));
        t.shop.db().execute(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, IdCaja) "
                                           "VALUES('P000000001', '2026-12-09', ?, 'DISTRIBUIDORA LA CANASTA', ?)"),
                            {used && mode == 1 ? first : other, caja});
        t.shop.db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, NitCI, Cliente, IdCaja) "
                                           "VALUES('V000000001', '2026-12-09', ?, 'CARLOS O''BRIEN ROCA', ?)"),
                            {used && mode == 2 ? first : other, caja});
        const int rows = t.grid(gridName)->rowCount();
        t.grid(gridName)->goToRow(0);
        t.shop.messages.answerNext(yes);
        t.clickCell(gridName, 0, mode == 1 ? int(P::PColBorrar) : int(C::CColBorrar));
        QCOMPARE(t.shop.messages.questions.size(), 1);
        QTEST(t.shop.messages.questions[0].first, "title");
        QTEST(t.shop.messages.questions[0].second, "question");
        QCOMPARE(t.shop.messages.infos, refusal.isEmpty() ? QStringList() : QStringList{refusal});
        const bool gone = yes && !used;
        const qint64 left = t.row(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE NitCI=?").arg(table), {first}).integer(0);
        QCOMPARE(left, gone ? 0 : 1);
        QCOMPARE(t.grid(gridName)->rowCount(), gone ? rows - 1 : rows);
        if (gone) {
            QCOMPARE(t.grid(gridName)->cell(0, 0), QStringLiteral("1"));
            QVERIFY(Drive::text(t.w(), mode == 1 ? "ENitCI" : "ENitCIC") != first);  // never the deleted one
        }
        QCOMPARE(t.count(QStringLiteral("Compras")) + t.count(QStringLiteral("Ventas")), 2);
    }

    void clientInsertRefusals_data()
    {
        QTest::addColumn<QString>("nit");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("no NIT/CI") << ""
                                   << "PEDRO"
                                   << "Inserte correctamente los Datos";
        QTest::newRow("no name") << "777"
                                 << ""
                                 << "Inserte correctamente los Datos";
        QTest::newRow("NIT/CI taken") << "4567890"
                                      << "OTRA"
                                      << "El Cliente con ese Numero de Nit/CI ya esta Registrado";
        QTest::newRow("NIT/CI of a disabled client") << "111"
                                                     << "OTRA"
                                                     << "El Cliente con ese Numero de Nit/CI ya esta Registrado";
    }
    void clientInsertRefusals()
    {
        QFETCH(QString, nit);
        QFETCH(QString, name);
        Window t(2);
        t.shop.db().execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente, Estado) VALUES('111', 'INACTIVA', 0)"));
        const qint64 before = t.count(QStringLiteral("Clientes"));
        Drive::click(t.w(), "SBNuevoC");
        Drive::type(t.w(), "ENitCIC", nit);
        Drive::type(t.w(), "ECliente", name);
        Drive::click(t.w(), "SBInsertarC");
        QFETCH(QString, message);
        QCOMPARE(t.shop.messages.infos, QStringList{message});
        QCOMPARE(t.count(QStringLiteral("Clientes")), before);
    }

    void clientInsertSelectAndUpdate()
    {
        Window t(2);
        Drive::click(t.w(), "SBNuevoC");
        Drive::type(t.w(), "ENitCIC", QStringLiteral("7788990"));
        Drive::type(t.w(), "ECliente", QStringLiteral("rosa mamani"));
        Drive::type(t.w(), "EDireccionC", QStringLiteral("av. buenos aires"));
        Drive::type(t.w(), "ETelefonoC", QStringLiteral("2456789"));
        Drive::type(t.w(), "ECelularC", QStringLiteral("60011223"));
        Drive::type(t.w(), "EEmpresa", QStringLiteral("cotel"));
        Drive::choose(t.w(), "CBCreditos", QStringLiteral("3"));
        Drive::click(t.w(), "SBInsertarC");
        QVERIFY2(t.shop.messages.all.isEmpty(), qPrintable(t.shop.messages.all.join('|')));
        SqlRows stored = t.row(QStringLiteral("SELECT * FROM Clientes WHERE NitCI='7788990'"));
        QStringList values;
        for (int column = 0; column < 10; ++column)
            values << stored.text(column);
        QCOMPARE(values, (QStringList{"7788990", "ROSA MAMANI", "AV. BUENOS AIRES", "2456789", "60011223", "COTEL", "0", "3",
                                      "admin", "1"}));
        DataGrid* list = t.grid("VecC");
        const int row = list->rowCount() - 1;
        QCOMPARE(list->cell(C::CColNitCI, row), QStringLiteral("7788990"));
        QCOMPARE(list->cell(C::CColVentas, row), QStringLiteral("0"));
        QVERIFY(list->isChecked(C::CColEstado, row));

        // A client with sales keeps their count and state through an update.
        t.shop.db().execute(QStringLiteral("UPDATE Clientes SET NVentas=5, Estado=0 WHERE NitCI='4567890'"));
        list->goToRow(t.rowOf("VecC", QStringLiteral("4567890")));
        QCOMPARE(Drive::text(t.w(), "ECliente"), QStringLiteral("MARIA QUISPE CONDORI"));
        QCOMPARE(Drive::text(t.w(), "ETelefonoC"), QStringLiteral("2201234"));
        QCOMPARE(Drive::control<QComboBox>(t.w(), "CBCreditos")->currentText(), QStringLiteral("3"));
        QVERIFY(Drive::control<QLineEdit>(t.w(), "ENitCIC")->isReadOnly());
        Drive::type(t.w(), "EEmpresa", QStringLiteral("ENTEL"));
        Drive::choose(t.w(), "CBCreditos", QStringLiteral("0"));
        Drive::click(t.w(), "SBActualizarC");
        QCOMPARE(t.shop.messages.infos, QStringList{"Registro Actualizado Correctamente"});
        stored = t.row(QStringLiteral("SELECT Empresa, NCreditos, NVentas, Estado FROM Clientes WHERE NitCI='4567890'"));
        QCOMPARE(stored.text(0), QStringLiteral("ENTEL"));
        QCOMPARE(stored.integer(1), 0);
        QCOMPARE(stored.integer(2), 5);
        QCOMPARE(stored.integer(3), 0);
        const int maria = t.rowOf("VecC", QStringLiteral("4567890"));
        QCOMPARE(list->cell(C::CColEmpresa, maria), QStringLiteral("ENTEL"));
        QCOMPARE(list->cell(C::CColCreditos, maria), QStringLiteral("0"));
    }

    // Only the number of the chosen kind changes, and only with a whole number of up to 10 digits.
    void voucherNumbers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint64>("stored");  // the chosen kind's Numero afterwards
        const QString bad = QStringLiteral("Inserte correctamente los Datos");
        const QString done = QStringLiteral("Registro Actualizado Correctamente");
        QTest::newRow("purchase kind") << 4 << 1 << "150" << done << qint64(150);
        QTest::newRow("sale kind, ten digits") << 3 << 2 << "9999999999" << done << qint64(9999999999);
        QTest::newRow("an eleventh digit never types") << 3 << 0 << "12345678901" << done << qint64(1234567890);
        QTest::newRow("empty") << 4 << 1 << "" << bad << qint64(0);
        QTest::newRow("with a point") << 4 << 1 << "15.5" << bad << qint64(0);
        QTest::newRow("no row chosen") << 4 << -1 << "10" << bad << qint64(0);
    }
    void voucherNumbers()
    {
        QFETCH(int, mode);
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(qint64, stored);
        Window t(mode);
        const bool sales = mode == 3;
        const char* grid = sales ? "VecV" : "VecCC";
        const QString table = sales ? QStringLiteral("ComprobanteV") : QStringLiteral("ComprobanteC");
        const QString other = sales ? QStringLiteral("ComprobanteC") : QStringLiteral("ComprobanteV");
        if (row >= 0) {
            t.grid(grid)->goToRow(row);
            QCOMPARE(Drive::text(t.w(), sales ? "EIDCompV" : "EIDCompC"), QString::number(row + 1));
            QCOMPARE(Drive::text(t.w(), sales ? "EComprobanteV" : "EComprobanteC"), t.grid(grid)->cell(2, row));
        }
        Drive::type(t.w(), sales ? "ENumeroV" : "ENumeroC", typed);
        Drive::click(t.w(), sales ? "SBActualizarCV" : "SBActualizarCC");
        QTEST(t.shop.messages.infos.value(0), "message");
        const SqlRows numbers = t.row(QStringLiteral("SELECT SUM(Numero), COUNT(*) FROM %1").arg(table));
        QCOMPARE(numbers.integer(0), stored);  // the chosen kind's number; the others stay 0
        QCOMPARE(t.row(QStringLiteral("SELECT SUM(Numero) FROM %1").arg(other)).integer(0), 0);
        if (row >= 0 && stored > 0)
            QCOMPARE(t.grid(grid)->cell(TFProveedores::VColNumero, row), QString::number(stored));
    }

    void voucherStoreRefusesWhatTheBoxCannotHold_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("stored");
        QTest::newRow("eleven digits") << "1"
                                       << "12345678901" << false;
        QTest::newRow("negative") << "1"
                                  << "-5" << false;
        QTest::newRow("a kind that is not there") << "9"
                                                  << "5" << false;
        QTest::newRow("fine") << "3"
                              << "0012" << true;
    }
    void voucherStoreRefusesWhatTheBoxCannotHold()
    {
        QFETCH(QString, id);
        QFETCH(QString, number);
        QFETCH(bool, stored);
        ShopFixture shop;
        const QString refusal = VoucherStore::UpdateNumber(VoucherStore::Kind::Purchases, id, number);
        QCOMPARE(refusal.isEmpty(), stored);
        QCOMPARE(shop.db().query(QStringLiteral("SELECT SUM(Numero) FROM ComprobanteC")).integer(0), stored ? 12 : 0);
    }

    // A text longer than its column (pasted past a box, or from another program) is refused whole
    // with a message naming the field; nothing is written.
    void textLongerThanItsColumnIsRefused()
    {
        ShopFixture shop;
        shop.login();
        SupplierStore::Supplier supplier;
        supplier.NitCI = QStringLiteral("555");
        supplier.RSocial = QString(51, QLatin1Char('X'));
        try {
            SupplierStore::Insert(supplier, QStringLiteral("admin"));
            QFAIL("a 51-character name was stored");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.text(), QStringLiteral("El dato \"RSocial\" no puede tener mas de 50 caracteres"));
        }
        QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Proveedores WHERE NitCI='555'")).integer(0), 0);
    }

    // Not a check: renders the four panels when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the panels");
        QDir().mkpath(folder);
        for (int mode = 1; mode <= 4; ++mode) {
            Window t(mode);
            if (DataGrid* list = t.w().findChild<DataGrid*>(mode == 1   ? "VecP"
                                                            : mode == 2 ? "VecC"
                                                            : mode == 3 ? "VecV"
                                                                        : "VecCC"))
                list->goToRow(1);
            QVERIFY(t.w().grab().save(folder + QStringLiteral("/proveedores-%1.png").arg(mode)));
        }
    }
};

QTEST_MAIN(TstUProveedores)
#include "tst_uproveedores.moc"
