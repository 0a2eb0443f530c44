#include "WindowDriver.h"

#include "widgets/DataGrid.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Nro, a hidden id, product, quantity (sum), total (money sum), a check box, a delete icon.
struct ProductGrid {
    DataGrid grid;
    ProductGrid()
    {
        grid.addColumn("Nro", DataGrid::ColumnType::Number, 40);
        grid.addColumn("IdProducto", DataGrid::ColumnType::Text, 60, true);
        grid.addColumn("Nombre Producto", DataGrid::ColumnType::Text, 200);
        grid.addColumn("Cantidad", DataGrid::ColumnType::Number, 70);
        grid.addColumn("C/Total", DataGrid::ColumnType::Number, 80);
        grid.addColumn("E", DataGrid::ColumnType::Check, 30);
        grid.addColumn("", DataGrid::ColumnType::Image, 30);
        grid.setColumnFooter(2, DataGrid::Footer::Count);
        grid.setColumnFooter(3, DataGrid::Footer::Sum);
        grid.setColumnFooter(4, DataGrid::Footer::SumMoney);
    }
    void fill()
    {
        grid.addRow({"1", "P001", "Coca Cola 2L", "2.5", "0.1", "1", "0"});
        grid.addRow({"2", "P002", "Pan Marraqueta", "10", "0.2", "0", "0"});
        grid.addRow({"3", "P003", "Leche PIL", "1.25", "1250", "True", "0"});
    }
};
}

class TstDataGrid : public QObject {
    Q_OBJECT
private slots:
    void footerSumsAndCounts()
    {
        ProductGrid g;
        QCOMPARE(g.grid.footerText(2), QStringLiteral("0"));
        QCOMPARE(g.grid.footerText(3), QStringLiteral("0"));
        QCOMPARE(g.grid.footerText(4), QStringLiteral("0.00"));
        QCOMPARE(g.grid.footerText(0), QString());
        g.fill();
        QCOMPARE(g.grid.footerText(2), QStringLiteral("3"));
        QCOMPARE(g.grid.footerText(3), QStringLiteral("13.75"));
        QCOMPARE(g.grid.footerText(4), QStringLiteral("1250.30"));
        g.grid.setCell(4, 0, "x");  // unreadable text adds nothing
        QCOMPARE(g.grid.footerText(4), QStringLiteral("1250.20"));
        g.grid.removeRow(2);
        QCOMPARE(g.grid.footerText(2), QStringLiteral("2"));
        QCOMPARE(g.grid.footerText(3), QStringLiteral("12.5"));
        g.grid.clearRows();
        QCOMPARE(g.grid.footerText(4), QStringLiteral("0.00"));
    }

