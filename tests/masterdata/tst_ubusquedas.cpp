#include "ShopFixture.h"

#include "masterdata/ui/PickerChoice.h"
#include "masterdata/PickerMode.h"
#include "masterdata/ui/UBusquedas.h"
#include "widgets/DataGrid.h"
#include "WindowDriver.h"

#include <QDir>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// The demo shop's clients and suppliers plus a disabled one of each, and sales that make
// MARIA QUISPE CONDORI owe three times while the others' credit is paid, annulled or disabled.
struct PickerShop {
    ShopFixture shop;

    PickerShop()
    {
        shop.login();
        const QString caja = shop.openCashSession(QDate(2026, 12, 9));
        auto& db = shop.db();
        db.execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente, Estado) VALUES('111', 'ANA DESHABILITADA', 0)"));
        db.execute(QStringLiteral("INSERT INTO Proveedores(NitCI, RSocial, Estado) VALUES('222', 'AAA INACTIVO', 0)"));
        const QString sale = QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, Estado, NitCI, Cliente, TotalF, TotalE, "
                                            "Saldo, FormaP, IdCaja) VALUES(?, '2026-12-09', ?, ?, 'X', 100, ?, ?, ?, ?)");
        struct Sale {
            const char* id;
            const char* estado;
            const char* nit;
            double paid, owed;
            int form;
        };
        const Sale sales[] = {
            {"V000000001", "V", "4567890", 20, 80, 2},     // MARIA owes
            {"V000000002", "V", "4567890", 0, 100, 2},     // MARIA owes again
            {"V000000003", "V", "4567890", 50, 50, 2},     // and a third time
            {"V000000004", "V", "4567890", 100, 0, 1},     // a cash sale
            {"V000000005", "V", "1020304025", 100, 0, 1},  // the restaurant paid its credit off
            {"V000000006", "A", "3344556", 0, 100, 2},     // CARLOS's credit sale was annulled
            {"V000000007", "V", "111", 0, 100, 2},         // a disabled client owes
            {"V000000008", "V", "3344556", 100, 0, 2},     // paid, but still marked credit
        };
        for (const Sale& s : sales)
            db.execute(sale, {QString::fromLatin1(s.id), QString::fromLatin1(s.estado), QString::fromLatin1(s.nit), s.paid,
                              s.owed, s.form, caja});
    }

    qint64 changes() { return shop.db().query(QStringLiteral("SELECT total_changes()")).integer(0); }
};

// A stand-in for a calling window: its NIT/CI edit and its name edit.
struct Caller {
    QWidget window;
    QLineEdit* nit = new QLineEdit(&window);
    QLineEdit* name = new QLineEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    Caller()
    {
        nit->setObjectName(QStringLiteral("ENitCI"));
        name->setObjectName(QStringLiteral("ENombreC"));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(nit);
        layout->addWidget(name);
        layout->addWidget(other);
        name->setText(QStringLiteral("ANTERIOR"));
        window.show();
        other->setFocus();
    }
};

DataGrid* shownGrid(const TFBusquedas& picker)
{
    return Drive::control<DataGrid>(picker, Drive::visible(picker, "PBuscarP") ? "VecP" : "VecC");
}

QStringList listed(const DataGrid* grid, int column)
{
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells << grid->cell(column, row);
    return cells;
}

void doubleClickRow(DataGrid* grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, TFBusquedas::ColNombre));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

}

