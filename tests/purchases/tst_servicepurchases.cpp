#include "ProgramFiles.h"
#include "PrintCapture.h"
#include "PurchaseShop.h"
#include "WindowDriver.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "data/MainStatus.h"
#include "masterdata/ui/UBusquedas.h"
#include "purchases/ui/ServicePurchasePanel.h"
#include "purchases/StoredPurchases.h"
#include "purchases/ui/UEgresoI.h"
#include "sales/ui/UCantidad.h"
#include "widgets/DataGrid.h"
#include "widgets/WindowStatusBar.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <memory>

namespace {

// The supplies window in its service mode over the demo shop; the service dialog is answered
// from a list ("1|FLETE|100": quantity, concept, amount; "ESC" presses Escape).
struct ServiceWindow {
    PurchaseShop p;
    PrintCapture print;
    QStringList answers;
    std::unique_ptr<TFEgresoI> window;

    explicit ServiceWindow(const std::function<void(PurchaseShop&)>& prepare = {})
    {
        ProgramFiles::copyPicturesInto(p.shop.folder());
        TFCantidad::setRunner([this](TFCantidad& dialog) { answer(dialog); });
        if (prepare)
            prepare(p);
        SessionState::current().WindowMode = ServicePurchasePanel::Mode;
        window = std::make_unique<TFEgresoI>();
        window->show();
        activate();
    }
    ~ServiceWindow()
    {
        window.reset();
        TFCantidad::setRunner({});
    }
    void activate()
    {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the supplies window did not become the active window");
    }
    void answer(TFCantidad& dialog)
    {
        const QString typed = answers.isEmpty() ? QStringLiteral("ESC") : answers.takeFirst();
        if (typed == QLatin1String("ESC")) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return;
        }
        const QStringList parts = typed.split(QLatin1Char('|'));
        Drive::type(dialog, "ECantidadS", parts.value(0));
        auto* memo = Drive::control<QPlainTextEdit>(dialog, "MConceptoS");
        memo->setFocus();
        QTest::keyClicks(memo, parts.value(1));
        Drive::type(dialog, "ETotalS", parts.value(2));
        Drive::click(dialog, "BAceptar");
    }

    ServicePurchasePanel& panel() const { return *qobject_cast<ServicePurchasePanel*>(window->panel()); }
    DataGrid* lines() const { return Drive::control<DataGrid>(*window, "VecS"); }
    DataGrid* list() const { return Drive::control<DataGrid>(*window, "VecC"); }
    QString field(const char* name) const { return Drive::text(*window, name); }
    QString label(const char* name) const { return Drive::control<QLabel>(*window, name)->text(); }
    void type(const char* name, const QString& text) { Drive::type(*window, name, text); }
    void click(const char* name) { Drive::click(*window, name); }
    void add(const QString& line)
    {
        answers << line;
        click("SBListarP");
        activate();
    }
    void enter(const QStringList& services)
    {
        click("SBNuevoS");
        type("ENitCIS", QString::fromLatin1(PurchaseShop::Andina));
        Drive::control<QWidget>(*window, "DTFechaC")->setFocus();
        for (const QString& line : services)
            add(line);
    }
    QStringList column(int col) const
    {
        QStringList values;
        for (int row = 0; row < lines()->rowCount(); ++row)
            values << lines()->cell(col, row);
        return values;
    }
    QString buttons() const
    {
        QString state;
        for (const char* name : {"SBInsertarS", "SBListarP", "SBAnularS", "SBImprimirS"})
            state += Drive::enabled(*window, name) ? QLatin1Char('1') : QLatin1Char('0');
        return state;
    }
};

}

