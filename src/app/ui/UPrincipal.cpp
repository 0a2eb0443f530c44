#include "app/ui/UPrincipal.h"

#include "app/ui/BackgroundMdiArea.h"
#include "app/CommandGates.h"
#include "app/ui/CommandIcons.h"
#include "app/ui/DesktopTools.h"
#include "app/PermissionTable.h"
#include "app/ProgramFolder.h"
#include "app/ui/UAcercaDe.h"
#include "app/ui/UAsistente.h"
#include "app/ui/UIniciarS.h"
#include "app/ui/WindowClasses.h"
#include "app/ui/WindowDispatcher.h"
#include "cash/ui/UCaja.h"
#include "cash/ui/URCajaDiaria.h"
#include "data/ClockSeam.h"
#include "data/DesktopSeam.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/ProgramEndSeam.h"
#include "data/TicketPrinterSettings.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "masterdata/ui/UBusquedas.h"
#include "masterdata/ui/UListarProd.h"
#include "masterdata/ui/UProductosC.h"
#include "masterdata/ui/UProveedores.h"
#include "masterdata/ui/UUsuarios.h"
#include "purchases/ui/UEgresoI.h"
#include "purchases/ui/UStock.h"
#include "reports/ui/URCompras.h"
#include "reports/ui/URIngresos.h"
#include "sales/ui/UPilaP.h"
#include "sales/ui/USaldarD.h"
#include "sales/ui/UVentas.h"
#include "tax/ui/UDatosF.h"
#include "tax/ui/URLV.h"
#include "widgets/UnsavedWork.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kCaptionBeforeLogin = QStringLiteral("Control de Ventas e Inventarios ");
const QString kCaptionAfterLogin = QStringLiteral("CVI Zelto [Mayores informes al: 61524390 ; 64417725]");
constexpr int kLoginDelayMs = 1000;

// Panel widths of the status bar (the least, for the text ones); the even ones hold an icon.
// The last panel (where tickets go without a printer) takes the rest of the bar.
constexpr int kPanelWidths[MainStatus::kPanels] = {22, 200, 22, 320, 22, 220, 22, 50, 0};

QToolBar* makeToolBar(const char* name, const QString& title, QWidget* parent)
{
    auto* bar = new QToolBar(title, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setIconSize(QSize(24, 24));
    bar->setMovable(false);
    return bar;
}

}

TFPrincipal::TFPrincipal(QWidget* parent)
    : QMainWindow(parent)
    , m_area(new BackgroundMdiArea(this))
    , m_dispatcher(new WindowDispatcher(m_area, this))
    , m_login(new TFIniciarS(this))
    , m_Timer1(new QTimer(this))
    , m_calculators(DesktopTools::calculatorPrograms())
{
    setObjectName(QStringLiteral("FPrincipal"));
    setWindowTitle(kCaptionBeforeLogin);
    setWindowIcon(CommandIcons::program());
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(13);
    setFont(verdana);
    m_area->setObjectName(QStringLiteral("MdiArea"));

    createBars();
    buildMenus();
    fillToolBars();
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_controlBar);
    layout->addWidget(m_area, 1);
    setCentralWidget(centre);
    buildStatusBar();
    addRoutes();
    connect(m_login, &TFIniciarS::sessionOpened, this, &TFPrincipal::sessionOpened);
    registerWindows();
    // The pickers live as long as the main window; their callers reach them through shared().
    TFListarProd::setShared(new TFListarProd(this));
    TFBusquedas::setShared(new TFBusquedas(this));

    resetSession();
    resize(1100, 720);
    addWindowKeys();

    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setSingleShot(true);
    m_Timer1->setInterval(kLoginDelayMs);
    connect(m_Timer1, &QTimer::timeout, this, &TFPrincipal::Timer1Timer);
    m_Timer1->start();
}

TFPrincipal::~TFPrincipal() { MainStatus::installSink(nullptr); }

