#pragma once
#include <QString>

// Hands a file the program wrote (a book's text file, a spreadsheet) to the program the desktop
// opens that kind of file with. The main program installs the real opener at start; until then,
// and in tests that install nothing, nothing is opened and every request answers false.
class DesktopSeam {
public:
    virtual ~DesktopSeam() = default;
    // False when the file could not be handed over (missing file, no program for it).
    virtual bool openFile(const QString& path) = 0;
    // A page opened at one of its sections (an HTML page at the element of that id). False as
    // openFile.
    virtual bool openFileAt(const QString& path, const QString& section) = 0;

    static DesktopSeam& current();
    // Installs an opener; nullptr puts back the one that opens nothing. The caller keeps ownership.
    static void install(DesktopSeam* seam);
};
