#include "printing/ReportPageSetup.h"

ReportPageSetup ReportPageSetup::letter(double marginMm)
{
    ReportPageSetup setup;
    setup.marginsMm = QMarginsF(marginMm, marginMm, marginMm, marginMm);
    return setup;
}

QPageSize ReportPageSetup::pageSize() const
{
    switch (paper) {
    case Paper::Legal: return QPageSize(QPageSize::Legal);
    case Paper::LetterSmall: return QPageSize(QPageSize::LetterSmall);
    case Paper::HalfLetter216x140:
        return QPageSize(QSizeF(216, 140), QPageSize::Millimeter, QStringLiteral("216 x 140 mm"), QPageSize::ExactMatch);
    case Paper::Letter: break;
    }
    return QPageSize(QPageSize::Letter);
}

QPageLayout ReportPageSetup::pageLayout() const
{
    return QPageLayout(pageSize(), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QSizeF ReportPageSetup::paperPixels() const
{
    const QSizeF mm = pageLayout().fullRect(QPageLayout::Millimeter).size();
    return QSizeF(mmToPixels(mm.width()), mmToPixels(mm.height()));
}

QRectF ReportPageSetup::contentPixels() const
{
    const QSizeF paper = paperPixels();
    const double left = mmToPixels(marginsMm.left());
    const double top = mmToPixels(marginsMm.top());
    return QRectF(left, top, paper.width() - left - mmToPixels(marginsMm.right()),
                  paper.height() - top - mmToPixels(marginsMm.bottom()));
}
