#pragma once
#include "data/DesktopSeam.h"

#include <QStringList>

// Keeps the files the code under test asked the desktop to open; answers `opens`.
class RecordingDesktop : public DesktopSeam {
public:
    bool openFile(const QString& path) override
    {
        opened << path;
        return opens;
    }
    // Recorded as "path#section".
    bool openFileAt(const QString& path, const QString& section) override
    {
        opened << path + QLatin1Char('#') + section;
        return opens;
    }
    QStringList opened;
    bool opens = true;
};
