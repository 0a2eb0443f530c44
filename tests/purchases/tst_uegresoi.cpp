#include "ProgramFiles.h"
#include "DeliveryShop.h"
#include "PrintCapture.h"
#include "SecondStation.h"
#include "ItemDriver.h"
#include "WindowDriver.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "data/MainStatus.h"
#include "masterdata/ui/UBusquedas.h"
#include "purchases/DeliveryAnnulment.h"
#include "purchases/ui/DeliveryEditPanel.h"
#include "purchases/ui/DeliveryGrids.h"
#include "purchases/ui/DeliveryPanel.h"
#include "purchases/ui/UEgresoI.h"
#include "sales/ui/UCantidad.h"
#include "widgets/DataGrid.h"
#include "widgets/StatusShape.h"
#include "widgets/UBuscar2.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <memory>

using namespace DeliveryGrids;

namespace {

// Six more supplies in category 17, named INSUMO A to INSUMO F, so seven can be chosen.
void MoreFlours(DeliveryShop& s)
{
    for (int i = 0; i < 6; ++i)
        s.db().execute("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Marca, Producto, Presentacion, UMedida, "
                       "StockM, Ingreso, Usuario, Estado) VALUES(?, 2, 17, 'GENERICO', ?, 'BOLSA', 'KILO', 5, 20, 'admin', 1)",
                       {QStringLiteral("P0000001%1").arg(i + 10), QStringLiteral("INSUMO %1").arg(QChar('A' + i))});
}

// The supplies window over the demo shop in a mode, with recorders for tickets and previews and a
// storekeeper who answers the quantity dialog from a list ("ESC" presses Escape).
struct Window {
    DeliveryShop s;
    PrintCapture print;
    QStringList answers;
    int dialogs = 0;
    std::unique_ptr<TFEgresoI> window;

    explicit Window(int mode = 20, const std::function<void(DeliveryShop&)>& prepare = {})
    {
        TFCantidad::setRunner([this](TFCantidad& dialog) { answer(dialog); });
        if (prepare)
            prepare(s);
        open(mode);
    }
    ~Window()
    {
        window.reset();
        TFCantidad::setRunner({});
    }
    void open(int mode)
    {
        SessionState::current().WindowMode = mode;
        window = std::make_unique<TFEgresoI>();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the supplies window did not become the active window");
    }

    void answer(TFCantidad& dialog)
    {
        ++dialogs;
        Drive::answerQuantity(dialog, "ECantidadV", answers.isEmpty() ? QStringLiteral("1") : answers.takeFirst());
    }

    DataGrid* grid(const char* name) const { return Drive::control<DataGrid>(*window, name); }
    DataGrid* supplies() const { return grid("Vec0"); }
    DataGrid* lines() const { return grid("Vec1"); }
    QString field(const char* name) const { return Drive::text(*window, name); }
    bool enabled(const char* name) const { return Drive::enabled(*window, name); }
    void type(const char* name, const QString& text) { Drive::type(*window, name, text); }
    void click(const char* name) { Drive::click(*window, name); }
    StatusShape* lamp(const char* name) const { return Drive::control<StatusShape>(*window, name); }

