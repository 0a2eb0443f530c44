#include "printing/URCaja.h"

#include "printing/ReportPreview.h"

#include <memory>
#include <stdexcept>
#include <tuple>

namespace {
constexpr ReportFont Bold{0, true, false};
constexpr ReportFont Heading{21, true, true};
constexpr ReportFont Note{11, false, false};
constexpr int LineHeight = 16;

// The caption row under the title: a bold caption and the value the window fills beside it.
void CaptionPair(ReportBand& band, const QString& captionName, const QString& caption, const QString& valueName, int left,
                 int top, int captionWidth, int valueWidth, Qt::Alignment captionAlignment = Qt::AlignLeft)
{
    band.addLabel(captionName, caption, QRect(left, top, captionWidth, LineHeight), Bold, captionAlignment);
    band.addLabel(valueName, QString(), QRect(left + captionWidth + 4, top, valueWidth, LineHeight));
}

struct Column {
    const char* heading;
    const char* detailName;
    int left;
    int width;
    Qt::Alignment alignment;
};

// Bold headings at `top` of the title band, framed above and below, and the detail labels under
// them (all bold), one per column.
void Columns(ReportDefinition& report, int width, int top, std::initializer_list<Column> columns)
{
    report.titleBand.addRule(0, top - 3, width);
    report.titleBand.addRule(0, top + LineHeight + 2, width);
    report.detailBand.height = 18;
    for (const Column& column : columns) {
        report.titleBand.addLabel(QString(), QString::fromUtf8(column.heading),
                                  QRect(column.left, top, column.width, LineHeight), Bold);
        report.detailBand.addLabel(QString::fromUtf8(column.detailName), QString(),
                                   QRect(column.left, 1, column.width, LineHeight), Bold, column.alignment);
    }
}

// Summary band: a rule, an optional note at the left and the print stamp at the right.
void Summary(ReportDefinition& report, int width, const QString& note, const QString& stampName)
{
    report.summaryBand.height = 34;
    report.summaryBand.addRule(0, 4, width);
    if (!note.isEmpty())
        report.summaryBand.addLabel(QString(), note, QRect(4, 12, 420, 14), Note);
    report.summaryBand.addLabel(stampName, QString(), QRect(width - 300, 10, 296, LineHeight), {}, Qt::AlignRight);
}

void Heading21(ReportBand& band, const QString& name, const QString& text, int width)
{
    band.addLabel(name, text, QRect(0, 8, width, 26), Heading, Qt::AlignHCenter);
}

// Letter paper less 15 mm each side is 703 pixels wide; less 10 mm, 741.
constexpr int Width15 = 703;
constexpr int Width10 = 741;
}

TFRCaja::TFRCaja()
{
    add(QStringLiteral("QRReporteI"), &LayoutReporteI);
    add(QStringLiteral("QRReporteS"), &LayoutReporteS);
    add(QStringLiteral("QRServicios"), &LayoutServicios);
    add(QStringLiteral("QRCierreC"), &LayoutCierreC);
    add(QStringLiteral("QRAmortizar"), &LayoutAmortizar);
    add(QStringLiteral("QRAmortizacion"), &LayoutAmortizacion);
}

TFRCaja& TFRCaja::instance()
{
    static TFRCaja form;
    return form;
}

void TFRCaja::add(const QString& name, Layout layout)
{
    auto report = std::make_unique<ReportDefinition>();
    layout(*report);
    m_reports[name] = std::move(report);
}

ReportDefinition& TFRCaja::report(const QString& name)
{
    const auto found = m_reports.find(name);
    if (found == m_reports.end())
        throw std::out_of_range("TFRCaja holds no report " + name.toStdString());
    return *found->second;
}

QStringList TFRCaja::reportNames() const
{
    QStringList names;
    for (const auto& entry : m_reports)
        names << entry.first;
    return names;
}

