#pragma once
#include <QString>
#include <stdexcept>

// A statement the database refused. text() is what the error box shows: the engine's own text, or
// a clearer Spanish one for the refusals a user can cause (a text too long, not a number...).
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& text, bool busy = false)
        : std::runtime_error(text.toStdString()), m_text(text), m_busy(busy)
    {
    }
    const QString& text() const { return m_text; }
    // Another station held the database longer than this one waits: nothing of the statement's
    // transaction was written, and the operation may simply be tried again.
    bool busy() const { return m_busy; }

private:
    QString m_text;
    bool m_busy = false;
};
