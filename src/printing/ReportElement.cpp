#include "printing/ReportElement.h"

#include "data/Formats.h"

#include <QImageReader>
#include <QVariant>
#include <cmath>

ReportElement::ReportElement(Kind kind, QString name, QRect geometry)
    : m_kind(kind)
    , m_name(std::move(name))
    , m_geometry(geometry)
{
}

QString ReportElement::text() const { return m_kind == Kind::Memo ? m_lines.join(QLatin1Char('\n')) : m_text; }

void ReportElement::setText(const QString& text)
{
    if (m_kind == Kind::Memo)
        m_lines = text.split(QLatin1Char('\n'));
    else
        m_text = text;
}

QString ReportElement::loadImage(const QString& filePath)
{
    QImageReader reader(filePath);
    m_image = reader.read();
    if (m_image.isNull())
        return QStringLiteral("No se pudo cargar la imagen %1: %2").arg(filePath, reader.errorString());
    return {};
}

QString ReportElement::formatValue(const QVariant& value) const
{
    if (!value.isValid() || value.isNull())
        return {};
    if (m_mask == QLatin1String("0.00"))
        return Formats::Money(value.toDouble());
    if (m_mask == QLatin1String("0"))
        return Formats::Integer(std::llround(value.toDouble()));
    return value.toString();
}
