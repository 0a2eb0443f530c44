#include "sales/ui/BarcodeReader.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

BarcodeReader::BarcodeReader(QWidget* window) : QObject(window), m_window(window) { qApp->installEventFilter(this); }

BarcodeReader::~BarcodeReader() { qApp->removeEventFilter(this); }

// Keys reach the focused widget first; the text fields keep what is typed into them.
bool BarcodeReader::watches(QObject* receiver) const
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused || receiver != focused || !m_window->isAncestorOf(focused))
        return false;
    if (qobject_cast<QLineEdit*>(focused) || qobject_cast<QAbstractSpinBox*>(focused) || qobject_cast<QTextEdit*>(focused)
        || qobject_cast<QPlainTextEdit*>(focused))
        return false;
    const auto* combo = qobject_cast<QComboBox*>(focused);
    return !(combo && combo->isEditable());
}

bool BarcodeReader::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watches(watched))
        return false;
    return take(static_cast<QKeyEvent*>(event));
}

// True when the key belongs to a scan and must go no further.
bool BarcodeReader::take(const QKeyEvent* key)
{
    const bool fresh = m_sinceLastKey.isValid() && m_sinceLastKey.elapsed() <= kMaxPauseMs;
    if (!fresh)
        m_code.clear();
    m_sinceLastKey.restart();
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        m_code.clear();
        return false;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        const QString code = m_code.trimmed();
        m_code.clear();
        if (code.isEmpty())
            return false;
        emit scanned(code);
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint()) {
        m_code.clear();
        return false;
    }
    // A blank inside a code belongs to it; one on its own keeps its meaning (the photo).
    if (text == QLatin1String(" ") && m_code.isEmpty())
        return false;
    m_code += text;
    return text == QLatin1String(" ");
}