// The windows the commands open; a command whose window is not listed here does nothing yet.
void TFPrincipal::registerWindows()
{
    m_dispatcher->registerWindow(WindowClass::Login, [this] { return m_login; });
    m_dispatcher->registerWindow(WindowClass::Cash, [] { return new TFCaja; });
    m_dispatcher->registerWindow(WindowClass::DailyCashReport, [] { return new TFRCajaDiaria; });
    m_dispatcher->registerWindow(WindowClass::Products, [] { return new TFProductosC; });
    m_dispatcher->registerWindow(WindowClass::SuppliersClients, [] { return new TFProveedores; });
    m_dispatcher->registerWindow(WindowClass::Users, [] { return new TFUsuarios; });
    m_dispatcher->registerWindow(WindowClass::Dosages, [] { return new TFDatosF; });
    m_dispatcher->registerWindow(WindowClass::Setup, [] { return new TFAsistente; });
    m_dispatcher->registerWindow(WindowClass::Sales, [] { return new TFVentas; });
    m_dispatcher->registerWindow(WindowClass::Books, [] { return new TFRLCV; });
    m_dispatcher->registerWindow(WindowClass::SalesReport, [] { return new TFRIngresos; });
    m_dispatcher->registerWindow(WindowClass::PurchaseReport, [] { return new TFRCompras; });
    m_dispatcher->registerWindow(
        WindowClass::Supplies, [] { return new TFEgresoI; }, &TFEgresoI::ServesMode);
    // The purchases window serves the mode of the command that opened it, whichever field holds it.
    m_dispatcher->registerWindow(
        WindowClass::Purchases, [](const CommandRoute& route) { return new TFCompras(route.modeValue); }, &TFCompras::Serves);
    m_dispatcher->registerWindow(
        WindowClass::Debts, [] { return new TFSaldarD; }, &TFSaldarD::HasPanel);
    m_dispatcher->registerWindow(WindowClass::DispatchQueue, [this] {
        auto* queue = new TFPilaP(this);
        queue->setAttribute(Qt::WA_DeleteOnClose);  // shown with exec(), freed when it closes
        return queue;
    });
}

void TFPrincipal::resetSession()
{
    SessionState& s = SessionState::current();
    s.WorkDate = ClockSeam::current().today();
    s.ListYear = s.WorkDate.year();
    s.LoginMode = TFIniciarS::LoginModeLogin;
    s.CashOpen = 0;
    s.WindowMode = s.AdminMode = s.MasterMode = s.PurchaseMode = s.CashMode = s.DataMode = 0;
    s.SalesListGroup = 1;
    s.SupplyListGroup = 17;
    s.AppFolder = ProgramFolder::Current();
    s.InvoicingEnabled = s.PrintFormat = s.TicketPrinterIndex = 0;
    TicketPrinterSettings::reset();
}

QToolBar* TFPrincipal::toolBar(int number) const
{
    switch (number) {
    case 1: return m_ToolB1;
    case 2: return m_ToolB2;
    case 3: return m_ToolB3;
    default: return nullptr;
    }
}

QLabel* TFPrincipal::statusPanel(int panel) const { return m_panels.value(panel); }

QAction* TFPrincipal::addCommand(QMenu* menu, const QString& code, const QString& caption, const QKeySequence& key)
{
    auto* action = new QAction(CommandIcons::forCommand(code), caption, this);
    action->setObjectName(code);
    if (!key.isEmpty())
        action->setShortcut(key);
    if (menu)
        menu->addAction(action);
    else
        addAction(action);  // a command without a menu item
    m_commands.insert(code, action);
    return action;
}

// ----- menus ---------------------------------------------------------------------------------

void TFPrincipal::buildMenus()
{
    buildFileMenu();
    buildEditMenu();
    buildCashMenu();
    buildSalesMenu();
    buildPurchasesMenu();
    buildStoreMenu();
    buildToolsMenu();
    buildViewMenu();
    buildHelpMenu();
    setCommandsEnabled(PermissionTable::commands(), false);
    setCommandsEnabled({QStringLiteral("A2"), QStringLiteral("A3"), QStringLiteral("H7")}, false);
}

void TFPrincipal::buildFileMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Archivo"));
    addCommand(menu, QStringLiteral("A1"), QStringLiteral("A&brir"), QKeySequence(QStringLiteral("Ctrl+B")));
    connect(addCommand(menu, QStringLiteral("A2"), QStringLiteral("Ce&rrar"), QKeySequence(QStringLiteral("Ctrl+R"))),
            &QAction::triggered, this, &TFPrincipal::A2Execute);
    // "Nuevo" has nothing to create in this program: it stays shown, and disabled.
    addCommand(menu, QStringLiteral("A3"), QStringLiteral("&Nuevo"), QKeySequence(QStringLiteral("Ctrl+N")));
    menu->addSeparator();
    connect(addCommand(menu, QStringLiteral("A6"), QStringLiteral("C&onfigurar Impresora")), &QAction::triggered, this,
            &TFPrincipal::A6Execute);
    connect(addCommand(menu, QStringLiteral("A7"), QStringLiteral("Ca&lculadora")), &QAction::triggered, this,
            &TFPrincipal::A7Execute);
    menu->addSeparator();
    // "Salir" has a key of its own: Ctrl+X is "Cortar" only, so a slip outside a text field never
    // ends the program.
    connect(addCommand(menu, QStringLiteral("A8"), QStringLiteral("&Salir"), QKeySequence(QStringLiteral("Ctrl+Q"))),
            &QAction::triggered, this, &QWidget::close);
}

