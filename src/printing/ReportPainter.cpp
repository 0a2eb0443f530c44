#include "printing/ReportPainter.h"

#include "printing/ReportDocument.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace ReportPainter {

namespace {
constexpr double ScreenDpi = 96.0;
constexpr int PdfResolution = 300;

QFont FontOf(const PlacedElement& item)
{
    QFont font(item.fontFamily);
    font.setPixelSize(item.font.pixels);
    font.setBold(item.font.bold);
    font.setUnderline(item.font.underline);
    return font;
}

void PaintFrame(QPainter& painter, const PlacedElement& item)
{
    const QRectF& r = item.rect;
    if (item.sides & ReportElement::Top)
        painter.drawLine(r.topLeft(), r.topRight());
    if (item.sides & ReportElement::Bottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    if (item.sides & ReportElement::Left)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (item.sides & ReportElement::Right)
        painter.drawLine(r.topRight(), r.bottomRight());
}

// Pictures keep their proportions inside their box, top-left aligned.
void PaintImage(QPainter& painter, const PlacedElement& item)
{
    if (item.image.isNull())
        return;
    QSizeF size = item.image.size();
    size.scale(item.rect.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(item.rect.topLeft(), size), item.image);
}

void PaintText(QPainter& painter, const PlacedElement& item)
{
    painter.setFont(FontOf(item));
    int flags = int(item.alignment) | Qt::TextDontClip;
    flags |= item.kind == ReportElement::Kind::Memo ? Qt::TextWordWrap : Qt::TextSingleLine;
    painter.drawText(item.rect, flags, item.text);
}
}

void paintPage(QPainter& painter, const LaidOutPage& page)
{
    painter.setPen(QPen(Qt::black, 1));
    for (const PlacedElement& item : page.items) {
        switch (item.kind) {
        case ReportElement::Kind::Frame: PaintFrame(painter, item); break;
        case ReportElement::Kind::Image: PaintImage(painter, item); break;
        default: PaintText(painter, item); break;
        }
    }
}

QString paint(const ReportDocument& document, QPagedPaintDevice& device)
{
    if (document.pages.isEmpty())
        return {};
    device.setPageLayout(document.pages.first().setup.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return QStringLiteral("No se pudo iniciar la impresion del reporte \"%1\"").arg(document.title);
    for (int i = 0; i < document.pages.size(); ++i) {
        const LaidOutPage& page = document.pages.at(i);
        if (i > 0) {
            const QPageLayout layout = page.setup.pageLayout();
            if (!device.pageLayout().isEquivalentTo(layout))
                device.setPageLayout(layout);
            device.newPage();
        }
        painter.resetTransform();
        const double scale = device.logicalDpiX() / ScreenDpi;
        painter.scale(scale, device.logicalDpiY() / ScreenDpi);
        paintPage(painter, page);
    }
    painter.end();
    return {};
}

QString writePdf(const ReportDocument& document, const QString& filePath)
{
    QPdfWriter writer(filePath);
    writer.setResolution(PdfResolution);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("CVI Zelto"));
    return paint(document, writer);
}

}
