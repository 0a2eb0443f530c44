#pragma once
#include <QHash>
#include <QMainWindow>
#include <QStringList>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class TFIniciarS;
class WindowDispatcher;
struct CommandRoute;

// The program's main window: the frame every working window opens in, its menus, tool bars and
// status bar, and one named command (QAction, object name = the command's code such as "V1") per
// function. It enables the commands the logged-in user's rights allow and opens child windows
// through its WindowDispatcher.
class TFPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TFPrincipal(QWidget* parent = nullptr);
    ~TFPrincipal() override;

    QAction* command(const QString& code) const { return m_commands.value(code); }
    WindowDispatcher* dispatcher() const { return m_dispatcher; }
    QMdiArea* mdiArea() const { return m_area; }
    TFIniciarS* loginWindow() const { return m_login; }
    // Fires once, a second after start, and opens the login.
    QTimer* loginTimer() const { return m_Timer1; }
    QToolBar* toolBar(int number) const;  // 1, 2 or 3
    QLabel* statusPanel(int panel) const;
    void setCalculatorPrograms(const QStringList& programs) { m_calculators = programs; }

    // A second copy of the program asked this one to come forward.
    void bringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void registerWindows();
    void resetSession();
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildCashMenu();
    void buildSalesMenu();
    void buildPurchasesMenu();
    void buildStoreMenu();
    void buildToolsMenu();
    void buildViewMenu();
    void buildHelpMenu();
    void createBars();
    void fillToolBars();
    void buildStatusBar();
    void addRoutes();
    void route(const QString& code, const CommandRoute& route);
    QAction* addCommand(QMenu* menu, const QString& code, const QString& caption, const QKeySequence& key = {});
    QAction* addToggle(QMenu* menu, const QString& code, const QString& caption, QWidget* shown);
    void addToolButton(QToolBar* bar, const QString& code, const QString& hint);

    void Timer1Timer();
    void sessionOpened();
    void A2Execute();
    void A6Execute();
    void A7Execute();
    void Y1Execute();
    void Y3Execute();
    void editOperation(const QString& code);
    void tile(Qt::Orientation orientation);
    void setCommandsEnabled(const QStringList& codes, bool enabled);
    void addWindowKeys();

    QMdiArea* m_area;
    WindowDispatcher* m_dispatcher;
    TFIniciarS* m_login;
    QTimer* m_Timer1;
    QWidget* m_controlBar;
    QToolBar* m_ToolB1;
    QToolBar* m_ToolB2;
    QToolBar* m_ToolB3;
    QList<QLabel*> m_panels;
    QHash<QString, QAction*> m_commands;
    QStringList m_calculators;
    bool m_cashAfterTaxpayer = false;  // "Abrir Caja" sent the user to complete the taxpayer data
};
