#include "printing/UReporteI.h"

#include "data/SessionState.h"
#include "printing/ReportLogo.h"
#include "printing/ReportPreview.h"

namespace {
constexpr ReportFont Bold{0, true, false};
constexpr ReportFont Small{11, false, false};
constexpr int LineHeight = 16;
// Letter Small less 10 mm each side.
constexpr int Width = 740;
}

TFReporteI::TFReporteI() { LayoutCreditos(m_creditos); }

TFReporteI& TFReporteI::instance()
{
    static TFReporteI form;
    return form;
}

void TFReporteI::LayoutCreditos(ReportDefinition& report)
{
    report.title = QStringLiteral("REPORTE VENTAS A CREDITO");
    report.page.paper = ReportPageSetup::Paper::LetterSmall;
    report.page.orientation = QPageLayout::Portrait;
    report.page.marginsMm = QMarginsF(10, 10, 10, 10);

    // On every page: logo, title, range, the debt total and the shop's address.
    ReportBand& header = report.columnHeaderBand;
    header.height = 104;
    header.addImage(QStringLiteral("Logo"), QRect(0, 0, 150, 72));
    header.addLabel(QStringLiteral("LTitulo"), QStringLiteral("REPORTE DE VENTAS: "), QRect(160, 6, 400, 24),
                    {18, true, true}, Qt::AlignHCenter);
    header.addLabel(QString(), QStringLiteral("Rango Fecha:"), QRect(170, 40, 92, LineHeight), Bold);
    header.addLabel(QStringLiteral("LRangoF"), QString(), QRect(264, 40, 290, LineHeight));
    header.addLabel(QStringLiteral("LTotalBs"), QStringLiteral("Total Deuda Bs.: "), QRect(170, 60, 384, LineHeight), Bold);
    header.addMemo(QStringLiteral("QRMDireccionR"), QRect(566, 0, 174, 80), Small);
    header.addRule(0, 96, Width);

    // Per sale: the heading row of its lines.
    ReportBand& heading = report.detailBand;
    heading.height = 26;
    heading.addLabel(QString(), QStringLiteral("CANTIDAD"), QRect(0, 6, 80, LineHeight), Bold, Qt::AlignRight);
    heading.addLabel(QString(), QStringLiteral("PRODUCTO"), QRect(96, 6, 380, LineHeight), Bold);
    heading.addLabel(QString(), QStringLiteral("C/UNITARIO"), QRect(490, 6, 110, LineHeight), Bold, Qt::AlignRight);
    heading.addLabel(QString(), QStringLiteral("C/TOTAL"), QRect(614, 6, 120, LineHeight), Bold, Qt::AlignRight);
    heading.addRule(0, 24, Width);

    ReportBand& line = report.subDetailBand;
    line.height = 18;
    line.addField(QStringLiteral("Cantidad"), QStringLiteral("Cantidad"), QRect(0, 1, 80, LineHeight), {}, {}, Qt::AlignRight);
    line.addField(QStringLiteral("Producto"), QStringLiteral("Producto"), QRect(96, 1, 380, LineHeight));
    line.addField(QStringLiteral("PrecioU"), QStringLiteral("PrecioU"), QRect(490, 1, 110, LineHeight),
                  QStringLiteral("0.00"), {}, Qt::AlignRight);
    line.addField(QStringLiteral("PrecioT"), QStringLiteral("PrecioT"), QRect(614, 1, 120, LineHeight),
                  QStringLiteral("0.00"), {}, Qt::AlignRight);

    // Per sale, after its lines: the framed block of the client and the money.
    ReportBand& block = report.masterFooterBand;
    block.height = 78;
    block.addFrame(QRect(0, 4, Width, 64));
    const struct {
        const char* caption;
        const char* field;
        const char* mask;
        bool bold;
        int left;
        int top;
        int width;
    } cells[] = {
        {"Cliente:", "Cliente", "", true, 8, 10, 310},
        {"Total Bs.:", "TotalF", "0.00", false, 470, 10, 110},
        {"Fecha de Entrega:", "FechaV", "", false, 8, 28, 160},
        {"Total Cancelado Bs.:", "TotalE", "0.00", false, 470, 28, 110},
        {"Dias de Mora:", "Dias", "", false, 8, 46, 160},
        {"Saldo Bs.:", "Saldo", "0.00", true, 470, 46, 110},
    };
    for (const auto& c : cells) {
        const bool money = *c.mask != '\0';
        const int captionWidth = c.left < 400 ? 130 : 150;
        block.addLabel(QString(), QString::fromUtf8(c.caption), QRect(c.left, c.top, captionWidth, LineHeight), Bold);
        block.addField(QString::fromUtf8(c.field), QString::fromUtf8(c.field),
                       QRect(c.left + captionWidth + 4, c.top, c.width, LineHeight), QString::fromUtf8(c.mask),
                       {0, c.bold, false}, money ? Qt::AlignRight : Qt::AlignLeft);
    }

    ReportBand& summary = report.summaryBand;
    summary.height = 30;
    summary.addRule(0, 4, Width);
    summary.addLabel(QStringLiteral("LFechaI"), QString(), QRect(Width - 360, 10, 356, LineHeight), {}, Qt::AlignRight);
}

bool TFReporteI::ShowCreditReport(const CreditReportForm& form)
{
    ReportDefinition& report = m_creditos;
    if (!ReportLogo::loadInto(report.image(QStringLiteral("Logo"))))
        return false;
    const SessionState& s = SessionState::current();
    report.label(QStringLiteral("LTitulo"))->setText(form.heading);
    report.label(QStringLiteral("LRangoF"))->setText(form.dateRange);
    report.label(QStringLiteral("LTotalBs"))->setText(QStringLiteral("Total Deuda Bs.: ") + form.total);
    const bool branch = s.BranchNumber != 0;
    report.memo(QStringLiteral("QRMDireccionR"))
        ->setText(QStringLiteral("\nDirección:\n%1\n Telf.: %2\n%3 - Bolivia")
                      .arg(branch ? s.BranchAddress : s.HeadOfficeAddress, branch ? s.BranchPhone : s.HeadOfficePhone,
                           branch ? s.BranchCity : s.HeadOfficeCity));
    report.label(QStringLiteral("LFechaI"))->setText(form.printStamp);

    QVector<QVariantList> sales;
    for (const CreditReportSale& sale : form.sales)
        sales.append({sale.saleId, sale.date, sale.client, sale.total, sale.paid, sale.balance, sale.days});
    report.setMasterTable(
        ReportTable({QStringLiteral("IdVenta"), QStringLiteral("FechaV"), QStringLiteral("Cliente"),
                     QStringLiteral("TotalF"), QStringLiteral("TotalE"), QStringLiteral("Saldo"), QStringLiteral("Dias")},
                    sales));
    QVector<QVariantList> lines;
    for (const CreditReportLine& line : form.lines)
        lines.append({line.quantity, line.product, line.unitPrice, line.lineTotal, line.saleId});
    report.setDetailTable(ReportTable({QStringLiteral("Cantidad"), QStringLiteral("Producto"), QStringLiteral("PrecioU"),
                                       QStringLiteral("PrecioT"), QStringLiteral("IdVenta")},
                                      lines),
                          QStringLiteral("IdVenta"), QStringLiteral("IdVenta"));
    ReportPreview::current().show(report);
    return true;
}