void TFPrincipal::buildEditMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Editar"));
    const struct {
        const char* code;
        const char* caption;
        QKeySequence key;
    } items[] = {
        {"E1", "&Cortar", QKeySequence::Cut},    {"E2", "C&opiar", QKeySequence::Copy},
        {"E3", "&Pegar", QKeySequence::Paste},   {"E4", "&Seleccionar Todo", QKeySequence::SelectAll},
        {"E5", "&Deshacer", QKeySequence::Undo}, {"E6", "&Borrar", QKeySequence::Delete},
    };
    for (const auto& item : items) {
        const QString code = QLatin1String(item.code);
        QAction* action = addCommand(menu, code, QString::fromUtf8(item.caption), item.key);
        // The keys themselves are handled by the focused field; the menu shows them and its
        // items act on that field.
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, [this, code] { editOperation(code); });
    }
}

void TFPrincipal::buildCashMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Ca&ja"));
    addCommand(menu, QStringLiteral("J1"), QStringLiteral("Abrir Ca&ja"), QKeySequence(QStringLiteral("Ctrl+J")));
    addCommand(menu, QStringLiteral("J2"), QStringLiteral("C&errar Caja"), QKeySequence(QStringLiteral("Ctrl+E")));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("J3"), QStringLiteral("&Reporte de Caja Diaria"));
}

void TFPrincipal::buildSalesMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Ve&ntas"));
    addCommand(menu, QStringLiteral("V1"), QStringLiteral("Registrar Ven&tas"), QKeySequence(QStringLiteral("Ctrl+T")));
    addCommand(menu, QStringLiteral("V2"), QStringLiteral("Cobrar &Deudas"), QKeySequence(QStringLiteral("Ctrl+D")));
    addCommand(menu, QStringLiteral("V3"), QStringLiteral("Gest&ionar Ventas"), QKeySequence(QStringLiteral("Ctrl+I")));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("V4"), QStringLiteral("&Consultar Ventas"));
    addCommand(menu, QStringLiteral("V5"), QStringLiteral("C&onsultar Deudores"));
    addCommand(menu, QStringLiteral("V6"), QStringLiteral("&Generar Libro de Ventas"));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("V7"), QStringLiteral("G&estionar Clientes"));
    addCommand(menu, QStringLiteral("V8"), QStringLiteral("Co&mprobantes"));
    addCommand(nullptr, QStringLiteral("V9"), QStringLiteral("Entregas"));
}

void TFPrincipal::buildPurchasesMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Compras"));
    addCommand(menu, QStringLiteral("C1"), QStringLiteral("Com&pra de Productos"), QKeySequence(QStringLiteral("Ctrl+P")));
    addCommand(menu, QStringLiteral("C2"), QStringLiteral("C&ompra de Insumos"), QKeySequence(QStringLiteral("Ctrl+O")));
    addCommand(menu, QStringLiteral("C3"), QStringLiteral("Compra de &Servicios"), QKeySequence(QStringLiteral("Ctrl+S")));
    addCommand(menu, QStringLiteral("C4"), QStringLiteral("Pa&gar Deudas"), QKeySequence(QStringLiteral("Ctrl+G")));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("C5"), QStringLiteral("&Consultar Compra de Productos"));
    addCommand(menu, QStringLiteral("C6"), QStringLiteral("Co&nsultar Compra de Insumos"));
    addCommand(menu, QStringLiteral("C7"), QStringLiteral("Cons&ultar Compra de Servicios"));
    addCommand(nullptr, QStringLiteral("C8"), QStringLiteral("Consultar Deudas"));
    addCommand(menu, QStringLiteral("C9"), QStringLiteral("G&enerar Libro de Compras"));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("C10"), QStringLiteral("Ges&tionar Proveedores"));
    addCommand(menu, QStringLiteral("C11"), QStringLiteral("Co&mprobantes"));
}

