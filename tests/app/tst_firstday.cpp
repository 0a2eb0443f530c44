#include "DatabaseRows.h"
#include "LoginDriver.h"
#include "PrintCapture.h"
#include "ShopFixture.h"
#include "ItemDriver.h"
#include "WindowDriver.h"

#include "app/SettingsFile.h"
#include "app/ui/UAsistente.h"
#include "app/ui/UPrincipal.h"
#include "app/ui/WindowClasses.h"
#include "app/ui/WindowDispatcher.h"
#include "data/DatabaseCreator.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "masterdata/ui/UImportarP.h"
#include "printing/ui/InstalledPrinters.h"
#include "sales/ui/UCantidad.h"
#include "sales/ui/UVentas.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

namespace {

QWidget* openChild(TFPrincipal& window, const QString& windowClass)
{
    QMdiSubWindow* sub = window.dispatcher()->findWindow(windowClass);
    return sub ? sub->widget() : nullptr;
}

// The assistant's own buttons, clicked as the user does.
void press(QWizard& wizard, QWizard::WizardButton which)
{
    QAbstractButton* button = wizard.button(which);
    QVERIFY(button->isVisible() && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void next(QWizard& wizard) { press(wizard, QWizard::NextButton); }

QString writeProductList(const QString& folder)
{
    const QString path = folder + QStringLiteral("productos.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("Nombre;Marca;Categoria;Costo;Precio;Codigo de Barras;Stock Inicial\r\n"
               "AZUCAR 1KG;GUABIRA;ABARROTES;6,50;8,00;7770001;20\r\n"
               "ARROZ 1KG;CAISY;ABARROTES;7;9,50;7770002;15\r\n");
    return path;
}

}

// A shop's first day, from an empty database to the first invoice, through the windows only.
class TstFirstDay : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(SettingsFile::writePath()); }
    void cleanup() { InstalledPrinters::install({}); }

    void ownPasswordBeforeAnythingElse();
    void leavingWithoutOwnPasswordKeepsTheShopClosed();
    void loginShowsTheShippedPasswordOfANewShop();
    void assistantUntilTheFirstInvoice();
    void assistantLeftHalfwayKeepsWhatWasSaved();
    void snapshots();
};

void TstFirstDay::ownPasswordBeforeAnythingElse()
{
    ShopFixture shop;
    shop.keepShippedPassword();
    TFPrincipal window;
    window.loginTimer()->stop();
    TFIniciarS& login = *window.loginWindow();
    LogInThroughWindow(login, shop.databasePath(), QStringLiteral("admin"), QStringLiteral("admin"), true);

    // No session yet: the new password comes first.
    QVERIFY(Drive::visible(login, "PClaveNueva"));
    QVERIFY(!Drive::visible(login, "PLogin"));
    QVERIFY(!window.command(QStringLiteral("J1"))->isEnabled());

    const struct {
        const char* fresh;
        const char* repeated;
        const char* refusal;
    } refused[] = {{"", "", "Inserte todos los datos requeridos"},
                   {"tienda7", "tienda8", "ERROR: Clave Nueva no Coincide"},
                   {"ADMIN", "ADMIN", "La clave nueva no puede ser la clave de fábrica; elija otra"}};
    for (const auto& attempt : refused) {
        Drive::type(login, "EClaveNueva", QLatin1String(attempt.fresh));
        Drive::type(login, "ERepetirNueva", QLatin1String(attempt.repeated));
        Drive::click(login, "BClaveNueva");
        QCOMPARE(shop.messages.infos.last(), QString::fromUtf8(attempt.refusal));
        QVERIFY(!window.command(QStringLiteral("J1"))->isEnabled());
    }

    Drive::type(login, "EClaveNueva", QStringLiteral("tienda7"));
    Drive::type(login, "ERepetirNueva", QStringLiteral("tienda7"));
    Drive::click(login, "BClaveNueva");
    QCOMPARE(shop.messages.infos.last(), QStringLiteral("Clave cambiada correctamente"));
    QVERIFY(window.command(QStringLiteral("J1"))->isEnabled());
    QCOMPARE(shop.db().query(QStringLiteral("SELECT CambiarClave FROM Usuario WHERE Login='admin'")).integer(0), 0);
    QCOMPARE(SettingsFile::read().password, QStringLiteral("tienda7"));

    // The shipped password no longer opens the shop; the new one does, without asking again.
    window.command(QStringLiteral("A2"))->trigger();
    LogInThroughWindow(login, shop.databasePath(), QStringLiteral("admin"), QStringLiteral("admin"));
    QCOMPARE(shop.messages.infos.last(),
             QStringLiteral("Datos incorrectos de acceso o usuario bloqueado, intente nuevamente"));
    LogInThroughWindow(login, shop.databasePath(), QStringLiteral("admin"), QStringLiteral("tienda7"));
    QVERIFY(!Drive::visible(login, "PClaveNueva"));
    QVERIFY(window.command(QStringLiteral("J1"))->isEnabled());
}

