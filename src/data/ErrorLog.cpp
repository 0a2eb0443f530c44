#include "data/ErrorLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// One fault is one line, whatever the exception's text holds.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

}

QString ErrorLog::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/cvi-zelto/errors.log");
}

ErrorLog::ErrorLog(QString path) : m_path(std::move(path)) {}

bool ErrorLog::append(const QString& where, const QString& what) const
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" | ")
                         + oneLine(where) + QStringLiteral(" | ") + oneLine(what) + QLatin1Char('\n');
    const QByteArray bytes = line.toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}
