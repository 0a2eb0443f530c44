#pragma once
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>

// The paper of a report: size, orientation and margins in millimetres. Layout works in screen
// pixels (96 per inch) measured from the paper's top-left corner.
struct ReportPageSetup {
    enum class Paper { Letter, Legal, LetterSmall, HalfLetter216x140 };

    Paper paper = Paper::Letter;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{15, 15, 15, 15};

    static ReportPageSetup letter(double marginMm);

    QPageSize pageSize() const;
    // The paper with no device margins: the report places everything itself.
    QPageLayout pageLayout() const;
    QSizeF paperPixels() const;
    // The printable area inside the margins, in pixels from the paper's corner.
    QRectF contentPixels() const;

    static double mmToPixels(double mm) { return mm * 96.0 / 25.4; }
};
