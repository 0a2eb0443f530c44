#include "data/CopyCheck.h"

#include "data/ReadOnlyDatabase.h"
#include "data/SchemaUpgrade.h"

#include <QFileInfo>

namespace CopyCheck {

namespace {

QString notAShopDatabase(const QString& detail)
{
    return QStringLiteral("no es una base de datos del sistema (%1)").arg(detail);
}

QString checkIntegrity(const ReadOnlyDatabase& copy)
{
    QList<QVariantList> rows;
    QString error;
    if (!ReadRows(copy.connection(), QStringLiteral("PRAGMA integrity_check"), {}, &rows, &error))
        return QStringLiteral("el archivo esta danado o no es una base de datos (%1)").arg(error);
    const QString first = rows.value(0).value(0).toString();
    if (first != QLatin1String("ok"))
        return QStringLiteral("el archivo esta danado (%1)").arg(first.isEmpty() ? QStringLiteral("sin respuesta") : first);
    return {};
}

QString checkSession(const ReadOnlyDatabase& copy, const QString& sessionId, const QVariantList& expected)
{
    QList<QVariantList> rows;
    QString error;
    if (!ReadRows(copy.connection(), QStringLiteral("SELECT * FROM Caja WHERE IdCaja=?"), {sessionId}, &rows, &error))
        return error;
    if (rows.isEmpty())
        return QStringLiteral("la caja %1 no esta en la copia").arg(sessionId);
    if (rows[0] != expected)
        return QStringLiteral("la caja %1 de la copia no tiene las mismas cifras").arg(sessionId);
    return {};
}

}

QString ShopTables(QSqlDatabase db)
{
    QList<QVariantList> rows;
    QString error;
    if (!ReadRows(db,
                  QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND "
                                 "name IN ('Codigos','DatosC','Usuario','Caja','Ventas')"),
                  {}, &rows, &error))
        return notAShopDatabase(error);
    if (rows.isEmpty() || rows[0].value(0).toInt() != 5)
        return notAShopDatabase(QStringLiteral("le faltan las tablas de la tienda"));
    rows.clear();
    if (!ReadRows(db, QStringLiteral("PRAGMA user_version"), {}, &rows, &error))
        return notAShopDatabase(error);
    return SchemaUpgrade::checkNotNewer(rows.value(0).value(0).toInt());
}

QString Verify(const QString& path, const QString& sessionId, const QVariantList& sessionRow)
{
    if (!QFileInfo(path).isFile())
        return QStringLiteral("no se encuentra el archivo %1").arg(path);
    const ReadOnlyDatabase copy(path);
    if (!copy.error().isEmpty())
        return QStringLiteral("no se puede abrir el archivo (%1)").arg(copy.error());
    QString problem = checkIntegrity(copy);
    if (problem.isEmpty())
        problem = ShopTables(copy.connection());
    if (problem.isEmpty() && !sessionId.isEmpty())
        problem = checkSession(copy, sessionId, sessionRow);
    return problem;
}

}
