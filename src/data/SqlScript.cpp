#include "data/SqlScript.h"

QStringList SqlScriptStatements(const QString& script)
{
    QStringList lines;
    for (const QString& line : script.split(QLatin1Char('\n')))
        if (!line.trimmed().startsWith(QLatin1String("--")))
            lines << line;
    QStringList statements;
    for (const QString& statement : lines.join(QLatin1Char('\n')).split(QLatin1Char(';')))
        if (!statement.trimmed().isEmpty())
            statements << statement.trimmed();
    return statements;
}
