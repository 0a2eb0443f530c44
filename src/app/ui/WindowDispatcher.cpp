#include "app/ui/WindowDispatcher.h"

#include "app/WindowSizes.h"
#include "data/MessageSeam.h"
#include "widgets/DataGrid.h"
#include "widgets/UnsavedWork.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace {
const char* const kClassProperty = "cviWindowClass";
const char* const kSizeKeyProperty = "cviSizeKey";

QList<DataGrid*> ShownGrids(const QWidget* window)
{
    QList<DataGrid*> grids;
    for (DataGrid* grid : window->findChildren<DataGrid*>())
        if (grid->isVisible())
            grids << grid;
    return grids;
}

// How many pixels the widest grid of the window lacks to show all its columns.
int MissingWidth(const QWidget* window)
{
    int missing = 0;
    for (const DataGrid* grid : ShownGrids(window)) {
        const int bar = grid->verticalScrollBar()->isVisible() ? 0 : grid->verticalScrollBar()->sizeHint().width();
        missing = qMax(missing, grid->horizontalHeader()->length() - grid->viewport()->width() + bar);
    }
    return missing;
}

void SettleLayouts() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); }
}

WindowDispatcher::WindowDispatcher(QMdiArea* area, QObject* parent) : QObject(parent), m_area(area) {}

void WindowDispatcher::addRoute(const QString& command, const CommandRoute& route) { m_routes.insert(command, route); }

void WindowDispatcher::registerWindow(const QString& windowClass, Factory factory, ServesMode serves)
{
    // Registering a class again replaces what was said of it before.
    m_factories.insert(windowClass,
                       {[factory = std::move(factory)](const CommandRoute&) { return factory(); }, std::move(serves)});
}

void WindowDispatcher::registerWindow(const QString& windowClass, RouteFactory factory, ServesMode serves)
{
    m_factories.insert(windowClass, {std::move(factory), std::move(serves)});
}

bool WindowDispatcher::isWired(const QString& command) const
{
    const auto route = m_routes.constFind(command);
    if (route == m_routes.constEnd())
        return false;
    const auto registration = m_factories.constFind(route->windowClass);
    return registration != m_factories.constEnd() && (!registration->serves || registration->serves(route->modeValue));
}

void WindowDispatcher::run(const QString& command)
{
    if (!isWired(command))
        return;
    const CommandRoute route = m_routes.value(command);
    if (route.closeAll == CloseAll::BeforeGate)
        closeAll();
    if (route.gate && !route.gate())
        return;
    if (route.closeAll == CloseAll::AfterGate)
        closeAll();
    if (route.mode)
        SessionState::current().*(route.mode) = route.modeValue;
    place(route, command);
}

void WindowDispatcher::closeAll()
{
    // The command closing them all has already asked, or has to go on whatever is open.
    m_closingAll = true;
    QList<QMdiSubWindow*> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->close();
    m_closingAll = false;
}

bool WindowDispatcher::mayClose(const QList<QMdiSubWindow*>& windows, const QString& question)
{
    QStringList unsaved;
    for (QMdiSubWindow* window : windows)
        if (const auto* work = dynamic_cast<const UnsavedWork*>(window->widget()); work && work->holdsUnsavedWork())
            unsaved << window->widget()->windowTitle();
    return unsaved.isEmpty()
           || MessageSeam::current().question(
               QStringLiteral("Salir"),
               QStringLiteral("Hay trabajo sin guardar en: %1.\n%2").arg(unsaved.join(QStringLiteral(", ")), question));
}

QString WindowDispatcher::activeClass() const
{
    const QMdiSubWindow* active = m_area->activeSubWindow();
    return active ? active->property(kClassProperty).toString() : QString();
}

QMdiSubWindow* WindowDispatcher::findWindow(const QString& windowClass) const
{
    for (QMdiSubWindow* window : m_area->subWindowList())
        if (window->property(kClassProperty).toString() == windowClass)
            return window;
    return nullptr;
}

void WindowDispatcher::place(const CommandRoute& route, const QString& command)
{
    if (route.placement == Placement::Modal) {
        showModal(route);
        return;
    }
    if (QMdiSubWindow* open = findWindow(route.windowClass)) {
        if (route.placement == Placement::Fresh)
            open->close();
        // A window that refused to close (or a single one) is the one the user gets.
        if (route.placement == Placement::Single || findWindow(route.windowClass) == open) {
            m_area->setActiveSubWindow(open);
            open->raise();
            return;
        }
    }
    createWindow(route, command);
}

void WindowDispatcher::createWindow(const CommandRoute& route, const QString& command)
{
    QWidget* content = m_factories.value(route.windowClass).create(route);
    if (!content)
        return;
    content->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = m_area->addSubWindow(content);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!route.icon.isNull())
        window->setWindowIcon(route.icon);
    window->setProperty(kClassProperty, route.windowClass);
    window->installEventFilter(this);
    window->adjustSize();
    window->move(0, route.top);
    window->show();
    // Tiles never squeeze a window below what its controls need.
    // The frame measured now, with a pixel to spare each way: an inactive title bar may be a pixel
    // taller than the active one the window opens with.
    const QSize frame = window->size() - content->size() + QSize(1, 1);
    window->setMinimumSize((content->minimumSizeHint() + frame).boundedTo(m_area->viewport()->size()));
    if (!ShownGrids(window).isEmpty())
        sizeListWindow(window, command, route.top);
    const int left = qMax(0, (m_area->viewport()->width() - window->width()) / 2);
    window->move(left, qMax(0, qMin(route.top, m_area->viewport()->height() - window->height())));
    m_area->setActiveSubWindow(window);
    emit windowOpened(route.windowClass, content);
}

void WindowDispatcher::showModal(const CommandRoute& route)
{
    QWidget* content = m_factories.value(route.windowClass).create(route);
    if (content && !route.icon.isNull())
        content->setWindowIcon(route.icon);
    if (auto* dialog = qobject_cast<QDialog*>(content))
        dialog->exec();
    else if (content)
        content->show();
}

// A list window opens as the user last left it, otherwise as tall as the frame and wide enough
// for every column its grids show (never wider than the frame). It remembers its size on closing.
void WindowDispatcher::sizeListWindow(QMdiSubWindow* window, const QString& command, int top)
{
    const QSize room = m_area->viewport()->size();
    const QSize remembered = WindowSizes::remembered(command);
    if (remembered.isValid()) {
        window->resize(remembered.expandedTo(window->minimumSize()).boundedTo(room));
    } else {
        window->resize(window->width(), qMax(window->height(), room.height() - top));
        for (int step = 0; step < 3; ++step) {
            SettleLayouts();
            const int missing = MissingWidth(window);
            if (missing <= 0 || window->width() >= room.width())
                break;
            window->resize(qMin(room.width(), window->width() + missing), window->height());
        }
        window->resize(window->size().boundedTo(room));
    }
    window->setProperty(kSizeKeyProperty, command);
}

bool WindowDispatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        auto* window = qobject_cast<QMdiSubWindow*>(watched);
        // Closed by the user (Escape, Ctrl+F4, its close button): a window holding work asks first.
        if (window && !m_closingAll && !mayClose({window}, QStringLiteral("¿Cerrar de todos modos?"))) {
            event->ignore();
            return true;
        }
        const QString key = watched->property(kSizeKeyProperty).toString();
        if (window && !key.isEmpty() && !window->isMaximized() && !window->isMinimized())
            WindowSizes::remember(key, window->size());
    }
    return QObject::eventFilter(watched, event);
}
