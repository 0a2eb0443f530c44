#include "widgets/InputFilters.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace InputFilters {

namespace {

enum class Mode { DigitsAndPoint, Digits, Amount, UpperCase, UpperCaseWithQuotes, NoTyping };

bool IsQuote(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QChar(0x00B4);
}

// The text a field of this mode keeps from `text`.
QString Clean(Mode mode, const QString& text)
{
    QString kept;
    for (QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        switch (mode) {
        case Mode::DigitsAndPoint:
            if (digit || c == QLatin1Char('.'))
                kept += c;
            break;
        case Mode::Digits:
            if (digit)
                kept += c;
            break;
        case Mode::Amount:
            if (digit || c == QLatin1Char('.'))
                kept += c;
            else if (c == QLatin1Char(','))
                kept += QLatin1Char('.');
            break;
        case Mode::UpperCase:
        case Mode::UpperCaseWithQuotes:
            if (mode == Mode::UpperCaseWithQuotes || !IsQuote(c))
                kept += (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? c.toUpper() : c;
            break;
        case Mode::NoTyping: break;
        }
    }
    return kept;
}

// Typing keys carry printable text; the rest (Backspace, Enter, arrows, Ctrl+C...) do not.
bool Types(const QKeyEvent* key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

class KeyFilter : public QObject {
public:
    KeyFilter(QWidget* field, Mode mode) : QObject(field), m_mode(mode) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_mode == Mode::NoTyping)
            return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit)
            return false;
        if (key->matches(QKeySequence::Paste)) {
            if (!edit->isReadOnly())
                edit->insert(Clean(m_mode, QApplication::clipboard()->text()));
            return true;
        }
        if (!Types(key))
            return false;
        const QString kept = Clean(m_mode, key->text());
        if (kept == key->text())
            return false;
        if (!kept.isEmpty() && !edit->isReadOnly())
            edit->insert(kept);  // lower case typed as upper case
        return true;
    }

private:
    Mode m_mode;
};

// Text that arrives without keys (context-menu paste, drag and drop) is cleaned afterwards.
void CleanEditedText(QLineEdit* field, Mode mode)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field, mode](const QString& text) {
        const QString kept = Clean(mode, text);
        if (kept == text)
            return;
        const int cursor = field->cursorPosition() - int(text.size() - kept.size());
        field->setText(kept);
        field->setCursorPosition(qMax(0, cursor));
    });
}

}

void digitsAndPoint(QLineEdit* field)
{
    new KeyFilter(field, Mode::DigitsAndPoint);
    CleanEditedText(field, Mode::DigitsAndPoint);
}

void digits(QLineEdit* field)
{
    new KeyFilter(field, Mode::Digits);
    CleanEditedText(field, Mode::Digits);
}

void amount(QLineEdit* field)
{
    new KeyFilter(field, Mode::Amount);
    CleanEditedText(field, Mode::Amount);
}

void upperCase(QLineEdit* field)
{
    new KeyFilter(field, Mode::UpperCase);
    CleanEditedText(field, Mode::UpperCase);
}

void upperCaseKeepingQuotes(QLineEdit* field)
{
    new KeyFilter(field, Mode::UpperCaseWithQuotes);
    CleanEditedText(field, Mode::UpperCaseWithQuotes);
}

void refuseTyping(QWidget* field)
{
    new KeyFilter(field, Mode::NoTyping);
}

}
