#include "printing/ReportBand.h"

ReportElement& ReportBand::add(ReportElement::Kind kind, const QString& name, const QRect& geometry)
{
    m_elements.push_back(std::make_unique<ReportElement>(kind, name, geometry));
    return *m_elements.back();
}

ReportElement& ReportBand::addLabel(const QString& name, const QString& text, const QRect& geometry, ReportFont font,
                                    Qt::Alignment alignment)
{
    ReportElement& label = add(ReportElement::Kind::Label, name, geometry);
    label.setText(text);
    label.font = font;
    label.alignment = alignment | Qt::AlignVCenter;
    return label;
}

ReportElement& ReportBand::addMemo(const QString& name, const QRect& geometry, ReportFont font)
{
    ReportElement& memo = add(ReportElement::Kind::Memo, name, geometry);
    memo.font = font;
    memo.alignment = Qt::AlignLeft | Qt::AlignTop;
    return memo;
}

ReportElement& ReportBand::addImage(const QString& name, const QRect& geometry)
{
    return add(ReportElement::Kind::Image, name, geometry);
}

ReportElement& ReportBand::addField(const QString& name, const QString& column, const QRect& geometry, const QString& mask,
                                    ReportFont font, Qt::Alignment alignment)
{
    ReportElement& field = add(ReportElement::Kind::Field, name, geometry);
    field.setField(column);
    field.setMask(mask);
    field.font = font;
    field.alignment = alignment | Qt::AlignVCenter;
    return field;
}

ReportElement& ReportBand::addFrame(const QRect& geometry, int sides)
{
    ReportElement& frame = add(ReportElement::Kind::Frame, QString(), geometry);
    frame.sides = sides;
    return frame;
}

ReportElement& ReportBand::addRule(int left, int top, int width)
{
    return addFrame(QRect(left, top, width, 1), ReportElement::Top);
}

void ReportBand::addCopyOf(const ReportBand& source, int top)
{
    for (const auto& element : source.m_elements) {
        m_elements.push_back(std::make_unique<ReportElement>(*element));
        m_elements.back()->moveBy(0, top);
    }
}

ReportElement* ReportBand::find(const QString& name) const
{
    for (const auto& element : m_elements)
        if (!name.isEmpty() && element->name() == name)
            return element.get();
    return nullptr;
}