void TFPrincipal::buildStoreMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("A&lmacen"));
    addCommand(menu, QStringLiteral("S1"), QStringLiteral("Gestionar A&lmacen"), QKeySequence(QStringLiteral("Ctrl+L")));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("S2"), QStringLiteral("Registrar &Egreso de Insumos"),
               QKeySequence(QStringLiteral("Ctrl+Alt+E")));
    addCommand(menu, QStringLiteral("S3"), QStringLiteral("Consultar Egreso de &Insumos"),
               QKeySequence(QStringLiteral("Ctrl+Alt+I")));
    addCommand(menu, QStringLiteral("S4"), QStringLiteral("&Gestionar Insumos"), QKeySequence(QStringLiteral("Ctrl+Alt+G")));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("S5"), QStringLiteral("Consultar Stoc&k Productos"),
               QKeySequence(QStringLiteral("Ctrl+K")));
    addCommand(menu, QStringLiteral("S6"), QStringLiteral("Consultar &Stock Insumos"),
               QKeySequence(QStringLiteral("Ctrl+Alt+S")));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("S7"), QStringLiteral("Ar&quear Inventario Productos"),
               QKeySequence(QStringLiteral("Ctrl+Q")));
    addCommand(menu, QStringLiteral("S8"), QStringLiteral("A&rquear Inventario Insumos"),
               QKeySequence(QStringLiteral("Ctrl+Alt+R")));
}

void TFPrincipal::buildToolsMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Herramientas"));
    addCommand(menu, QStringLiteral("H1"), QStringLiteral("Ca&mbiar Clave"), QKeySequence(QStringLiteral("Ctrl+M")));
    addCommand(menu, QStringLiteral("H2"), QStringLiteral("Gestionar &Usuarios"), QKeySequence(QStringLiteral("Ctrl+U")));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("H3"), QStringLiteral("&Gestionar Dosificaciones"));
    addCommand(menu, QStringLiteral("H4"), QStringLiteral("&Datos Contribuyente"));
    addCommand(menu, QStringLiteral("H5"), QStringLiteral("&Certificacion Codigo Control"));
    menu->addSeparator();
    addCommand(menu, QStringLiteral("H6"), QStringLiteral("&Parametros de Configuración"));
    addCommand(menu, QStringLiteral("H7"), QStringLiteral("&Asistente de Configuración"));
}

QAction* TFPrincipal::addToggle(QMenu* menu, const QString& code, const QString& caption, QWidget* shown)
{
    QAction* action = addCommand(menu, code, caption);
    action->setCheckable(true);
    action->setChecked(true);
    connect(action, &QAction::toggled, shown, &QWidget::setVisible);
    return action;
}

void TFPrincipal::buildViewMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Ver"));
    connect(addCommand(menu, QStringLiteral("VR1"), QStringLiteral("&Cascada")), &QAction::triggered, m_area,
            &QMdiArea::cascadeSubWindows);
    connect(addCommand(menu, QStringLiteral("VR2"), QStringLiteral("&Azulejos Verticales")), &QAction::triggered, this,
            [this] { tile(Qt::Vertical); });
    connect(addCommand(menu, QStringLiteral("VR3"), QStringLiteral("A&zulejos Horizontales")), &QAction::triggered, this,
            [this] { tile(Qt::Horizontal); });
    menu->addSeparator();
    addToggle(menu, QStringLiteral("VR4"), QStringLiteral("&Barra de Operaciones"), m_ToolB1);
    addToggle(menu, QStringLiteral("VR5"), QStringLiteral("Ba&rra de Reportes"), m_ToolB2);
    addToggle(menu, QStringLiteral("VR6"), QStringLiteral("Barra &de Utilidades"), m_ToolB3);
    menu->addSeparator();
    addToggle(menu, QStringLiteral("VR7"), QStringLiteral("Barra d&e Estado"), statusBar());
    addToggle(menu, QStringLiteral("VR8"), QStringLiteral("Barra de C&ontrol"), m_controlBar);
}

void TFPrincipal::buildHelpMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("A&yuda"));
    connect(addCommand(menu, QStringLiteral("Y1"), QStringLiteral("&Ayuda"), QKeySequence(Qt::Key_F1)), &QAction::triggered,
            this, &TFPrincipal::Y1Execute);
    connect(addCommand(menu, QStringLiteral("Y3"), QStringLiteral("A&cerca de ..."), QKeySequence(Qt::Key_F10)),
            &QAction::triggered, this, &TFPrincipal::Y3Execute);
}

// ----- tool bars and status bar --------------------------------------------------------------

