// Draws the help page's pictures from the program itself, at build time: a demo shop is made in a
// temporary folder, the main window logs in, and every window class the main window registers is
// opened through its own command and photographed, with the main window itself and the login.
// A registered class without a picture fails the build, so the help never misses a window.
//
//     help-pictures OUTPUT_FOLDER      (run with QT_QPA_PLATFORM=offscreen)
#include "app/ui/UIniciarS.h"
#include "app/ui/UPrincipal.h"
#include "app/ui/WindowClasses.h"
#include "app/ui/WindowDispatcher.h"
#include "data/DatabaseCreator.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "printing/RecordingTicketSink.h"
#include "printing/TicketSinkSeam.h"
#include "sales/ui/UPilaP.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// Nobody reads the boxes while the pictures are drawn; questions are answered No.
class QuietMessages : public MessageSeam {
public:
    void information(const QString&) override {}
    bool question(const QString&, const QString&) override { return false; }
    void error(const QString& text) override { QTextStream(stderr) << "help-pictures: " << text << "\n"; }
    void plain(const QString&) override {}
};

// The command that opens each window class inside the frame.
const QList<QPair<QString, QString>> kCommands = {
    {WindowClass::Cash, QStringLiteral("J1")},
    {WindowClass::DailyCashReport, QStringLiteral("J3")},
    {WindowClass::Sales, QStringLiteral("V1")},
    {WindowClass::Debts, QStringLiteral("V2")},
    {WindowClass::SalesReport, QStringLiteral("V4")},
    {WindowClass::Books, QStringLiteral("V6")},
    {WindowClass::SuppliersClients, QStringLiteral("V7")},
    {WindowClass::Purchases, QStringLiteral("C1")},
    {WindowClass::PurchaseReport, QStringLiteral("C5")},
    {WindowClass::Products, QStringLiteral("S1")},
    {WindowClass::Supplies, QStringLiteral("S4")},
    {WindowClass::Users, QStringLiteral("H2")},
    {WindowClass::Dosages, QStringLiteral("H4")},
    {WindowClass::Setup, QStringLiteral("H7")},
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool save(QWidget* widget, const QString& folder, const QString& name)
{
    settle();
    return widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

QAbstractButton* button(QWidget* root, const char* name) { return root->findChild<QAbstractButton*>(QLatin1String(name)); }

// The login window photographed as the cashier first sees it, then used to log in.
bool logIn(TFPrincipal& window, const QString& shop, const QString& folder)
{
    TFIniciarS* login = window.loginWindow();
    SessionState::current().LoginMode = TFIniciarS::LoginModeLogin;
    login->show();
    login->findChild<QLineEdit*>(QStringLiteral("edtServer"))->setText(shop);
    login->findChild<QLineEdit*>(QStringLiteral("edtUser"))->setText(QStringLiteral("admin"));
    login->findChild<QLineEdit*>(QStringLiteral("edtPassword"))->setText(QStringLiteral("admin"));
    if (!save(login, folder, WindowClass::Login))
        return false;
    button(login, "BAceptar")->click();
    settle();
    return SessionState::current().UserLogin == QLatin1String("admin");
}

// The cash window as it opens the day; then the day is opened, so the money windows open too.
bool openTheDay(TFPrincipal& window, const QString& folder)
{
    window.command(QStringLiteral("J1"))->trigger();
    QMdiSubWindow* cash = window.dispatcher()->findWindow(WindowClass::Cash);
    if (!cash || !save(cash, folder, WindowClass::Cash))
        return false;
    button(cash->widget(), "BAbrirC")->click();
    settle();
    return SessionState::current().CashOpen == 1;
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "Uso: help-pictures CARPETA\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir work;
    QuietMessages messages;
    MessageSeam::install(&messages);
    RecordingTicketSink tickets;
    TicketSinkSeam::install(&tickets);
    qputenv("CVI_SETTINGS_FILE", QFile::encodeName(work.filePath(QStringLiteral("settings.ini"))));

    // The demo shop, already past its first day.
    const QString shop = work.filePath(QStringLiteral("tienda.sqlite"));
    NewDatabaseOptions options;
    options.demo = true;
    options.taxpayerName = QStringLiteral("COMERCIAL LA ESQUINA");
    if (const QString error = DatabaseCreator::create(shop, options); !error.isEmpty()) {
        err << error << "\n";
        return 1;
    }
    TDataModule1::instance().open(shop);
    TDataModule1::instance().execute(QStringLiteral("UPDATE Usuario SET CambiarClave=0"));
    TDataModule1::instance().close();

    TFPrincipal window;
    window.loginTimer()->stop();
    window.resize(1280, 860);
    window.show();
    SessionState::current().AppFolder = work.path() + QLatin1Char('/');
    if (!logIn(window, shop, folder) || !openTheDay(window, folder)) {
        err << "help-pictures: no se pudo entrar a la tienda de demostracion\n";
        return 1;
    }
    window.dispatcher()->closeAll();
    settle();
    save(&window, folder, QStringLiteral("TFPrincipal"));

    for (const auto& [windowClass, command] : kCommands) {
        window.dispatcher()->closeAll();
        settle();
        window.command(command)->trigger();
        QMdiSubWindow* opened = window.dispatcher()->findWindow(windowClass);
        if (!opened || !save(opened, folder, windowClass)) {
            err << "help-pictures: " << command << " no abrio " << windowClass << "\n";
            return 1;
        }
    }
    window.dispatcher()->closeAll();
    {
        TFPilaP queue(&window);
        queue.show();
        save(&queue, folder, WindowClass::DispatchQueue);
    }

    int missing = 0;
    for (const QString& windowClass : window.dispatcher()->registeredClasses())
        if (!QFile::exists(QDir(folder).filePath(windowClass + QStringLiteral(".png")))) {
            err << "help-pictures: falta la imagen de " << windowClass << "\n";
            ++missing;
        }
    TDataModule1::instance().close();
    return missing == 0 ? 0 : 1;
}
