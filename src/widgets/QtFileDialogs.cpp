#include "widgets/QtFileDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

QString QtFileDialogs::openFile(QWidget* parent, const QString& caption, const QString& startFolder, const QString& filter)
{
    // The dialog only returns files that exist.
    return QFileDialog::getOpenFileName(parent, caption, startFolder, filter);
}

QString QtFileDialogs::saveFile(QWidget* parent, const QString& caption, const QString& startPath, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, startPath, filter);
}

QString QtFileDialogs::askText(QWidget* parent, const QString& caption, const QString& label, const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, initial, &ok);
    return ok ? text.trimmed() : QString();
}

QString QtFileDialogs::chooseFolder(QWidget* parent, const QString& caption, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(parent, caption, startFolder);
}
