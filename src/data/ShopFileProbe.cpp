#include "data/ShopFileProbe.h"

#include "data/CopyCheck.h"
#include "data/ReadOnlyDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace ShopFileProbe {

namespace {

Finding found(Kind kind, const QString& message) { return {kind, message}; }

bool writableByMode(const QFileInfo& info)
{
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

// The file's first page header: "SQLite format 3", a page size, and when the header's page count
// is current, a file at least that long. A shop cut short by a full disk or an interrupted copy
// fails here before any page is read.
Finding examineHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found(Kind::NotAShop, QStringLiteral("No se puede leer el archivo %1: %2").arg(path, file.errorString()));
    const QByteArray header = file.read(100);
    const qint64 size = file.size();
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return found(Kind::NotAShop, QStringLiteral("%1 no es una base de datos del sistema (no es un archivo de "
                                                    "base de datos)")
                                         .arg(path));
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint32 rawPageSize = qFromBigEndian<quint16>(bytes + 16);
    const qint64 pageSize = rawPageSize == 1 ? 65536 : rawPageSize;
    const quint32 changeCounter = qFromBigEndian<quint32>(bytes + 24);
    const quint32 pageCount = qFromBigEndian<quint32>(bytes + 28);
    const quint32 validFor = qFromBigEndian<quint32>(bytes + 92);
    // While a log is beside the file a checkpoint may be writing its pages: the header can run
    // ahead of the file's length for a moment, so only a file without a log is measured.
    const bool settled = !QFileInfo::exists(path + QStringLiteral("-wal"));
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0
        || (settled && (size % pageSize != 0 || (changeCounter == validFor && size < qint64(pageCount) * pageSize))))
        return found(Kind::Damaged, QStringLiteral("La base de datos %1 esta danada: el archivo esta cortado (%2 de "
                                                   "%3 bytes). Restaure la ultima copia de seguridad")
                                        .arg(path)
                                        .arg(size)
                                        .arg(qint64(pageCount) * pageSize));
    return {};
}

Finding engineFinding(const QString& path, const QString& engineText)
{
    switch (KindOfEngineText(engineText)) {
    case Kind::Busy:
        return found(Kind::Busy, QStringLiteral("La base de datos %1 esta ocupada por otro programa (%2); vuelva a "
                                                "intentarlo cuando lo suelte")
                                     .arg(path, engineText));
    case Kind::Damaged:
        return found(Kind::Damaged, QStringLiteral("La base de datos %1 esta danada (%2). Restaure la ultima copia "
                                                   "de seguridad")
                                        .arg(path, engineText));
    default:
        return found(Kind::NotAShop, QStringLiteral("%1 no es una base de datos del sistema (%2)").arg(path, engineText));
    }
}

}

Kind KindOfEngineText(const QString& text)
{
    for (const char* busy : {"database is locked", "database table is locked", "database is busy"})
        if (text.contains(QLatin1String(busy), Qt::CaseInsensitive))
            return Kind::Busy;
    for (const char* damaged : {"malformed", "corrupt", "disk i/o error", "database disk image"})
        if (text.contains(QLatin1String(damaged), Qt::CaseInsensitive))
            return Kind::Damaged;
    return Kind::NotAShop;
}

bool OnReadOnlyMedia(const QString& path)
{
    const QFileInfo info(path);
    return !writableByMode(info) || !writableByMode(QFileInfo(info.absolutePath()));
}

Finding Examine(const QString& path, Use use, bool fullCheck)
{
    const QFileInfo info(path);
    if (path.trimmed().isEmpty() || !info.exists())
        return found(Kind::Missing, QStringLiteral("No se encuentra el archivo de base de datos: %1").arg(path));
    if (!info.isFile())
        return found(Kind::NotAShop, QStringLiteral("%1 no es un archivo").arg(path));
    if (Finding header = examineHeader(path); header.kind != Kind::Good)
        return header;
    if (use == Use::Write && OnReadOnlyMedia(path))
        return found(Kind::ReadOnly, QStringLiteral("La base de datos %1 es de solo lectura (el archivo o su carpeta "
                                                    "no se pueden escribir, o esta en un medio de solo lectura)")
                                         .arg(path));
    const ReadOnlyDatabase shop(path, ReadOnlyDatabase::Open::Tidy);
    if (!shop.error().isEmpty())
        return engineFinding(path, shop.error());
    QList<QVariantList> rows;
    QString error;
    if (!ReadRows(shop.connection(), QStringLiteral("SELECT COUNT(*) FROM sqlite_master"), {}, &rows, &error))
        return engineFinding(path, error);
    if (const QString problem = CopyCheck::ShopTables(shop.connection()); !problem.isEmpty()) {
        if (problem.contains(QLatin1String("version mas reciente")))
            return found(Kind::Newer, problem);
        const Kind kind = KindOfEngineText(problem);
        return kind == Kind::NotAShop ? found(Kind::NotAShop, QStringLiteral("%1 %2").arg(path, problem))
                                      : engineFinding(path, problem);
    }
    if (fullCheck) {
        rows.clear();
        if (!ReadRows(shop.connection(), QStringLiteral("PRAGMA integrity_check(20)"), {}, &rows, &error))
            return engineFinding(path, error);
        const QString first = rows.value(0).value(0).toString();
        if (first != QLatin1String("ok"))
            return found(Kind::Damaged, QStringLiteral("La base de datos %1 esta danada (%2). Restaure la ultima "
                                                       "copia de seguridad")
                                            .arg(path, first));
    }
    return {};
}

}