    // Picks a supply of the list shown with Enter, answering the quantity dialog.
    void add(const QString& supply, const QString& quantity = QStringLiteral("1"))
    {
        answers << quantity;
        Drive::addItem(supplies(), SNombre, supply);
    }
    QRect cell(int row, int column) const { return lines()->visualRect(lines()->model()->index(row, column)); }
    void doubleClickLine(int row, int column, const QString& answer)
    {
        answers << answer;
        const QPoint at = cell(row, column).center();
        QTest::mouseClick(lines()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(lines()->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList column(const DataGrid* grid, int column) const
    {
        QStringList values;
        for (int row = 0; row < grid->rowCount(); ++row)
            values << grid->cell(column, row);
        return values;
    }
    QString stockShown(const QString& supply) const
    {
        return supplies()->cell(SStock, supplies()->findRow(SNombre, supply));
    }
    QStringList ticketTexts(int job = -1) const
    {
        QStringList texts;
        for (const TicketMark& mark : print.tickets.jobs.at(job < 0 ? print.tickets.jobs.size() - 1 : job).marks)
            texts << mark.text;
        return texts;
    }
    void search(const QString& number)
    {
        type("EIdEgreso", number);
        QTest::keyClick(Drive::control<QLineEdit>(*window, "EIdEgreso"), Qt::Key_Return);
    }
};

}

class TstUEgresoI : public QObject {
    Q_OBJECT
private slots:
    void openingToHandOut()
    {
        Window w(20, [](DeliveryShop& s) {
            MoreFlours(s);
            s.db().execute("UPDATE Productos SET Ingreso=100 WHERE Producto='HARINA DE TRIGO 50KG'");  // at the minimum
            s.db().execute("UPDATE Productos SET Ingreso=0 WHERE Producto='INSUMO A'");                // none left
            s.db().execute("UPDATE Productos SET Ingreso=-2 WHERE Producto='INSUMO B'");               // below zero
            s.db().execute("UPDATE Categorias SET Estado=0 WHERE IdCategoria=19");
        });
        TFEgresoI& window = *w.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Registro Egreso de Insumos"));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Registrar Egreso de Insumos"));
        QCOMPARE(Drive::control<QStatusBar>(window, "SBar1")->findChild<QLabel*>()->text(),
                 QStringLiteral("Registro Egreso de Insumos"));
        QVERIFY(Drive::visible(window, "PEntrega"));
        QCOMPARE(w.field("EIdEgreso"), QStringLiteral("000000001"));
        QCOMPARE(w.lamp("SEstado")->colour(), QColor(Qt::white));
        QVERIFY(w.enabled("SBEgreso") && !w.enabled("SBAnular") && !w.enabled("SBImprimir"));
        QVERIFY(!Drive::control<QProgressBar>(window, "PBar1")->isVisible());

        auto* first = Drive::control<QToolButton>(window, "BGrupo17");
        QCOMPARE(first->toolTip(), QStringLiteral("HARINAS"));
        QCOMPARE(first->iconSize(), QSize(52, 52));
        QVERIFY(!first->icon().isNull());
        QVERIFY(!Drive::visible(window, "BGrupo19"));  // a disabled category gets no button
        QVERIFY(Drive::visible(window, "BGrupo24"));

        auto* panel = Drive::control<DeliveryPanel>(window, "PEntrega");
        QCOMPARE(panel->currentCategory(), 17);
        QCOMPARE(w.supplies()->horizontalHeaderItem(SNombre)->text(), QStringLiteral(" HARINAS"));
        QCOMPARE(w.column(w.supplies(), SNombre).first(), QStringLiteral("HARINA DE TRIGO 50KG"));  // by name
        QCOMPARE(w.supplies()->rowCount(), 7);
        QCOMPARE(w.supplies()->footerText(SNombre), QStringLiteral("7"));
        auto colour = [&](const char* supply) {
            return w.supplies()->cellColor(SStock, w.supplies()->findRow(SNombre, supply));
        };
        QCOMPARE(colour("HARINA DE TRIGO 50KG"), QColor(255, 255, 0));
        QCOMPARE(colour("INSUMO A"), QColor(255, 0, 0));
        QCOMPARE(colour("INSUMO B"), QColor(255, 0, 0));
        QCOMPARE(colour("INSUMO C"), DeliveryGrids::StockAboveMinimum);
        QCOMPARE(w.stockShown("INSUMO B"), QStringLiteral("-2"));

        w.click("BGrupo20");
        QCOMPARE(panel->currentCategory(), 20);
        QCOMPARE(w.supplies()->horizontalHeaderItem(SNombre)->text(), QStringLiteral(" ENVASES"));
        QCOMPARE(w.column(w.supplies(), SNombre), QStringList{"BOLSA PLASTICA MEDIANA"});

        // The window keeps its own mode whatever another command sets meanwhile.
        SessionState::current().WindowMode = 21;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Registrar Egreso de Insumos"));
    }

