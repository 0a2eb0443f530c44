#include "ProgramFiles.h"
#include "ItemDriver.h"
#include "SaleHistory.h"
#include "WindowDriver.h"

#include "app/ui/UIniciarS.h"
#include "app/ui/UPrincipal.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "masterdata/ui/UBusquedas.h"
#include "sales/SaleAnnulment.h"
#include "printing/RecordingReportPreview.h"
#include "printing/RecordingTicketSink.h"
#include "printing/TicketSinkSeam.h"
#include "sales/ProductBarcode.h"
#include "sales/ui/UCantidad.h"
#include "sales/ui/UVentas.h"
#include "widgets/DataGrid.h"
#include "widgets/StatusShape.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <memory>

namespace {

const QString kMaria = QStringLiteral("4567890");

// The sales register over the demo shop, with recorders for tickets and previews and a cashier
// who answers the quantity dialog from a list ("ESC" presses Escape).
struct Register {
    SalesShop s;
    RecordingTicketSink tickets;
    RecordingReportPreview previews;
    QStringList answers;
    int dialogs = 0;
    QuantityRequest asked;  // what the quantity dialog was last asked
    std::unique_ptr<TFVentas> window;

    explicit Register(const std::function<void(SalesShop&)>& prepare = {})
    {
        TicketSinkSeam::install(&tickets);
        ReportPreview::install(&previews);
        TFCantidad::setRunner([this](TFCantidad& dialog) { answer(dialog); });
        if (prepare)
            prepare(s);
        window = std::make_unique<TFVentas>();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the register did not become the active window");
    }
    ~Register()
    {
        window.reset();
        TFCantidad::setRunner({});
        TicketSinkSeam::install(nullptr);
        ReportPreview::install(nullptr);
    }

    void answer(TFCantidad& dialog)
    {
        ++dialogs;
        const QString typed = answers.isEmpty() ? QStringLiteral("1") : answers.takeFirst();
        asked = dialog.request();
        const bool price = asked.Mode == QuantityRequest::UnitCostMode;
        Drive::answerQuantity(dialog, price ? "ECostoN" : "ECantidadV", typed);
    }

    DataGrid* products() const { return Drive::control<DataGrid>(*window, "Vec0"); }
    DataGrid* cart() const { return Drive::control<DataGrid>(*window, "Vec1"); }
    QString field(const char* name) const { return Drive::text(*window, name); }

    // Picks a product of the list shown with Enter, answering the quantity dialog.
    void add(const QString& product, const QString& quantity = QStringLiteral("1"))
    {
        answers << quantity;
        Drive::addItem(products(), TFVentas::PProducto, product);
    }
    QRect cell(int row, int column) const { return cart()->visualRect(cart()->model()->index(row, column)); }
    void doubleClickCart(int row, int column, const QString& answer)
    {
        answers << answer;
        // What a mouse sends for a double click: a click, then the double click on the same cell.
        const QPoint at = cell(row, column).center();
        QTest::mouseClick(cart()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(cart()->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList cartColumn(int column) const
    {
        QStringList values;
        for (int row = 0; row < cart()->rowCount(); ++row)
            values << cart()->cell(column, row);
        return values;
    }
    void choose(const char* combo, const QString& entry) { Drive::choose(*window, combo, entry); }
    void type(const char* name, const QString& text) { Drive::type(*window, name, text); }
    void leave(const char* name)
    {
        Drive::control<QWidget>(*window, "EObs")->setFocus();
        Q_UNUSED(name);
    }
    void sell() { Drive::click(*window, "SBVender"); }
    QStringList jobTitles() const
    {
        QStringList titles;
        for (const TicketJob& job : tickets.jobs)
            titles << job.title;
        return titles;
    }
    QStringList ticketTexts(int job) const
    {
        QStringList texts;
        for (const TicketMark& mark : tickets.jobs.at(job).marks)
            texts << mark.text;
        return texts;
    }
    QString stockShown(const QString& product) const
    {
        return products()->cell(TFVentas::PStock, products()->findRow(TFVentas::PProducto, product));
    }
    QColor stockColour(const QString& product) const
    {
        return products()->cellColor(TFVentas::PStock, products()->findRow(TFVentas::PProducto, product));
    }
};

// COCA COLA 2L costs 12.5 without and 14.5 with invoice, to tell the two price lists apart.
void TwoPrices(SalesShop& s) { s.db().execute("UPDATE Productos SET PVentaIVA=14.5 WHERE IdProducto='P000000001'"); }

// The invoice the lookup tests bring back: V000000123, two COCA COLA 2L for MARIA, cash.
QString SellOrder123(SalesShop& s)
{
    s.db().execute("UPDATE Codigos SET IdVenta=122");
    return SaleHistory::SellTwoCocas();
}

void WriteLogo(SalesShop& s) { ProgramFiles::copyPicturesInto(s.shop.folder()); }

// Presses keys where the focus is, as a keyboard does, and counts them.
struct Keyboard {
    int presses = 0;
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focused = QApplication::focusWidget();
        if (!focused)
            qFatal("no control has the focus for key %d", key);
        QTest::keyClick(focused, Qt::Key(key), modifiers);
        ++presses;
    }
    void type(const QString& text)
    {
        for (const QChar c : text)
            press(c.unicode());
    }
    QString focusName() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
};

}

class TstUVentas : public QObject {
    Q_OBJECT
private slots:
    void opening()
    {
        Register r([](SalesShop& s) {
            s.db().execute("UPDATE Productos SET Ingreso=6 WHERE Producto='FANTA NARANJA 2L'");       // at the minimum
            s.db().execute("UPDATE Productos SET Ingreso=0 WHERE Producto='AGUA VITAL 600ML'");       // none left
            s.db().execute("UPDATE Productos SET Ingreso=-2 WHERE Producto='CERVEZA PACENA 620ML'");  // below zero
            s.db().execute("UPDATE Categorias SET Estado=0 WHERE IdCategoria=7");
        });
        TFVentas& w = *r.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Registrar Ventas"));
        QCOMPARE(MainStatus::text(3), QStringLiteral("Operacion: Registrar Ventas"));
        QCOMPARE(r.field("EIdVenta"), QStringLiteral("000000001"));
        QCOMPARE(r.field("ETotal"), QStringLiteral("0"));
        QCOMPARE(r.field("ECambio"), QStringLiteral("0"));
        QCOMPARE(Drive::control<QComboBox>(w, "CBFormaP")->currentText(), QStringLiteral("EFECTIVO"));
        QCOMPARE(Drive::control<QComboBox>(w, "CBComprobante")->currentIndex(), 1);  // invoicing is on
        QCOMPARE(Drive::control<QComboBox>(w, "CBComprobante")->count(), 3);
        QVERIFY(Drive::enabled(w, "SBVender"));
        QVERIFY(!Drive::enabled(w, "SBImprimir"));
        QVERIFY(!Drive::enabled(w, "SBAnular"));
        QCOMPARE(Drive::control<StatusShape>(w, "SEstado")->colour(), QColor(Qt::white));
        QVERIFY(!Drive::control<QProgressBar>(w, "PBar1")->isVisible());
        QCOMPARE(w.registerState().CurrentCategory, 1);

        QCOMPARE(Drive::control<QToolButton>(w, "BGrupo1")->toolTip(), QStringLiteral("BEBIDAS"));
        QVERIFY(!Drive::visible(w, "BGrupo7"));
        QVERIFY(Drive::visible(w, "BGrupo8"));
        QCOMPARE(r.products()->horizontalHeaderItem(TFVentas::PProducto)->text(), QStringLiteral(" BEBIDAS"));
        QCOMPARE(r.products()->rowCount(), 4);
        QCOMPARE(r.products()->cell(TFVentas::PProducto, 0), QStringLiteral("AGUA VITAL 600ML"));  // by name
        QCOMPARE(r.stockColour("COCA COLA 2L"), TFVentas::StockAboveMinimum);
        QCOMPARE(r.stockColour("FANTA NARANJA 2L"), QColor(255, 255, 0));
        QCOMPARE(r.stockColour("AGUA VITAL 600ML"), QColor(255, 0, 0));
        QCOMPARE(r.stockColour("CERVEZA PACENA 620ML"), QColor(255, 0, 0));  // red wins over yellow
        QCOMPARE(r.stockShown("CERVEZA PACENA 620ML"), QStringLiteral("-2"));

        Drive::click(w, "BGrupo2");
        QCOMPARE(w.registerState().CurrentCategory, 2);
        QCOMPARE(r.products()->horizontalHeaderItem(TFVentas::PProducto)->text(), QStringLiteral(" ABARROTES"));
        QCOMPARE(r.products()->rowCount(), 3);
    }

