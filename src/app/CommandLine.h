#pragma once
#include <QStringList>
#include <QTextStream>

// The program's command-line tools, run without any window:
//   --create-database FILE|postgresql://... [--demo [--days N]] [--nit NIT] [--name "BUSINESS NAME"]
//                       a demo shop comes with its last N days of trade (30 unless told)
//   --simulate FILE [--days N] [--sales-per-day M] [--from YYYY-MM-DD] [--seed S]
//                       runs whole shop days through the program's own operations
//   --check FILE        names every broken rule of the shop's books; exit 0 only with none
//   --certify FILE      checks the control code against the tax authority's case file
//   --migrate FILE postgresql://...   moves a shop file into an empty database on a server
//   --backup FILE DIR   writes a checked copy of the shop database FILE into DIR
//   --restore COPY FILE puts a checked copy back as FILE, which must not exist
//   --import-products FILE SHOP   brings a product list (.csv or .xlsx) into a shop, every row or none
// True when the arguments name one of the tools.
bool IsCommandLineRequest(const QStringList& arguments);
// Runs the tool the arguments name and returns the process exit status.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
