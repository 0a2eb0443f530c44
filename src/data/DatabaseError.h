#pragma once
#include <QString>
#include <stdexcept>

// A statement the database refused. text() is what the error box shows: the engine's own text, or
// a clearer Spanish one for the refusals a user can cause (a text too long, not a number...).
class DatabaseError : public std::runtime_error {
public:
    enum class Kind {
        Refused,         // the statement itself was refused
        Conflict,        // another station's transaction got in the way; running again may work
        ConnectionLost,  // the server's connection broke; its transaction was undone
    };
    explicit DatabaseError(const QString& text, Kind kind = Kind::Refused)
        : std::runtime_error(text.toStdString())
        , m_text(text)
        , m_kind(kind)
    {
    }
    const QString& text() const { return m_text; }
    Kind kind() const { return m_kind; }

private:
    QString m_text;
    Kind m_kind;
};