class TstServicePurchases : public QObject {
    Q_OBJECT
private slots:
    void opening()
    {
        ServiceWindow w([](PurchaseShop&) {
            PurchaseRegistration::RegisterGoods(PurchaseShop::receipt(), {PurchaseShop::line("P000000001", "4", "40")});
            PurchaseRegistration::RegisterServices(PurchaseShop::receipt(), {{"1", "FLETE", "40"}});
        });
        QCOMPARE(w.window->windowTitle(), QStringLiteral("Compra de Servicios"));
        QCOMPARE(Drive::control<WindowStatusBar>(*w.window, "SBar1")->caption(),
                 QStringLiteral("Registrar Compra de Servicios"));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Registrar Compra de Servicios"));
        QCOMPARE(w.panel().objectName(), QStringLiteral("PCompraS"));
        QCOMPARE(w.panel().state(), ServicePurchasePanel::State::Browsing);
        QCOMPARE(w.buttons(), QStringLiteral("0010"));
        // Only the service purchases, under "Servicio".
        QCOMPARE(w.list()->rowCount(), 1);
        QCOMPARE(w.list()->cell(StoredPurchases::ColIdCompra, 0), QStringLiteral("P000000002"));
        QCOMPARE(w.list()->horizontalHeaderItem(StoredPurchases::ColProveedor)->text(), QStringLiteral("Servicio"));
        QCOMPARE(Drive::control<QComboBox>(*w.window, "CBComprobante")->count(), 3);
    }

    void enteringRegisteringAndPrinting()
    {
        ServiceWindow w;
        const auto stock = [&] { return w.p.row("SELECT SUM(Ingreso), SUM(Egreso) FROM Productos").text(0); };
        const QString stockBefore = stock();
        w.enter({"1|FLETE LA PAZ - EL ALTO|100", "2|ESTIBADORES|50", "ESC", "0.5|LIMPIEZA|12.5"});
        QCOMPARE(w.field("EProveedor"), QString::fromLatin1(PurchaseShop::AndinaName));
        QCOMPARE(w.column(ServicePurchasePanel::SConcepto),
                 (QStringList{"FLETE LA PAZ - EL ALTO", "ESTIBADORES", "LIMPIEZA"}));
        QCOMPARE(w.column(ServicePurchasePanel::SCantidad), (QStringList{"1", "2", "0.5"}));
        QCOMPARE(w.column(ServicePurchasePanel::STotal), (QStringList{"100", "50", "12.5"}));
        QCOMPARE(w.field("ETotalR"), QStringLiteral("162.50"));
        QCOMPARE(w.lines()->footerText(ServicePurchasePanel::STotal), QStringLiteral("162.50"));

        w.p.shop.messages.answerNext(false);
        Drive::clickCell(*w.window, "VecS", 1, ServicePurchasePanel::SBorrar);
        QCOMPARE(
            w.p.shop.messages.questions.last(),
            qMakePair(QStringLiteral("Eliminar Detalle"), QStringLiteral("Esta seguro que quiere Eliminar el Detalle?...")));
        QCOMPARE(w.lines()->rowCount(), 3);
        Drive::clickCell(*w.window, "VecS", 1, ServicePurchasePanel::SBorrar);
        QCOMPARE(w.lines()->rowCount(), 2);
        QCOMPARE(w.field("ETotalR"), QStringLiteral("112.50"));

        Drive::choose(*w.window, "CBFormaP", QStringLiteral("CREDITO"));
        w.type("EEfectivoR", "0");
        QCOMPARE(w.label("LCoS"), QStringLiteral("Saldo:"));
        w.type("ENRecibo", "300");
        w.click("SBInsertarS");
        QCOMPARE(w.p.shop.messages.infos, QStringList{});

        SqlRows stored = w.p.row("SELECT IdCompra, Inventario, TotalF, TotalE, Saldo, FormaP FROM Compras");
        QCOMPARE(stored.count(), 1);
        QCOMPARE(stored.integer(1), 3);
        QCOMPARE(stored.amount(2), 112.5);
        QCOMPARE(stored.amount(3), 0.0);
        QCOMPARE(stored.amount(4), 112.5);
        QCOMPARE(stored.integer(5), 2);
        QCOMPARE(w.p.count("SELECT COUNT(*) FROM DetalleS"), 2);
        QCOMPARE(stock(), stockBefore);
        QCOMPARE(w.print.previews.shown.size(), 1);
        QCOMPARE(w.print.label("LSaldoC"), QStringLiteral("SALDO Bs."));
        QCOMPARE(w.print.label("LSaldoS"), QStringLiteral("112.50"));
        QCOMPARE(w.panel().state(), ServicePurchasePanel::State::Entering);
        QCOMPARE(w.lines()->rowCount(), 0);

        // The stored purchase, shown and printed again.
        w.click("SBPrimero");
        QCOMPARE(w.panel().state(), ServicePurchasePanel::State::Viewing);
        QCOMPARE(w.buttons(), QStringLiteral("0011"));
        QCOMPARE(w.column(ServicePurchasePanel::SConcepto), (QStringList{"FLETE LA PAZ - EL ALTO", "LIMPIEZA"}));
        QCOMPARE(w.column(ServicePurchasePanel::STotal), (QStringList{"100", "12.5"}));
        QCOMPARE(w.field("ENitCIS"), QString::fromLatin1(PurchaseShop::Andina));
        QCOMPARE(w.field("ESaldoR"), QStringLiteral("112.5"));
        w.click("SBImprimirS");
        QCOMPARE(w.print.previews.shown.size(), 2);
        QCOMPARE(w.print.previews.shown.at(1).allTexts(), w.print.previews.shown.at(0).allTexts());
    }

