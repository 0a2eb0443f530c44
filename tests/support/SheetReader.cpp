#include "SheetReader.h"

#include <QJsonDocument>
#include <QProcess>
#include <cmath>

QString SheetReader::read(const QString& path)
{
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(CVI_XLSX_DUMP), path});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return QString::fromUtf8(reader.readAllStandardError()) + reader.errorString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(reader.readAllStandardOutput(), &error);
    if (!document.isObject())
        return error.errorString();
    m_cells = document.object().value(QStringLiteral("cells")).toObject();
    m_widths = document.object().value(QStringLiteral("widths")).toObject();
    return {};
}

SheetCell SheetReader::cell(const QString& reference) const
{
    const QJsonObject c = m_cells.value(reference).toObject();
    SheetCell out;
    out.exists = m_cells.contains(reference);
    out.value = c.value(QStringLiteral("v"));
    out.type = c.value(QStringLiteral("t")).toString();
    out.format = c.value(QStringLiteral("fmt")).toString();
    out.bold = c.value(QStringLiteral("bold")).toBool();
    out.fill = c.value(QStringLiteral("fill")).toString();
    out.top = c.value(QStringLiteral("top")).toString();
    out.align = c.value(QStringLiteral("align")).toString();
    return out;
}

double SheetReader::width(const QString& column) const
{
    // Files store the width with the cell padding of the default font added (5 pixels of 7).
    const double stored = m_widths.value(column).toDouble();
    return std::round((stored - 5.0 / 7.0) * 100.0) / 100.0;
}
