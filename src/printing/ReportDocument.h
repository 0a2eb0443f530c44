#pragma once
#include "printing/ReportElement.h"
#include "printing/ReportPageSetup.h"

#include <QList>
#include <QRectF>

// An element as it lands on a page: its text resolved, its place in pixels from the paper corner.
struct PlacedElement {
    ReportElement::Kind kind = ReportElement::Kind::Label;
    QString name;
    QRectF rect;
    QString text;
    QString fontFamily;
    ReportFont font;  // pixels resolved (never 0)
    Qt::Alignment alignment;
    QImage image;
    int sides = ReportElement::NoSide;
};

struct LaidOutPage {
    ReportPageSetup setup;
    QList<PlacedElement> items;
    // The non-empty texts of the page in the order they were placed.
    QStringList texts() const;
    // The placed element with this name (the last one placed), or nullptr.
    const PlacedElement* find(const QString& name) const;
};

// A filled report (or several chained) laid out into pages, ready to paint or to inspect.
struct ReportDocument {
    QString title;
    QList<LaidOutPage> pages;
    int pageCount() const { return int(pages.size()); }
    QStringList texts(int page) const { return pages.value(page).texts(); }
    QStringList allTexts() const;
};
