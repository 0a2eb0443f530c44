#include "data/EngineErrors.h"

#include "data/SchemaSql.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlError>

namespace EngineErrors {

const QString kConnectionLost = QStringLiteral(
    "Se perdio la conexion con el servidor de base de datos; la operacion no se guardo. Revise la red y vuelva a "
    "intentarlo");
const QString kConflict =
    QStringLiteral("Otra caja modificaba los mismos datos al mismo tiempo; la operacion no se guardo. Vuelva a intentarlo");
const QString kBusy = QStringLiteral("La base de datos esta ocupada por otra caja; vuelva a intentarlo en un momento");

namespace {

QString tooLong(const QString& column, const QString& length)
{
    return QStringLiteral("El dato \"%1\" no puede tener mas de %2 caracteres").arg(column, length);
}
QString notADate(const QString& column) { return QStringLiteral("El dato \"%1\" no es una fecha valida").arg(column); }
QString tooManyDigits(const QString& column, const QString& digits)
{
    return QStringLiteral("El dato \"%1\" debe ser un numero de hasta %2 digitos").arg(column, digits);
}
QString notANumber(const QString& column, bool whole)
{
    return QStringLiteral("El dato \"%1\" debe ser un numero%2").arg(column, whole ? QStringLiteral(" entero") : QString());
}
QString duplicate(const QString& column)
{
    return QStringLiteral("Ya existe un registro con el mismo dato \"%1\"").arg(column);
}

// The checks the schemas name after the rule and the column: len15_Login, date_Fecha, digits15_NroAut.
QString describeNamedCheck(const QString& text)
{
    static const QRegularExpression length(QStringLiteral("\\blen(\\d+)_(\\w+)"));
    static const QRegularExpression date(QStringLiteral("\\bdate_(\\w+)"));
    static const QRegularExpression digits(QStringLiteral("\\bdigits(\\d+)_(\\w+)"));
    // A name a server keeps in lower case ("len250_carpetacopias") reads as the schema spells it.
    if (const auto m = length.match(text); m.hasMatch())
        return tooLong(schemaSpelling(m.captured(2)), m.captured(1));
    if (const auto m = date.match(text); m.hasMatch())
        return notADate(schemaSpelling(m.captured(1)));
    if (const auto m = digits.match(text); m.hasMatch())
        return tooManyDigits(schemaSpelling(m.captured(2)), m.captured(1));
    return {};
}

// Lower-case name -> the schema's spelling, for the tables and columns of the schema file.
QHash<QString, QString> schemaNames()
{
    QHash<QString, QString> names;
    static const QRegularExpression table(QStringLiteral("^CREATE TABLE (\\w+)"));
    static const QRegularExpression column(QStringLiteral("^\\s+(\\w+) (?:TEXT|INTEGER|REAL|BLOB)\\b"));
    for (const QString& line : QString::fromUtf8(kSqliteSchema).split(QLatin1Char('\n'))) {
        auto m = table.match(line);
        if (!m.hasMatch())
            m = column.match(line);
        if (m.hasMatch())
            names.insert(m.captured(1).toLower(), m.captured(1));
    }
    return names;
}

// The message line of a server error, without "ERROR:", its details and the code Qt appends.
QString messageLine(const QSqlError& error)
{
    QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    text = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    static const QRegularExpression severity(QStringLiteral("^[A-Z]+:\\s+"));
    text.remove(severity);
    static const QRegularExpression code(QStringLiteral("\\s*\\([0-9A-Z]{5}\\)$"));
    text.remove(code);
    return text;
}

// The names quoted in a server message, in order: "x", «x» or 'x' whatever the language.
QStringList quotedNames(const QString& message)
{
    static const QRegularExpression quoted(QStringLiteral("[\"«“']([^\"»”']+)[\"»”']"));
    QStringList names;
    for (auto it = quoted.globalMatch(message); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

// Positions of the "?" placeholders of a statement, quoted texts skipped.
QList<qsizetype> placeholders(const QString& sql)
{
    QList<qsizetype> at;
    bool quoted = false;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        if (sql[i] == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && sql[i] == QLatin1Char('?'))
            at << i;
    }
    return at;
}

// The column the placeholder at `position` gives its value to: "Column=?" (or another comparison)
// just before it, or its place in "INSERT INTO T(columns) VALUES(...)".
QString columnOfPlaceholder(const QString& sql, qsizetype position)
{
    static const QRegularExpression compared(QStringLiteral("(\\w+)\\s*(?:=|<>|>=|<=|<|>)\\s*$"));
    if (const auto m = compared.match(sql.left(position)); m.hasMatch())
        return m.captured(1);
    static const QRegularExpression insert(QStringLiteral("^\\s*INSERT\\s+INTO\\s+\\w+\\s*\\(([^)]*)\\)\\s*VALUES\\s*\\("),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto m = insert.match(sql);
    if (!m.hasMatch() || position < m.capturedEnd(0))
        return {};
    const QStringList columns = m.captured(1).split(QLatin1Char(','));
    int item = 0, depth = 0;
    for (qsizetype i = m.capturedEnd(0); i < position; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (c == QLatin1Char(',') && depth == 0)
            ++item;
    }
    return item < columns.size() ? columns[item].trimmed() : QString();
}

// The column a refused value was meant for, found by the value the message quotes.
QString columnOfValue(const QString& message, const QString& sql, const QVariantList& values)
{
    const QStringList quoted = quotedNames(message);
    const QList<qsizetype> at = placeholders(sql);
    for (int i = 0; i < values.size() && i < at.size(); ++i) {
        if (values[i].isNull() || !quoted.contains(values[i].toString()))
            continue;
        if (const QString column = columnOfPlaceholder(sql, at[i]); !column.isEmpty())
            return schemaSpelling(column);
    }
    return quoted.isEmpty() ? QString() : quoted.last();
}

}

QString schemaSpelling(const QString& name)
{
    static const QHash<QString, QString> names = schemaNames();
    return names.value(name.toLower(), name);
}

QString describeSqlite(const QString& engineText)
{
    static const QRegularExpression check(QStringLiteral("CHECK constraint failed: (\\w+)"));
    static const QRegularExpression type(QStringLiteral("cannot store \\w+ value in (\\w+) column \\w+\\.(\\w+)"));
    static const QRegularExpression unique(QStringLiteral("UNIQUE constraint failed: \\w+\\.(\\w+)"));

    if (const auto m = check.match(engineText); m.hasMatch())
        if (const QString text = describeNamedCheck(m.captured(1)); !text.isEmpty())
            return text;
    if (const auto m = type.match(engineText); m.hasMatch())
        return notANumber(m.captured(2), m.captured(1) == QLatin1String("INTEGER"));
    if (const auto m = unique.match(engineText); m.hasMatch())
        return duplicate(m.captured(1));
    if (engineText.contains(QLatin1String("database is locked")))
        return kBusy;
    return engineText;
}

QString describePostgres(const QSqlError& error, const QString& sql, const QVariantList& values)
{
    const QString code = error.nativeErrorCode();
    const QString message = messageLine(error);
    if (isConnectionLost(error))
        return kConnectionLost;
    if (isRetryable(error))
        return kConflict;
    if (isBusy(error))
        return kBusy;
    if (code == QLatin1String("23514"))
        if (const QString text = describeNamedCheck(message); !text.isEmpty())
            return text;
    if (code == QLatin1String("23505")) {
        // Unique keys are named key_Table_Column in the schema.
        static const QRegularExpression key(QStringLiteral("\\bkey_[A-Za-z]+_(\\w+)"));
        if (const auto m = key.match(message); m.hasMatch())
            return duplicate(m.captured(1));
    }
    if (code == QLatin1String("23503"))
        return QStringLiteral("FOREIGN KEY constraint failed");
    if (code == QLatin1String("23502")) {
        const QStringList names = quotedNames(message);
        if (names.size() >= 2)
            return QStringLiteral("NOT NULL constraint failed: %1.%2").arg(schemaSpelling(names[1]), schemaSpelling(names[0]));
    }
    // A value the column's type does not take: a number, a whole number, a date.
    if (code == QLatin1String("22P02") || code == QLatin1String("22003")) {
        const bool whole = message.contains(QLatin1String("integer")) || message.contains(QLatin1String("bigint"));
        return notANumber(columnOfValue(message, sql, values), whole);
    }
    if (code == QLatin1String("22007") || code == QLatin1String("22008"))
        return notADate(columnOfValue(message, sql, values));
    return message;
}

bool isConnectionLost(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") || code == QLatin1String("57P02")
        || code == QLatin1String("57P03"))
        return true;
    // libpq's own words when the socket is gone (no code is sent then).
    const QString text = error.databaseText() + error.driverText();
    return code.isEmpty()
           && (text.contains(QLatin1String("server closed the connection"))
               || text.contains(QLatin1String("no connection to the server"))
               || text.contains(QLatin1String("terminating connection"))
               || text.contains(QLatin1String("connection to server")));
}

bool isBusy(const QSqlError& error) { return error.nativeErrorCode() == QLatin1String("55P03"); }

bool isRetryable(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("40001") || code == QLatin1String("40P01");
}

}