void TstFirstDay::leavingWithoutOwnPasswordKeepsTheShopClosed()
{
    ShopFixture shop;
    shop.keepShippedPassword();
    TFPrincipal window;
    window.loginTimer()->stop();
    TFIniciarS& login = *window.loginWindow();
    LogInThroughWindow(login, shop.databasePath());
    QVERIFY(Drive::visible(login, "PClaveNueva"));
    login.reject();
    QVERIFY(!shop.db().isOpen());
    QVERIFY(!window.command(QStringLiteral("J1"))->isEnabled());
    QVERIFY(window.command(QStringLiteral("A1"))->isEnabled());
}

void TstFirstDay::loginShowsTheShippedPasswordOfANewShop()
{
    ShopFixture shop(true, ShopFixture::Place::File);
    const QString hint =
        QStringLiteral("Primera vez en esta tienda: usuario admin, clave admin (luego elegirá una clave propia)");
    TFIniciarS login;
    SessionState::current().LoginMode = TFIniciarS::LoginModeLogin;
    login.show();
    auto* server = Drive::control<QLineEdit>(login, "edtServer");
    auto* label = Drive::control<QLabel>(login, "LPista");

    server->setText(shop.databasePath());  // a shop in use: its administrator has his own password
    QVERIFY(!label->isVisible());
    shop.keepShippedPassword();  // as the demo shop comes
    server->setText(QString());
    server->setText(shop.databasePath());
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), hint);
    server->setText(shop.folder() + QStringLiteral("no-existe.sqlite"));
    QVERIFY(!label->isVisible());
}

