#pragma once
#include <QStringList>
#include <QTextStream>

// The program's command-line tools, run without any window:
//   --create-database FILE|postgresql://... [--demo] [--nit NIT] [--name "BUSINESS NAME"]
//   --certify FILE      checks the control code against the tax authority's case file
//   --migrate FILE postgresql://...   moves a shop file into an empty database on a server
//   --backup FILE DIR   writes a checked copy of the shop database FILE into DIR
//   --restore COPY FILE puts a checked copy back as FILE, which must not exist
// True when the arguments name one of the tools.
bool IsCommandLineRequest(const QStringList& arguments);
// Runs the tool the arguments name and returns the process exit status.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