void TFPrincipal::addToolButton(QToolBar* bar, const QString& code, const QString& hint)
{
    QAction* action = m_commands.value(code);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    bar->addAction(action);
}

// The control bar holds the three tool bars above the frame, so it can be hidden as one.
void TFPrincipal::createBars()
{
    m_controlBar = new QWidget(this);
    m_controlBar->setObjectName(QStringLiteral("ControlBar"));
    auto* row = new QHBoxLayout(m_controlBar);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(6);
    m_ToolB1 = makeToolBar("ToolB1", QStringLiteral("Barra de Operaciones"), m_controlBar);
    m_ToolB2 = makeToolBar("ToolB2", QStringLiteral("Barra de Reportes"), m_controlBar);
    m_ToolB3 = makeToolBar("ToolB3", QStringLiteral("Barra de Utilidades"), m_controlBar);
    row->addWidget(m_ToolB1);
    row->addWidget(m_ToolB2);
    row->addWidget(m_ToolB3);
    row->addStretch();
}

void TFPrincipal::fillToolBars()
{
    addToolButton(m_ToolB1, QStringLiteral("J1"), QStringLiteral("Abrir Caja"));
    addToolButton(m_ToolB1, QStringLiteral("J2"), QStringLiteral("Cerrar Caja"));
    m_ToolB1->addSeparator();
    addToolButton(m_ToolB1, QStringLiteral("V1"), QStringLiteral("Realizar Ventas"));
    addToolButton(m_ToolB1, QStringLiteral("V2"), QStringLiteral("Cobrar Deudas"));
    m_ToolB1->addSeparator();
    addToolButton(m_ToolB1, QStringLiteral("C1"), QStringLiteral("Compra de Productos"));
    addToolButton(m_ToolB1, QStringLiteral("C2"), QStringLiteral("Compra de Insumos"));
    addToolButton(m_ToolB1, QStringLiteral("C4"), QStringLiteral("Pagar Deudas"));
    m_ToolB1->addSeparator();
    addToolButton(m_ToolB1, QStringLiteral("S1"), QStringLiteral("Gestionar Almacen"));
    addToolButton(m_ToolB1, QStringLiteral("S2"), QStringLiteral("Egreso de Insumos"));

    addToolButton(m_ToolB2, QStringLiteral("V4"), QStringLiteral("Reporte Consulta Ventas"));
    addToolButton(m_ToolB2, QStringLiteral("V5"), QStringLiteral("Reporte Deudores"));
    m_ToolB2->addSeparator();
    addToolButton(m_ToolB2, QStringLiteral("C5"), QStringLiteral("Reporte Compra de Productos"));
    addToolButton(m_ToolB2, QStringLiteral("C6"), QStringLiteral("Reporte Compra de Insumos"));
    m_ToolB2->addSeparator();
    addToolButton(m_ToolB2, QStringLiteral("J3"), QStringLiteral("Reporte Caja Diaria"));

    addToolButton(m_ToolB3, QStringLiteral("H1"), QStringLiteral("Cambiar clave de usuario"));
    addToolButton(m_ToolB3, QStringLiteral("H2"), QStringLiteral("Gestionar Usuarios"));
    addToolButton(m_ToolB3, QStringLiteral("A6"), QStringLiteral("Configurar Impresora"));
    addToolButton(m_ToolB3, QStringLiteral("A7"), QStringLiteral("Calculadora"));
}

void TFPrincipal::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("SBar1"));
    const QStyle::StandardPixmap icons[] = {QStyle::SP_ComputerIcon, QStyle::SP_FileDialogDetailedView,
                                            QStyle::SP_DirHomeIcon, QStyle::SP_FileDialogInfoView};
    for (int i = 0; i < MainStatus::kPanels; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("SBar1Panel%1").arg(i));
        panel->setFrameShape(QFrame::StyledPanel);
        // The text panels grow with a longer text ("Tipo: ADMIN"); the icon panels stay square.
        if (i % 2 == 0 && kPanelWidths[i] > 0)
            panel->setFixedWidth(kPanelWidths[i]);
        else if (kPanelWidths[i] > 0)
            panel->setMinimumWidth(kPanelWidths[i]);
        if (i % 2 == 0 && i != MainStatus::kTicketsPanel) {
            panel->setAlignment(Qt::AlignCenter);
            panel->setPixmap(style()->standardIcon(icons[i / 2]).pixmap(16, 16));
        }
        bar->addWidget(panel, kPanelWidths[i] > 0 ? 0 : 1);
        m_panels << panel;
    }
    MainStatus::installSink([this](int panel, const QString& text) {
        if (QLabel* label = m_panels.value(panel))
            label->setText(text);
    });
    MainStatus::setText(1, QStringLiteral("CVI Zelto v.1.0"));
    MainStatus::setText(3, QStringLiteral("Operación:"));
    MainStatus::setText(5, QStringLiteral("Usuario:"));
    MainStatus::setText(7, QStringLiteral("Tipo:"));
}