    // A whole sale without the mouse, from the empty register to the stored invoice: the list, the
    // quantity dialog, F2 for the client, Enter down to "Efectivo", Enter to sell. Afterwards the
    // focus is back in the list for the next sale.
    void keyboardOnlySale()
    {
        Register r;
        Keyboard keys;
        // Enter in the quantity dialog takes the 1 it offers.
        TFCantidad::setRunner([&](TFCantidad& dialog) {
            QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Return);
            ++keys.presses;
        });
        QCOMPARE(keys.focusName(), QStringLiteral("Vec0"));
        keys.press(Qt::Key_Down);
        keys.press(Qt::Key_Down);  // AGUA VITAL, CERVEZA, COCA COLA
        keys.press(Qt::Key_Return);
        QCOMPARE(r.cartColumn(TFVentas::NxProducto1), QStringList{"COCA COLA 2L"});
        keys.press(Qt::Key_F2);
        QCOMPARE(keys.focusName(), QStringLiteral("ENitCI"));
        keys.type(kMaria);
        keys.press(Qt::Key_Return);
        QCOMPARE(keys.focusName(), QStringLiteral("ENombreC"));
        QCOMPARE(r.field("ENombreC"), QStringLiteral("MARIA QUISPE CONDORI"));
        keys.press(Qt::Key_Return);
        QCOMPARE(keys.focusName(), QStringLiteral("EEfectivo"));
        keys.type(QStringLiteral("20"));
        keys.press(Qt::Key_Return);

        const SqlRows sale = r.s.row("SELECT Comprobante, NitCI, Cliente, TotalF, TotalE FROM Ventas");
        QVERIFY(!sale.isEmpty());
        QCOMPARE(sale.integer(0), qint64(1));  // the invoice
        QCOMPARE(sale.text(1), kMaria);
        QCOMPARE(sale.number(3), 12.5);
        QCOMPARE(sale.number(4), 12.5);  // paid in full
        QCOMPARE(r.jobTitles(), (QStringList{"FACTURA", "TICKET"}));
        QCOMPARE(r.cart()->rowCount(), 0);
        QCOMPARE(keys.focusName(), QStringLiteral("Vec0"));
        QCOMPARE(keys.presses, 17);
        qInfo("a keyboard-only sale takes %d key presses", keys.presses);
    }

    // Tab walks the fields of the counter in their order, each grid one stop.
    void tabWalksTheCounter()
    {
        Register r;
        Keyboard keys;
        QStringList path{keys.focusName()};
        for (int i = 0; i < 6; ++i) {
            keys.press(Qt::Key_Tab);
            path << keys.focusName();
        }
        QCOMPARE(path, (QStringList{"Vec0", "ECodigoB", "ENitCI", "ENombreC", "EEfectivo", "SBVender", "Vec1"}));
        keys.press(Qt::Key_Backtab);
        QCOMPARE(keys.focusName(), QStringLiteral("SBVender"));
    }