// The assistant on an empty shop, page by page, then the cash opens and an invoice sells.
void TstFirstDay::assistantUntilTheFirstInvoice()
{
    ShopFixture shop(false);
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    PrintCapture print;
    InstalledPrinters::install([] { return QStringList{QStringLiteral("TERMICA-80")}; });
    TFPrincipal window;
    window.loginTimer()->stop();
    window.show();
    LogInThroughWindow(*window.loginWindow(), shop.databasePath());

    // The first login into a shop without taxpayer data opens the assistant.
    auto* wizard = qobject_cast<TFAsistente*>(openChild(window, WindowClass::Setup));
    QVERIFY(wizard);
    QCOMPARE(wizard->currentId(), int(TFAsistente::WelcomePage));
    QVERIFY(Drive::control<QLabel>(*wizard, "LPasos")->text().contains(QStringLiteral("Falta")));
    next(*wizard);

    QCOMPARE(wizard->currentId(), int(TFAsistente::TaxpayerPage));
    Drive::type(*wizard, "ENIT", QStringLiteral("4021555017"));
    Drive::type(*wizard, "ERazonS", QStringLiteral("ferreteria el tornillo"));
    Drive::type(*wizard, "EPropietario", QStringLiteral("juan mamani"));
    Drive::type(*wizard, "MActividadE", QStringLiteral("venta de articulos de ferreteria"));
    Drive::type(*wizard, "EDireccionM", QStringLiteral("AV. BUSCH 123"));
    Drive::type(*wizard, "ECiudadM", QStringLiteral("LA PAZ"));
    next(*wizard);
    QCOMPARE(wizard->currentId(), int(TFAsistente::InvoicingPage));
    QCOMPARE(StatementRows(shop.db(), QStringLiteral("SELECT NIT, RazonSocial, Propietario, CiudadM FROM DatosC")),
             QStringList{QStringLiteral("4021555017|FERRETERIA EL TORNILLO|JUAN MAMANI|LA PAZ")});

    QVERIFY(Drive::control<QCheckBox>(*wizard, "CBFacturar")->isChecked());
    const QString deadline = Formats::Date(shop.clock.today().addMonths(6));
    Drive::type(*wizard, "ENAutorizacion", QString::fromLatin1(DatabaseCreator::kDemoAuthorization));
    Drive::control<QLineEdit>(*wizard, "MDosificacion")->setText(QString::fromLatin1(DatabaseCreator::kDemoDosageKey));
    Drive::type(*wizard, "EFechaL", deadline);
    Drive::type(*wizard, "MLeyenda", QStringLiteral("Ley 453 el proveedor debe exhibir sus precios"));
    // Certification: one of the authority's cases with the key typed.
    Drive::type(*wizard, "ENFacturaC", QStringLiteral("1503"));
    Drive::type(*wizard, "ECIC", QStringLiteral("4189179011"));
    Drive::type(*wizard, "EFechaC", QStringLiteral("19/06/2007"));
    Drive::type(*wizard, "EMontoC", QStringLiteral("2500"));
    Drive::click(*wizard, "SBGenerarCC");
    QVERIFY(!Drive::text(*wizard, "ECodigoC").isEmpty());
    next(*wizard);
    QCOMPARE(wizard->currentId(), int(TFAsistente::PrinterPage));
    QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Dosificaciones WHERE Estado=1")).integer(0), 1);
    QCOMPARE(SessionState::current().AuthorizationNumber, QString::fromLatin1(DatabaseCreator::kDemoAuthorization));

    Drive::choose(*wizard, "CBImpresora", QStringLiteral("TERMICA-80"));
    Drive::click(*wizard, "SBPrueba");
    QCOMPARE(print.tickets.jobs.size(), 1);
    QCOMPARE(print.tickets.jobs[0].title, QStringLiteral("PRUEBA DE IMPRESION"));
    next(*wizard);

    QCOMPARE(wizard->currentId(), int(TFAsistente::PasswordPage));
    next(*wizard);  // his own password was chosen at the login

    QCOMPARE(wizard->currentId(), int(TFAsistente::UsersPage));
    Drive::type(*wizard, "ELogin", QStringLiteral("maria"));
    Drive::type(*wizard, "EClave1", QStringLiteral("caja1"));
    Drive::type(*wizard, "EClave2", QStringLiteral("caja1"));
    Drive::type(*wizard, "ENombre", QStringLiteral("maria quispe"));
    Drive::type(*wizard, "EOcupacion", QStringLiteral("cajera"));
    Drive::click(*wizard, "SBAgregarU");
    QCOMPARE(StatementRows(shop.db(), QStringLiteral("SELECT Login, M1, M4 FROM Usuario WHERE Login='MARIA'")),
             QStringList{QStringLiteral("MARIA|110110000|11100")});
    next(*wizard);

    QCOMPARE(wizard->currentId(), int(TFAsistente::ProductsPage));
    shop.files.paths << writeProductList(shop.folder());
    Drive::click(*wizard, "SBImportarP");
    auto* import = wizard->findChild<TFImportarP*>();
    QVERIFY(import);
    Drive::click(*import, "SBImportar");
    QCOMPARE(shop.db().query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0), 2);
    QCOMPARE(Drive::control<QLabel>(*wizard, "LProductos")->text(), QStringLiteral("La tienda tiene 2 productos."));
    press(*wizard, QWizard::FinishButton);
    QTRY_VERIFY(!openChild(window, WindowClass::Setup));

    // The cash opens: the taxpayer data is there.
    window.command(QStringLiteral("J1"))->trigger();
    QWidget* cash = openChild(window, WindowClass::Cash);
    QVERIFY(cash);
    Drive::type(*cash, "ESaldoI", QStringLiteral("100"));
    Drive::click(*cash, "BAbrirC");
    QCOMPARE(shop.messages.infos.last(), QStringLiteral("La CAJA se abrio correctamente"));
    QCOMPARE(SessionState::current().CashOpen, 1);

    // And the first invoice sells, with the dosage of the assistant.
    TFCantidad::setRunner([](TFCantidad& dialog) {
        Drive::type(dialog, "ECantidadV", QStringLiteral("2"));
        Drive::click(dialog, "BAceptar");
    });
    window.command(QStringLiteral("V1"))->trigger();
    auto* sales = qobject_cast<TFVentas*>(openChild(window, WindowClass::Sales));
    QVERIFY(sales);
    Drive::click(*sales, "BGrupo2");
    Drive::addItem(Drive::control<DataGrid>(*sales, "Vec0"), TFVentas::PProducto, QStringLiteral("AZUCAR 1KG"));
    Drive::type(*sales, "ENitCI", QStringLiteral("1234567"));
    Drive::type(*sales, "ENombreC", QStringLiteral("PEDRO PEREZ"));
    Drive::type(*sales, "EEfectivo", QStringLiteral("20"));
    Drive::click(*sales, "SBVender");
    TFCantidad::setRunner({});
    QCOMPARE(StatementRows(shop.db(), QStringLiteral("SELECT NroFact, NitCI, TotalF FROM Ventas")),
             QStringList{QStringLiteral("1|1234567|16")});
    QVERIFY(!shop.db().query(QStringLiteral("SELECT CodigoC FROM Ventas")).text(0).isEmpty());
    QCOMPARE(shop.db().query(QStringLiteral("SELECT Ingreso - Egreso FROM Productos WHERE Producto='AZUCAR 1KG'")).number(0),
             18.0);
}

