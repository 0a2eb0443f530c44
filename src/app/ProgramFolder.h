#pragma once
#include <QString>

// The folder of the program's own files (help page, pictures), with a trailing separator: beside
// the program when it runs from its build folder, "<prefix>/share/cvi-zelto" once installed under
// a prefix ("/usr/bin/cvi-zelto" finds "/usr/share/cvi-zelto/").
namespace ProgramFolder {

QString ForProgramIn(const QString& programFolder);
// For the running program.
QString Current();

}
