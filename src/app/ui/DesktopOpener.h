#pragma once
#include "data/DesktopSeam.h"

// The desktop seam of the running program: the file goes to the program the desktop associates
// with it.
class DesktopOpener : public DesktopSeam {
public:
    bool openFile(const QString& path) override;
    bool openFileAt(const QString& path, const QString& section) override;
};
