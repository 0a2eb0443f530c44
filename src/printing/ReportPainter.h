#pragma once
#include <QString>

class QPagedPaintDevice;
class QPainter;
struct LaidOutPage;
struct ReportDocument;

// Paints laid-out report pages on a printer or a PDF writer. The device's margins are set to
// zero (the layout already holds the report's margins); a QPrinter must be in full-page mode.
namespace ReportPainter {

// An empty return means painted; otherwise the reason the device could not be painted on.
QString paint(const ReportDocument& document, QPagedPaintDevice& device);
QString writePdf(const ReportDocument& document, const QString& filePath);
void paintPage(QPainter& painter, const LaidOutPage& page);

}
