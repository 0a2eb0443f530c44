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
    QStringList opened;
    bool opens = true;
};