    // The selected cart line from the keyboard: + and - by one (never below one), Supr removes it,
    // Enter asks for its quantity.
    void cartKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("cart");  // product x quantity
        QTest::addColumn<QString>("total");
        QTest::newRow("plus") << QList<int>{Qt::Key_Plus, Qt::Key_Plus}
                              << QStringList{"COCA COLA 2L x 4", "FANTA NARANJA 2L x 1"} << "62.00";
        QTest::newRow("minus stops at one") << QList<int>{Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus}
                                            << QStringList{"COCA COLA 2L x 1", "FANTA NARANJA 2L x 1"} << "24.50";
        QTest::newRow("supr") << QList<int>{Qt::Key_Delete} << QStringList{"FANTA NARANJA 2L x 1"} << "12.00";
        QTest::newRow("enter asks") << QList<int>{Qt::Key_Return} << QStringList{"COCA COLA 2L x 5", "FANTA NARANJA 2L x 1"}
                                    << "74.50";
    }
    void cartKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, cart);
        QFETCH(QString, total);
        Register r;
        r.add("COCA COLA 2L", "2");
        r.add("FANTA NARANJA 2L", "1");
        r.answers << "5";
        r.cart()->setFocus();
        r.cart()->goToRow(0);
        Keyboard keyboard;
        for (int key : keys)
            keyboard.press(key);
        QStringList lines;
        for (int row = 0; row < r.cart()->rowCount(); ++row)
            lines << r.cart()->cell(TFVentas::NxProducto1, row) + " x " + r.cart()->cell(TFVentas::NxCantidad, row);
        QCOMPARE(lines, cart);
        QCOMPARE(r.field("ETotal"), total);
    }

    // Function keys: F4 goes to "Efectivo", F10 sells, F12 starts anew; Enter in "Efectivo" with an
    // empty cart sells nothing. A sale whose products came from the scanner leaves the focus in
    // "Código".
    void functionKeys()
    {
        Register r;
        Keyboard keys;
        keys.press(Qt::Key_F4);
        QCOMPARE(keys.focusName(), QStringLiteral("EEfectivo"));
        keys.press(Qt::Key_Return);
        QVERIFY(r.s.shop.messages.all.isEmpty());

        auto* code = Drive::control<QLineEdit>(*r.window, "ECodigoB");
        code->setFocus();
        keys.type(QStringLiteral("7751234000011"));
        keys.press(Qt::Key_Return);
        QCOMPARE(r.cart()->rowCount(), 1);
        keys.press(Qt::Key_F12);
        QCOMPARE(r.cart()->rowCount(), 0);
        QCOMPARE(keys.focusName(), QStringLiteral("ECodigoB"));

        keys.type(QStringLiteral("7751234000011"));
        keys.press(Qt::Key_Return);
        keys.press(Qt::Key_F2);
        keys.type(kMaria);
        keys.press(Qt::Key_F4);
        keys.type(QStringLiteral("15"));
        keys.press(Qt::Key_F10);
        QCOMPARE(r.s.number("SELECT COUNT(*) FROM Ventas"), 1);
        QCOMPARE(keys.focusName(), QStringLiteral("ECodigoB"));
    }

    void sameProductTwiceIsOneLine()
    {
        Register r(TwoPrices);
        r.add("COCA COLA 2L", "2");
        r.add("COCA COLA 2L", "3");
        QCOMPARE(r.cart()->rowCount(), 1);
        QCOMPARE(r.cartColumn(TFVentas::NxCantidad), QStringList{"5"});
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), QStringList{"14.5"});  // invoice voucher: price with invoice
        QCOMPARE(r.cartColumn(TFVentas::NxCTotal), QStringList{"72.5"});
        QCOMPARE(r.field("ETotal"), QStringLiteral("72.50"));
        QCOMPARE(r.cart()->footerText(TFVentas::NxCTotal), QStringLiteral("72.50"));
        QCOMPARE(r.cart()->footerText(TFVentas::NxBorrarP), QStringLiteral("1"));
        const QuantityRequest& q = r.asked;
        QCOMPARE(q.ProductName, QStringLiteral("COCA COLA 2L"));
        QCOMPARE(q.Presentation, QStringLiteral("BOTELLA PET 2 LITROS"));
    }

    void seventhLineIsRefused()
    {
        Register r;
        for (const char* product : {"AGUA VITAL 600ML", "CERVEZA PACENA 620ML", "COCA COLA 2L", "FANTA NARANJA 2L"})
            r.add(product);
        Drive::click(*r.window, "BGrupo2");
        r.add("ACEITE FINO 1L");
        r.add("AZUCAR 1KG");
        QCOMPARE(r.cart()->rowCount(), 6);
        const int asked = r.dialogs;
        r.add("FIDEO TALLARIN 400G");
        QCOMPARE(r.s.shop.messages.infos, QStringList{"Numero de Items permitidos 6"});
        // Even raising a line already in the cart.
        r.add("AZUCAR 1KG");
        QCOMPARE(r.s.shop.messages.infos.size(), 2);
        QCOMPARE(r.dialogs, asked);
        QCOMPARE(r.cart()->rowCount(), 6);
        QCOMPARE(r.cartColumn(TFVentas::NxCantidad), QStringList(6, "1"));
        r.answers.clear();
    }

    void refusedQuantitiesChangeNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("00") << "00";
        QTest::newRow("0.0") << "0.0";
        QTest::newRow("point") << ".";
        QTest::newRow("empty") << "";
        QTest::newRow("escape") << "ESC";
    }
    void refusedQuantitiesChangeNothing()
    {
        QFETCH(QString, typed);
        Register r;
        r.add("COCA COLA 2L", "2");
        r.add("COCA COLA 2L", typed);
        r.add("FANTA NARANJA 2L", typed);
        r.doubleClickCart(0, TFVentas::NxCantidad, typed);
        QCOMPARE(r.dialogs, 4);
        QCOMPARE(r.cartColumn(TFVentas::NxCantidad), QStringList{"2"});
        QCOMPARE(r.field("ETotal"), QStringLiteral("25.00"));
    }

    void repricing()
    {
        Register r(TwoPrices);
        r.add("COCA COLA 2L", "2");
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), QStringList{"14.5"});
        r.choose("CBComprobante", "NOTA DE VENTA");
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), QStringList{"12.5"});
        QCOMPARE(r.field("ETotal"), QStringLiteral("25.00"));
        r.add("FANTA NARANJA 2L");  // a new line takes the price of the voucher shown
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), (QStringList{"12.5", "12"}));

        r.choose("CBFormaP", "CREDITO");
        auto* voucher = Drive::control<QComboBox>(*r.window, "CBComprobante");
        QCOMPARE(voucher->currentIndex(), 0);
        QVERIFY(!voucher->isEnabled());
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), (QStringList{"14.5", "12"}));
        QCOMPARE(r.field("ETotal"), QStringLiteral("41.00"));

        r.choose("CBFormaP", "SIN COSTO (Gratis)");
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), (QStringList{"0", "0"}));
        QCOMPARE(r.cartColumn(TFVentas::NxCTotal), (QStringList{"0", "0"}));
        QCOMPARE(r.field("ETotal"), QStringLiteral("0.00"));
        QCOMPARE(r.field("EEfectivo"), QStringLiteral("0.00"));
        QVERIFY(!Drive::enabled(*r.window, "EEfectivo"));
        r.add("AGUA VITAL 600ML");
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1).last(), QStringLiteral("0"));

        r.choose("CBFormaP", "TARJETA/CHEQUE");
        QVERIFY(voucher->isEnabled());
        QCOMPARE(voucher->currentIndex(), 1);
        QVERIFY(Drive::enabled(*r.window, "EEfectivo"));
        QCOMPARE(r.field("EEfectivo"), QString());
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), (QStringList{"14.5", "12", "4"}));
        QCOMPARE(r.field("ETotal"), QStringLiteral("45.00"));
    }

    void emptyCartPaymentForms()
    {
        Register r;
        r.choose("CBFormaP", "SIN COSTO (Gratis)");
        QCOMPARE(r.field("ETotal"), QStringLiteral("0.00"));
        QCOMPARE(r.field("EEfectivo"), QStringLiteral("0.00"));
        r.choose("CBFormaP", "EFECTIVO");
        QCOMPARE(r.field("EEfectivo"), QString());
        QCOMPARE(r.cart()->rowCount(), 0);
    }

    void quantityAndPriceOfAFractionalLine()
    {
        Register r(TwoPrices);
        r.add("COCA COLA 2L", "2.5");
        QCOMPARE(r.cartColumn(TFVentas::NxCTotal), QStringList{"36.25"});
        r.doubleClickCart(0, TFVentas::NxCantidad, "1.5");
        QCOMPARE(r.asked.Mode, int(QuantityRequest::SaleQuantityMode));
        QCOMPARE(r.cartColumn(TFVentas::NxCantidad), QStringList{"1.5"});
        QCOMPARE(r.cartColumn(TFVentas::NxCTotal), QStringList{"21.75"});
        r.doubleClickCart(0, TFVentas::NxPVenta1, "1.1");
        QCOMPARE(r.asked.Mode, int(QuantityRequest::UnitCostMode));
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), QStringList{"1.1"});
        QCOMPARE(r.cartColumn(TFVentas::NxCTotal), QStringList{"1.65"});
        r.doubleClickCart(0, TFVentas::NxPVenta1, "0");  // a price of 0 is a price
        QCOMPARE(r.cartColumn(TFVentas::NxCTotal), QStringList{"0"});
        r.doubleClickCart(0, TFVentas::NxPVenta1, ".");  // not a number: nothing changes
        QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), QStringList{"0"});
        QCOMPARE(r.dialogs, 5);
    }

    void removingALine()
    {
        Register r;
        r.add("COCA COLA 2L", "2");
        r.add("FANTA NARANJA 2L");
        r.type("EEfectivo", "50");
        QTest::mouseClick(r.cart()->viewport(), Qt::LeftButton, {}, r.cell(0, TFVentas::NxBorrarP).center());
        QCOMPARE(r.cartColumn(TFVentas::NxProducto1), QStringList{"FANTA NARANJA 2L"});
        QCOMPARE(r.field("ETotal"), QStringLiteral("12.00"));
        QCOMPARE(r.field("ECambio"), QStringLiteral("38.00"));
        QCOMPARE(r.cart()->currentRow(), 0);
        QTest::mouseClick(r.cart()->viewport(), Qt::LeftButton, {}, r.cell(0, TFVentas::NxBorrarP).center());
        QCOMPARE(r.cart()->rowCount(), 0);
        QCOMPARE(r.field("ETotal"), QStringLiteral("0"));
    }

    void changeOrBalance_data()
    {
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("50") << "50"
                            << "Cambio:"
                            << "4.50";
        QTest::newRow("20") << "20"
                            << "Saldo:"
                            << "25.50";
        QTest::newRow("45.5") << "45.5"
                              << "Cambio:"
                              << "0.00";
        QTest::newRow("comma typed as point") << "45,5"
                                              << "Cambio:"
                                              << "0.00";
        QTest::newRow("two points show nothing") << "4.5."
                                                 << "Saldo:"
                                                 << "";
    }
    void changeOrBalance()
    {
        QFETCH(QString, cash);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        Register r;
        r.add("COCA COLA 2L");
        r.doubleClickCart(0, TFVentas::NxPVenta1, "45.5");
        QCOMPARE(r.field("ETotal"), QStringLiteral("45.50"));
        r.type("EEfectivo", cash);
        QCOMPARE(Drive::control<QLabel>(*r.window, "LSaldoC")->text(), caption);
        QCOMPARE(r.field("ECambio"), shown);
        QVERIFY(r.s.shop.messages.all.isEmpty());
    }

    void cashTextIsNormalisedOnLeaving()
    {
        Register r;
        auto* cash = Drive::control<QLineEdit>(*r.window, "EEfectivo");
        cash->setFocus();
        cash->setText("12,5");  // pasted, not typed
        r.leave("EEfectivo");
        QCOMPARE(cash->text(), QStringLiteral("12.5"));
        cash->setFocus();
        cash->clear();
        r.leave("EEfectivo");
        QCOMPARE(r.field("ECambio"), QString());
    }

    void emptyCartShowsZeros()
    {
        Register r;
        r.add("COCA COLA 2L");
        QTest::mouseClick(r.cart()->viewport(), Qt::LeftButton, {}, r.cell(0, TFVentas::NxBorrarP).center());
        QCOMPARE(r.field("ETotal"), QStringLiteral("0"));
        QCOMPARE(r.field("ECambio"), QStringLiteral("0"));
    }

    void clientLookup()
    {
        Register r;
        r.type("ENitCI", "45x67890");  // digits only
        QCOMPARE(r.field("ENitCI"), kMaria);
        QTest::keyClick(Drive::control<QWidget>(*r.window, "ENitCI"), Qt::Key_Return);
        QVERIFY(Drive::control<QWidget>(*r.window, "ENombreC")->hasFocus());
        QCOMPARE(r.field("ENombreC"), QStringLiteral("MARIA QUISPE CONDORI"));
        QCOMPARE(r.window->registerState().ClientKnown, 1);
        QCOMPARE(r.window->registerState().ClientCreditLimit, 3);

        r.type("ENitCI", "1020304025");  // a change empties the name first
        QCOMPARE(r.field("ENombreC"), QString());
        r.leave("ENitCI");
        QCOMPARE(r.field("ENombreC"), QStringLiteral("RESTAURANTE EL SOL SRL"));
        QCOMPARE(r.window->registerState().ClientCompany, QStringLiteral("EL SOL SRL"));

        r.type("ENitCI", "111");
        r.type("ENombreC", "o'brien");
        QCOMPARE(r.field("ENombreC"), QStringLiteral("O'BRIEN"));  // upper case, quote kept
        QCOMPARE(r.window->registerState().ClientKnown, 0);
        QCOMPARE(r.window->registerState().ClientCreditLimit, 0);
        QCOMPARE(r.window->registerState().ClientCompany, QString());
    }

    void sellAnInvoice()
    {
        Register r;
        r.add("COCA COLA 2L", "2");
        r.type("ENitCI", kMaria);
        r.leave("ENitCI");
        r.type("EObs", "SIN BOLSA");
        r.type("EEfectivo", "30");
        r.sell();
        QVERIFY2(r.s.shop.messages.all.isEmpty(), qPrintable(r.s.shop.messages.all.join('\n')));

        SqlRows v = r.s.row("SELECT IdVenta, NroFact, NitCI, Cliente, TotalF, TotalE, Obs, Comprobante FROM Ventas");
        QCOMPARE(v.count(), 1);
        QCOMPARE(v.text("IdVenta"), QStringLiteral("V000000001"));
        QCOMPARE(v.integer("NroFact"), 1);
        QCOMPARE(v.text("Cliente"), QStringLiteral("MARIA QUISPE CONDORI"));
        QCOMPARE(v.value("TotalF").toDouble(), 25.0);
        QCOMPARE(v.text("Obs"), QStringLiteral("SIN BOLSA"));
        QCOMPARE(r.jobTitles(), (QStringList{"FACTURA", "TICKET"}));
        QVERIFY(r.ticketTexts(1).contains(QStringLiteral("                            CAMBIO: 5.00")));

        // Back to a new sale, the list showing the new stock.
        QCOMPARE(r.field("EIdVenta"), QStringLiteral("000000002"));
        QCOMPARE(r.cart()->rowCount(), 0);
        QCOMPARE(r.field("ENitCI"), QString());
        QCOMPARE(r.field("EObs"), QString());
        QCOMPARE(r.field("ETotal"), QStringLiteral("0"));
        QCOMPARE(r.stockShown("COCA COLA 2L"), QStringLiteral("46"));
        QVERIFY(!Drive::control<QProgressBar>(*r.window, "PBar1")->isVisible());
        QCOMPARE(r.window->registerState().FormaP, 1);
    }

    void lastUnitTurnsRed()
    {
        Register r([](SalesShop& s) { s.db().execute("UPDATE Productos SET Ingreso=1 WHERE Producto='COCA COLA 2L'"); });
        r.add("COCA COLA 2L");
        r.type("ENitCI", kMaria);
        r.leave("ENitCI");
        r.type("EEfectivo", "20");
        r.sell();
        QCOMPARE(r.stockShown("COCA COLA 2L"), QStringLiteral("0"));
        QCOMPARE(r.stockColour("COCA COLA 2L"), QColor(255, 0, 0));
    }

    void refusalKeepsTheCart()
    {
        Register r;
        r.add("COCA COLA 2L", "2");
        r.type("ENitCI", kMaria);
        r.leave("ENitCI");
        r.type("EEfectivo", "20");
        r.sell();
        QCOMPARE(r.s.shop.messages.infos, QStringList{"No esta cancelando el Total, revise e intente nuevamente"});
        QCOMPARE(r.s.number("SELECT COUNT(*) FROM Ventas"), 0);
        QCOMPARE(r.cart()->rowCount(), 1);
        QCOMPARE(r.field("EIdVenta"), QStringLiteral("000000001"));
        QVERIFY(Drive::enabled(*r.window, "SBVender"));

        r.type("EEfectivo", "2.5.");
        r.sell();
        QCOMPARE(r.s.shop.messages.errors, QStringList{"'2.5.' no es un valor numerico valido"});
        QCOMPARE(r.s.number("SELECT COUNT(*) FROM Ventas"), 0);
    }

    void databaseFailureKeepsTheCart()
    {
        Register r([](SalesShop& s) {
            s.db().execute("CREATE TRIGGER fallo BEFORE INSERT ON DetalleV BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
        });
        const ShopState before = ShopState::read(r.s.db());
        r.add("COCA COLA 2L", "2");
        r.type("ENitCI", kMaria);
        r.leave("ENitCI");
        r.type("EEfectivo", "30");
        r.sell();
        QCOMPARE(r.s.shop.messages.errors, QStringList{"disco lleno"});
        QCOMPARE(ShopState::read(r.s.db()), before);
        QCOMPARE(r.cart()->rowCount(), 1);
        QVERIFY(r.tickets.jobs.isEmpty());
        QVERIFY(!Drive::control<QProgressBar>(*r.window, "PBar1")->isVisible());
        r.s.db().execute("DROP TRIGGER fallo");
        r.sell();
        QCOMPARE(r.s.number("SELECT COUNT(*) FROM Ventas"), 1);
    }

    void keyTakenResetsTheWindow()
    {
        Register r([](SalesShop& s) {
            s.db().execute("INSERT INTO Ventas(IdVenta, FechaV, IdCaja) VALUES('V000000001', '2026-12-09', ?)", {s.session});
        });
        r.add("COCA COLA 2L");
        r.type("ENitCI", kMaria);
        r.leave("ENitCI");
        r.type("EEfectivo", "20");
        r.sell();
        QCOMPARE(r.s.shop.messages.infos, QStringList{"Operación no procede, intente nuevamente"});
        QCOMPARE(r.cart()->rowCount(), 0);
        QCOMPARE(r.s.number("SELECT NFactura FROM DatosC"), 1);
        QVERIFY(r.tickets.jobs.isEmpty());
    }

    // The sale is stored before anything prints: a failed print leaves it stored once, shown in
    // the register, which reprints it and sells it never again.
    void failedPrintHoldsTheSale()
    {
        Register r;
        r.add("COCA COLA 2L", "2");
        r.type("ENitCI", kMaria);
        r.leave("ENitCI");
        r.type("EEfectivo", "30");
        r.tickets.failNextBegin(QStringLiteral("No existe la impresora 0"));
        r.sell();
        QCOMPARE(r.s.shop.messages.errors, QStringList{"No existe la impresora 0"});
        QCOMPARE(r.s.number("SELECT COUNT(*) FROM Ventas"), 1);
        QVERIFY(r.tickets.jobs.isEmpty());
        QVERIFY(r.window->heldSale().has_value());
        QCOMPARE(r.field("EIdVenta"), QStringLiteral("000000001"));
        QVERIFY(!Drive::enabled(*r.window, "SBVender"));
        QVERIFY(Drive::enabled(*r.window, "SBImprimir"));
        QVERIFY(!Drive::enabled(*r.window, "Vec1"));
        QCOMPARE(Drive::control<StatusShape>(*r.window, "SEstado")->colour(), QColor(Qt::green));
        QCOMPARE(r.stockShown("COCA COLA 2L"), QStringLiteral("46"));

        r.window->SBVenderClick();  // even reached another way, nothing is stored twice
        QCOMPARE(r.s.number("SELECT COUNT(*) FROM Ventas"), 1);
        QCOMPARE(r.s.number("SELECT NFactura FROM DatosC"), 2);

        Drive::click(*r.window, "SBImprimir");
        QCOMPARE(r.jobTitles(), (QStringList{"FACTURA", "TICKET"}));
        QVERIFY(r.ticketTexts(0).contains("         FACTURA Nº: 00000001"));
        QVERIFY(r.ticketTexts(1).contains("Nº Orden: 1 Fecha: 09/12/2026"));

        Drive::click(*r.window, "SBNuevoP");
        QCOMPARE(r.field("EIdVenta"), QStringLiteral("000000002"));
        QVERIFY(Drive::enabled(*r.window, "SBVender"));
        QVERIFY(!Drive::enabled(*r.window, "SBImprimir"));
        QVERIFY(Drive::enabled(*r.window, "Vec1"));
        QVERIFY(!r.window->heldSale().has_value());
        QCOMPARE(Drive::control<StatusShape>(*r.window, "SEstado")->colour(), QColor(Qt::white));
    }

    // Which voucher each print format and voucher kind gives.
    void voucherByFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("voucher");
        QTest::addColumn<QStringList>("tickets");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<int>("pages");
        QTest::newRow("roll, note") << 0 << 0 << QStringList{"TICKET"} << "" << 0;
        QTest::newRow("roll, invoice") << 0 << 1 << QStringList{"FACTURA", "TICKET"} << "" << 0;
        QTest::newRow("roll, receipt") << 0 << 2 << QStringList{"TICKET"} << "" << 0;
        QTest::newRow("letter, note") << 1 << 0 << QStringList{} << "NOTA DE REMISION" << 2;
        QTest::newRow("letter, invoice") << 1 << 1 << QStringList{} << "FACTURA" << 2;
        QTest::newRow("letter, receipt") << 1 << 2 << QStringList{} << "NOTA DE REMISION" << 2;
    }
    void voucherByFormat()
    {
        QFETCH(int, format);
        QFETCH(int, voucher);
        QFETCH(QStringList, tickets);
        QFETCH(QString, preview);
        QFETCH(int, pages);
        Register r([format](SalesShop& s) {
            WriteLogo(s);
            SessionState::current().PrintFormat = format;
        });
        r.add("COCA COLA 2L", "2");
        r.add("FANTA NARANJA 2L");
        const QStringList entries = {"NOTA DE VENTA", "FACTURA", "RECIBO"};
        r.choose("CBComprobante", entries.at(voucher));
        r.type("ENitCI", kMaria);
        r.leave("ENitCI");
        r.type("EObs", "PARA LLEVAR");
        r.type("EEfectivo", "50");
        r.sell();
        QVERIFY2(r.s.shop.messages.all.isEmpty(), qPrintable(r.s.shop.messages.all.join('\n')));
        QCOMPARE(r.jobTitles(), tickets);
        QCOMPARE(r.previews.shown.size(), preview.isEmpty() ? 0 : 1);
        if (preview.isEmpty())
            return;
        const ReportDocument& doc = r.previews.shown.first();
        QCOMPARE(doc.title, preview);
        QCOMPARE(doc.pageCount(), pages);
        // The rows are the sale's, as the register offers them: two lines and the observation.
        const QString description = voucher == 1 ? "LDescripcion" : "LProducto";
        for (const LaidOutPage& page : doc.pages) {
            QStringList names;
            for (const PlacedElement& item : page.items)
                if (item.name == description && !item.text.isEmpty())
                    names << item.text;
            QCOMPARE(names, (QStringList{"COCA COLA 2L", "FANTA NARANJA 2L", "PARA LLEVAR"}));
        }
    }

    // A sale of the open session is brought back by its number; anything else is refused and
    // leaves the register unable to sell until "NUEVO".
    void lookup_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QColor>("lamp");
        QTest::newRow("123 and Enter") << "valid"
                                       << "" << QColor(Qt::green);
        QTest::newRow("annulled") << "annulled"
                                  << "" << QColor(Qt::red);
        QTest::newRow("unknown number") << "unknown"
                                        << "No existe Venta con ese Nº de Orden" << QColor(Qt::white);
        QTest::newRow("yesterday's cash session") << "yesterday"
                                                  << "El Nº de Orden pertenece a otra Fecha (Caja)" << QColor(Qt::white);
    }
    void lookup()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        QFETCH(QColor, lamp);
        Register r([situation](SalesShop& s) {
            if (situation == "unknown")
                return;
            const QString id = SellOrder123(s);
            if (situation == "annulled")
                QVERIFY(SaleAnnulment::Annul(id, s.session).annulled);
            if (situation == "yesterday")
                SaleHistory::NextSession(s, QDate(2026, 12, 10));
        });
        r.type("EIdVenta", "123");
        Drive::key(*r.window, "EIdVenta", Qt::Key_Return);
        QCOMPARE(r.field("EIdVenta"), QStringLiteral("000000123"));
        QCOMPARE(Drive::control<QLineEdit>(*r.window, "EIdVenta")->selectedText(), QStringLiteral("000000123"));
        QCOMPARE(r.s.shop.messages.infos, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(!Drive::enabled(*r.window, "SBVender"));
        auto* shape = Drive::control<StatusShape>(*r.window, "SEstado");
        QCOMPARE(shape->colour(), lamp);
        const bool found = situation == "valid" || situation == "annulled";
        QCOMPARE(r.window->foundSale().has_value(), found);
        QCOMPARE(Drive::enabled(*r.window, "SBAnular"), situation == "valid");
        QCOMPARE(Drive::enabled(*r.window, "SBImprimir"), situation == "valid");
        if (!found) {
            QCOMPARE(r.cart()->rowCount(), 0);
            return;
        }
        QCOMPARE(shape->toolTip(), situation == "valid" ? QString("Venta Valida") : QString("Venta Anulada"));
        QVERIFY(!Drive::enabled(*r.window, "Vec1"));
        QVERIFY(!Drive::enabled(*r.window, "Vec0"));
        QVERIFY(!Drive::enabled(*r.window, "GBCliente"));
        QVERIFY(!Drive::enabled(*r.window, "GBPago"));
        if (situation == "annulled") {
            QCOMPARE(r.field("ENombreC"), QStringLiteral("ANULADO"));
            QCOMPARE(r.cartColumn(TFVentas::NxPVenta1), QStringList{"0"});
            return;
        }
        QCOMPARE(r.field("ENitCI"), SaleHistory::kMaria);
        QCOMPARE(r.field("ENombreC"), SaleHistory::kMariaName);
        QCOMPARE(r.field("ETotal"), QStringLiteral("25.00"));
        QCOMPARE(r.field("EEfectivo"), QStringLiteral("25.00"));
        QCOMPARE(r.field("ECambio"), QStringLiteral("0.00"));
        QCOMPARE(Drive::control<QComboBox>(*r.window, "CBComprobante")->currentIndex(), 1);
        QCOMPARE(r.cartColumn(TFVentas::NxCantidad), QStringList{"2"});
        QCOMPARE(r.cartColumn(TFVentas::NxProducto1), QStringList{"COCA COLA 2L"});
        QCOMPARE(r.cartColumn(TFVentas::NxCTotal), QStringList{"25"});
    }

    void emptyNumberLooksNothingUp()
    {
        Register r([](SalesShop& s) { SellOrder123(s); });
        Drive::control<QLineEdit>(*r.window, "EIdVenta")->clear();
        Drive::click(*r.window, "SBBuscar");
        QVERIFY(r.s.shop.messages.all.isEmpty());
        QVERIFY(!r.window->foundSale());
        QVERIFY(Drive::enabled(*r.window, "SBVender"));
    }

    // Typing another number lets go of the sale: it can be neither printed nor annulled, even by
    // a click that reaches the window another way.
    void typingAfterALookupLetsGo()
    {
        Register r([](SalesShop& s) { SellOrder123(s); });
        r.type("EIdVenta", "123");
        Drive::click(*r.window, "SBBuscar");
        QVERIFY(r.window->foundSale());
        const ShopState before = ShopState::read(r.s.db());
        QTest::keyClick(Drive::control<QWidget>(*r.window, "EIdVenta"), Qt::Key_4);
        QVERIFY(!r.window->foundSale());
        QVERIFY(!Drive::enabled(*r.window, "SBAnular"));
        QVERIFY(!Drive::enabled(*r.window, "SBImprimir"));
        QVERIFY(!Drive::enabled(*r.window, "SBVender"));  // the entry controls stay as they were
        QCOMPARE(r.cart()->rowCount(), 0);
        QCOMPARE(r.field("ETotal"), QStringLiteral("0"));
        QCOMPARE(r.field("ECambio"), QStringLiteral("0"));
        QCOMPARE(r.field("EEfectivo"), QString());
        QCOMPARE(r.field("ENitCI"), QString());
        QCOMPARE(r.field("ENombreC"), QString());
        QCOMPARE(Drive::control<QComboBox>(*r.window, "CBFormaP")->currentText(), QStringLiteral("EFECTIVO"));
        QCOMPARE(Drive::control<StatusShape>(*r.window, "SEstado")->colour(), QColor(Qt::white));
        r.window->SBAnularClick();
        r.window->SBImprimirClick();
        QVERIFY(r.s.shop.messages.questions.isEmpty());
        QVERIFY(r.tickets.jobs.isEmpty());
        QCOMPARE(ShopState::read(r.s.db()), before);
        Drive::click(*r.window, "SBNuevoP");
        QVERIFY(Drive::enabled(*r.window, "SBVender"));
        QVERIFY(Drive::enabled(*r.window, "Vec1"));
    }

    void annulFromTheRegister()
    {
        Register r([](SalesShop& s) { SellOrder123(s); });
        r.type("EIdVenta", "123");
        Drive::key(*r.window, "EIdVenta", Qt::Key_Return);
        QCOMPARE(r.stockShown("COCA COLA 2L"), QStringLiteral("46"));

        const ShopState before = ShopState::read(r.s.db());
        r.s.shop.messages.answerNext(false);
        Drive::click(*r.window, "SBAnular");
        QCOMPARE(r.s.shop.messages.questions.size(), 1);
        QCOMPARE(r.s.shop.messages.questions.first().first, QStringLiteral("Anular Venta"));
        QCOMPARE(r.s.shop.messages.questions.first().second, QStringLiteral("Esta Seguro de querer Anular esta Venta? "));
        QCOMPARE(ShopState::read(r.s.db()), before);
        QVERIFY(r.s.shop.messages.infos.isEmpty());

        Drive::click(*r.window, "SBAnular");
        QCOMPARE(r.s.shop.messages.infos, QStringList{"Venta Anulada Correctamente"});
        QCOMPARE(r.s.row("SELECT Estado FROM Ventas WHERE IdVenta='V000000123'").text(0), QStringLiteral("A"));
        // Back to a new sale, the list showing the stock given back.
        QVERIFY(!r.window->foundSale());
        QCOMPARE(r.field("EIdVenta"), QStringLiteral("000000124"));
        QVERIFY(Drive::enabled(*r.window, "SBVender"));
        QVERIFY(!Drive::enabled(*r.window, "SBAnular"));
        QCOMPARE(r.stockShown("COCA COLA 2L"), QStringLiteral("48"));
    }

    // "Imprimir" prints the looked-up sale as it was stored: its number, date, time and code, and
    // the deadline of the dosage it was issued under even when the session holds another.
    void reprintFromTheRegister()
    {
        Register r([](SalesShop& s) { SellOrder123(s); });
        SessionState::current().InvoiceDeadline = QDate(2030, 1, 1);
        r.type("EIdVenta", "123");
        Drive::key(*r.window, "EIdVenta", Qt::Key_Return);
        const ShopState before = ShopState::read(r.s.db());
        Drive::click(*r.window, "SBImprimir");
        QVERIFY2(r.s.shop.messages.all.isEmpty(), qPrintable(r.s.shop.messages.all.join('\n')));
        QCOMPARE(r.jobTitles(), (QStringList{"FACTURA", "TICKET"}));
        const QString deadline = Formats::Date(r.s.row("SELECT FLimiteE FROM Dosificaciones").date(0));
        const QStringList invoice = r.ticketTexts(0);
        QVERIFY(invoice.contains("            FACTURA ORIGINAL"));
        QVERIFY(invoice.contains("         FACTURA Nº: 00000001"));
        QVERIFY(invoice.contains("FECHA LIMITE DE EMISION: " + deadline));
        QVERIFY(invoice.contains("GRACIAS POR SU PREFERENCIA... 123"));
        const QString code = r.s.row("SELECT CodigoC, HoraV FROM Ventas").text(0);
        QVERIFY(invoice.contains("CODIGO DE CONTROL: " + code));
        const QStringList ticket = r.ticketTexts(1);
        QVERIFY(ticket.contains("Nº Orden: 123 Fecha: 09/12/2026"));
        QVERIFY(ticket.contains("                         EFECTIVO: 25.00"));
        QVERIFY(ticket.contains("                            CAMBIO: 0.00"));
        QCOMPARE(ShopState::read(r.s.db()), before);
    }

    // A quotation prints the cart and stores nothing.
    void quotation_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("client");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("printed");
        QTest::newRow("roll, no client") << 0 << false << ""
                                         << "TICKET CUENTA";
        QTest::newRow("letter, no client") << 1 << false << "Inserte Datos del Cliente a Cotizar"
                                           << "";
        QTest::newRow("letter, client") << 1 << true << ""
                                        << "PROFORMA DE COTIZACION";
    }
    void quotation()
    {
        QFETCH(int, format);
        QFETCH(bool, client);
        QFETCH(QString, message);
        QFETCH(QString, printed);
        Register r([format](SalesShop& s) {
            WriteLogo(s);
            SessionState::current().PrintFormat = format;
        });
        Drive::click(*r.window, "SBCotizar");
        QCOMPARE(r.s.shop.messages.infos, QStringList{"No existen Productos"});
        r.s.shop.messages.clear();

        r.add("COCA COLA 2L", "2");
        if (client) {
            r.type("ENitCI", SaleHistory::kMaria);
            r.leave("ENitCI");
        }
        const ShopState before = ShopState::read(r.s.db());
        Drive::click(*r.window, "SBCotizar");
        QCOMPARE(r.s.shop.messages.infos, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(ShopState::read(r.s.db()), before);
        QCOMPARE(r.cart()->rowCount(), 1);  // the cart stays
        QStringList shown = r.jobTitles();
        for (const ReportDocument& doc : r.previews.shown)
            shown << doc.title;
        QCOMPARE(shown, printed.isEmpty() ? QStringList() : QStringList{printed});
        if (format == 0)
            QVERIFY(r.ticketTexts(0).filter("Cliente: ").isEmpty());
    }

    // Space in the NIT/CI field opens the client picker; the pick's name is looked up at once and
    // the cashier goes on in the name field.
    void spaceInTheNitPicksAClient()
    {
        Register r;
        TFBusquedas picker;
        TFBusquedas::setShared(&picker);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            Drive::key(*dialog, "EBuscarC", Qt::Key_Return);  // the first client by name
        });
        Drive::control<QLineEdit>(*r.window, "ENitCI")->setFocus();
        Drive::key(*r.window, "ENitCI", Qt::Key_Space);
        TFBusquedas::setShared(nullptr);
        QCOMPARE(r.field("ENitCI"), QStringLiteral("3344556"));
        QCOMPARE(r.field("ENombreC"), QStringLiteral("CARLOS O'BRIEN ROCA"));
        QCOMPARE(r.window->focusWidget(), Drive::control<QWidget>(*r.window, "ENombreC"));
        QCOMPARE(r.window->registerState().ClientKnown, 1);
    }

    // Through the main window, as a cashier starts the day: "Registrar Ventas" opens the register.
    void registrarVentasOpensTheRegister()
    {
        SalesShop s;
        TFPrincipal main;
        main.loginTimer()->stop();
        SessionState::current().AppFolder = s.shop.folder();
        main.show();
        TFIniciarS* login = main.loginWindow();
        SessionState::current().LoginMode = TFIniciarS::LoginModeLogin;
        login->show();
        login->findChild<QLineEdit*>("edtServer")->setText(s.shop.databasePath());
        login->findChild<QLineEdit*>("edtUser")->setText("admin");
        login->findChild<QLineEdit*>("edtPassword")->setText("admin");
        QTest::mouseClick(login->findChild<QPushButton*>("BAceptar"), Qt::LeftButton);
        QCOMPARE(SessionState::current().CashOpen, 1);

        main.command("V1")->trigger();
        QList<QMdiSubWindow*> windows = main.mdiArea()->subWindowList();
        QCOMPARE(windows.size(), 1);
        auto* sales = qobject_cast<TFVentas*>(windows.first()->widget());
        QVERIFY(sales);
        QCOMPARE(sales->objectName(), QStringLiteral("FVentas"));
        QCOMPARE(windows.first()->y(), 2);
        QVERIFY(windows.first()->width() >= sales->sizeHint().width());
        // The tool button brings the same register to the front.
        main.command("V1")->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
    }

    // A scanner types the code and Enter: into the product list (the register's focus outside a
    // text field) or into the "Código:" field. One unit per scan, under the cart's rules; no
    // quantity dialog, and a scan's Enter never sells.
    void scans_data()
    {
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<bool>("intoField");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("cart");  // product x quantity
        QTest::addColumn<QStringList>("messages");
        const QString coca = QStringLiteral("7751234000011");
        QTest::newRow("known code") << "" << false << QStringList{coca} << QStringList{"COCA COLA 2L x 1"} << QStringList();
        QTest::newRow("known code, typed into the field")
            << "" << true << QStringList{" 7751234000080 "} << QStringList{"LECHE PIL 1L x 1"} << QStringList();
        QTest::newRow("second scan of the same product")
            << "" << false << QStringList{coca, coca} << QStringList{"COCA COLA 2L x 2"} << QStringList();
        QTest::newRow("letters and a blank in the code")
            << "UPDATE Productos SET CodigoB='ab-12 x' WHERE IdProducto='P000000008'" << false << QStringList{"AB-12 X"}
            << QStringList{"LECHE PIL 1L x 1"} << QStringList();
        QTest::newRow("unknown code") << "" << false << QStringList{"999"} << QStringList()
                                      << QStringList{"No existe un producto con el codigo \"999\""};
        QTest::newRow("disabled product") << "UPDATE Productos SET Estado=0 WHERE IdProducto='P000000001'" << true
                                          << QStringList{coca} << QStringList()
                                          << QStringList{
                                                 "El producto COCA COLA 2L (codigo \"7751234000011\") esta deshabilitado"};
        QTest::newRow("code of two products") << "UPDATE Productos SET CodigoB='7751234000011' WHERE IdProducto='P000000008'"
                                              << false << QStringList{coca} << QStringList()
                                              << QStringList{"El codigo \"7751234000011\" lo tienen varios productos; "
                                                             "corrija el codigo en el Almacen"};
        QTest::newRow("code 0") << "UPDATE Productos SET CodigoB='0' WHERE IdProducto='P000000001'" << true
                                << QStringList{"0"} << QStringList()
                                << QStringList{"No existe un producto con el codigo \"0\""};
        QTest::newRow("a seventh product")
            << "" << false << QStringList{coca,
                                          "7751234000028",
                                          "7751234000035",
                                          "7751234000042",
                                          "7751234000059",
                                          "7751234000066",
                                          "7751234000073",
                                          coca}
            << QStringList{"COCA COLA 2L x 1",         "FANTA NARANJA 2L x 1", "AGUA VITAL 600ML x 1",
                           "CERVEZA PACENA 620ML x 1", "ACEITE FINO 1L x 1",   "FIDEO TALLARIN 400G x 1"}
            << QStringList{"Numero de Items permitidos 6", "Numero de Items permitidos 6"};
    }
    void scans()
    {
        QFETCH(QString, prepare);
        QFETCH(bool, intoField);
        QFETCH(QStringList, codes);
        QFETCH(QStringList, cart);
        QFETCH(QStringList, messages);
        Register r([&](SalesShop& s) {
            if (!prepare.isEmpty())
                s.db().execute(prepare);
        });
        QWidget* target = intoField ? static_cast<QWidget*>(Drive::control<QLineEdit>(*r.window, "ECodigoB")) : r.products();
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        for (const QString& code : codes) {
            QTest::keyClicks(target, code);
            QTest::keyClick(target, Qt::Key_Return);
        }
        QStringList lines;
        for (int row = 0; row < r.cart()->rowCount(); ++row)
            lines << r.cart()->cell(TFVentas::NxProducto1, row) + " x " + r.cart()->cell(TFVentas::NxCantidad, row);
        QCOMPARE(lines, cart);
        QCOMPARE(r.s.shop.messages.infos, messages);
        QCOMPARE(r.dialogs, 0);
        QCOMPARE(r.s.number("SELECT COUNT(*) FROM Ventas"), 0);
        if (intoField)
            QCOMPARE(r.field("ECodigoB"), QString());
    }

    // The lookup reads one entry of the bar code index, never the whole catalogue.
    void barcodeLookupUsesItsIndex()
    {
        SalesShop s;
        const SqlRows plan = s.db().query("EXPLAIN QUERY PLAN " + ProductBarcode::Statement(), {"7751234000011"});
        QStringList details;
        for (SqlRows p = plan; !p.atEnd(); p.next())
            details << p.text(p.columnCount() - 1);
        QVERIFY2(details.join('\n').contains("USING INDEX Productos_CodigoB (CodigoB=?)"), qPrintable(details.join('\n')));
    }

    // Not a check: a picture of the register with a coloured list and a cart, for a person to
    // look at when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the sales register");
        Register r([](SalesShop& s) {
            TwoPrices(s);
            s.db().execute("UPDATE Productos SET Ingreso=6 WHERE Producto='FANTA NARANJA 2L'");
            s.db().execute("UPDATE Productos SET Ingreso=0 WHERE Producto='AGUA VITAL 600ML'");
        });
        r.add("COCA COLA 2L", "2");
        r.add("CERVEZA PACENA 620ML", "6");
        r.add("FANTA NARANJA 2L", "2.5");
        r.type("ENitCI", kMaria);
        r.leave("ENitCI");
        r.type("EObs", "ENTREGAR EN PUERTA");
        r.type("EEfectivo", "200");
        r.products()->goToRow(2);
        r.cart()->goToRow(1);
        QVERIFY(r.window->grab().save(folder + "/ventas.png"));
        r.tickets.failNextBegin("sin impresora");
        r.sell();
        QVERIFY(r.window->grab().save(folder + "/ventas-retenida.png"));

        // A sale brought back by its number, valid and then annulled.
        Drive::click(*r.window, "SBNuevoP");
        r.type("EIdVenta", "1");
        Drive::key(*r.window, "EIdVenta", Qt::Key_Return);
        QVERIFY(r.window->grab().save(folder + "/ventas-consulta.png"));
        Drive::click(*r.window, "SBAnular");
        r.type("EIdVenta", "1");
        Drive::key(*r.window, "EIdVenta", Qt::Key_Return);
        QVERIFY(r.window->grab().save(folder + "/ventas-anulada.png"));
    }
};

QTEST_MAIN(TstUVentas)
#include "tst_uventas.moc"
