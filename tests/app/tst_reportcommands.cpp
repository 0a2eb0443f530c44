#include "ShopFixture.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "reports/ui/URCompras.h"
#include "reports/ui/URIngresos.h"
#include "tax/ui/URLV.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

// The book and report commands of the main window open their windows in their modes.
class TstReportCommands : public QObject {
    Q_OBJECT
private slots:
    void commandsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::newRow("V6") << "V6"
                            << "Libro de Ventas";
        QTest::newRow("C9") << "C9"
                            << "Libro de Compras";
        QTest::newRow("V4") << "V4"
                            << "Reporte de Ventas";
        QTest::newRow("V5") << "V5"
                            << "Reporte de Deudores";
        QTest::newRow("S3") << "S3"
                            << "Reporte Entrega de Insumos";
        QTest::newRow("C5") << "C5"
                            << "Consulta Compra de Productos a la Venta";
        QTest::newRow("C6") << "C6"
                            << "Consulta Compra de Insumos (Materia Prima)";
        QTest::newRow("C7") << "C7"
                            << "Consulta Compra de Servicios";
    }
    void commandsOpenTheirWindows()
    {
        QFETCH(QString, command);
        QFETCH(QString, caption);
        ShopFixture shop;
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        shop.login();
        TFPrincipal main;
        main.loginTimer()->stop();
        QVERIFY(main.dispatcher()->isWired(command));
        main.command(command)->setEnabled(true);
        main.command(command)->trigger();
        QMdiSubWindow* window = main.mdiArea()->activeSubWindow();
        QVERIFY(window);
        QCOMPARE(window->widget()->windowTitle(), caption);
        // Running it again gives a fresh window, never a second one.
        main.command(command)->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
    }
};

QTEST_MAIN(TstReportCommands)
#include "tst_reportcommands.moc"
