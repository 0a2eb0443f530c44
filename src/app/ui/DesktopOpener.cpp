#include "app/ui/DesktopOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool DesktopOpener::openFile(const QString& path)
{
    return QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopOpener::openFileAt(const QString& path, const QString& section)
{
    if (!QFileInfo(path).isFile())
        return false;
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(section);
    return QDesktopServices::openUrl(url);
}
