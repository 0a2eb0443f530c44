#pragma once
#include "printing/ReportElement.h"

#include <memory>
#include <vector>

// A horizontal strip of a report: its height in pixels and the elements placed on it.
// A band with no height is absent.
class ReportBand {
public:
    int height = 0;
    bool present() const { return height > 0; }

    ReportElement& addLabel(const QString& name, const QString& text, const QRect& geometry, ReportFont font = {},
                            Qt::Alignment alignment = Qt::AlignLeft);
    ReportElement& addMemo(const QString& name, const QRect& geometry, ReportFont font = {});
    ReportElement& addImage(const QString& name, const QRect& geometry);
    ReportElement& addField(const QString& name, const QString& column, const QRect& geometry, const QString& mask = {},
                            ReportFont font = {}, Qt::Alignment alignment = Qt::AlignLeft);
    // A frame drawn on the given sides of the rectangle (ReportElement::Box for all four).
    ReportElement& addFrame(const QRect& geometry, int sides = ReportElement::Box);
    // A horizontal rule across `width` pixels at `top`.
    ReportElement& addRule(int left, int top, int width);

    // A copy of every element of `source` as it is now (texts included), moved down by `top`
    // pixels: a filled report printed again lower on the same band.
    void addCopyOf(const ReportBand& source, int top);
    // Every element removed.
    void clear() { m_elements.clear(); }

    ReportElement* find(const QString& name) const;
    const std::vector<std::unique_ptr<ReportElement>>& elements() const { return m_elements; }

private:
    ReportElement& add(ReportElement::Kind kind, const QString& name, const QRect& geometry);

    std::vector<std::unique_ptr<ReportElement>> m_elements;
};
