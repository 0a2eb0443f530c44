#include "widgets/WindowKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

WindowKeys::WindowKeys(QWidget* window) : QObject(window), m_window(window) { qApp->installEventFilter(this); }

WindowKeys::~WindowKeys() { qApp->removeEventFilter(this); }

void WindowKeys::add(int key, std::function<void()> action) { m_actions.insert(key, std::move(action)); }

bool WindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QWidget* focused = QApplication::focusWidget();
    if (watched != focused || !(focused == m_window || m_window->isAncestorOf(focused)))
        return false;
    auto* button = qobject_cast<QAbstractButton*>(focused);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (m_enterPresses && button && enter) {
        if (event->type() == QEvent::KeyPress && button->isEnabled())
            button->click();
        return true;
    }
    if (!m_actions.contains(key->key()))
        return false;
    // Claiming the key here keeps a shortcut on the same key from taking it; the press follows.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        m_actions.value(key->key())();
    return true;
}
