#include "data/MessageSeam.h"

#include <QApplication>
#include <QMessageBox>

namespace {
DialogMessages g_dialogs;
MessageSeam* g_current = &g_dialogs;

const QString kTitle = QStringLiteral("CVI Zelto");
}

MessageSeam& MessageSeam::current() { return *g_current; }

void MessageSeam::install(MessageSeam* seam) { g_current = seam ? seam : &g_dialogs; }

void DialogMessages::information(const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), kTitle, text);
}

bool DialogMessages::question(const QString& title, const QString& text)
{
    return QMessageBox::question(QApplication::activeWindow(), title, text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void DialogMessages::error(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Error"), text);
}

void DialogMessages::plain(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
