#pragma once
#include <QStringList>

// The statements of a script such as the schema file: "--" comment lines dropped (they may hold
// ";"), the rest split at ";", blank statements left out.
QStringList SqlScriptStatements(const QString& script);