void TFRCaja::LayoutReporteI(ReportDefinition& report)
{
    report.title = QStringLiteral("REPORTE DE INGRESOS");
    report.page = ReportPageSetup::letter(15);
    ReportBand& title = report.titleBand;
    title.height = 108;
    Heading21(title, QStringLiteral("LTituloCV"), QStringLiteral("REPORTE DE VENTAS"), Width15);
    CaptionPair(title, QString(), QStringLiteral("Categoria:"), QStringLiteral("LCategoria"), 4, 40, 114, 226);
    CaptionPair(title, QStringLiteral("LProdin"), QStringLiteral("Producto:"), QStringLiteral("LProductoR"), 350, 40, 120,
                229, Qt::AlignRight);
    CaptionPair(title, QString(), QStringLiteral("Rango de Fechas:"), QStringLiteral("LRFechas"), 4, 58, 114, 226);
    CaptionPair(title, QStringLiteral("LTotalCV"), QStringLiteral("Total Ventas Bs.:"), QStringLiteral("LTotalI"), 350, 58,
                120, 229, Qt::AlignRight);
    Columns(report, Width15, 87,
            {{"Nro.", "LNro", 4, 35, Qt::AlignRight},
             {"Cantidad", "LCantidad", 46, 70, Qt::AlignRight},
             {" Producto", "LProducto", 122, 284, Qt::AlignLeft},
             {"U. Medida", "LUnidad", 413, 90, Qt::AlignHCenter},
             {"C/Unitario", "LCUnitario", 509, 86, Qt::AlignRight},
             {"Total Bs.", "LTotal", 602, 96, Qt::AlignRight}});
    // The totals count every payment form (credit too), as the lists they print do.
    Summary(report, Width15, QString(), QStringLiteral("LFechaImp"));
}

void TFRCaja::LayoutReporteS(ReportDefinition& report)
{
    report.title = QStringLiteral("REPORTE STOCK");
    report.page = ReportPageSetup::letter(10);
    ReportBand& title = report.titleBand;
    title.height = 108;
    Heading21(title, QStringLiteral("LTituloS"), QStringLiteral("REPORTE STOCK"), Width10);
    CaptionPair(title, QString(), QStringLiteral("Categoria:"), QStringLiteral("LCategoriaS"), 4, 40, 80, 260);
    CaptionPair(title, QString(), QStringLiteral("Marca:."), QStringLiteral("LMarcaS"), 390, 40, 60, 286);
    CaptionPair(title, QStringLiteral("LInsupr"), QStringLiteral("Producto:"), QStringLiteral("LProductoI"), 4, 58, 80, 652);
    Columns(report, Width10, 87,
            {{"Nro.", "LNroS", 4, 35, Qt::AlignRight},
             {" Producto", "LProductoS", 46, 300, Qt::AlignLeft},
             {"U. Medida", "LUnidadS", 350, 90, Qt::AlignHCenter},
             {"Min.", "LMinS", 444, 60, Qt::AlignRight},
             {"Ingreso", "LInicialS", 508, 74, Qt::AlignRight},
             {"Egreso", "LEgresoS", 586, 74, Qt::AlignRight},
             {"Stock", "LStockS", 664, 74, Qt::AlignRight}});
    Summary(report, Width10, QString(), QStringLiteral("LFechaIS"));
}

void TFRCaja::LayoutServicios(ReportDefinition& report)
{
    report.title = QStringLiteral("Reporte Compra de Sericios");
    report.page = ReportPageSetup::letter(15);
    ReportBand& title = report.titleBand;
    title.height = 108;
    Heading21(title, QString(), QStringLiteral("REPORTE COMPRA DE SERVICIOS"), Width15);
    CaptionPair(title, QString(), QStringLiteral("Rango de Fechas:"), QStringLiteral("LFechaS"), 4, 58, 114, 226);
    CaptionPair(title, QString(), QStringLiteral("Total Compras Bs.:"), QStringLiteral("LTotalS"), 350, 58, 130, 219,
                Qt::AlignRight);
    Columns(report, Width15, 87,
            {{"Nro.", "QRNroS", 4, 35, Qt::AlignRight},
             {"Cantidad", "QRCantidadS", 46, 70, Qt::AlignRight},
             {" Concepto", "QRConceptoS", 122, 476, Qt::AlignLeft},
             {"Total Bs.", "QRCTotalS", 602, 96, Qt::AlignRight}});
    Summary(report, Width15, QString(), QStringLiteral("LFechaSI"));
}

