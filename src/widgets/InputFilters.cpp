#include "widgets/InputFilters.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

namespace InputFilters {

namespace {

enum class Mode { DigitsAnd, Amount, UpperCase, UpperCaseWithQuotes, PlainLetters, NoTyping };

bool IsQuote(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QChar(0x00B4);
}

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

QChar Upper(QChar c)
{
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return c.toUpper();
    return c == QChar(0x00F1) ? QChar(0x00D1) : c;  // ñ -> Ñ
}

bool IsPlainLetter(QChar c)
{
    return IsDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QChar(0x00D1) || c == QLatin1Char(' ')
           || c == QLatin1Char('-') || c == QLatin1Char('.');
}

struct Rule {
    Mode mode;
    QString others;  // the characters DigitsAnd lets through besides digits

    // The text a field of this rule keeps from `text`.
    QString clean(const QString& text) const
    {
        QString kept;
        for (QChar c : text) {
            switch (mode) {
            case Mode::DigitsAnd:
                if (IsDigit(c) || others.contains(c))
                    kept += c;
                break;
            case Mode::Amount:
                if (IsDigit(c) || c == QLatin1Char('.'))
                    kept += c;
                else if (c == QLatin1Char(','))
                    kept += QLatin1Char('.');
                break;
            case Mode::UpperCase:
            case Mode::UpperCaseWithQuotes:
                if (mode == Mode::UpperCaseWithQuotes || !IsQuote(c))
                    kept += (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? c.toUpper() : c;
                break;
            case Mode::PlainLetters:
                if (IsPlainLetter(Upper(c)))
                    kept += Upper(c);
                break;
            case Mode::NoTyping: break;
            }
        }
        return kept;
    }
};

// Typing keys carry printable text; the rest (Backspace, Enter, arrows, Ctrl+C...) do not.
bool Types(const QKeyEvent* key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool ReadOnly(QObject* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit->isReadOnly();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        return memo->isReadOnly();
    return true;
}

void Insert(QObject* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->insert(text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        memo->insertPlainText(text);
}

class IgnoreTyping : public QObject {
public:
    explicit IgnoreTyping(QComboBox* combo) : QObject(combo) { combo->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return !text.isEmpty() && text.at(0).isPrint() && text.at(0) != QLatin1Char(' ');
    }
};

class KeyFilter : public QObject {
public:
    KeyFilter(QWidget* field, Rule rule) : QObject(field), m_rule(std::move(rule)) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_rule.mode == Mode::NoTyping)
            return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
        if (!qobject_cast<QLineEdit*>(watched) && !qobject_cast<QPlainTextEdit*>(watched))
            return false;
        if (key->matches(QKeySequence::Paste)) {
            if (!ReadOnly(watched))
                Insert(watched, m_rule.clean(QApplication::clipboard()->text()));
            return true;
        }
        if (!Types(key))
            return false;
        const QString kept = m_rule.clean(key->text());
        if (kept == key->text())
            return false;
        if (!kept.isEmpty() && !ReadOnly(watched))
            Insert(watched, kept);  // lower case typed as upper case
        return true;
    }

private:
    Rule m_rule;
};

// Text that arrives without keys (context-menu paste, drag and drop) is cleaned afterwards.
void CleanEditedText(QLineEdit* field, const Rule& rule)
{
    QObject::connect(field, &QLineEdit::textEdited, field, [field, rule](const QString& text) {
        const QString kept = rule.clean(text);
        if (kept == text)
            return;
        const int cursor = field->cursorPosition() - int(text.size() - kept.size());
        field->setText(kept);
        field->setCursorPosition(qMax(0, cursor));
    });
}

// A memo's text is kept clean whatever route it came by (`clean` must leave clean text as it is).
// With `userOnly` only what the user put in is cleaned, as the line fields do: text the program
// shows (a stored legend) is not rewritten behind his back. The user edits the focused memo.
void CleanMemoText(QPlainTextEdit* memo, bool userOnly, std::function<QString(const QString&)> clean)
{
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, userOnly, clean = std::move(clean)] {
        if (userOnly && !memo->hasFocus())
            return;
        const QString text = memo->toPlainText();
        const QString kept = clean(text);
        if (kept == text)
            return;
        const int cursor = memo->textCursor().position() - int(text.size() - kept.size());
        memo->setPlainText(kept);
        QTextCursor moved = memo->textCursor();
        moved.setPosition(qBound(0, cursor, int(kept.size())));
        memo->setTextCursor(moved);
    });
}

class EnterFilter : public QObject {
public:
    explicit EnterFilter(QWidget* field) : QObject(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

void Install(QWidget* field, const Rule& rule)
{
    new KeyFilter(field, rule);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        CleanEditedText(edit, rule);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        CleanMemoText(memo, true, [rule](const QString& text) {
            // Line breaks are the memo's own; singleLineMemo decides about them.
            QStringList lines = text.split(QLatin1Char('\n'));
            for (QString& line : lines)
                line = rule.clean(line);
            return lines.join(QLatin1Char('\n'));
        });
}

}

void digitsAndPoint(QLineEdit* field) { Install(field, Rule{Mode::DigitsAnd, QStringLiteral(".")}); }

void digitsAnd(QLineEdit* field, const QString& others) { Install(field, Rule{Mode::DigitsAnd, others}); }

void digits(QLineEdit* field) { Install(field, Rule{Mode::DigitsAnd, {}}); }

void amount(QLineEdit* field) { Install(field, Rule{Mode::Amount, {}}); }

void upperCase(QLineEdit* field) { Install(field, Rule{Mode::UpperCase, {}}); }

void upperCaseKeepingQuotes(QLineEdit* field) { Install(field, Rule{Mode::UpperCaseWithQuotes, {}}); }

void plainLetters(QWidget* field) { Install(field, Rule{Mode::PlainLetters, {}}); }

void singleLineMemo(QPlainTextEdit* memo, int maxLength)
{
    new EnterFilter(memo);
    CleanMemoText(memo, false, [maxLength](const QString& text) {
        QString kept = text;
        kept.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return kept.left(maxLength);
    });
}

void refuseTyping(QWidget* field) { new KeyFilter(field, Rule{Mode::NoTyping, {}}); }

void selectionOnly(QComboBox* combo) { new IgnoreTyping(combo); }

}
