#pragma once
#include <QString>

class QWidget;

// File and picture choosers. Each returns the chosen path, or empty text when the user cancels.
// Filters use Qt's form: "DAT Base de Datos (*.sqlite)". The window program installs the real
// dialogs (widgets/QtFileDialogs) at start; until then every chooser answers as a cancel.
class FileDialogSeam {
public:
    virtual ~FileDialogSeam() = default;
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& startFolder, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& startPath, const QString& filter) = 0;
    // A line of text typed into a small box (such as a server's connection text); empty text when
    // the user cancels.
    virtual QString askText(QWidget* parent, const QString& caption, const QString& label, const QString& initial)
    {
        Q_UNUSED(parent)
        Q_UNUSED(caption)
        Q_UNUSED(label)
        Q_UNUSED(initial)
        return {};
    }
    // An existing folder. A seam without a folder chooser answers as a cancel.
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& startFolder);

    static FileDialogSeam& current();
    static void install(FileDialogSeam* seam);  // nullptr puts back the chooser that cancels
};