namespace {

// The closing report's boxes: a framed table with an optional caption row, the column headings
// "Concepto / Ventas / Compras" and one row per figure (label names in the two value columns).
struct ClosingRow {
    const char* caption;
    const char* salesName;      // empty: no label in that column
    const char* purchasesName;  // empty: none; "=0.00" for the fixed text 0.00
    bool bold = false;
};

constexpr int BoxLeft = 110, BoxWidth = 483, RowHeight = 19;
constexpr int ConceptLeft = BoxLeft + 8, SalesLeft = BoxLeft + 250, PurchasesLeft = BoxLeft + 366, ValueWidth = 108;

int ClosingBox(ReportBand& band, int top, const QString& caption, bool headings, std::initializer_list<ClosingRow> rows)
{
    const int captionRows = caption.isEmpty() ? 0 : 1;
    const int headingRows = headings ? 1 : 0;
    const int height = RowHeight * (captionRows + headingRows + int(rows.size())) + 4;
    band.addFrame(QRect(BoxLeft, top, BoxWidth, height));
    int y = top + 2;
    if (captionRows) {
        band.addLabel(QString(), caption, QRect(BoxLeft, y, BoxWidth, RowHeight - 3), {13, true, false}, Qt::AlignHCenter);
        y += RowHeight;
        band.addRule(BoxLeft, y - 2, BoxWidth);
    }
    if (headings) {
        band.addLabel(QString(), QStringLiteral("Concepto"), QRect(ConceptLeft, y, 200, RowHeight - 3), {13, true, false});
        band.addLabel(QString(), QStringLiteral("Ventas"), QRect(SalesLeft, y, ValueWidth, RowHeight - 3), {13, true, false},
                      Qt::AlignRight);
        band.addLabel(QString(), QStringLiteral("Compras"), QRect(PurchasesLeft, y, ValueWidth, RowHeight - 3),
                      {13, true, false}, Qt::AlignRight);
        y += RowHeight;
        band.addRule(BoxLeft, y - 2, BoxWidth);
    }
    for (const ClosingRow& row : rows) {
        const ReportFont font{13, row.bold, false};
        const QString captionText = QString::fromUtf8(row.caption);
        if (captionText.startsWith(QLatin1Char('@')))  // a caption the program sets
            band.addLabel(captionText.mid(1), QString(), QRect(ConceptLeft, y, 200, RowHeight - 3), font);
        else
            band.addLabel(QString(), captionText, QRect(ConceptLeft, y, 200, RowHeight - 3), font);
        if (*row.salesName)
            band.addLabel(QString::fromUtf8(row.salesName), QString(), QRect(SalesLeft, y, ValueWidth, RowHeight - 3), font,
                          Qt::AlignRight);
        const QString purchases = QString::fromUtf8(row.purchasesName);
        if (purchases.startsWith(QLatin1Char('=')))
            band.addLabel(QString(), purchases.mid(1), QRect(PurchasesLeft, y, ValueWidth, RowHeight - 3), font,
                          Qt::AlignRight);
        else if (!purchases.isEmpty())
            band.addLabel(purchases, QString(), QRect(PurchasesLeft, y, ValueWidth, RowHeight - 3), font, Qt::AlignRight);
        y += RowHeight;
    }
    return top + height;
}

}

