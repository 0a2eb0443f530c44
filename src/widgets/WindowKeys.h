#pragma once
#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

// The function keys of one working window: while the focus is inside it, each key does the
// window's own action, ahead of a main-window command on the same key (F10 sells in the register
// and shows "Acerca de ..." elsewhere).
class WindowKeys : public QObject {
public:
    explicit WindowKeys(QWidget* window);
    ~WindowKeys() override;

    void add(int key, std::function<void()> action);
    // Enter on a focused button of the window presses it, as Space does.
    void pressButtonsWithEnter() { m_enterPresses = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QHash<int, std::function<void()>> m_actions;
    bool m_enterPresses = false;
};
