#pragma once
#include "data/FileDialogSeam.h"

#include <QStringList>

// Returns the paths (and typed texts) the test queued (empty text, like a cancel, when none is
// left) and keeps the filters and start folders it was asked with.
class ScriptedFileDialogs : public FileDialogSeam {
public:
    QString openFile(QWidget*, const QString&, const QString& startFolder, const QString& filter) override
    {
        requests << startFolder + QLatin1Char('|') + filter;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QString saveFile(QWidget*, const QString&, const QString& startPath, const QString& filter) override
    {
        requests << startPath + QLatin1Char('|') + filter;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }

    QString askText(QWidget*, const QString&, const QString&, const QString& initial) override
    {
        requests << initial;
        return texts.isEmpty() ? QString() : texts.takeFirst();
    }
    QString chooseFolder(QWidget*, const QString&, const QString& startFolder) override
    {
        requests << startFolder;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }

    QStringList paths;
    QStringList texts;  // answers of askText
    QStringList requests;
};
