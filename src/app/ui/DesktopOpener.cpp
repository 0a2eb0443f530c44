#include "app/ui/DesktopOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool DesktopOpener::openFile(const QString& path)
{
    return QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