void TFRCaja::LayoutCierreC(ReportDefinition& report)
{
    report.title = QStringLiteral("CIERRE DE CAJA");
    report.page = ReportPageSetup::letter(15);
    report.fontPixels = 16;
    ReportBand& title = report.titleBand;
    const ReportFont plain{13, false, false};
    const ReportFont bold{13, true, false};
    Heading21(title, QStringLiteral("LTitulo"), QStringLiteral("CIERRE DE CAJA"), Width15);
    title.addLabel(QString(), QStringLiteral("Cajero:"), QRect(BoxLeft, 46, 60, 18), bold);
    title.addLabel(QStringLiteral("LCajero"), QString(), QRect(BoxLeft + 62, 46, 200, 18), plain);
    title.addLabel(QString(), QStringLiteral("Fecha:"), QRect(BoxLeft + 300, 46, 50, 18), bold);
    title.addLabel(QStringLiteral("LFecha"), QString(), QRect(BoxLeft + 352, 46, 130, 18), plain);

    int top = ClosingBox(title, 76, QStringLiteral("VENTAS/COMPRAS EN Bs."), true,
                         {{"Saldo Inicial", "LSaldoI", "=0.00"},
                          {"Contado", "LVContado", "LCContado"},
                          {"C/P por Credito", "LVCredito", "LCCredito"},
                          {"Tarjeta o Cheque", "LVCheque", "LCCheque"},
                          {"SubTotal", "LVTotal", "LCTotal"},
                          {"Total (Ventas-Compras)", "LTotalVC", "", true}});
    top = ClosingBox(title, top + 14, QString(), true, {{"Deudas Por", "LDVentas", "LDCompras"}});
    top = ClosingBox(title, top + 14, QStringLiteral("ESTADISTICAS VENTAS/COMPRAS"), true,
                     {{"Contado", "LEVentasC", "LEComprasC"},
                      {"C/P por Credito", "LEVentasCr", "LEComprasCr"},
                      {"Tarjeta o Cheque", "LEVentasT", "LEComprasT"},
                      {"Sin Costo/Gratis", "LEVentasSC", "LEComprasSC"},
                      {"Total", "LEVTotal", "LECTotal"},
                      {"Anulados", "LEVentasA", "LEComprasA"}});
    top = ClosingBox(
        title, top + 14, QStringLiteral("CIERRE DE CAJA"), false,
        {{"Total Efectivo", "LEfectivo", ""}, {"Traspaso", "LTraspaso", ""}, {"Saldo", "LSaldo", ""}, {"@LSFT", "Lsf", ""}});
    title.addLabel(QString(),
                   QStringLiteral("NOTA: Las Ventas y Compras por TARJETA o CHQUE no suman ni restan en el EFECTIVO"),
                   QRect(BoxLeft, top + 8, BoxWidth, 14), Note);
    title.height = top + 30;

    ReportBand& summary = report.summaryBand;
    summary.height = 150;
    const int leftSign = 90, rightSign = Width15 - 90 - 200;
    for (const auto& [left, upper, lower] :
         {std::tuple{leftSign, "Entregué Conforme", "CAJERO"}, std::tuple{rightSign, "Recibí Conforme", "ADM/PROPIETARIO"}}) {
        summary.addLabel(QString(), QStringLiteral("_____________________"), QRect(left, 60, 200, 18), plain,
                         Qt::AlignHCenter);
        summary.addLabel(QString(), QString::fromUtf8(upper), QRect(left, 80, 200, 18), plain, Qt::AlignHCenter);
        summary.addLabel(QString(), QString::fromUtf8(lower), QRect(left, 98, 200, 16), Note, Qt::AlignHCenter);
    }
    summary.addLabel(QStringLiteral("LFechaI"), QString(), QRect(Width15 - 360, 128, 356, 18), plain, Qt::AlignRight);
}

namespace {
// The instalment voucher: its band, and where the second copy starts on the Legal page. The page
// (1344 pixels high) is cut across its middle, and each half holds one copy with the same margin
// above it: the second starts half a page below the first, the cut line one margin above that.
constexpr int VoucherHeight = 420;
constexpr int SecondCopyTop = 672;
constexpr int TopMargin = 57;
}

void TFRCaja::LayoutAmortizar(ReportDefinition& report)
{
    report.title = QStringLiteral("Reporte Amortización");
    report.page = ReportPageSetup::letter(15);
    ReportBand& title = report.titleBand;
    title.height = VoucherHeight;
    const ReportFont plain{13, false, false};
    const ReportFont bold{13, true, false};
    const ReportFont signature{16, false, false};
    Heading21(title, QStringLiteral("LTituloA"), QStringLiteral("COMPROBANTE PAGOS POR VENTA A CREDITO"), Width15);

    // The order, the date and the other party: a caption and its value on each line.
    const int captionLeft = 110, captionWidth = 150, valueLeft = captionLeft + captionWidth + 6, valueWidth = 430;
    title.addLabel(QString(), QStringLiteral("Nº Orden Referente:"), QRect(captionLeft, 56, captionWidth, 18), bold);
    title.addLabel(QStringLiteral("LNOrden"), QString(), QRect(valueLeft, 56, valueWidth, 18), plain);
    title.addLabel(QStringLiteral("LTFechaVC"), QStringLiteral("Fecha de Venta:"), QRect(captionLeft, 78, captionWidth, 18),
                   bold);
    title.addLabel(QStringLiteral("LFechaVC"), QString(), QRect(valueLeft, 78, valueWidth, 18), plain);
    title.addLabel(QStringLiteral("LTNombreVC"), QStringLiteral("     Cliente:"), QRect(captionLeft, 100, captionWidth, 18),
                   bold);
    title.addLabel(QStringLiteral("LNombreVC"), QString(), QRect(valueLeft, 100, valueWidth, 18), plain);

    // The figures in a framed box, captions and amounts right-aligned.
    const int boxLeft = 190, boxWidth = 320, boxTop = 136, row = 22;
    title.addFrame(QRect(boxLeft, boxTop, boxWidth, row * 5 + 8));
    title.addLabel(QStringLiteral("LDatosVC"), QStringLiteral("DATOS DE LA VENTA"), QRect(boxLeft, boxTop + 3, boxWidth, 18),
                   bold, Qt::AlignHCenter);
    title.addRule(boxLeft, boxTop + row + 2, boxWidth);
    const struct {
        const char* captionName;
        const char* caption;
        const char* valueName;
    } figures[] = {
        {"LTTotalVC", "TOTAL VENTA:", "LTotalVC2"},
        {"", "CANCELADO:", "LCanceladoVC"},
        {"", "AMORTIZANDO:", "LAmortizadoVC"},
        {"", "SALDO:", "LSaldoVC"},
    };
    int top = boxTop + row + 8;
    for (const auto& figure : figures) {
        title.addLabel(QString::fromLatin1(figure.captionName), QString::fromLatin1(figure.caption),
                       QRect(boxLeft + 10, top, 150, 18), bold, Qt::AlignRight);
        title.addLabel(QString::fromLatin1(figure.valueName), QString(), QRect(boxLeft + 170, top, 130, 18), plain,
                       Qt::AlignRight);
        top += row;
    }

    title.addLabel(QString(), QStringLiteral("_____________________"), QRect(226, 330, 250, 22), signature, Qt::AlignHCenter);
    title.addLabel(QString(), QStringLiteral("Recibí Conforme"), QRect(226, 354, 250, 22), signature, Qt::AlignHCenter);
    title.addLabel(QStringLiteral("LFechaIVC"), QString(), QRect(Width15 - 400, 392, 400, 18), plain, Qt::AlignRight);
}