// ----- command routes ------------------------------------------------------------------------

// The window a command opens shows the command's icon in its title bar.
void TFPrincipal::route(const QString& code, const CommandRoute& route)
{
    CommandRoute withIcon = route;
    withIcon.icon = m_commands.value(code)->icon();
    m_dispatcher->addRoute(code, withIcon);
    connect(m_commands.value(code), &QAction::triggered, m_dispatcher, [this, code] { m_dispatcher->run(code); });
}

void TFPrincipal::addRoutes()
{
    using S = SessionState;
    const auto cashGate = [] { return CommandGates::CashGate(); };
    const auto fresh = [](const QString& window, int top, int S::*mode, int value, std::function<bool()> gate = {}) {
        return CommandRoute{window, Placement::Fresh, top, mode, value, CloseAll::Never, std::move(gate), {}};
    };
    const auto single = [](const QString& window, int top, int S::*mode, int value, CloseAll closeAll,
                           std::function<bool()> gate = {}) {
        return CommandRoute{window, Placement::Single, top, mode, value, closeAll, std::move(gate), {}};
    };
    const auto modal = [](const QString& window, int S::*mode, int value) {
        return CommandRoute{window, Placement::Modal, 0, mode, value, CloseAll::Never, {}, {}};
    };

    route(QStringLiteral("A1"), modal(WindowClass::Login, &S::LoginMode, TFIniciarS::LoginModeLogin));
    route(QStringLiteral("H1"), modal(WindowClass::Login, &S::LoginMode, TFIniciarS::LoginModePassword));

    // Without the taxpayer's data the cash session cannot open: the user is sent to complete it,
    // and once it is saved the cash window follows.
    route(QStringLiteral("J1"), single(WindowClass::Cash, 10, &S::CashMode, 0, CloseAll::AfterGate, [this] {
              if (CommandGates::TaxpayerDataComplete())
                  return true;
              m_cashAfterTaxpayer = true;
              m_commands.value(QStringLiteral("H4"))->trigger();
              m_cashAfterTaxpayer = false;
              return false;
          }));
    connect(m_dispatcher, &WindowDispatcher::windowOpened, this, [this](const QString& windowClass, QWidget* window) {
        auto* taxpayer = qobject_cast<TFDatosF*>(window);
        if (m_cashAfterTaxpayer && windowClass == WindowClass::Dosages && taxpayer)
            connect(taxpayer, &TFDatosF::taxpayerSaved, this, [this] { m_commands.value(QStringLiteral("J1"))->trigger(); });
    });
    route(QStringLiteral("J2"), single(WindowClass::Cash, 10, &S::CashMode, 1, CloseAll::BeforeGate,
                                       [] { return CommandGates::CashSessionToClose(); }));
    route(QStringLiteral("J3"), single(WindowClass::DailyCashReport, 10, nullptr, 0, CloseAll::Never));

    route(QStringLiteral("V1"),
          single(WindowClass::Sales, 2, nullptr, 0, CloseAll::Never, [] { return CommandGates::SalesGate(); }));
    route(QStringLiteral("V2"), fresh(WindowClass::Debts, 10, &S::WindowMode, 3, cashGate));
    route(QStringLiteral("V3"), fresh(WindowClass::Debts, 10, &S::WindowMode, 4));
    route(QStringLiteral("V4"), fresh(WindowClass::SalesReport, 10, &S::WindowMode, 1));
    route(QStringLiteral("V5"), fresh(WindowClass::SalesReport, 10, &S::WindowMode, 2));
    route(QStringLiteral("V6"), fresh(WindowClass::Books, 5, &S::AdminMode, 10));
    route(QStringLiteral("V7"), fresh(WindowClass::SuppliersClients, 10, &S::MasterMode, 2));
    route(QStringLiteral("V8"), fresh(WindowClass::SuppliersClients, 10, &S::MasterMode, 3));
    route(QStringLiteral("V9"), modal(WindowClass::DispatchQueue, nullptr, 0));

    route(QStringLiteral("C1"), single(WindowClass::Purchases, 10, &S::PurchaseMode, 10, CloseAll::AfterGate, cashGate));
    route(QStringLiteral("C2"), single(WindowClass::Purchases, 10, &S::PurchaseMode, 11, CloseAll::AfterGate, cashGate));
    route(QStringLiteral("C3"), fresh(WindowClass::Supplies, 6, &S::WindowMode, 22, cashGate));
    route(QStringLiteral("C4"), fresh(WindowClass::Debts, 10, &S::WindowMode, 5, cashGate));
    route(QStringLiteral("C5"), fresh(WindowClass::PurchaseReport, 10, &S::WindowMode, 10));
    route(QStringLiteral("C6"), fresh(WindowClass::PurchaseReport, 10, &S::WindowMode, 11));
    route(QStringLiteral("C7"), fresh(WindowClass::PurchaseReport, 10, &S::WindowMode, 12));
    route(QStringLiteral("C9"), fresh(WindowClass::Books, 5, &S::AdminMode, 11));
    route(QStringLiteral("C10"), fresh(WindowClass::SuppliersClients, 10, &S::MasterMode, 1));
    route(QStringLiteral("C11"), fresh(WindowClass::SuppliersClients, 10, &S::MasterMode, 4));

    route(QStringLiteral("S1"), single(WindowClass::Products, 20, nullptr, 0, CloseAll::Never));
    route(QStringLiteral("S2"), fresh(WindowClass::Supplies, 6, &S::WindowMode, 20, cashGate));
    route(QStringLiteral("S3"), fresh(WindowClass::SalesReport, 10, &S::WindowMode, 6));
    route(QStringLiteral("S4"), fresh(WindowClass::Supplies, 6, &S::WindowMode, 21));
    route(QStringLiteral("S5"), single(WindowClass::Purchases, 10, &S::MasterMode, 20, CloseAll::BeforeGate));
    route(QStringLiteral("S6"), single(WindowClass::Purchases, 10, &S::MasterMode, 21, CloseAll::BeforeGate));
    route(QStringLiteral("S7"), single(WindowClass::Purchases, 10, &S::MasterMode, 30, CloseAll::BeforeGate));
    route(QStringLiteral("S8"), single(WindowClass::Purchases, 10, &S::MasterMode, 31, CloseAll::BeforeGate));

    route(QStringLiteral("H2"), fresh(WindowClass::Users, 10, &S::AdminMode, 1));
    route(QStringLiteral("H3"), fresh(WindowClass::Dosages, 10, &S::DataMode, 1));
    route(QStringLiteral("H4"), fresh(WindowClass::Dosages, 10, &S::DataMode, 2));
    route(QStringLiteral("H5"), fresh(WindowClass::Dosages, 10, &S::DataMode, 3));
    route(QStringLiteral("H6"), fresh(WindowClass::Users, 10, &S::AdminMode, 2));
    route(QStringLiteral("H7"), single(WindowClass::Setup, 10, nullptr, 0, CloseAll::Never));
}

