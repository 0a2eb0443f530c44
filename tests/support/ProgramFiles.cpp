#include "ProgramFiles.h"

#include <QDir>
#include <QFile>

namespace ProgramFiles {

QString buildFolder() { return QStringLiteral(CVI_PROGRAM_FOLDER); }

bool copyPicturesInto(const QString& folder)
{
    const QDir source(buildFolder() + QStringLiteral("img"));
    const QStringList pictures = source.entryList(QDir::Files);
    const QDir target(folder);
    if (pictures.isEmpty() || !target.mkpath(QStringLiteral("img")))
        return false;
    for (const QString& name : pictures) {
        const QString copy = target.filePath(QStringLiteral("img/") + name);
        QFile::remove(copy);
        if (!QFile::copy(source.filePath(name), copy))
            return false;
    }
    return true;
}

}
