#include "RecordingMessages.h"

#include "data/MainStatus.h"
#include "widgets/DataGrid.h"
#include "widgets/UBuscar2.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {
// Eight columns, as wide as the lists the dialog serves; the searched ones filled per mode.
struct List {
    DataGrid grid;
    List(const QList<QStringList>& rows)
    {
        for (int c = 0; c < 8; ++c)
            grid.addColumn(QString::number(c));
        for (const QStringList& row : rows)
            grid.addRow(row);
    }
};
}

class TstBuscar2 : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        MessageSeam::install(&m_messages);
        m_messages.clear();
    }
    void cleanup() { MessageSeam::install(nullptr); }

    void columnsOfEachMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("columns");  // NIT/CI, number, name
        QTest::newRow("sales book") << 1 << QList<int>{6, 3, 7};
        QTest::newRow("sales management") << 2 << QList<int>{6, 3, 7};
        QTest::newRow("purchases book") << 4 << QList<int>{3, 5, 4};
        QTest::newRow("deliveries") << 5 << QList<int>{3, 1, 4};
    }
    void columnsOfEachMode()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, columns);
        for (int option = 0; option < 3; ++option) {
            QStringList row(8, QStringLiteral("-"));
            row[columns.at(option)] = QStringLiteral("MATCH");
            List list({QStringList(8, QStringLiteral("-")), row});
            TFBuscar2 dialog;
            dialog.setMode(SearchDialogMode(mode));
            dialog.setGrid(&list.grid);
            dialog.setOption(TFBuscar2::Option(option));
            dialog.setSearchText(mode == 5 && option == 1 ? "MATCH" : "match");
            if (mode == 5 && option == 1)
                continue;  // order numbers are numbers; see below
            QVERIFY(dialog.findNext());
            QCOMPARE(list.grid.selectedRow(), 1);
        }
    }

    void nextMatchBelowThenFromTheTop()
    {
        List list({{"", "", "", "", "", "", "", "ANA PEREZ"},
                   {"", "", "", "", "", "", "", "LUIS"},
                   {"", "", "", "", "", "", "", "JUANA"},
                   {"", "", "", "", "", "", "", "Ana Maria"}});
        list.grid.setRowHidden(2, true);
        TFBuscar2 dialog;
        dialog.setMode(SearchDialogMode::SalesBook);
        dialog.setGrid(&list.grid);
        dialog.setOption(TFBuscar2::ByName);
        dialog.setSearchText("ana");
        QList<int> found;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(dialog.findNext());
            found << list.grid.selectedRow();
        }
        QCOMPARE(found, (QList<int>{0, 3, 0}));  // the hidden JUANA is skipped
        dialog.setSearchText("nadie");
        QVERIFY(!dialog.findNext());
        QCOMPARE(list.grid.selectedRow(), 0);
    }

    void orderNumbersOfDeliveries()
    {
        List list({{"", "E000000012", "", "0", "ANULADO"}, {"", "E000000123", "", "55", "ALMACEN"}});
        TFBuscar2 dialog;
        dialog.setMode(SearchDialogMode::Deliveries);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Buscar Registro de Entregas"));
        QCOMPARE(dialog.findChild<QRadioButton*>("RBNumero")->text(), QStringLiteral("Nro. de Orden"));
        dialog.setGrid(&list.grid);
        dialog.setOption(TFBuscar2::ByNumber);
        dialog.setSearchText("123");
        QVERIFY(dialog.findNext());
        QCOMPARE(list.grid.selectedRow(), 1);
        dialog.setSearchText("12a");
        QVERIFY(!dialog.findNext());
        QCOMPARE(m_messages.infos, QStringList{"Nro. de Orden no Valido"});
        QCOMPARE(dialog.findChild<QLineEdit*>("EBuscar")->selectedText(), QStringLiteral("12a"));
    }

    void choosingAnOptionEmptiesTheField()
    {
        TFBuscar2 dialog;
        auto* field = dialog.findChild<QLineEdit*>("EBuscar");
        field->setText("ABC");
        QTest::mouseClick(dialog.findChild<QRadioButton*>("RBNombre"), Qt::LeftButton);
        QCOMPARE(field->text(), QString());
        QTest::keyClicks(field, "O'BRIEN");
        QCOMPARE(field->text(), QStringLiteral("OBRIEN"));  // no quote can be typed
    }

    void enterSearchesAndShowingNamesTheOperation()
    {
        MainStatus::clear();
        List list({{"", "", "", "7"}, {"", "", "", "8"}});
        TFBuscar2 dialog;
        dialog.showFor(SearchDialogMode::SalesBook, &list.grid);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Buscar Registros"));
        QCOMPARE(MainStatus::text(3), QString::fromUtf8("Operación: Buscando Registros"));
        QTest::keyClicks(dialog.findChild<QLineEdit*>("EBuscar"), "8");
        QTest::keyClick(dialog.findChild<QLineEdit*>("EBuscar"), Qt::Key_Return);
        QCOMPARE(list.grid.selectedRow(), 1);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

private:
    RecordingMessages m_messages;
};

QTEST_MAIN(TstBuscar2)
#include "tst_buscar2.moc"
