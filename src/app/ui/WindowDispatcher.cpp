#include "app/ui/WindowDispatcher.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
const char* const kClassProperty = "cviWindowClass";
}

WindowDispatcher::WindowDispatcher(QMdiArea* area, QObject* parent)
    : QObject(parent)
    , m_area(area)
{
}

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
    place(route);
}

void WindowDispatcher::closeAll()
{
    QList<QMdiSubWindow*> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->close();
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

void WindowDispatcher::place(const CommandRoute& route)
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
    createWindow(route);
}

void WindowDispatcher::createWindow(const CommandRoute& route)
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
    window->adjustSize();
    const int left = qMax(0, (m_area->viewport()->width() - window->width()) / 2);
    window->move(left, route.top);
    window->show();
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