void TFRCaja::LayoutAmortizacion(ReportDefinition& report)
{
    report.title = QStringLiteral("Nota de Remisión");
    report.page = ReportPageSetup::letter(15);
    report.page.paper = ReportPageSetup::Paper::Legal;
    report.titleBand.height = SecondCopyTop + VoucherHeight;
}

ReportDefinition& TFRCaja::QRAmortizacion()
{
    ReportDefinition& composite = report(QStringLiteral("QRAmortizacion"));
    const ReportBand& voucher = QRAmortizar().titleBand;
    ReportBand& page = composite.titleBand;
    page.clear();
    page.addCopyOf(voucher, 0);
    // Where the page is cut in two: a dashed line across it.
    page.addLabel(QString(), QString(220, QLatin1Char('-')).replace(QLatin1String("--"), QLatin1String("- ")),
                  QRect(0, SecondCopyTop - TopMargin - 8, Width15, 16), Note, Qt::AlignHCenter);
    page.addCopyOf(voucher, SecondCopyTop);
    return composite;
}

template <typename Row>
void TFRCaja::feedRows(ReportDefinition& report, const QList<Row>& rows, void (*fill)(ReportDefinition&, const Row&))
{
    auto next = std::make_shared<qsizetype>(0);
    report.setRowCallbacks([next] { *next = 0; },
                           [next, rows, fill, &report] {
                               if (*next >= rows.size())
                                   return false;
                               fill(report, rows.at((*next)++));
                               return true;
                           });
}

namespace {

void SetText(ReportDefinition& report, const char* name, const QString& text)
{
    report.label(QLatin1String(name))->setText(text);
}

void FillItemRow(ReportDefinition& r, const ItemReportRow& row)
{
    SetText(r, "LNro", row.number);
    SetText(r, "LCantidad", row.quantity);
    SetText(r, "LProducto", row.item);
    SetText(r, "LUnidad", row.unit);
    SetText(r, "LCUnitario", row.unitCost);
    SetText(r, "LTotal", row.total);
}

void FillStockRow(ReportDefinition& r, const StockReportRow& row)
{
    SetText(r, "LNroS", row.number);
    SetText(r, "LProductoS", row.item);
    SetText(r, "LUnidadS", row.unit);
    SetText(r, "LMinS", row.minimum);
    SetText(r, "LInicialS", row.intake);
    SetText(r, "LEgresoS", row.outflow);
    SetText(r, "LStockS", row.stock);
}

void FillServiceRow(ReportDefinition& r, const ServiceReportRow& row)
{
    SetText(r, "QRNroS", row.number);
    SetText(r, "QRCantidadS", row.quantity);
    SetText(r, "QRConceptoS", row.serviceConcept);
    SetText(r, "QRCTotalS", row.total);
}

}

