#pragma once
#include "data/SessionState.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// How a command places its window.
enum class Placement {
    Single,  // an open window of the class is brought to the front, otherwise one is created
    Fresh,   // an open window of the class is closed and a new one created
    Modal,   // the factory's dialog is shown modally; the factory keeps ownership
};

// When a command closes every child window first.
enum class CloseAll { Never, BeforeGate, AfterGate };

// What one main-window command does to open its window.
struct CommandRoute {
    QString windowClass;  // e.g. "TFSaldarD"; windows of one class share it
    Placement placement = Placement::Fresh;
    int top = 10;                       // pixels from the top of the frame
    int SessionState::*mode = nullptr;  // the opening mode the window reads when created
    int modeValue = 0;
    CloseAll closeAll = CloseAll::Never;
    std::function<bool()> gate;  // false stops the command (it shows its own message)
    QIcon icon;                  // shown in the title bar of the window opened
};

// Opens the child windows of the main window's commands. The routes (gates, modes, placement)
// are all known up front; a window class becomes reachable once a factory is registered for it:
//     dispatcher.registerWindow(QStringLiteral("TFCaja"), [] { return new TFCaja; });
// A command whose window class has no factory yet does nothing at all; nor does one whose mode the
// window does not serve yet, for a class that says which modes it serves. A window class that
// several commands open in modes kept in different session fields is told the route that opened
// it, so a mode another command left in some other field plays no part:
//     dispatcher.registerWindow(QStringLiteral("TFCompras"),
//                               [](const CommandRoute& route) { return new TFCompras(route.modeValue); },
//                               &TFCompras::Serves);
class WindowDispatcher : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*()>;
    using RouteFactory = std::function<QWidget*(const CommandRoute& route)>;
    using ServesMode = std::function<bool(int modeValue)>;

    explicit WindowDispatcher(QMdiArea* area, QObject* parent = nullptr);

    void addRoute(const QString& command, const CommandRoute& route);
    void registerWindow(const QString& windowClass, Factory factory, ServesMode serves = {});
    void registerWindow(const QString& windowClass, RouteFactory factory, ServesMode serves = {});
    bool hasRoute(const QString& command) const { return m_routes.contains(command); }
    bool isWired(const QString& command) const;
    // Every window class a factory is registered for.
    QStringList registeredClasses() const { return m_factories.keys(); }
    // The class of the active child window; empty text when none is active.
    QString activeClass() const;

    // Runs the command: close-all and gate in the route's order, the mode, then the window.
    void run(const QString& command);
    // Closes every child window, the last opened first, without asking about unsaved work.
    void closeAll();
    // Asks `question` after naming the windows holding work not stored; true when there are none
    // or the user agrees.
    static bool mayClose(const QList<QMdiSubWindow*>& windows, const QString& question);
    // The open child window of a class, or nullptr.
    QMdiSubWindow* findWindow(const QString& windowClass) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void windowOpened(const QString& windowClass, QWidget* window);

private:
    void place(const CommandRoute& route, const QString& command);
    void createWindow(const CommandRoute& route, const QString& command);
    void sizeListWindow(QMdiSubWindow* window, const QString& command, int top);
    void showModal(const CommandRoute& route);

    QMdiArea* m_area;
    QHash<QString, CommandRoute> m_routes;
    struct Registration {
        RouteFactory create;
        ServesMode serves;
    };
    QHash<QString, Registration> m_factories;
    bool m_closingAll = false;
};