// ----- commands ------------------------------------------------------------------------------

void TFPrincipal::setCommandsEnabled(const QStringList& codes, bool enabled)
{
    for (const QString& code : codes)
        if (QAction* action = m_commands.value(code))
            action->setEnabled(enabled);
}

void TFPrincipal::Timer1Timer()
{
    m_Timer1->stop();
    m_commands.value(QStringLiteral("A1"))->trigger();
}

void TFPrincipal::sessionOpened()
{
    setCommandsEnabled({QStringLiteral("A1")}, false);
    setCommandsEnabled({QStringLiteral("A2")}, true);
    const QStringList allowed = PermissionTable::allowedCommands(SessionState::current());
    setCommandsEnabled(allowed, true);
    // The assistant sets up the whole shop: it is for whoever may change its parameters.
    const bool setsUp = allowed.contains(QStringLiteral("H6"));
    setCommandsEnabled({QStringLiteral("H7")}, setsUp);
    setWindowTitle(kCaptionAfterLogin);
    // A shop that does not know its taxpayer yet is on its first day.
    if (setsUp && !CommandGates::TaxpayerKnown())
        m_commands.value(QStringLiteral("H7"))->trigger();
}

void TFPrincipal::A2Execute()
{
    if (!WindowDispatcher::mayClose(m_area->subWindowList(), QStringLiteral("¿Cerrar la sesión de todos modos?")))
        return;
    m_dispatcher->closeAll();
    TDataModule1::instance().close();
    setCommandsEnabled({QStringLiteral("A1")}, true);
    setCommandsEnabled({QStringLiteral("A2")}, false);
    setCommandsEnabled(PermissionTable::commands(), false);
    setCommandsEnabled({QStringLiteral("H7")}, false);
    MainStatus::setText(5, QString());
    MainStatus::setText(7, QString());
}

