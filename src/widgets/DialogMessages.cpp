#include "widgets/DialogMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
const QString kTitle = QStringLiteral("CVI Zelto");
}

void DialogMessages::information(const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), kTitle, text);
}

bool DialogMessages::question(const QString& title, const QString& text)
{
    return QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
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
