#pragma once
#include <QSize>
#include <QString>

// The size the user last left each list window at, per user and computer, so it reopens so. The
// file sits beside the login's settings when a test or an installer names that file, otherwise in
// the user's own configuration folder.
namespace WindowSizes {

QString path();
// An invalid size when the window was never sized.
QSize remembered(const QString& window);
void remember(const QString& window, const QSize& size);

}