// Left at the invoicing step: the taxpayer data stays, and the assistant opened again from
// Herramientas says what is still to do.
void TstFirstDay::assistantLeftHalfwayKeepsWhatWasSaved()
{
    ShopFixture shop(false);
    QVERIFY2(shop.ok(), qPrintable(shop.error()));
    TFPrincipal window;
    window.loginTimer()->stop();
    window.show();
    LogInThroughWindow(*window.loginWindow(), shop.databasePath());
    auto* wizard = qobject_cast<TFAsistente*>(openChild(window, WindowClass::Setup));
    QVERIFY(wizard);
    next(*wizard);

    // An incomplete step asks before it moves on; "No" stays.
    Drive::type(*wizard, "EPropietario", QStringLiteral("ANA"));
    shop.messages.answerNext(false);
    next(*wizard);
    QCOMPARE(wizard->currentId(), int(TFAsistente::TaxpayerPage));
    Drive::type(*wizard, "MActividadE", QStringLiteral("ABARROTES"));
    Drive::type(*wizard, "EDireccionM", QStringLiteral("CALLE 1"));
    Drive::type(*wizard, "ECiudadM", QStringLiteral("ORURO"));
    next(*wizard);
    QCOMPARE(wizard->currentId(), int(TFAsistente::InvoicingPage));
    press(*wizard, QWizard::CancelButton);  // "Dejar para después"
    QTRY_VERIFY(!openChild(window, WindowClass::Setup));
    QCOMPARE(SessionState::current().HeadOfficeCity, QStringLiteral("ORURO"));
    QCOMPARE(shop.db().query(QStringLiteral("SELECT CiudadM FROM DatosC")).text(0), QStringLiteral("ORURO"));

    // The next login does not open it again; Herramientas does, with the steps still to do.
    window.command(QStringLiteral("A2"))->trigger();
    LogInThroughWindow(*window.loginWindow(), shop.databasePath());
    QVERIFY(!openChild(window, WindowClass::Setup));
    window.command(QStringLiteral("H7"))->trigger();
    wizard = qobject_cast<TFAsistente*>(openChild(window, WindowClass::Setup));
    QVERIFY(wizard);
    const QString steps = Drive::control<QLabel>(*wizard, "LPasos")->text();
    QVERIFY2(steps.contains(QStringLiteral("Listo</td><td>Datos del contribuyente")), qPrintable(steps));
    QVERIFY2(steps.contains(QStringLiteral("Falta</td><td>Facturación (dosificación)")), qPrintable(steps));
}

// With CVI_SNAPSHOT_DIR set: asistente-1.png .. asistente-7.png (each page of the assistant on an
// empty shop, the login's new-password panel as clave-nueva.png, the import window as
// importar-productos.png).
void TstFirstDay::snapshots()
{
    const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("CVI_SNAPSHOT_DIR not set");
    ShopFixture shop(false);
    shop.keepShippedPassword();
    InstalledPrinters::install([] { return QStringList{QStringLiteral("TERMICA-80"), QStringLiteral("OFICINA")}; });
    TFPrincipal window;
    window.loginTimer()->stop();
    window.resize(1100, 760);
    window.show();
    LogInThroughWindow(*window.loginWindow(), shop.databasePath());
    window.loginWindow()->grab().save(folder + QStringLiteral("/clave-nueva.png"));
    Drive::type(*window.loginWindow(), "EClaveNueva", QStringLiteral("tienda7"));
    Drive::type(*window.loginWindow(), "ERepetirNueva", QStringLiteral("tienda7"));
    Drive::click(*window.loginWindow(), "BClaveNueva");
    auto* wizard = qobject_cast<TFAsistente*>(openChild(window, WindowClass::Setup));
    QVERIFY(wizard);
    shop.messages.defaultAnswer = true;
    for (int page = 1; page <= 7; ++page) {
        QApplication::processEvents();
        window.dispatcher()->findWindow(WindowClass::Setup)->grab().save(folder + QStringLiteral("/asistente-%1.png").arg(page));
        if (page < 7)
            next(*wizard);
    }
    shop.files.paths << writeProductList(shop.folder());
    Drive::click(*wizard, "SBImportarP");
    auto* import = wizard->findChild<TFImportarP*>();
    QVERIFY(import);
    QApplication::processEvents();
    import->grab().save(folder + QStringLiteral("/importar-productos.png"));
}

QTEST_MAIN(TstFirstDay)
#include "tst_firstday.moc"
