#include "data/ShopRestore.h"

#include "data/CopyCheck.h"
#include "data/DatabaseCopy.h"
#include "data/ReadOnlyDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ShopRestore {

namespace {

// The target or one of the engine's companion files of a database of that name.
bool targetTaken(const QString& target)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        if (QFileInfo::exists(target + QLatin1String(suffix)))
            return true;
    return false;
}

QString refused(const QString& reason) { return QStringLiteral("No se restauro la copia: %1.").arg(reason); }

}

QString Restore(const QString& copy, const QString& target)
{
    const QFileInfo targetInfo(target);
    if (targetTaken(target))
        return refused(QStringLiteral("el archivo %1 ya existe y no se sobrescribe").arg(target));
    if (!targetInfo.absoluteDir().exists())
        return refused(QStringLiteral("no existe la carpeta %1").arg(targetInfo.absolutePath()));
    if (const QString problem = CopyCheck::Verify(copy); !problem.isEmpty())
        return refused(QStringLiteral("%1 no es una copia valida: %2").arg(copy, problem));

    // Written under a passing name and checked again, then renamed: the target is whole or absent.
    const QString passing = targetInfo.absoluteFilePath() + QStringLiteral(".restaurando");
    if (targetTaken(passing))
        return refused(QStringLiteral("el archivo %1 ya existe y no se sobrescribe").arg(passing));
    QString failure;
    {
        const ReadOnlyDatabase source(copy);
        failure = source.error().isEmpty()
                      ? DatabaseCopy::write(source.connection(), passing, DatabaseCopy::Access::AsNewFile)
                      : source.error();
    }
    if (failure.isEmpty())
        if (const QString problem = CopyCheck::Verify(passing); !problem.isEmpty())
            failure = QStringLiteral("la base de datos escrita no paso la revision: %1").arg(problem);
    if (failure.isEmpty() && !QFile::rename(passing, targetInfo.absoluteFilePath()))
        failure = QStringLiteral("no se pudo dar el nombre %1 a la base de datos restaurada").arg(target);
    if (!failure.isEmpty()) {
        QFile::remove(passing);
        return refused(failure);
    }
    return {};
}

}