    // Each row runs steps ("add NAME QTY", "edit ROW QTY", "delete ROW") and compares the lines.
    void lines_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("quantities");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<QStringList>("messages");
        const QStringList six{"add INSUMO A 1", "add INSUMO B 1", "add INSUMO C 1",
                              "add INSUMO D 1", "add INSUMO E 1", "add INSUMO F 1"};
        const QStringList sixNames{"INSUMO A", "INSUMO B", "INSUMO C", "INSUMO D", "INSUMO E", "INSUMO F"};
        const QStringList ones(6, "1");
        const QStringList refused{"Numero de Items permitidos 6"};
        QTest::newRow("seventh supply refused")
            << six + QStringList{"add HARINA DE TRIGO 50KG 1"} << ones << sixNames << 6 << refused;
        QTest::newRow("more of one of six refused") << six + QStringList{"add INSUMO A 4"} << ones << sixNames << 6 << refused;
        QTest::newRow("2 and 3 of one supply") << QStringList{"add INSUMO A 2", "add INSUMO A 3"} << QStringList{"5"}
                                               << QStringList{"INSUMO A"} << 2 << QStringList{};
        QTest::newRow("0.1 and 0.2 of one supply") << QStringList{"add INSUMO A 0.1", "add INSUMO A 0.2"}
                                                   << QStringList{"0.3"} << QStringList{"INSUMO A"} << 2 << QStringList{};
        QTest::newRow("edit") << QStringList{"add INSUMO A 2", "add INSUMO B 1", "edit 0 7.5"} << QStringList{"7.5", "1"}
                              << QStringList{"INSUMO A", "INSUMO B"} << 3 << QStringList{};
        QTest::newRow("edit refused keeps the quantity")
            << QStringList{"add INSUMO A 2", "edit 0 0", "edit 0 .", "edit 0 ESC"} << QStringList{"2"}
            << QStringList{"INSUMO A"} << 4 << QStringList{};
        QTest::newRow("delete") << QStringList{"add INSUMO A 2", "add INSUMO B 1", "add INSUMO C 3", "delete 1"}
                                << QStringList{"2", "3"} << QStringList{"INSUMO A", "INSUMO C"} << 3 << QStringList{};
        QTest::newRow("the dialog takes no quantity that is not above 0")
            << QStringList{"add INSUMO A .", "add INSUMO B 0.0", "add INSUMO C 00", "add INSUMO D ESC"} << QStringList{}
            << QStringList{} << 4 << QStringList{};
    }
    void lines()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, quantities);
        QFETCH(QStringList, names);
        QFETCH(int, dialogs);
        QFETCH(QStringList, messages);
        Window w(20, MoreFlours);
        for (const QString& step : steps) {
            const QString verb = step.section(' ', 0, 0);
            const QString last = step.section(' ', -1);
            if (verb == "add")
                w.add(step.section(' ', 1, -2), last);
            else if (verb == "edit")
                w.doubleClickLine(step.section(' ', 1, 1).toInt(), LCantidad, last);
            else
                Drive::clickCell(*w.window, "Vec1", last.toInt(), LBorrar);
        }
        QCOMPARE(w.column(w.lines(), LCantidad), quantities);
        QCOMPARE(w.column(w.lines(), LNombre), names);
        QCOMPARE(w.dialogs, dialogs);
        QCOMPARE(w.s.shop.messages.infos, messages);
        if (!names.isEmpty()) {
            // The line carries the supply's columns for the delivery and its voucher.
            QCOMPARE(w.lines()->cell(LIdCategoria, 0), QStringLiteral("17"));
            QCOMPARE(w.lines()->cell(LUnidad, 0), QStringLiteral("KILO"));
            QCOMPARE(w.lines()->cell(LPresentacion, 0), QStringLiteral("BOLSA"));
        }
    }

    void fieldsTakeWhatTheyShould_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("length");
        QTest::newRow("NIT/CI: digits only") << "ENitCI"
                                             << "12a-3 4"
                                             << "1234" << 12;
        QTest::newRow("order number: digits only") << "EIdEgreso"
                                                   << "9x8"
                                                   << "98" << 9;
        QTest::newRow("name: upper case, quotes kept") << "ENombreC"
                                                       << "pedro o'hara"
                                                       << "PEDRO O'HARA" << 50;
        QTest::newRow("observation") << "EObs"
                                     << "Horno 2"
                                     << "Horno 2" << 40;
    }
    void fieldsTakeWhatTheyShould()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, length);
        Window w;
        const QByteArray name = field.toLatin1();
        w.type(name.constData(), typed);
        QCOMPARE(w.field(name.constData()), shown);
        QCOMPARE(Drive::control<QLineEdit>(*w.window, name.constData())->maxLength(), length);
    }

    void spaceShowsThePhoto()
    {
        Window w;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QDir(w.s.shop.folder()).mkpath("img");
        QVERIFY(picture.save(w.s.shop.folder() + "img/producto.jpg", "JPG"));
        QString title, shown;
        bool hasPhoto = false;
        TFCantidad::setRunner([&](TFCantidad& dialog) {
            title = dialog.windowTitle();
            shown = dialog.request().BrandOrId;
            hasPhoto = !dialog.photo().isNull();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        w.supplies()->goToRow(0);
        QTest::keyClick(w.supplies(), Qt::Key_Space);
        QCOMPARE(title, QStringLiteral("Foto Insumo"));
        QCOMPARE(shown, DeliveryShop::Flour);
        QVERIFY(hasPhoto);  // no photo of its own: the shop's default picture
        QCOMPARE(w.lines()->rowCount(), 0);
    }

    void spaceInTheNitPicksARecipient()
    {
        Window w;
        TFBusquedas picker;
        TFBusquedas::setShared(&picker);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            Drive::key(*dialog, "EBuscarC", Qt::Key_Return);
        });
        Drive::key(*w.window, "ENitCI", Qt::Key_Space);
        TFBusquedas::setShared(nullptr);
        // The first client by name, and his name from the lookup.
        QCOMPARE(w.field("ENitCI"), QStringLiteral("3344556"));
        QCOMPARE(w.field("ENombreC"), QStringLiteral("CARLOS O'BRIEN ROCA"));
    }

    void handingOutThroughTheWindow()
    {
        Window w;
        w.add("HARINA DE TRIGO 50KG", "2.5");
        w.click("BGrupo20");
        w.add("BOLSA PLASTICA MEDIANA", "10");
        w.type("ENitCI", "6012345");
        w.type("ENombreC", "pedro o'hara");
        w.type("EObs", "PARA EL HORNO 2");
        QList<int> progress;
        connect(Drive::control<QProgressBar>(*w.window, "PBar1"), &QProgressBar::valueChanged,
                [&](int value) { progress << value; });
        w.click("SBEgreso");
        QVERIFY2(w.s.shop.messages.all.isEmpty(), qPrintable(w.s.shop.messages.all.join('\n')));
        QCOMPARE(progress, (QList<int>{1, 2, 4, 6, 8, 10}));

        QCOMPARE(w.s.table("SELECT IdEntrega, NitCI, Cliente, Obs FROM EntregaI"),
                 QStringList{"E000000001|6012345|PEDRO O'HARA|PARA EL HORNO 2"});
        QCOMPARE(w.s.table("SELECT Cantidad, IdProducto, IdCategoria FROM DetalleEI"),
                 (QStringList{"2.5|P000000013|17", "10|P000000015|20"}));
        QCOMPARE(w.s.table("SELECT Cliente, NVentas FROM Clientes WHERE NitCI='6012345'"), QStringList{"PEDRO O'HARA|0"});
        QCOMPARE(w.print.tickets.jobs.size(), 1);
        QVERIFY(w.ticketTexts().contains("Entregado a: PEDRO O'HARA"));

        // Ready for the next one, the list showing what is left.
        QCOMPARE(w.field("EIdEgreso"), QStringLiteral("000000002"));
        QCOMPARE(w.lines()->rowCount(), 0);
        QVERIFY(w.field("ENitCI").isEmpty() && w.field("ENombreC").isEmpty() && w.field("EObs").isEmpty());
        QCOMPARE(w.stockShown("BOLSA PLASTICA MEDIANA"), QStringLiteral("490"));
        QVERIFY(!Drive::control<QProgressBar>(*w.window, "PBar1")->isVisible());
    }

    // A delivery from the keyboard: Enter in the list, Supr on a line, Enter from the name to
    // "ENTREGAR" and Enter on it; the focus is back in the list for the next one.
    void handingOutFromTheKeyboard()
    {
        Window w;
        w.add("HARINA DE TRIGO 50KG", "2");
        w.click("BGrupo20");
        w.add("BOLSA PLASTICA MEDIANA", "10");
        w.lines()->setFocus();
        w.lines()->goToRow(1);
        QTest::keyClick(w.lines(), Qt::Key_Delete);
        QCOMPARE(w.column(w.lines(), LNombre), QStringList{"HARINA DE TRIGO 50KG"});
        auto* nit = Drive::control<QLineEdit>(*w.window, "ENitCI");
        nit->setFocus();
        QTest::keyClicks(nit, "4567890");
        QTest::keyClick(nit, Qt::Key_Return);
        QWidget* name = QApplication::focusWidget();
        QCOMPARE(name->objectName(), QStringLiteral("ENombreC"));
        QTest::keyClick(name, Qt::Key_Return);
        QWidget* deliver = QApplication::focusWidget();
        QCOMPARE(deliver->objectName(), QStringLiteral("SBEgreso"));
        QTest::keyClick(deliver, Qt::Key_Return);
        QVERIFY2(w.s.shop.messages.all.isEmpty(), qPrintable(w.s.shop.messages.all.join('\n')));
        QCOMPARE(w.s.table("SELECT Cantidad, IdProducto FROM DetalleEI"), QStringList{"2|P000000013"});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.supplies()));
    }

    // A known NIT/CI typed and the button clicked at once: the field was never left, so no name was
    // looked up. The delivery still names him, and his client row is neither doubled nor blanked.
    void knownRecipientTypedAndHandedOutAtOnce()
    {
        Window w;
        w.add("HARINA DE TRIGO 50KG", "1");
        w.type("ENitCI", "4567890");
        QVERIFY(w.field("ENombreC").isEmpty());
        w.click("SBEgreso");
        QVERIFY2(w.s.shop.messages.all.isEmpty(), qPrintable(w.s.shop.messages.all.join('\n')));
        QCOMPARE(w.s.table("SELECT NitCI, Cliente FROM EntregaI"), QStringList{"4567890|MARIA QUISPE CONDORI"});
        QCOMPARE(w.s.table("SELECT Cliente FROM Clientes WHERE NitCI='4567890'"), QStringList{"MARIA QUISPE CONDORI"});
        QVERIFY(w.ticketTexts().contains("Entregado a: MARIA QUISPE CONDORI"));
    }

    void refusedHandOutsWriteNothing_data()
    {
        QTest::addColumn<bool>("withLines");
        QTest::addColumn<bool>("clearOrderNumber");
        QTest::addColumn<QString>("message");
        QTest::newRow("no lines") << false << false << "Inserte Insumos a Entregar";
        QTest::newRow("no order number") << true << true << "Inserte y/o seleccione correctamente los Datos";
    }
    void refusedHandOutsWriteNothing()
    {
        QFETCH(bool, withLines);
        QFETCH(bool, clearOrderNumber);
        QFETCH(QString, message);
        Window w;
        if (withLines)
            w.add("HARINA DE TRIGO 50KG", "1");
        if (clearOrderNumber)
            Drive::control<QLineEdit>(*w.window, "EIdEgreso")->clear();
        const QStringList before = w.s.state();
        w.click("SBEgreso");
        QCOMPARE(w.s.shop.messages.infos, QStringList{message});
        QCOMPARE(w.s.state(), before);
        QVERIFY(w.print.tickets.jobs.isEmpty());
    }

    // The engine refuses the second line: its text is shown and nothing at all is stored.
    void failureMidwayLeavesNoTrace()
    {
        Window w;
        w.s.db().execute("CREATE TRIGGER FullDisk BEFORE INSERT ON DetalleEI WHEN NEW.IdProducto='P000000015' "
                         "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
        w.add("HARINA DE TRIGO 50KG", "4");
        w.click("BGrupo20");
        w.add("BOLSA PLASTICA MEDIANA", "10");
        w.type("ENitCI", "6012345");
        w.type("ENombreC", "PEDRO");
        const QStringList before = w.s.state();
        w.click("SBEgreso");
        QCOMPARE(w.s.shop.messages.errors, QStringList{"disco lleno"});
        QCOMPARE(w.s.state(), before);
        QVERIFY(w.print.tickets.jobs.isEmpty());
        QCOMPARE(w.lines()->rowCount(), 2);  // there for another try
        QCOMPARE(w.field("EIdEgreso"), QStringLiteral("000000001"));
        QVERIFY(!Drive::control<QProgressBar>(*w.window, "PBar1")->isVisible());
    }

    // Another counter handed out meanwhile: the voucher carries the key stored, not the number the
    // form showed since its last reset.
    void voucherCarriesTheStoredKey_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("ticket") << 0;
        QTest::newRow("letter note, two copies") << 1;
    }
    void voucherCarriesTheStoredKey()
    {
        QFETCH(int, format);
        Window w;
        SessionState::current().PrintFormat = format;
        QVERIFY(ProgramFiles::copyPicturesInto(w.s.shop.folder()));
        QCOMPARE(w.field("EIdEgreso"), QStringLiteral("000000001"));
        SecondStation other(w.s.shop.databasePath());
        QVERIFY2(other.ok(), qPrintable(other.error()));
        QCOMPARE(other.execute("UPDATE Codigos SET IdEgreso=IdEgreso+1 WHERE IdC=1"), QString());

        w.add("HARINA DE TRIGO 50KG", "1");
        w.click("SBEgreso");
        QCOMPARE(w.s.table("SELECT IdEntrega FROM EntregaI"), QStringList{"E000000002"});
        if (format == 0) {
            QVERIFY(w.ticketTexts().contains("Nº Orden: 2 Fecha: 09/12/2026"));
        } else {
            QCOMPARE(w.print.previews.shown.size(), 1);
            QCOMPARE(w.print.previews.shown.first().pageCount(), 2);
            QCOMPARE(w.print.label("LNOrdenE"), QStringLiteral("Nº: 000000002"));
        }
        QCOMPARE(w.field("EIdEgreso"), QStringLiteral("000000003"));
    }

    // The delivery is stored when its ticket cannot print: it stays shown, to be printed again.
    void failedPrintKeepsTheDeliveryShown()
    {
        Window w;
        w.add("HARINA DE TRIGO 50KG", "4");
        w.print.tickets.failNextBegin(QStringLiteral("No hay impresora de tickets"));
        w.click("SBEgreso");
        QCOMPARE(w.s.shop.messages.errors, QStringList{"No hay impresora de tickets"});
        QCOMPARE(w.s.number("SELECT COUNT(*) FROM EntregaI"), 1);
        QCOMPARE(w.s.stock(DeliveryShop::Flour), 246.0);
        QCOMPARE(w.field("EIdEgreso"), QStringLiteral("000000001"));
        QCOMPARE(w.lamp("SEstado")->colour(), QColor(Qt::green));
        QVERIFY(!w.enabled("SBEgreso") && w.enabled("SBImprimir") && w.enabled("SBAnular"));
        QCOMPARE(w.stockShown("HARINA DE TRIGO 50KG"), QStringLiteral("246"));

        w.click("SBImprimir");
        QCOMPARE(w.print.tickets.jobs.size(), 1);
        QVERIFY(w.ticketTexts().contains("4 HARINA DE TRIGO 50KG      KILO"));
        QCOMPARE(w.s.number("SELECT COUNT(*) FROM EntregaI"), 1);
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QColor>("lamp");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("mayAnnul");
        QTest::addColumn<int>("lines");
        QTest::newRow("unknown") << "99"
                                 << "000000099"
                                 << "No existe Venta con ese Nº de Orden" << QColor(Qt::white) << "" << false << 0;
        QTest::newRow("another cash session")
            << "5"
            << "000000005"
            << "El Nº de Orden pertenece a otra Fecha (Caja)" << QColor(Qt::white) << "" << false << 0;
        QTest::newRow("valid") << "1"
                               << "000000001"
                               << "" << QColor(Qt::green) << "" << true << 2;
        QTest::newRow("annulled") << "002"
                                  << "000000002"
                                  << "" << QColor(Qt::red) << "Venta Anulada" << false << 1;
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(QColor, lamp);
        QFETCH(QString, hint);
        QFETCH(bool, mayAnnul);
        QFETCH(int, lines);
        Window w(20, [](DeliveryShop& s) {
            DeliveryRegistration::Register(DeliveryShop::delivery(
                "4567890", "MARIA QUISPE",
                {DeliveryShop::line(DeliveryShop::Flour, "4"), DeliveryShop::line(DeliveryShop::Bags, "20")}));
            const QString annulled =
                DeliveryRegistration::Register(DeliveryShop::delivery("", "", {DeliveryShop::line(DeliveryShop::Sugar, "1")}))
                    .voucher.deliveryId;
            DeliveryAnnulment::Annul(annulled);
            s.storeOld("E000000005", "2026-12-01", "PEDRO", "C000000050");
        });
        w.search(typed);
        QCOMPARE(w.field("EIdEgreso"), shown);
        QCOMPARE(w.s.shop.messages.infos, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(w.lamp("SEstado")->colour(), lamp);
        QCOMPARE(w.lamp("SEstado")->toolTip(), hint);
        QVERIFY(!w.enabled("SBEgreso"));
        QCOMPARE(w.enabled("SBAnular"), mayAnnul);
        QCOMPARE(w.enabled("SBImprimir"), mayAnnul);
        QCOMPARE(w.lines()->rowCount(), lines);
        if (message.isEmpty()) {
            // Shown read-only, with its stored values.
            QVERIFY(!w.enabled("Vec0") && !w.enabled("Vec1") && !w.enabled("EObs") && !w.enabled("GBPersonal"));
            QCOMPARE(w.field("ENitCI"), typed == "1" ? QStringLiteral("4567890") : QStringLiteral("0"));
            QCOMPARE(w.field("ENombreC"), typed == "1" ? QStringLiteral("MARIA QUISPE") : QStringLiteral("ANULADO"));
            QCOMPARE(w.field("EObs"), QStringLiteral("HORNO 2"));
        } else {
            QCOMPARE(Drive::control<QLineEdit>(*w.window, "EIdEgreso")->selectedText(), shown);
        }
        // "NUEVO" always starts a new delivery again.
        w.click("SBNuevoE");
        QVERIFY(w.enabled("SBEgreso") && w.enabled("Vec1"));
        QCOMPARE(w.field("EIdEgreso"), QStringLiteral("000000003"));
        QCOMPARE(w.lamp("SEstado")->colour(), QColor(Qt::white));
    }

    void annulAtTheCounter()
    {
        Window w(20, [](DeliveryShop&) {
            DeliveryRegistration::Register(DeliveryShop::delivery("", "", {DeliveryShop::line(DeliveryShop::Flour, "4")}));
        });
        w.search("1");
        w.s.shop.messages.answerNext(false);
        w.click("SBAnular");
        QCOMPARE(w.s.stock(DeliveryShop::Flour), 246.0);  // declined: nothing changes
        w.click("SBAnular");
        QCOMPARE(w.s.shop.messages.questions,
                 (QList<QPair<QString, QString>>{{"Anular Entrega", "Esta Seguro de querer Anular esta Entrega? "},
                                                 {"Anular Entrega", "Esta Seguro de querer Anular esta Entrega? "}}));
        QCOMPARE(w.s.shop.messages.infos, QStringList{"Entrega Anulada Correctamente"});
        QCOMPARE(w.s.stock(DeliveryShop::Flour), 250.0);
        QCOMPARE(w.s.table("SELECT Estado FROM DetalleEI"), QStringList{"A"});
        // Back to a new delivery, the list showing the stock given back.
        QCOMPARE(w.field("EIdEgreso"), QStringLiteral("000000002"));
        QVERIFY(w.enabled("SBEgreso"));
        QCOMPARE(w.stockShown("HARINA DE TRIGO 50KG"), QStringLiteral("250"));
    }

    // Shown valid here, annulled at another counter meanwhile: the stock comes back once.
    void annulledElsewhereMeanwhile()
    {
        Window w(20, [](DeliveryShop&) {
            DeliveryRegistration::Register(DeliveryShop::delivery("", "", {DeliveryShop::line(DeliveryShop::Flour, "4")}));
        });
        w.search("1");
        QVERIFY(w.enabled("SBAnular"));
        QCOMPARE(DeliveryAnnulment::Annul("E000000001"), QString());
        w.click("SBAnular");
        QCOMPARE(w.s.shop.messages.infos, QStringList{DeliveryAnnulment::AlreadyAnnulled});
        QCOMPARE(w.s.stock(DeliveryShop::Flour), 250.0);
        QCOMPARE(w.lamp("SEstado")->colour(), QColor(Qt::red));
        QVERIFY(!w.enabled("SBAnular") && !w.enabled("SBImprimir"));
    }

    void yearListInTheOffice()
    {
        Window w(21, [](DeliveryShop& s) {
            SessionState::current().ListYear = 2026;
            SessionState::current().PrintFormat = 1;
            ProgramFiles::copyPicturesInto(s.shop.folder());
            s.storeOld("E000000001", "2025-12-31", "ANA", "C000000050");
            s.storeOld("E000000002", "2026-01-01", "BETO", "C000000051");
            s.storeOld("E000000003", "2026-06-15", "ANA", "C000000052", "A");
            s.storeOld("E000000004", "2026-12-31", "ANA", "C000000053");
            s.storeOld("E000000005", "2026-12-09", "CARLA", s.session);  // the open session's
        });
        TFEgresoI& window = *w.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Editar Egreso de Insumos"));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Editar Egreso de Insumos"));
        QCOMPARE(Drive::control<QSpinBox>(window, "EAnioE")->value(), 2026);
        DataGrid* list = w.grid("VecE");
        QCOMPARE(w.column(list, DeliveryEditPanel::EIdEntrega), (QStringList{"E000000004", "E000000003", "E000000002"}));
        QCOMPARE(w.column(list, DeliveryEditPanel::EConsignatario), (QStringList{"ANA", "ANULADO", "BETO"}));
        QVERIFY(!w.enabled("SBAnularA") && !w.enabled("SBImprimirA"));

        Drive::clickCell(window, "VecE", 0, DeliveryEditPanel::EConsignatario);
        QCOMPARE(w.field("EOrdenA"), QStringLiteral("E000000004"));
        QCOMPARE(w.field("ENitCIA"), QStringLiteral("6012345"));
        QCOMPARE(w.field("ENombreA"), QStringLiteral("ANA"));
        QCOMPARE(w.field("EObsA"), QStringLiteral("OBS"));
        QCOMPARE(w.column(w.grid("VecD"), LNombre), QStringList{"HARINA DE TRIGO 50KG"});
        QCOMPARE(w.lamp("EstadoA")->colour(), QColor(Qt::green));

        w.click("SBImprimirA");  // one copy, numbered with the whole key
        QCOMPARE(w.print.previews.shown.size(), 1);
        QCOMPARE(w.print.previews.shown.first().pageCount(), 1);
        QCOMPARE(w.print.label("LNOrdenE"), QStringLiteral("Nº: E000000004"));

        w.click("SBAnularA");
        QCOMPARE(w.s.shop.messages.questions.last().first, QStringLiteral("Anular Egreso"));
        QCOMPARE(w.s.shop.messages.infos, QStringList{"Entrega Anulada Correctamente"});
        QCOMPARE(w.s.stock(DeliveryShop::Flour), 253.0);
        QCOMPARE(w.column(list, DeliveryEditPanel::EConsignatario), (QStringList{"ANULADO", "ANULADO", "BETO"}));
        QCOMPARE(w.field("EOrdenA"), QStringLiteral("E000000004"));  // still shown
        QVERIFY(!w.enabled("SBAnularA") && !w.enabled("SBImprimirA"));

        // "Buscar Por" finds a delivery of the list by its order number.
        w.click("SBuscarE");
        auto* finder = window.findChild<TFBuscar2*>();
        QVERIFY(finder && finder->isVisible());
        QCOMPARE(finder->mode(), SearchDialogMode::Deliveries);
        finder->setOption(TFBuscar2::ByNumber);
        finder->setSearchText("3");
        QVERIFY(finder->findNext());
        finder->close();
        QCOMPARE(w.field("EOrdenA"), QStringLiteral("E000000003"));
        QCOMPARE(w.lamp("EstadoA")->colour(), QColor(Qt::red));
        QCOMPARE(w.lamp("EstadoA")->toolTip(), QStringLiteral("Entrada Anulada"));
        QVERIFY(!w.enabled("SBAnularA") && !w.enabled("SBImprimirA"));

        // Another year is remembered for the next list.
        Drive::control<QSpinBox>(window, "EAnioE")->setValue(2025);
        QCOMPARE(SessionState::current().ListYear, 2025);
        QCOMPARE(w.column(list, DeliveryEditPanel::EIdEntrega), QStringList{"E000000001"});
    }

    // Through the main window: handing out needs the cash session open, the year list does not.
    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("cashOpen");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("caption");
        QTest::newRow("hand out, cash closed") << "S2" << false << QStringList{"La CAJA no esta Abierta"} << "";
        QTest::newRow("hand out") << "S2" << true << QStringList{} << "Registro Egreso de Insumos";
        QTest::newRow("year list, cash closed") << "S4" << false << QStringList{} << "Editar Egreso de Insumos";
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(bool, cashOpen);
        QFETCH(QStringList, messages);
        QFETCH(QString, caption);
        ShopFixture shop;
        TFPrincipal main;
        main.loginTimer()->stop();
        main.setGeometry(0, 0, 1366, 768);  // a frame with room below the window's top
        main.show();
        shop.login();
        if (cashOpen)
            shop.openCashSession(QDate(2026, 12, 9));
        QVERIFY(main.dispatcher()->isWired(command));
        main.command(command)->setEnabled(true);
        main.command(command)->trigger();
        QCOMPARE(shop.messages.all, messages);
        QMdiSubWindow* window = main.mdiArea()->activeSubWindow();
        QCOMPARE(window ? window->widget()->windowTitle() : QString(), caption);
        if (window)
            QCOMPARE(window->y(), 6);
        // A mode the window has no panel for leaves its command unwired.
        QCOMPARE(main.dispatcher()->isWired("C3"), TFEgresoI::ServesMode(22));
    }

    // Not a check: pictures of both modes for a person to look at when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the supplies window");
        {
            Window w(20, [](DeliveryShop& s) {
                MoreFlours(s);
                s.db().execute("UPDATE Productos SET Ingreso=100 WHERE Producto='HARINA DE TRIGO 50KG'");
                s.db().execute("UPDATE Productos SET Ingreso=0 WHERE Producto='INSUMO A'");
            });
            w.add("HARINA DE TRIGO 50KG", "2.5");
            w.add("INSUMO C", "4");
            w.click("BGrupo20");
            w.add("BOLSA PLASTICA MEDIANA", "100");
            w.click("BGrupo17");
            w.type("ENitCI", "6012345");
            w.type("ENombreC", "PEDRO MAMANI QUISPE");
            w.type("EObs", "PARA EL HORNO 2");
            w.supplies()->goToRow(2);
            QVERIFY(w.window->grab().save(folder + "/egreso-insumos-20.png"));
        }
        Window w(21, [](DeliveryShop& s) {
            SessionState::current().ListYear = 2026;
            s.storeOld("E000000002", "2026-01-01", "BETO CHOQUE", "C000000051");
            s.storeOld("E000000003", "2026-06-15", "ANULADO", "C000000052", "A");
            s.storeOld("E000000004", "2026-12-31", "ANA LOPEZ", "C000000053");
        });
        Drive::clickCell(*w.window, "VecE", 1, DeliveryEditPanel::EConsignatario);
        QVERIFY(w.window->grab().save(folder + "/egreso-insumos-21.png"));
    }
};

QTEST_MAIN(TstUEgresoI)
#include "tst_uegresoi.moc"
