#include "TestServer.h"

#include "data/EngineConnection.h"
#include "data/ServerAddress.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace TestServer {

namespace {

const QString kAdmin = QStringLiteral("test-server-admin");

bool adminOpen()
{
    if (QSqlDatabase::contains(kAdmin) && QSqlDatabase::database(kAdmin, false).isOpen())
        return true;
    const QString error = EngineConnection::open(adminText(), kAdmin);
    if (!error.isEmpty())
        qWarning("test server: %s", qPrintable(error));
    return error.isEmpty();
}

}

bool enabled() { return qEnvironmentVariable("CVI_TEST_ENGINE") == QLatin1String("postgresql"); }

QString adminText()
{
    if (!enabled())
        return {};
    QFile file(qEnvironmentVariable("CVI_TEST_SERVER_FILE"));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("test server: no connection text in %s (is the pgserver_start test run first?)", qPrintable(file.fileName()));
        return {};
    }
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString adminExecute(const QString& sql)
{
    if (!adminOpen())
        return QStringLiteral("no server");
    QSqlQuery q(QSqlDatabase::database(kAdmin, false));
    return q.exec(sql) ? QString() : q.lastError().text();
}

QString createDatabase()
{
    static QAtomicInt serial;
    // Names unique over the whole run: test programs run side by side on the one server.
    const QString name =
        QStringLiteral("shop_%1_%2").arg(QCoreApplication::applicationPid()).arg(serial.fetchAndAddRelaxed(1));
    if (const QString error = adminExecute(QStringLiteral("CREATE DATABASE %1").arg(name)); !error.isEmpty()) {
        qWarning("test server: %s", qPrintable(error));
        return {};
    }
    ServerAddress address;
    ServerAddress::parse(adminText(), &address, nullptr);
    address.database = name;
    return address.text();
}

void dropDatabase(const QString& connectionText)
{
    ServerAddress address;
    if (!ServerAddress::parse(connectionText, &address, nullptr) || !address.database.startsWith(QLatin1String("shop_")))
        return;
    adminExecute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(address.database));
}

}