void TFRCaja::ShowItemReport(const ItemReportForm& form)
{
    ReportDefinition& r = QRReporteI();
    r.title = form.documentTitle;
    SetText(r, "LTituloCV", form.heading);
    SetText(r, "LProdin", form.itemCaption);
    SetText(r, "LTotalCV", form.totalCaption);
    SetText(r, "LTotalI", form.total);
    SetText(r, "LCategoria", form.category);
    SetText(r, "LProductoR", form.item);
    SetText(r, "LRFechas", form.dateRange);
    SetText(r, "LFechaImp", form.printStamp);
    feedRows(r, form.rows, &FillItemRow);
    ReportPreview::current().show(r);
}

void TFRCaja::ShowStockReport(const StockReportForm& form)
{
    ReportDefinition& r = QRReporteS();
    r.title = form.documentTitle;
    SetText(r, "LTituloS", form.heading);
    SetText(r, "LInsupr", form.itemCaption);
    SetText(r, "LCategoriaS", form.category);
    SetText(r, "LMarcaS", form.brand);
    SetText(r, "LProductoI", form.item);
    SetText(r, "LFechaIS", form.printStamp);
    feedRows(r, form.rows, &FillStockRow);
    ReportPreview::current().show(r);
}

void TFRCaja::ShowServiceReport(const ServiceReportForm& form)
{
    ReportDefinition& r = QRServicios();
    SetText(r, "LFechaS", form.dateRange);
    SetText(r, "LTotalS", form.total);
    SetText(r, "LFechaSI", form.printStamp);
    feedRows(r, form.rows, &FillServiceRow);
    ReportPreview::current().show(r);
}

void TFRCaja::ShowClosingReport(const ClosingReportForm& f)
{
    ReportDefinition& r = QRCierreC();
    const std::pair<const char*, const QString*> texts[] = {
        {"LTitulo", &f.heading},
        {"LCajero", &f.cashier},
        {"LFecha", &f.date},
        {"LSaldoI", &f.initialAmount},
        {"LVContado", &f.salesCash},
        {"LCContado", &f.purchasesCash},
        {"LVCredito", &f.salesCredit},
        {"LCCredito", &f.purchasesCredit},
        {"LVCheque", &f.salesCheque},
        {"LCCheque", &f.purchasesCheque},
        {"LVTotal", &f.salesSubtotal},
        {"LCTotal", &f.purchasesSubtotal},
        {"LTotalVC", &f.expectedCash},
        {"LDVentas", &f.salesOwed},
        {"LDCompras", &f.purchasesOwed},
        {"LEVentasC", &f.salesCashCount},
        {"LEComprasC", &f.purchasesCashCount},
        {"LEVentasCr", &f.salesCreditCount},
        {"LEComprasCr", &f.purchasesCreditCount},
        {"LEVentasT", &f.salesChequeCount},
        {"LEComprasT", &f.purchasesChequeCount},
        {"LEVentasSC", &f.salesFreeCount},
        {"LEComprasSC", &f.purchasesFreeCount},
        {"LEVTotal", &f.salesCount},
        {"LECTotal", &f.purchasesCount},
        {"LEVentasA", &f.salesAnnulledCount},
        {"LEComprasA", &f.purchasesAnnulledCount},
        {"LEfectivo", &f.countedCash},
        {"LTraspaso", &f.transfer},
        {"LSaldo", &f.balance},
        {"LSFT", &f.differenceCaption},
        {"Lsf", &f.difference},
        {"LFechaI", &f.printStamp},
    };
    for (const auto& [name, text] : texts)
        SetText(r, name, *text);
    ReportPreview::current().show(r);
}

void TFRCaja::ShowInstalmentVoucher(const InstalmentForm& f)
{
    ReportDefinition& r = QRAmortizar();
    SetText(r, "LTituloA", f.heading);
    SetText(r, "LNOrden", f.orderNumber);
    SetText(r, "LTFechaVC", f.dateCaption);
    SetText(r, "LFechaVC", f.date);
    SetText(r, "LTNombreVC", f.partyCaption);
    SetText(r, "LNombreVC", f.party);
    SetText(r, "LDatosVC", f.boxCaption);
    SetText(r, "LTTotalVC", f.totalCaption);
    SetText(r, "LTotalVC2", f.total);
    SetText(r, "LCanceladoVC", f.paidBefore);
    SetText(r, "LAmortizadoVC", f.amount);
    SetText(r, "LSaldoVC", f.balance);
    SetText(r, "LFechaIVC", f.printStamp);
    ReportPreview::current().show(QRAmortizacion());
}
