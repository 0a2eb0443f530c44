#pragma once
#include <QStringList>
#include <QTextStream>

// The program's command-line tools, run without any window:
//   --create-database FILE [--demo] [--nit NIT] [--name "BUSINESS NAME"]
//   --certify FILE      checks the control code against the tax authority's case file
// True when the arguments name one of the tools.
bool IsCommandLineRequest(const QStringList& arguments);
// Runs the tool the arguments name and returns the process exit status.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