void TFPrincipal::A6Execute()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Configurar Impresora"));
    dialog.exec();
}

void TFPrincipal::A7Execute()
{
    if (!DesktopTools::startCalculator(m_calculators))
        MessageSeam::current().plain(QStringLiteral("No es posible ejecutar la Calculadora"));
}

// The help opens at the section of the window in use (its class name), or of the main window.
void TFPrincipal::Y1Execute()
{
    const QString path = SessionState::current().AppFolder + QStringLiteral("ayuda.html");
    const QString active = m_dispatcher->activeClass();
    const QString section = active.isEmpty() ? QStringLiteral("TFPrincipal") : active;
    if (!QFileInfo(path).isFile()) {
        MessageSeam::current().plain(QStringLiteral("No es posible abrir el Fichero de Ayuda"));
        return;
    }
    // Without a browser the user can still open the page by hand: say where it is.
    if (!DesktopSeam::current().openFileAt(path, section))
        MessageSeam::current().plain(QStringLiteral("No es posible abrir el Fichero de Ayuda: ábralo con un navegador en\n%1")
                                         .arg(QDir::toNativeSeparators(path)));
}

void TFPrincipal::Y3Execute()
{
    TFAcercaDe about(this);
    about.exec();
}

void TFPrincipal::editOperation(const QString& code)
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focused)) {
        if (code == QLatin1String("E1"))
            line->cut();
        else if (code == QLatin1String("E2"))
            line->copy();
        else if (code == QLatin1String("E3"))
            line->paste();
        else if (code == QLatin1String("E4"))
            line->selectAll();
        else if (code == QLatin1String("E5"))
            line->undo();
        else if (code == QLatin1String("E6"))
            line->del();
        return;
    }
    const char* slot = code == QLatin1String("E1")   ? "cut"
                       : code == QLatin1String("E2") ? "copy"
                       : code == QLatin1String("E3") ? "paste"
                       : code == QLatin1String("E4") ? "selectAll"
                       : code == QLatin1String("E5") ? "undo"
                                                     : nullptr;
    if (qobject_cast<QTextEdit*>(focused) || qobject_cast<QPlainTextEdit*>(focused)) {
        if (slot)
            QMetaObject::invokeMethod(focused, slot);
        else if (auto* text = qobject_cast<QTextEdit*>(focused))
            text->textCursor().removeSelectedText();
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(focused))
            plain->textCursor().removeSelectedText();
    }
}

// Vertical tiles stand side by side, horizontal ones are stacked.
void TFPrincipal::tile(Qt::Orientation orientation)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_area->subWindowList())
        if (!window->isMinimized())
            windows << window;
    if (windows.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        windows[i]->showNormal();
        if (orientation == Qt::Vertical) {
            const int width = area.width() / count;
            windows[i]->setGeometry(i * width, 0, width, area.height());
        } else {
            const int height = area.height() / count;
            windows[i]->setGeometry(0, i * height, area.width(), height);
        }
    }
}

void TFPrincipal::bringToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

// Escape closes the active child window as Ctrl+F4 does (the window's own key), asking first when
// it holds work not stored. Dialogs keep their own Escape; with no child window the key does
// nothing. The status bar's operation panel goes back to its caption once no child window is active.
void TFPrincipal::addWindowKeys()
{
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WindowShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, [this] {
        // A cell being edited takes its Escape back: it cancels the edit, not the window.
        QWidget* focused = QApplication::focusWidget();
        QWidget* viewport = focused ? focused->parentWidget() : nullptr;
        if (viewport && qobject_cast<QAbstractItemView*>(viewport->parentWidget())) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(focused, &press);
            return;
        }
        if (QMdiSubWindow* active = m_area->activeSubWindow())
            active->close();
    });
    connect(m_area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* active) {
        if (!active)
            MainStatus::setText(3, QStringLiteral("Operación:"));
    });
}

void TFPrincipal::closeEvent(QCloseEvent* event)
{
    if (!WindowDispatcher::mayClose(m_area->subWindowList(), QStringLiteral("¿Salir de todos modos?"))) {
        event->ignore();
        return;
    }
    m_dispatcher->closeAll();
    TDataModule1::instance().close();
    event->accept();
    ProgramEndSeam::current().requestEnd();
}
