#pragma once
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <QtTest>

// Drives a window by the names of its controls, as a cashier would: types into fields, clicks
// buttons, presses keys, picks combo entries. A control that is not there stops the test at once
// with its name, so a renamed control never shows up as a string of follow-on failures.
namespace Drive {

template <typename T = QWidget> T* control(const QObject& root, const char* name)
{
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s (%s) in %s", name, T::staticMetaObject.className(),
               qPrintable(root.objectName().isEmpty() ? QString::fromLatin1(root.metaObject()->className())
                                                      : root.objectName()));
    return found;
}

// Replaces the field's text by typing it key by key, so the field's key filters apply.
inline void type(const QObject& root, const char* name, const QString& text)
{
    auto* edit = control<QLineEdit>(root, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

inline QString text(const QObject& root, const char* name) { return control<QLineEdit>(root, name)->text(); }

inline void click(const QObject& root, const char* name)
{
    auto* button = control<QAbstractButton>(root, name);
    if (!button->isEnabled())
        qWarning("clicking the disabled control %s does nothing", name);
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void key(const QObject& root, const char* name, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(control<QWidget>(root, name), Qt::Key(key), modifiers);
}

// Chooses the combo entry with exactly this text as the user does: it becomes current and the
// combo reports it as activated (the signal a window's user-choice handlers listen to). A missing
// entry stops the test.
inline void choose(const QObject& root, const char* name, const QString& entry)
{
    auto* combo = control<QComboBox>(root, name);
    const int index = combo->findText(entry, Qt::MatchExactly);
    if (index < 0)
        qFatal("combo %s has no entry \"%s\"", name, qPrintable(entry));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Clicks the cell of a list (a grid or any item view) as the mouse does, so the list's own
// cell-click and selection handling runs. A cell outside the list stops the test.
inline void clickCell(const QObject& root, const char* name, int row, int column)
{
    auto* view = control<QAbstractItemView>(root, name);
    const QModelIndex index = view->model()->index(row, column);
    if (!index.isValid())
        qFatal("list %s has no cell at row %d, column %d", name, row, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

inline bool enabled(const QObject& root, const char* name) { return control<QWidget>(root, name)->isEnabled(); }
inline bool visible(const QObject& root, const char* name) { return control<QWidget>(root, name)->isVisible(); }

}
