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
    QVariantList row; // every column of its Caja row, as stored
};

// The session a copy is named after and checked against: the one given, or else the file's latest.
bool readSession(QSqlDatabase source, const QString& sessionId, Session* session, QString* error)
{
    QList<QVariantList> rows;
    const QString sql = sessionId.isEmpty()
        ? QStringLiteral("SELECT * FROM Caja WHERE IdCaja=(SELECT MAX(IdCaja) FROM Caja)")
        : QStringLiteral("SELECT * FROM Caja WHERE IdCaja=?");
    if (!ReadRows(source, sql, sessionId.isEmpty() ? QVariantList{} : QVariantList{sessionId}, &rows, error))
        return false;
    if (rows.isEmpty()) {
        if (!sessionId.isEmpty()) {
            *error = QStringLiteral("la caja %1 no existe").arg(sessionId);
            return false;
        }
        session->id = QStringLiteral("C000000000"); // a shop that never opened its cash
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

Outcome writeChecked(QSqlDatabase source, const QString& folder, const QString& sessionId)
{
    if (const QString refusal = BackupFolder::Check(folder); !refusal.isEmpty())
        return failed(refusal);
    Session session;
    QString error;
    if (!readSession(source, sessionId, &session, &error))
        return failed(error);
    const QString path = CopyPath(folder, session.id, session.date, ClockSeam::current().now());
    if (const QString failure = DatabaseCopy::write(source, path); !failure.isEmpty())
        return failed(plainWriteFailure(failure, folder));
    const QString checkedId = session.row.isEmpty() ? QString() : session.id;
    if (const QString problem = CopyCheck::Verify(path, checkedId, session.row); !problem.isEmpty()) {
        QFile::remove(path);
        return failed(QStringLiteral("la copia escrita no paso la revision: %1").arg(problem));
    }
    Prune(folder);
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

QStringList Prune(const QString& folder, int kept)
{
    const QDir dir(folder);
    QStringList copies = dir.entryList({QStringLiteral("C*.sqlite")}, QDir::Files, QDir::Name).filter(copyName());
    QStringList removed;
    while (copies.size() > kept) {
        const QString oldest = copies.takeFirst();
        if (QFile::remove(dir.filePath(oldest)))
            removed << oldest;
    }
    return removed;
}

}
