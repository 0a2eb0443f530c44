#pragma once
#include "data/FileDialogSeam.h"

// Qt's own file, folder and text dialogs. The window program installs them at start.
class QtFileDialogs : public FileDialogSeam {
public:
    QString openFile(QWidget* parent, const QString& caption, const QString& startFolder, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& startPath, const QString& filter) override;
    QString askText(QWidget* parent, const QString& caption, const QString& label, const QString& initial) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& startFolder) override;
};