    // Deleting a service purchase takes its lines with it and moves no stock; the second window
    // that still shows it is told it is gone.
    void deletion()
    {
        ServiceWindow w([](PurchaseShop&) {
            PurchaseRegistration::RegisterServices(PurchaseShop::receipt("60"), {{"1", "FLETE", "40"}, {"1", "CARGA", "20"}});
        });
        SessionState::current().WindowMode = ServicePurchasePanel::Mode;
        TFEgresoI other;
        other.show();
        w.activate();
        w.click("SBPrimero");
        Drive::click(other, "SBPrimero");
        const QString stockBefore = w.p.row("SELECT SUM(Ingreso), SUM(Egreso) FROM Productos").text(0);

        w.click("SBAnularS");
        QCOMPARE(w.p.shop.messages.questions.last(),
                 qMakePair(QString(), QStringLiteral("Esta seguro que quiere eliminar el Registro?...")));
        QCOMPARE(w.p.count("SELECT COUNT(*) FROM Compras"), 0);
        QCOMPARE(w.p.count("SELECT COUNT(*) FROM DetalleS"), 0);
        QCOMPARE(w.p.row("SELECT SUM(Ingreso), SUM(Egreso) FROM Productos").text(0), stockBefore);
        QCOMPARE(w.panel().state(), ServicePurchasePanel::State::Entering);
        QCOMPARE(w.list()->rowCount(), 0);

        Drive::click(other, "SBAnularS");
        QCOMPARE(w.p.shop.messages.infos,
                 QStringList{"La Compra P000000001 ya no existe, pudo ser eliminada en otra estacion; revise la lista"});
    }

    void theServicesCommandOpensThePanel()
    {
        PurchaseShop p;
        TFPrincipal main;
        main.loginTimer()->stop();
        SessionState::current().CashOpen = 1;  // the frame starts logged out
        SessionState::current().PurchaseMode = 10;
        QVERIFY(main.dispatcher()->isWired(QStringLiteral("C3")));
        main.command(QStringLiteral("C3"))->setEnabled(true);
        main.command(QStringLiteral("C3"))->trigger();
        QMdiSubWindow* sub = main.mdiArea()->activeSubWindow();
        QVERIFY(sub);
        QCOMPARE(sub->widget()->windowTitle(), QStringLiteral("Compra de Servicios"));
        QVERIFY(sub->widget()->findChild<ServicePurchasePanel*>(QStringLiteral("PCompraS")));
    }

    // Not a check: a picture of the panel for a person to look at when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the service panel");
        ServiceWindow w([](PurchaseShop&) {
            PurchaseRegistration::RegisterServices(PurchaseShop::receipt("60"), {{"1", "FLETE", "60"}});
        });
        w.enter({"1|FLETE LA PAZ - EL ALTO|100", "2|ESTIBADORES|50", "0.5|LIMPIEZA DE DEPOSITO|12.5"});
        w.type("ENRecibo", "300");
        w.type("EEfectivoR", "200");
        QVERIFY(w.window->grab().save(folder + QStringLiteral("/compras-servicios.png")));
        w.click("SBPrimero");
        QVERIFY(w.window->grab().save(folder + QStringLiteral("/compras-servicios-guardada.png")));
    }
};

QTEST_MAIN(TstServicePurchases)
#include "tst_servicepurchases.moc"