class TstUBusquedas : public QObject {
    Q_OBJECT
private slots:
    void listsByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("debtors");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("names");
        const QStringList clients{"CARLOS O'BRIEN ROCA", "MARIA QUISPE CONDORI", "RESTAURANTE EL SOL SRL"};
        const QStringList suppliers{"DISTRIBUIDORA LA CANASTA", "EMBOTELLADORA ANDINA SA"};
        const QStringList debtors{"MARIA QUISPE CONDORI", "MARIA QUISPE CONDORI", "MARIA QUISPE CONDORI"};
        QTest::newRow("1 purchases: suppliers") << 1 << false << "PBuscarP" << suppliers;
        QTest::newRow("2 sales register: clients") << 2 << false << "PBuscarC" << clients;
        QTest::newRow("3 sales reports: clients") << 3 << false << "PBuscarC" << clients;
        QTest::newRow("3 sales reports on credit: debtors") << 3 << true << "PBuscarC" << debtors;
        QTest::newRow("4 deliveries: clients") << 4 << false << "PBuscarC" << clients;
        QTest::newRow("5 services: suppliers") << 5 << false << "PBuscarP" << suppliers;
        QTest::newRow("debtors only in mode 3") << 2 << true << "PBuscarC" << clients;
    }
    void listsByMode()
    {
        QFETCH(int, mode);
        QFETCH(bool, debtors);
        QFETCH(QString, panel);
        QFETCH(QStringList, names);
        PickerShop p;
        TFBusquedas picker;
        picker.start(mode, debtors);
        QCOMPARE(PickerState::current().PickerMode, mode);
        QVERIFY(Drive::visible(picker, qPrintable(panel)));
        QCOMPARE(Drive::visible(picker, "PBuscarC") + Drive::visible(picker, "PBuscarP"), 1);
        const DataGrid* grid = shownGrid(picker);
        QCOMPARE(listed(grid, TFBusquedas::ColNombre), names);
        QCOMPARE(listed(grid, TFBusquedas::ColNumero).value(names.size() - 1), QString::number(names.size()));
        QCOMPARE(grid->selectedRow(), 0);
        QCOMPARE(picker.windowTitle(), QStringLiteral("Buscar"));
        QVERIFY(p.shop.messages.all.isEmpty());
    }

    void pickReachesTheCaller_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("debtors");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("nit");
        QTest::addColumn<QString>("name");   // the caller's name edit afterwards
        QTest::addColumn<QString>("focus");  // the caller's edit that has the focus afterwards
        QTest::addColumn<bool>("selected");  // the NIT/CI text selected afterwards
        QTest::newRow("1 Enter on the grid: NIT/CI and name") << 1 << false << ""
                                                              << "grid"
                                                              << "1029384011"
                                                              << "DISTRIBUIDORA LA CANASTA"
                                                              << "ENitCI" << true;
        QTest::newRow("1 Enter in the search: NIT/CI only") << 1 << false << "andina"
                                                            << "search"
                                                            << "1023456027"
                                                            << "ANTERIOR"
                                                            << "ENitCI" << true;
        QTest::newRow("5 double-click: NIT/CI and name") << 5 << false << ""
                                                         << "double-click second"
                                                         << "1023456027"
                                                         << "EMBOTELLADORA ANDINA SA"
                                                         << "ENitCI" << true;
        QTest::newRow("2 Enter on the grid, focus to the name") << 2 << false << ""
                                                                << "grid"
                                                                << "3344556"
                                                                << "ANTERIOR"
                                                                << "ENombreC" << false;
        QTest::newRow("2 Enter in the search") << 2 << false << "SoL"
                                               << "search"
                                               << "1020304025"
                                               << "ANTERIOR"
                                               << "ENombreC" << false;
        QTest::newRow("3 the row moved to is picked, selected") << 3 << false << ""
                                                                << "down then grid"
                                                                << "4567890"
                                                                << "ANTERIOR"
                                                                << "ENitCI" << true;
        QTest::newRow("3 debtors") << 3 << true << ""
                                   << "grid"
                                   << "4567890"
                                   << "ANTERIOR"
                                   << "ENitCI" << true;
        QTest::newRow("4 double-click, focus to the name") << 4 << false << ""
                                                           << "double-click second"
                                                           << "4567890"
                                                           << "ANTERIOR"
                                                           << "ENombreC" << false;
    }
    void pickReachesTheCaller()
    {
        QFETCH(int, mode);
        QFETCH(bool, debtors);
        QFETCH(QString, search);
        QFETCH(QString, how);
        PickerShop p;
        Caller caller;
        const qint64 changesBefore = p.changes();
        TFBusquedas picker;
        picker.start(mode, debtors);
        const bool suppliers = PickerModes::ListsSuppliers(mode);
        const char* searchEdit = suppliers ? "EBuscarP" : "EBuscarC";
        QVERIFY(Drive::control<QLineEdit>(picker, searchEdit)->hasFocus() || !picker.isActiveWindow());
        DataGrid* grid = shownGrid(picker);
        if (!search.isEmpty())
            QTest::keyClicks(Drive::control<QLineEdit>(picker, searchEdit), search);
        if (how == QLatin1String("search")) {
            Drive::key(picker, searchEdit, Qt::Key_Return);
        } else if (how == QLatin1String("grid")) {
            QTest::keyClick(grid, Qt::Key_Return);
        } else if (how == QLatin1String("down then grid")) {
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Return);
        } else {
            doubleClickRow(grid, 1);
        }
        QVERIFY(!picker.isVisible());
        const auto choice = picker.choice();
        QVERIFY(choice.has_value());
        ApplyPickerChoice(mode, *choice, caller.nit, caller.name);

        QTEST(caller.nit->text(), "nit");
        QTEST(caller.name->text(), "name");
        QTEST(caller.window.focusWidget()->objectName(), "focus");
        QTEST(caller.nit->hasSelectedText() && caller.nit->selectedText() == caller.nit->text(), "selected");
        QCOMPARE(p.changes(), changesBefore);
    }

    void searchSelectsTheFirstNameContainingTheText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("row");
        QTest::newRow("inside the name, any case") << "sol" << 2;
        QTest::newRow("end of a name") << "ROCA" << 0;
        QTest::newRow("the first of several, from the top") << "r" << 0;
        QTest::newRow("no match keeps the selection") << "solx" << 2;
        QTest::newRow("erased back to nothing keeps it too") << QString() << 0;
    }
    void searchSelectsTheFirstNameContainingTheText()
    {
        QFETCH(QString, typed);
        PickerShop p;
        TFBusquedas picker;
        picker.start(PickerModes::SaleClient);
        auto* search = Drive::control<QLineEdit>(picker, "EBuscarC");
        QTest::keyClicks(search, typed);
        if (typed.isEmpty()) {
            QTest::keyClicks(search, QStringLiteral("x"));
            QTest::keyClick(search, Qt::Key_Backspace);
        }
        QTEST(shownGrid(picker)->selectedRow(), "row");
    }

    void eachShowingStartsAfresh()
    {
        PickerShop p;
        TFBusquedas picker;
        picker.start(PickerModes::SaleClient);
        QTest::keyClicks(Drive::control<QLineEdit>(picker, "EBuscarC"), QStringLiteral("sol"));
        Drive::key(picker, "EBuscarC", Qt::Key_Return);
        QCOMPARE(picker.choice()->nitCI, QStringLiteral("1020304025"));

        p.shop.db().execute(QStringLiteral("UPDATE Clientes SET Estado=0 WHERE NitCI='3344556'"));
        picker.start(PickerModes::SaleClient);
        QVERIFY(!picker.choice().has_value());
        QVERIFY(Drive::text(picker, "EBuscarC").isEmpty());
        QCOMPARE(listed(shownGrid(picker), TFBusquedas::ColNombre),
                 (QStringList{"MARIA QUISPE CONDORI", "RESTAURANTE EL SOL SRL"}));
        QCOMPARE(shownGrid(picker)->selectedRow(), 0);
        QTest::keyClick(shownGrid(picker), Qt::Key_Return);
        QCOMPARE(picker.choice()->nitCI, QStringLiteral("4567890"));
    }

    void escapeWritesNothing_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("search edit") << "EBuscarP";
        QTest::newRow("grid") << "VecP";
    }
    void escapeWritesNothing()
    {
        QFETCH(QString, where);
        PickerShop p;
        Caller caller;
        TFBusquedas picker;
        picker.start(PickerModes::PurchaseSupplier);
        Drive::key(picker, qPrintable(where), Qt::Key_Escape);
        QVERIFY(!picker.isVisible());
        QVERIFY(!picker.choice().has_value());
    }

    void emptyListPicksNothing()
    {
        PickerShop p;
        p.shop.db().execute(QStringLiteral("UPDATE Clientes SET Estado=0"));
        TFBusquedas picker;
        picker.start(PickerModes::SaleClient);
        DataGrid* grid = shownGrid(picker);
        QCOMPARE(grid->rowCount(), 0);
        Drive::key(picker, "EBuscarC", Qt::Key_Return);
        QTest::keyClick(grid, Qt::Key_Return);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(picker.isVisible());
        QVERIFY(!picker.choice().has_value());
        QVERIFY(p.shop.messages.all.isEmpty());
    }

    // An empty list must not pass for "no suppliers" when the database refused the query.
    void queryErrorIsShown()
    {
        PickerShop p;
        p.shop.db().execute(QStringLiteral("DROP TABLE Proveedores"));
        TFBusquedas picker;
        picker.start(PickerModes::ServiceSupplier);
        QCOMPARE(shownGrid(picker)->rowCount(), 0);
        QCOMPARE(p.shop.messages.errors.size(), 1);
        QVERIFY2(p.shop.messages.errors.first().contains(QStringLiteral("Proveedores")),
                 qPrintable(p.shop.messages.errors.first()));
    }

    void applyingNothingOrAnEmptyPickLeavesTheCallerAlone()
    {
        Caller caller;
        caller.nit->setText(QStringLiteral("999"));
        ApplyPickerChoice(PickerModes::PurchaseSupplier, PickerChoice{}, caller.nit, caller.name);
        QCOMPARE(caller.nit->text(), QStringLiteral("999"));
        QCOMPARE(caller.name->text(), QStringLiteral("ANTERIOR"));
        QCOMPARE(caller.window.focusWidget(), caller.other);
    }

    // Not a check: renders the picker in each of its lists when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the picker");
        QDir().mkpath(folder);
        PickerShop p;
        TFBusquedas picker;
        const struct {
            int mode;
            bool debtors;
            const char* file;
        } shots[] = {{1, false, "buscar-1-proveedores.png"},
                     {2, false, "buscar-2-clientes.png"},
                     {3, true, "buscar-3-deudores.png"},
                     {4, false, "buscar-4-clientes.png"},
                     {5, false, "buscar-5-proveedores.png"}};
        for (const auto& shot : shots) {
            picker.start(shot.mode, shot.debtors);
            if (shot.mode == 2)
                QTest::keyClicks(Drive::control<QLineEdit>(picker, "EBuscarC"), QStringLiteral("sol"));
            QVERIFY(picker.grab().save(folder + QLatin1Char('/') + QLatin1String(shot.file)));
            picker.reject();
        }
    }
};

QTEST_MAIN(TstUBusquedas)
#include "tst_ubusquedas.moc"
