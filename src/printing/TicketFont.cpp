#include "printing/TicketFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace TicketFont {

QFont font()
{
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSize(8);
    courier.setBold(true);
    courier.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(courier).fixedPitch())
        return courier;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    fixed.setBold(true);
    return fixed;
}

int lineHeight(QPaintDevice* device)
{
    // The extent of a text line, as the printer driver measures "Yy": ascent plus descent.
    return QFontMetrics(font(), device).size(0, QStringLiteral("Yy")).height();
}

}
