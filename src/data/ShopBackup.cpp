#include "data/ShopBackup.h"

#include "data/BackupFolder.h"
#include "data/ClockSeam.h"
#include "data/CopyCheck.h"
#include "data/DatabaseCopy.h"
#include "data/DatabaseEngine.h"
#include "data/DatabaseError.h"
#include "data/ReadOnlyDatabase.h"
#include "data/UDataModule.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRegularExpression>

namespace ShopBackup {

namespace {

const QRegularExpression& copyName()
{
    static const QRegularExpression name(QStringLiteral("^C\\d{9}-\\d{4}-\\d{2}-\\d{2}(-\\d{6})?\\.sqlite$"));
    return name;
}

Outcome failed(const QString& reason)
{
    Outcome outcome;
    outcome.failure = QStringLiteral("No se pudo guardar la copia de seguridad: %1.").arg(reason);
    return outcome;
}

// The engine's refusal in the words a cashier understands.
QString plainWriteFailure(const QString& message, const QString& folder)
{
    if (message.contains(QLatin1String("disk is full"), Qt::CaseInsensitive))
        return QStringLiteral("el disco de la carpeta %1 esta lleno").arg(QDir::toNativeSeparators(folder));
    if (message.contains(QLatin1String("unable to open"), Qt::CaseInsensitive))
        return QStringLiteral("no se puede escribir en la carpeta %1").arg(QDir::toNativeSeparators(folder));
    return message;
}

struct Session {
    QString id;
    QDate date;
    QVariantList row;  // every column of its Caja row, as stored
};

// The session a copy is named after and checked against: the one given, or else the file's latest.
bool readSession(QSqlDatabase source, const QString& sessionId, Session* session, QString* error)
{
    QList<QVariantList> rows;
    const QString sql = sessionId.isEmpty() ? QStringLiteral("SELECT * FROM Caja WHERE IdCaja=(SELECT MAX(IdCaja) FROM Caja)")
                                            : QStringLiteral("SELECT * FROM Caja WHERE IdCaja=?");
    if (!ReadRows(source, sql, sessionId.isEmpty() ? QVariantList{} : QVariantList{sessionId}, &rows, error))
        return false;
    if (rows.isEmpty()) {
        if (!sessionId.isEmpty()) {
            *error = QStringLiteral("la caja %1 no existe").arg(sessionId);
            return false;
        }
        session->id = QStringLiteral("C000000000");  // a shop that never opened its cash
        session->date = ClockSeam::current().today();
        return true;
    }
    session->row = rows[0];
    session->id = session->row.value(0).toString();
    session->date = QDate::fromString(session->row.value(1).toString(), Qt::ISODate);
    if (!session->date.isValid())
        session->date = ClockSeam::current().today();
    return true;
}

// The shop a copy belongs to; empty when it cannot be told.
QString copyShopId(const QString& path)
{
    const ReadOnlyDatabase copy(path, ReadOnlyDatabase::Open::Settled);
    QString shopId, error;
    return copy.error().isEmpty() && ReadShopId(copy.connection(), &shopId, &error) ? shopId : QString();
}

// What a copy killed half-way left: its passing file and the engine's journal beside it. Only
// called while holding the folder's lock, so no other copy is being written there.
void removeLeftovers(const QDir& dir)
{
    const QString passing = PassingName(QStringLiteral("*.sqlite"));
    const QStringList names = dir.entryList({passing, passing + QStringLiteral("-*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        QFile::remove(dir.filePath(name));
}

void removePassing(const QString& passing)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(passing + QLatin1String(suffix));
}

constexpr int kFolderLockWaitMs = 120000;

// What the engine's own check finds wrong with the database; empty when it is whole.
QString damageOf(QSqlDatabase db)
{
    QList<QVariantList> rows;
    QString error;
    if (!ReadRows(db, QStringLiteral("PRAGMA quick_check(5)"), {}, &rows, &error))
        return error;
    const QString first = rows.value(0).value(0).toString();
    return first == QLatin1String("ok") ? QString() : first;
}

Outcome writeChecked(QSqlDatabase source, const QString& folder, const QString& sessionId)
{
    if (const QString refusal = BackupFolder::Check(folder); !refusal.isEmpty())
        return failed(refusal);
    Session session;
    QString error, shopId;
    if (!readSession(source, sessionId, &session, &error) || !ReadShopId(source, &shopId, &error))
        return failed(error);
    // One copy at a time into a folder (two shops may share it): whatever passing file is found
    // while holding the lock was left by a copy that was killed.
    const QDir dir(folder);
    QLockFile lock(dir.filePath(QStringLiteral(".cvi-zelto-copia.lock")));
    if (!lock.tryLock(kFolderLockWaitMs))
        return failed(QStringLiteral("otra copia se esta escribiendo en la carpeta %1").arg(QDir::toNativeSeparators(folder)));
    removeLeftovers(dir);

    // Written and checked under a passing name, then renamed: a copy under its final name is whole.
    const QString path = CopyPath(folder, session.id, session.date, ClockSeam::current().now());
    const QString passing = PassingName(path);
    if (const QString failure = DatabaseCopy::write(source, passing); !failure.isEmpty()) {
        removePassing(passing);
        // A damaged database fails its copy with words of its own (even "disk is full"): look
        // before blaming the folder.
        if (const QString damage = damageOf(source); !damage.isEmpty()) {
            Outcome outcome =
                failed(QStringLiteral("la base de datos esta danada (%1); restaure la ultima copia de seguridad").arg(damage));
            outcome.sourceDamaged = true;
            return outcome;
        }
        return failed(plainWriteFailure(failure, folder));
    }
    const QString checkedId = session.row.isEmpty() ? QString() : session.id;
    if (const QString problem = CopyCheck::Verify(passing, checkedId, session.row); !problem.isEmpty()) {
        removePassing(passing);
        return failed(QStringLiteral("la copia escrita no paso la revision: %1").arg(problem));
    }
    if (!QFile::rename(passing, path)) {
        removePassing(passing);
        return failed(QStringLiteral("no se pudo dar el nombre %1 a la copia").arg(QDir::toNativeSeparators(path)));
    }
    Prune(folder, shopId, path);
    if (!QFileInfo(path).isFile())
        return failed(QStringLiteral("la copia %1 no quedo en la carpeta").arg(QDir::toNativeSeparators(path)));
    Outcome outcome;
    outcome.copyPath = path;
    return outcome;
}

}

QString ServerNotice()
{
    return QStringLiteral("La base de datos esta en un servidor: al cerrar la caja no se hace copia en este "
                          "equipo; valen las copias de seguridad del propio servidor.");
}

Outcome AfterClosing(const QString& databaseName, const QString& sessionId)
{
    if (DatabaseEngine::IsServer(databaseName)) {
        Outcome outcome;
        outcome.notice = ServerNotice();
        return outcome;
    }
    QString folder;
    try {
        const QString stored = BackupFolder::Stored();
        folder = stored.isEmpty() ? BackupFolder::Default(databaseName) : stored;
        if (stored.isEmpty())
            QDir().mkpath(folder);
    } catch (const DatabaseError& e) {
        return failed(e.text());
    }
    return writeChecked(TDataModule1::instance().connection(), folder, sessionId);
}

Outcome FromFile(const QString& path, const QString& folder)
{
    if (DatabaseEngine::IsServer(path)) {
        Outcome outcome;
        outcome.notice = ServerNotice();
        return outcome;
    }
    if (!QFileInfo(path).isFile())
        return failed(QStringLiteral("no se encuentra el archivo %1").arg(path));
    if (const QString refusal = BackupFolder::Check(folder); !refusal.isEmpty())
        return failed(refusal);
    const ReadOnlyDatabase source(path, ReadOnlyDatabase::Open::Tidy);
    if (!source.error().isEmpty())
        return failed(QStringLiteral("no se puede abrir %1 (%2)").arg(path, source.error()));
    if (const QString problem = CopyCheck::ShopTables(source.connection()); !problem.isEmpty())
        return failed(QStringLiteral("%1 %2").arg(path, problem));
    return writeChecked(source.connection(), folder, {});
}

QString CopyPath(const QString& folder, const QString& sessionId, const QDate& sessionDate, const QDateTime& now)
{
    const QDir dir(folder);
    const QString base = sessionId + QLatin1Char('-') + sessionDate.toString(Qt::ISODate);
    const QString plain = dir.filePath(base + QStringLiteral(".sqlite"));
    if (!QFileInfo::exists(plain))
        return plain;
    return dir.filePath(base + QLatin1Char('-') + now.toString(QStringLiteral("HHmmss")) + QStringLiteral(".sqlite"));
}

QStringList Prune(const QString& folder, const QString& shopId, const QString& written, int kept)
{
    if (shopId.isEmpty())
        return {};  // without an identity no copy can be told to be this shop's
    const QDir dir(folder);
    const QString keep = written.isEmpty() ? QString() : QFileInfo(written).absoluteFilePath();
    QFileInfoList copies;
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("C*.sqlite")}, QDir::Files)) {
        if (copyName().match(info.fileName()).hasMatch() && info.absoluteFilePath() != keep
            && copyShopId(info.filePath()) == shopId)
            copies << info;
    }
    std::sort(copies.begin(), copies.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime at = a.lastModified(), bt = b.lastModified();
        return at != bt ? at > bt : a.fileName() > b.fileName();
    });
    const qsizetype room = qMax(0, kept - (keep.isEmpty() ? 0 : 1));
    QStringList removed;
    for (qsizetype i = room; i < copies.size(); ++i)
        if (QFile::remove(copies[i].filePath()))
            removed << copies[i].fileName();
    return removed;
}

bool ReadShopId(QSqlDatabase db, QString* shopId, QString* error)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT * FROM Codigos WHERE IdC=1"))) {
        *error = q.lastError().text();
        return false;
    }
    const int column = q.record().indexOf(QStringLiteral("IdTienda"));
    *shopId = column >= 0 && q.next() ? q.value(column).toString() : QString();
    return true;
}

QString PassingName(const QString& copyPath) { return copyPath + QStringLiteral(".incompleta"); }

}