    void bulkFillIsRowByRowFill()
    {
        ProductGrid one, bulk;
        one.fill();
        bulk.grid.addRows({{"1", "P001", "Coca Cola 2L", "2.5", "0.1", "1", "0"},
                           {"2", "P002", "Pan Marraqueta", "10", "0.2", "0", "0"},
                           {"3", "P003", "Leche PIL", "1.25", "1250", "True", "0"}});
        QCOMPARE(bulk.grid.rowCount(), 3);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 7; ++column)
                QCOMPARE(bulk.grid.cell(column, row), one.grid.cell(column, row));
        // A short list is made of table items at once, as addRow makes them, shown or not.
        QVERIFY(bulk.grid.item(0, 3)->textAlignment() & Qt::AlignRight);
        QCOMPARE(bulk.grid.item(0, 5)->checkState(), Qt::Checked);
        QCOMPARE(bulk.grid.footerText(4), QStringLiteral("1250.30"));
        bulk.grid.addRows({{"4", "P004", "Queso", "0.333", "0.05"}});  // appends
        QCOMPARE(bulk.grid.rowCount(), 4);
        QCOMPARE(bulk.grid.footerText(3), QStringLiteral("14.083"));
        bulk.grid.setCell(4, 3, "0.15");  // a later change still reaches the footer
        QCOMPARE(bulk.grid.footerText(4), QStringLiteral("1250.45"));
    }

    // A long list's later rows wait packed until shown; reading, changing, removing, searching and
    // going to them work the same meanwhile, and a row shown late shows what was changed.
    void packedRowsBehaveAsOthers()
    {
        ProductGrid g;
        QList<QStringList> rows;
        for (int i = 0; i < 2000; ++i)
            rows << QStringList{QString::number(i + 1),
                                QStringLiteral("P%1").arg(i),
                                QStringLiteral("ITEM %1").arg(i),
                                "1",
                                "0.50",
                                i % 2 ? "1" : "0",
                                "0"};
        g.grid.addRows(rows);
        QCOMPARE(g.grid.rowCount(), 2000);
        QCOMPARE(g.grid.cell(2, 1500), QStringLiteral("ITEM 1500"));
        QVERIFY(g.grid.isChecked(5, 1501));
        QCOMPARE(g.grid.footerText(4), QStringLiteral("1000.00"));

        g.grid.removeRow(10);
        QCOMPARE(g.grid.cell(2, 10), QStringLiteral("ITEM 11"));
        QCOMPARE(g.grid.footerText(2), QStringLiteral("1999"));
        g.grid.setCell(2, 1800, "CAMBIADO");
        g.grid.setCellColor(2, 1801, Qt::red);
        QCOMPARE(g.grid.cell(2, 1800), QStringLiteral("CAMBIADO"));
        QCOMPARE(g.grid.cellColor(2, 1801), QColor(Qt::red));
        QCOMPARE(g.grid.findRow(2, "item 1990"), 1989);

        g.grid.resize(600, 300);
        g.grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
        g.grid.goToRow(1800);
        g.grid.grab();
        QCOMPARE(g.grid.item(1800, 2)->text(), QStringLiteral("CAMBIADO"));
        QVERIFY(g.grid.item(100, 2));    // the first rows of a long list are whole items
        QVERIFY(!g.grid.item(1500, 2));  // never shown, still packed
        QCOMPARE(g.grid.cell(2, 1500), QStringLiteral("ITEM 1501"));
        g.grid.clearRows();
        g.grid.addRow({"1", "P1", "OTRO"});
        QCOMPARE(g.grid.cell(2, 0), QStringLiteral("OTRO"));
    }

    void footerSumsAreExactDecimals_data()
    {
        QTest::addColumn<QStringList>("money");
        QTest::addColumn<QString>("sum");
        QTest::newRow("ten thousand dimes") << QStringList(10000, "0.10") << "1000.00";
        QTest::newRow("negative amounts") << QStringList{"-12.50", "2.25", ".25"} << "-10.00";
        QTest::newRow("half cents round away from zero") << QStringList{"0.005", "0.005"} << "0.02";
        QTest::newRow("unreadable texts add nothing") << QStringList{"1.5", "", "1,5", "1.2.3", "-", "x"} << "1.50";
    }
    void footerSumsAreExactDecimals()
    {
        QFETCH(QStringList, money);
        QFETCH(QString, sum);
        ProductGrid g;
        QList<QStringList> rows;
        for (const QString& amount : money)
            rows << QStringList{"", "", "", "", amount};
        g.grid.addRows(rows);
        QCOMPARE(g.grid.footerText(4), sum);
    }

    void hiddenColumnsCarryTheRowsData()
    {
        ProductGrid g;
        g.fill();
        QVERIFY(g.grid.isColumnHidden(1));
        QCOMPARE(g.grid.cell(1, 1), QStringLiteral("P002"));
        g.grid.setCell(1, 1, "P020");
        QCOMPARE(g.grid.cell(1, 1), QStringLiteral("P020"));
    }

    void typedCells()
    {
        ProductGrid g;
        g.fill();
        QVERIFY(g.grid.isChecked(5, 0));
        QVERIFY(!g.grid.isChecked(5, 1));
        QVERIFY(g.grid.isChecked(5, 2));
        QCOMPARE(g.grid.cell(5, 1), QStringLiteral("0"));
        QCOMPARE(g.grid.cell(6, 0), QStringLiteral("0"));
        QVERIFY(g.grid.item(0, 3)->textAlignment() & Qt::AlignRight);
        g.grid.setCellColor(2, 1, Qt::yellow);
        QCOMPARE(g.grid.cellColor(2, 1), QColor(Qt::yellow));
    }

    void readsOutsideTheRowsAreEmpty_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("past the last row") << 2 << 3;
        QTest::newRow("far past") << 2 << 7;
        QTest::newRow("before the first") << 2 << -1;
        QTest::newRow("past the last column") << 9 << 0;
        QTest::newRow("check column past the end") << 5 << 3;
    }
    void readsOutsideTheRowsAreEmpty()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        ProductGrid g;
        g.fill();
        QCOMPARE(g.grid.cell(column, row), QString());
        g.grid.setCell(column, row, "ignored");  // writes outside are ignored, not grown
        QCOMPARE(g.grid.rowCount(), 3);
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("match");
        QTest::addColumn<int>("row");
        QTest::newRow("prefix ignoring case") << "pan" << int(DataGrid::Match::StartsWith) << 1;
        QTest::newRow("incremental first letter") << "L" << int(DataGrid::Match::StartsWith) << 2;
        QTest::newRow("inner text is no prefix") << "cola" << int(DataGrid::Match::StartsWith) << -1;
        QTest::newRow("inner text found by contains") << "COLA" << int(DataGrid::Match::Contains) << 0;
        QTest::newRow("empty finds nothing") << "" << int(DataGrid::Match::Contains) << -1;
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(int, match);
        QFETCH(int, row);
        ProductGrid g;
        g.fill();
        QSignalSpy selected(&g.grid, &DataGrid::rowSelected);
        QCOMPARE(g.grid.findRow(2, text, DataGrid::Match(match)), row);
        QCOMPARE(g.grid.searchColumn(2, text, DataGrid::Match(match)), row >= 0);
        QCOMPARE(g.grid.selectedRow(), row);
        QCOMPARE(selected.size(), row >= 0 ? 1 : 0);
    }

    void clicksAndCheckBoxes()
    {
        ProductGrid g;
        g.fill();
        g.grid.resize(520, 200);
        g.grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
        QSignalSpy selected(&g.grid, &DataGrid::rowSelected);
        QSignalSpy clicked(&g.grid, &QTableWidget::cellClicked);
        QSignalSpy toggled(&g.grid, &DataGrid::checkToggled);

        const QRect nameCell = g.grid.visualRect(g.grid.model()->index(1, 2));
        QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {}, nameCell.center());
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().first().toInt(), 1);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.first().at(1).toInt(), 2);

        g.grid.item(1, 5)->setCheckState(Qt::Checked);  // as the user's click on the box does
        QCOMPARE(toggled.size(), 1);
        QCOMPARE(toggled.first(), QVariantList({5, 1, true}));
        QVERIFY(g.grid.isChecked(5, 1));
    }

    // Every click on a row selects it once: a new row through the current-row change, the row
    // already current (another column of it, or the same cell again) through the click itself.
    void everyClickSelectsItsRowOnce_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("another row") << 2 << 2;
        QTest::newRow("the current row again") << 1 << 2;
        QTest::newRow("another column of the current row") << 1 << 3;
    }
    void everyClickSelectsItsRowOnce()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        ProductGrid g;
        g.fill();
        g.grid.resize(520, 200);
        g.grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
        g.grid.goToRow(1);
        QSignalSpy selected(&g.grid, &DataGrid::rowSelected);
        QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {},
                          g.grid.visualRect(g.grid.model()->index(row, column)).center());
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().first().toInt(), row);
        g.grid.goToRow(0);  // from code: selects through the row change only
        QCOMPARE(selected.size(), 2);
    }

    // Looks at the grid as a user would: writes a PNG to $CVI_SAMPLE_DIR when set.
    void footerLinesUpWithItsColumns()
    {
        ProductGrid g;
        g.fill();
        g.grid.resize(520, 200);
        g.grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
        QWidget* footer = Drive::control(g.grid, "footer");
        QVERIFY(footer->isVisible());
        QCOMPARE(footer->geometry().top(), g.grid.viewport()->geometry().bottom() + 1);
        QCOMPARE(footer->width(), g.grid.viewport()->width());
        QVERIFY(g.grid.rect().contains(footer->geometry()));
        // The sum sits under its own column.
        const int totalLeft = g.grid.horizontalHeader()->sectionViewportPosition(4);
        QVERIFY(totalLeft > 0 && totalLeft < footer->width());
        if (qEnvironmentVariableIsSet("CVI_SAMPLE_DIR"))
            g.grid.grab().save(QDir(qEnvironmentVariable("CVI_SAMPLE_DIR")).filePath("sample-grid.png"));
    }
};

QTEST_MAIN(TstDataGrid)
#include "tst_datagrid.moc"
