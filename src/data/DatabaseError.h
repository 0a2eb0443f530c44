#pragma once
#include <QString>
#include <stdexcept>

// A statement the database refused. text() is what the error box shows: the engine's own text, or
// a clearer Spanish one for the refusals a user can cause (a text too long, not a number...).
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};
