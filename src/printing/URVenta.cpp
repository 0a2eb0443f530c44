#include "printing/URVenta.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "printing/PurchaseVoucher.h"
#include "printing/ReportLogo.h"
#include "printing/Quotation.h"
#include "printing/ReportPreview.h"
#include "printing/SaleVoucher.h"
#include "tax/InvoiceQr.h"
#include "printing/SupplyDeliveryVoucher.h"

#include <span>
#include <stdexcept>

namespace {

constexpr ReportFont Bold{0, true, false};
constexpr ReportFont Small{11, false, false};
constexpr int Width = 740;  // letter paper less 10 mm each side
constexpr int Line = 16;

struct VoucherColumn {
    const char* heading;
    const char* detailName;
    int left;
    int width;
    Qt::Alignment alignment;
};

// The detail labels a report's row callback fills; a report without a unit column has none.
struct DetailLabels {
    const char* quantity;
    const char* description;
    const char* unit;
    const char* unitPrice;
    const char* total;
};
const DetailLabels kVoucherLabels{"LCantidad", "LProducto", "LUnidad", "LPUnitario", "LTotal"};
const DetailLabels kInvoiceLabels{"LCant", "LDescripcion", nullptr, "LPrecioU", "LSubTotal"};

void FillRow(ReportDefinition& report, const DetailLabels& labels, const VoucherRow& row)
{
    report.label(QLatin1String(labels.quantity))->setText(row.quantity);
    report.label(QLatin1String(labels.description))->setText(row.description);
    if (labels.unit)
        report.label(QLatin1String(labels.unit))->setText(row.unit);
    report.label(QLatin1String(labels.unitPrice))->setText(row.unitPrice);
    report.label(QLatin1String(labels.total))->setText(row.total);
}

const VoucherColumn kSaleColumns[] = {
    {"Cantidad", "LCantidad", 0, 80, Qt::AlignRight},
    {" Producto", "LProducto", 80, 330, Qt::AlignLeft},
    {"Unidad", "LUnidad", 410, 100, Qt::AlignHCenter},
    {"P. Unitario", "LPUnitario", 510, 110, Qt::AlignRight},
    {"Total Bs.", "LTotal", 620, 120, Qt::AlignRight},
};

const VoucherColumn kServiceColumns[] = {
    {"Cant.", "LCantidadS", 0, 80, Qt::AlignRight},
    {" Producto", "LConceptoS", 80, 540, Qt::AlignLeft},
    {"Total Bs.", "LSTotal", 620, 120, Qt::AlignRight},
};

const VoucherColumn kDeliveryColumns[] = {
    {"Cantidad", "LCantidadE", 0, 120, Qt::AlignRight},
    {" Producto", "LProductoE", 120, 440, Qt::AlignLeft},
    {"Unidad de Medida", "LUMedidaE", 560, 180, Qt::AlignHCenter},
};

// The column headings in framed boxes at `top` of the title band, and under them the detail band:
// one label per column between the column lines, so an empty row still shows its lines.
void VoucherColumns(ReportDefinition& report, int top, std::span<const VoucherColumn> columns)
{
    constexpr int RowHeight = 22;
    report.detailBand.height = RowHeight;
    for (const VoucherColumn& c : columns) {
        report.titleBand.addFrame(QRect(c.left, top, c.width, RowHeight));
        report.titleBand.addLabel(QString(), QString::fromUtf8(c.heading), QRect(c.left + 4, top + 3, c.width - 8, Line),
                                  Bold, Qt::AlignHCenter);
        report.detailBand.addFrame(QRect(c.left, 0, c.width, RowHeight), ReportElement::Left | ReportElement::Right);
        report.detailBand.addLabel(QString::fromLatin1(c.detailName), QString(),
                                   QRect(c.left + 4, 3, c.width - 8, Line), {}, c.alignment);
    }
}

// The address block: an empty line, "Dirección:", then the branch's address, telephone and city,
// or the head office's.
QStringList AddressLines(const SessionState& s)
{
    const bool headOffice = s.BranchNumber == 0;
    return {QString(), QStringLiteral("Dirección:"), headOffice ? s.HeadOfficeAddress : s.BranchAddress,
            QStringLiteral(" Telf.: ") + (headOffice ? s.HeadOfficePhone : s.BranchPhone),
            (headOffice ? s.HeadOfficeCity : s.BranchCity) + QStringLiteral(" - Bolivia")};
}

void SetMemo(ReportDefinition& report, const QString& name, const QStringList& lines)
{
    ReportElement* memo = report.memo(name);
    memo->clearLines();
    for (const QString& line : lines)
        memo->addLine(line);
}

void SetLabel(ReportDefinition& report, const char* name, const QString& text)
{
    report.label(QString::fromLatin1(name))->setText(text);
}

QString PrintStamp()
{
    const QDateTime now = ClockSeam::current().now();
    return QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(now.date()) + QLatin1Char(' ')
        + Formats::Time(now.time());
}

QString ChangeOrBalanceCaption(bool credit) { return credit ? QStringLiteral("SALDO Bs.") : QStringLiteral("CAMBIO Bs."); }

QList<VoucherRow> RowsOfSource()
{
    const VoucherRowSource* window = VoucherReportSource::window(VoucherReportSource::current());
    if (!window)
        return SevenVoucherRows({}, QString());
    return SevenVoucherRows(window->voucherLines(), window->voucherObservation());
}

// A service line prints its quantity, its concept and its amount as the lines show them.
QList<VoucherRow> ServiceRows(const PurchaseVoucher& purchase)
{
    QList<VoucherRow> lines;
    for (const PurchaseVoucherLine& line : purchase.lines)
        lines.append(VoucherRow{line.quantity, line.description, QString(), QString(), Formats::General(line.lineTotal)});
    return SevenVoucherRows(lines, QString());
}

// The head office block of the invoice; a branch adds its own lines under it.
QStringList InvoiceAddressLines(const SessionState& s)
{
    const QStringList headOffice = {QStringLiteral("CASA MATRIZ"), s.HeadOfficeAddress,
                                    QStringLiteral(" Telf.: ") + s.HeadOfficePhone,
                                    s.HeadOfficeCity + QStringLiteral(" - Bolivia")};
    if (s.BranchNumber == 0)
        return QStringList{QString()} + headOffice;
    return headOffice
        + QStringList{QString(), QStringLiteral("SUCURSAL ") + QString::number(s.BranchNumber),
                      s.BranchAddress + QStringLiteral(" Telf.: ") + s.BranchPhone};
}

QList<VoucherRow> RowsOf(const Quotation& quotation)
{
    QList<VoucherRow> lines;
    for (const SaleVoucherLine& line : quotation.lines)
        lines.append(VoucherRow{line.quantity, line.product, line.unit, Formats::Money(line.unitPrice),
                                Formats::Money(line.lineTotal)});
    return SevenVoucherRows(lines, quotation.observation);
}

const QString kCommitment = QStringLiteral(
    "El suscrito cliente se compromete a pagar el saldo adeudado de la presente constancia, instrumento que con "
    "sólo el reconocimiento de firmas y rubricas, surtirá efectos legales.");

}

TFRVenta::TFRVenta()
{
    add(QStringLiteral("QRVentaR"), &LayoutVentaR);
    add(QStringLiteral("QRServicio"), &LayoutServicio);
    add(QStringLiteral("QRFactura"), &LayoutFactura);
    add(QStringLiteral("QRCotizacion"), &LayoutCotizacion);
    add(QStringLiteral("QREntrega"), &LayoutEntrega);
}

TFRVenta& TFRVenta::instance()
{
    static TFRVenta form;
    return form;
}

void TFRVenta::add(const QString& name, Layout layout)
{
    auto report = std::make_unique<ReportDefinition>();
    layout(*report);
    m_reports[name] = std::move(report);
}

ReportDefinition& TFRVenta::report(const QString& name)
{
    const auto found = m_reports.find(name);
    if (found == m_reports.end())
        throw std::out_of_range("TFRVenta holds no report " + name.toStdString());
    return *found->second;
}

QStringList TFRVenta::reportNames() const
{
    QStringList names;
    for (const auto& entry : m_reports)
        names << entry.first;
    return names;
}

void TFRVenta::feedFromSource(ReportDefinition& report)
{
    const DetailLabels labels = &report == &QRFactura() ? kInvoiceLabels : kVoucherLabels;
    report.setRowCallbacks([this] { m_feed.restart(RowsOfSource()); },
                           [this, &report, labels] {
                               VoucherRow row;
                               if (!m_feed.next(&row))
                                   return false;
                               FillRow(report, labels, row);
                               return true;
                           });
}

void TFRVenta::feedFromRows(ReportDefinition& report, const QList<VoucherRow>& rows)
{
    m_rows = rows;
    report.setRowCallbacks([this] { m_feed.restart(m_rows); },
                           [this, &report] {
                               VoucherRow row;
                               if (!m_feed.next(&row))
                                   return false;
                               FillRow(report, kVoucherLabels, row);
                               return true;
                           });
}

// The names of the labels the windows set are those of the form; the texts without a name are
// fixed.
void TFRVenta::LayoutVentaR(ReportDefinition& report)
{
    report.title = QStringLiteral("NOTA DE REMISION");
    report.page = ReportPageSetup::letter(10);
    ReportBand& title = report.titleBand;
    title.height = 216;
    title.addImage(QStringLiteral("Logo01"), QRect(0, 0, 160, 80));
    title.addLabel(QString(), QStringLiteral("NOTA REMISION"), QRect(170, 6, 400, 28), {21, true, false}, Qt::AlignHCenter);
    title.addLabel(QString(), QStringLiteral("DETALLE"), QRect(170, 38, 400, 20), {15, true, false}, Qt::AlignHCenter);
    title.addFrame(QRect(590, 0, 150, 56));
    title.addLabel(QStringLiteral("LNOrden"), QString(), QRect(596, 6, 140, Line), Bold);
    title.addLabel(QString(), QStringLiteral("Fecha:"), QRect(596, 30, 50, Line), Bold);
    title.addLabel(QStringLiteral("LFecha"), QString(), QRect(648, 30, 88, Line));
    title.addMemo(QStringLiteral("QRMDireccionR"), QRect(0, 90, 340, 5 * Line + 4));
    title.addLabel(QStringLiteral("LNitCP"), QString(), QRect(360, 122, 130, Line), Bold);
    title.addLabel(QStringLiteral("LCI"), QString(), QRect(494, 122, 246, Line));
    title.addLabel(QStringLiteral("LNombreCP"), QString(), QRect(360, 142, 130, Line), Bold);
    title.addLabel(QStringLiteral("LCliente"), QString(), QRect(494, 142, 246, Line));
    title.addLabel(QStringLiteral("LEmpresa"), QString(), QRect(494, 162, 246, Line));
    VoucherColumns(report, 190, kSaleColumns);

    ReportBand& summary = report.summaryBand;
    summary.height = 262;
    summary.addRule(0, 0, Width);
    summary.addLabel(QString(), QStringLiteral("Son:"), QRect(0, 8, 40, Line), Bold);
    summary.addMemo(QStringLiteral("LBolivianos"), QRect(44, 8, 440, 2 * Line + 2));
    const int captionLeft = 500, valueLeft = 620, valueWidth = 120;
    summary.addLabel(QString(), QStringLiteral("TOTAL Bs."), QRect(captionLeft, 8, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LTotalBs"), QString(), QRect(valueLeft, 8, valueWidth - 4, Line), Bold, Qt::AlignRight);
    summary.addLabel(QString(), QStringLiteral("EFECTIVO Bs."), QRect(captionLeft, 28, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LCancelar"), QString(), QRect(valueLeft, 28, valueWidth - 4, Line), {}, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LSaldo"), QString(), QRect(captionLeft, 48, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LCambio"), QString(), QRect(valueLeft, 48, valueWidth - 4, Line), {}, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LFPago"), QString(), QRect(0, 52, 440, Line), Bold);
    summary.addMemo(QStringLiteral("MCompromiso"), QRect(0, 80, 480, 3 * 14), Small);
    summary.addLabel(QString(), QStringLiteral("_____________________________"), QRect(40, 176, 240, Line), {},
                     Qt::AlignHCenter);
    summary.addLabel(QString(), QStringLiteral("Entregué Conforme (CAJERO)"), QRect(40, 196, 240, Line), {},
                     Qt::AlignHCenter);
    summary.addLabel(QString(), QStringLiteral("_____________________________"), QRect(460, 176, 240, Line), {},
                     Qt::AlignHCenter);
    summary.addLabel(QStringLiteral("LRecibi"), QString(), QRect(460, 196, 240, Line), {}, Qt::AlignHCenter);
    summary.addLabel(QStringLiteral("LFechaI"), QString(), QRect(Width - 400, 236, 400, Line), Small, Qt::AlignRight);
}

void TFRVenta::LayoutServicio(ReportDefinition& report)
{
    report.title = QStringLiteral("Nota Entrega de Insumos");
    report.page = ReportPageSetup::letter(10);
    ReportBand& title = report.titleBand;
    title.height = 196;
    title.addImage(QStringLiteral("ImagenS"), QRect(0, 0, 160, 80));
    title.addLabel(QString(), QStringLiteral("NOTA REMISION"), QRect(170, 6, 400, 28), {21, true, false}, Qt::AlignHCenter);
    title.addLabel(QString(), QStringLiteral("DETALLE"), QRect(170, 38, 400, 20), {15, true, false}, Qt::AlignHCenter);
    title.addFrame(QRect(590, 0, 150, 56));
    title.addLabel(QStringLiteral("LNOrdenS"), QString(), QRect(596, 6, 140, Line), Bold);
    title.addLabel(QString(), QStringLiteral("Fecha:"), QRect(596, 30, 50, Line), Bold);
    title.addLabel(QStringLiteral("LFechaS"), QString(), QRect(648, 30, 88, Line));
    title.addMemo(QStringLiteral("MDireccionS"), QRect(0, 90, 340, 5 * Line + 4));
    title.addLabel(QString(), QStringLiteral("Recibido por:"), QRect(360, 142, 110, Line), Bold);
    title.addLabel(QStringLiteral("LTrabajadorS"), QString(), QRect(474, 142, 266, Line));
    VoucherColumns(report, 170, kServiceColumns);

    ReportBand& summary = report.summaryBand;
    summary.height = 232;
    summary.addRule(0, 0, Width);
    summary.addLabel(QString(), QStringLiteral("Son:"), QRect(0, 8, 40, Line), Bold);
    summary.addMemo(QStringLiteral("LBsLiteral"), QRect(44, 8, 440, 2 * Line + 2));
    const int captionLeft = 500, valueLeft = 620, valueWidth = 120;
    summary.addLabel(QString(), QStringLiteral("TOTAL Bs."), QRect(captionLeft, 8, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LTotalS"), QString(), QRect(valueLeft, 8, valueWidth - 4, Line), Bold, Qt::AlignRight);
    summary.addLabel(QString(), QStringLiteral("EFECTIVO Bs."), QRect(captionLeft, 28, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LEfectivoS"), QString(), QRect(valueLeft, 28, valueWidth - 4, Line), {}, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LSaldoC"), QString(), QRect(captionLeft, 48, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LSaldoS"), QString(), QRect(valueLeft, 48, valueWidth - 4, Line), {}, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LFormaPS"), QString(), QRect(0, 52, 440, Line), Bold);
    for (const auto& [left, caption] : {std::pair{40, "Entregué Conforme (CAJERO)"}, std::pair{460, "Recibí Conforme"}}) {
        summary.addLabel(QString(), QStringLiteral("_____________________________"), QRect(left, 146, 240, Line), {},
                         Qt::AlignHCenter);
        summary.addLabel(QString(), QString::fromUtf8(caption), QRect(left, 166, 240, Line), {}, Qt::AlignHCenter);
    }
    summary.addLabel(QStringLiteral("LFechaIS"), QString(), QRect(Width - 400, 206, 400, Line), Small, Qt::AlignRight);
}

bool TFRVenta::fillDeliveryNote(const SaleVoucher& sale, const QString& number)
{
    const SessionState& s = SessionState::current();
    ReportDefinition& note = QRVentaR();
    if (!ReportLogo::loadInto(note.image(QStringLiteral("Logo01"))))
        return false;
    SetLabel(note, "LNOrden", QStringLiteral("Nº: ") + number);
    SetLabel(note, "LFecha", Formats::Date(sale.date));
    SetMemo(note, QStringLiteral("QRMDireccionR"), AddressLines(s));
    SetLabel(note, "LNitCP", QStringLiteral("Nit/CI Cliente:"));
    SetLabel(note, "LCI", sale.nitCi);
    SetLabel(note, "LNombreCP", QStringLiteral("N.  Cliente:"));
    SetLabel(note, "LCliente", sale.clientName);
    SetLabel(note, "LEmpresa", sale.clientCompany);
    SetMemo(note, QStringLiteral("LBolivianos"), {AmountInWords(Formats::Money(sale.total))});
    SetLabel(note, "LTotalBs", Formats::Money(sale.total));
    SetLabel(note, "LCancelar", Formats::Money(sale.cashReceived));
    SetLabel(note, "LSaldo", ChangeOrBalanceCaption(sale.isCredit()));
    SetLabel(note, "LCambio", Formats::Money(sale.changeOrBalance));
    SetLabel(note, "LFPago", QStringLiteral("Forma de Pago: ") + sale.paymentFormText);
    SetMemo(note, QStringLiteral("MCompromiso"), sale.isCredit() ? QStringList{kCommitment} : QStringList{});
    SetLabel(note, "LRecibi", QStringLiteral("Recibi Conforme (CLIENTE)"));
    SetLabel(note, "LFechaI", PrintStamp());
    feedFromSource(note);
    return true;
}

bool TFRVenta::ShowDeliveryNote(const SaleVoucher& sale)
{
    if (!fillDeliveryNote(sale, sale.saleNumberText()))
        return false;
    ReportPreview::current().showComposite({&QRVentaR(), &QRVentaR()});
    return true;
}

bool TFRVenta::ShowDeliveryNoteReprint(const SaleVoucher& sale)
{
    if (!fillDeliveryNote(sale, sale.saleId))
        return false;
    ReportPreview::current().show(QRVentaR());
    return true;
}

void TFRVenta::LayoutFactura(ReportDefinition& report)
{
    constexpr int PageWidth = 763;  // 216 mm less 7 mm each side
    constexpr int Row = 18;
    constexpr int L = 14;       // a line of the 12-pixel text
    report.title = QStringLiteral("Imprimir Factura");
    report.page = ReportPageSetup::letter(7);
    report.page.paper = ReportPageSetup::Paper::HalfLetter216x140;
    report.fontPixels = 12;
    constexpr ReportFont bold{12, true, false};
    constexpr ReportFont small{10, false, false};

    ReportBand& title = report.titleBand;
    title.height = 180;
    title.addImage(QStringLiteral("Logo03"), QRect(0, 0, 120, 60));
    title.addLabel(QString(), QStringLiteral("F A C T U R A"), QRect(190, 0, 350, 24), {20, true, false}, Qt::AlignHCenter);
    title.addLabel(QStringLiteral("LCopia"), QStringLiteral("O r i g i n a l"), QRect(190, 26, 350, 16), {13, true, false},
                   Qt::AlignHCenter);
    title.addFrame(QRect(553, 0, 210, 52));
    title.addLabel(QStringLiteral("LNit"), QString(), QRect(559, 3, 200, L), bold);
    title.addLabel(QStringLiteral("LNroFact"), QString(), QRect(559, 19, 200, L), bold);
    title.addLabel(QStringLiteral("LNroAut"), QString(), QRect(559, 35, 200, L), bold);
    title.addMemo(QStringLiteral("QRSucursal"), QRect(0, 62, 330, 7 * 13 + 4), {11, false, false}).alignment =
        Qt::AlignHCenter | Qt::AlignTop;
    title.addLabel(QString(), QStringLiteral("Actividad Económica:"), QRect(350, 62, 200, L), bold);
    title.addLabel(QStringLiteral("LActividad"), QString(), QRect(350, 78, 413, L));
    title.addLabel(QString(), QStringLiteral("Lugar y Fecha:"), QRect(350, 102, 100, L), bold);
    title.addLabel(QStringLiteral("LFechaF"), QString(), QRect(452, 102, 311, L));
    title.addLabel(QString(), QStringLiteral("Señor(es):"), QRect(350, 120, 100, L), bold);
    title.addLabel(QStringLiteral("LClienteF"), QString(), QRect(452, 120, 311, L));
    title.addLabel(QString(), QStringLiteral("NIT/CI:"), QRect(350, 138, 100, L), bold);
    title.addLabel(QStringLiteral("LNitCI"), QString(), QRect(452, 138, 311, L));

    const struct {
        const char* heading;
        const char* name;
        int left;
        int width;
        Qt::Alignment alignment;
    } columns[] = {
        {"CANT.", "LCant", 0, 70, Qt::AlignRight},
        {"DESCRIPCION", "LDescripcion", 70, 453, Qt::AlignLeft},
        {"PRECIO UNIT.", "LPrecioU", 523, 120, Qt::AlignRight},
        {"TOTAL", "LSubTotal", 643, 120, Qt::AlignRight},
    };
    constexpr int headingTop = 160;
    report.detailBand.height = Row;
    for (const auto& c : columns) {
        title.addFrame(QRect(c.left, headingTop, c.width, 20));
        title.addLabel(QString(), QString::fromLatin1(c.heading), QRect(c.left + 4, headingTop + 3, c.width - 8, L), bold,
                       Qt::AlignHCenter);
        report.detailBand.addFrame(QRect(c.left, 0, c.width, Row), ReportElement::Left | ReportElement::Right);
        report.detailBand.addLabel(QString::fromLatin1(c.name), QString(), QRect(c.left + 4, 2, c.width - 8, L), {},
                                   c.alignment);
    }

    ReportBand& summary = report.summaryBand;
    summary.height = 166;
    summary.addRule(0, 0, PageWidth);
    summary.addLabel(QString(), QStringLiteral("Son:"), QRect(0, 4, 34, L), bold);
    summary.addMemo(QStringLiteral("LLiteralBs"), QRect(36, 4, 480, 2 * L + 2));
    summary.addLabel(QString(), QStringLiteral("TOTAL Bs."), QRect(523, 4, 110, L), bold);
    summary.addLabel(QStringLiteral("LTotalF"), QString(), QRect(643, 4, 116, L), bold, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LCodigoC"), QString(), QRect(0, 36, 420, L), bold);
    summary.addLabel(QStringLiteral("LFechaL"), QString(), QRect(0, 52, 420, L));
    summary.addLabel(QStringLiteral("LHora"), QString(), QRect(0, 68, 200, L));
    summary.addLabel(QStringLiteral("LFichaC"), QString(), QRect(200, 68, 420, L));
    summary.addImage(QStringLiteral("ImageQR"), QRect(653, 26, 110, 110));
    summary.addMemo(QStringLiteral("MLeyendaF"), QRect(0, 90, 640, 2 * 13 + 2), {11, true, false}).alignment =
        Qt::AlignHCenter | Qt::AlignTop;
    summary.addMemo(QStringLiteral("QRLeyenda"), QRect(0, 120, 640, 3 * 12 + 4), small).alignment =
        Qt::AlignHCenter | Qt::AlignTop;
}

bool TFRVenta::ShowInvoiceReprint(const SaleVoucher& sale)
{
    const SessionState& s = SessionState::current();
    ReportDefinition& r = QRFactura();
    if (!ReportLogo::loadInto(r.image(QStringLiteral("Logo03"))))
        return false;
    SetMemo(r, QStringLiteral("QRSucursal"), InvoiceAddressLines(s));
    const QString city = s.BranchNumber == 0 ? s.HeadOfficeCity : s.BranchCity;
    r.label(QStringLiteral("LFechaF"))->setText(city + QStringLiteral(", ") + Formats::SpanishLongDate(sale.date));
    r.label(QStringLiteral("LActividad"))->setText(s.EconomicActivity);
    r.label(QStringLiteral("LNit"))->setText(QStringLiteral("NIT: ") + s.TaxpayerNit);
    r.label(QStringLiteral("LNroFact"))->setText(QStringLiteral("FACTURA Nº: ") + PadInvoiceNumber(sale.invoiceNumber));
    r.label(QStringLiteral("LNroAut"))->setText(QStringLiteral("AUTORIZACION Nº: ") + sale.authorization);
    r.label(QStringLiteral("LClienteF"))->setText(sale.clientName);
    r.label(QStringLiteral("LNitCI"))->setText(sale.nitCi);
    SetMemo(r, QStringLiteral("LLiteralBs"), {AmountInWords(Formats::Money(sale.total)).trimmed()});
    r.label(QStringLiteral("LTotalF"))->setText(Formats::Money(sale.total));
    r.label(QStringLiteral("LCodigoC"))->setText(QStringLiteral("Código de Control: ") + sale.controlCode);
    r.label(QStringLiteral("LFechaL"))->setText(QStringLiteral("Fecha Límite de Emisión: ") + Formats::Date(sale.invoiceDeadline()));
    r.label(QStringLiteral("LHora"))->setText(QStringLiteral("Hora: ") + sale.time);
    r.label(QStringLiteral("LFichaC"))->setText(QStringLiteral("ID/Cajero: ") + sale.orderNumber() + QLatin1Char('/') + s.UserLogin);
    r.image(QStringLiteral("ImageQR"))->setImage(RenderInvoiceQr(BuildInvoiceQrText(
        s.TaxpayerNit, sale.invoiceNumber, sale.authorization, sale.date, sale.total, sale.controlCode, sale.nitCi)));
    SetMemo(r, QStringLiteral("MLeyendaF"),
            {QStringLiteral("\"ESTA FACTURA CONTRIBUYE AL DESARROLLO DEL PAIS, EL USO ILICITO DE ESTA SERA "
                            "SANCIONADO DE ACUERDO A LEY\"")});
    SetMemo(r, QStringLiteral("QRLeyenda"), {sale.invoiceLegend()});
    feedFromSource(r);
    ReportPreview::current().show(r);
    return true;
}

void TFRVenta::LayoutCotizacion(ReportDefinition& report)
{
    report.title = QStringLiteral("PROFORMA DE COTIZACION");
    report.page = ReportPageSetup::letter(10);
    ReportBand& title = report.titleBand;
    title.height = 216;
    title.addImage(QStringLiteral("ILogo"), QRect(0, 0, 160, 80));
    title.addLabel(QString(), QStringLiteral("PROFORMA DE COTIZACION"), QRect(170, 6, 400, 28), {21, true, false},
                   Qt::AlignHCenter);
    title.addLabel(QString(), QStringLiteral("Fecha:"), QRect(596, 30, 50, Line), Bold);
    title.addLabel(QStringLiteral("LFecha"), QString(), QRect(648, 30, 92, Line));
    title.addMemo(QStringLiteral("MDireccion"), QRect(0, 90, 340, 5 * Line + 4));
    title.addLabel(QString(), QStringLiteral("Cliente:"), QRect(360, 122, 110, Line), Bold);
    title.addLabel(QStringLiteral("LCliente"), QString(), QRect(474, 122, 266, Line));
    title.addLabel(QString(), QStringLiteral("NIT/CI Cliente:"), QRect(360, 142, 110, Line), Bold);
    title.addLabel(QStringLiteral("LNitCI"), QString(), QRect(474, 142, 266, Line));
    title.addLabel(QStringLiteral("LEmpresa"), QString(), QRect(474, 162, 266, Line));
    VoucherColumns(report, 190, kSaleColumns);

    ReportBand& summary = report.summaryBand;
    summary.height = 250;
    summary.addRule(0, 0, Width);
    summary.addLabel(QString(), QStringLiteral("Son:"), QRect(0, 8, 40, Line), Bold);
    summary.addMemo(QStringLiteral("MSon"), QRect(44, 8, 440, 2 * Line + 2));
    summary.addLabel(QString(), QStringLiteral("TOTAL Bs."), QRect(500, 8, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LTotalN"), QString(), QRect(620, 8, 116, Line), Bold, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LIncluyeIVA"), QString(), QRect(620, 28, 116, Line), Small, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LValidez"), QStringLiteral("Cotización valida por 5 dias habiles"),
                     QRect(0, 60, 480, Line), Bold);
    summary.addLabel(QString(), QStringLiteral("_____________________________"), QRect(250, 160, 240, Line), {},
                     Qt::AlignHCenter);
    summary.addLabel(QString(), QStringLiteral("Firma y Sello Empresa"), QRect(250, 180, 240, Line), {}, Qt::AlignHCenter);
    summary.addLabel(QStringLiteral("LFechaImp"), QString(), QRect(Width - 400, 224, 400, Line), Small, Qt::AlignRight);
}

bool TFRVenta::ShowQuotation(const Quotation& quotation)
{
    ReportDefinition& r = QRCotizacion();
    if (!ReportLogo::loadInto(r.image(QStringLiteral("ILogo"))))
        return false;
    SetMemo(r, QStringLiteral("MDireccion"), AddressLines(SessionState::current()));
    r.label(QStringLiteral("LFecha"))->setText(Formats::Date(quotation.date));
    r.label(QStringLiteral("LCliente"))->setText(quotation.clientName);
    r.label(QStringLiteral("LNitCI"))->setText(quotation.nitCi);
    r.label(QStringLiteral("LEmpresa"))->setText(quotation.clientCompany);
    SetMemo(r, QStringLiteral("MSon"), {AmountInWords(Formats::Money(quotation.total))});
    r.label(QStringLiteral("LTotalN"))->setText(Formats::Money(quotation.total));
    r.label(QStringLiteral("LIncluyeIVA"))->setText(quotation.invoice ? QStringLiteral("Incluye IVA") : QString());
    r.label(QStringLiteral("LFechaImp"))->setText(PrintStamp());
    feedFromRows(r, RowsOf(quotation));
    ReportPreview::current().show(r);
    return true;
}

bool TFRVenta::ShowPurchaseVoucher(const PurchaseVoucher& purchase)
{
    const SessionState& s = SessionState::current();
    ReportDefinition& note = QRVentaR();
    if (!ReportLogo::loadInto(note.image(QStringLiteral("Logo01"))))
        return false;
    SetMemo(note, QStringLiteral("QRMDireccionR"), AddressLines(s));
    SetLabel(note, "LNOrden", QStringLiteral("Nº: ") + purchase.purchaseId);
    SetLabel(note, "LFecha", Formats::Date(purchase.date));
    SetLabel(note, "LNitCP", QStringLiteral("Nit/CI Proveedor:"));
    SetLabel(note, "LNombreCP", QStringLiteral("Proveedor:"));
    SetLabel(note, "LFPago", QStringLiteral("Forma de Pago: ") + purchase.paymentFormText);
    SetLabel(note, "LCliente", purchase.supplierName);
    SetLabel(note, "LCI", purchase.nitCi);
    SetLabel(note, "LEmpresa", QString());
    SetMemo(note, QStringLiteral("MCompromiso"), {});
    SetMemo(note, QStringLiteral("LBolivianos"), {AmountInWords(Formats::Money(purchase.total)).trimmed()});
    SetLabel(note, "LTotalBs", Formats::Money(purchase.total));
    SetLabel(note, "LCancelar", Formats::Money(purchase.cash));
    SetLabel(note, "LCambio", Formats::Money(purchase.changeOrBalance));
    SetLabel(note, "LSaldo", ChangeOrBalanceCaption(purchase.isCredit()));
    SetLabel(note, "LRecibi", QStringLiteral("Recibi Conforme (PROVEEDOR)"));
    SetLabel(note, "LFechaI", PrintStamp());
    feedFromSource(note);
    ReportPreview::current().show(note);
    return true;
}

bool TFRVenta::ShowServiceVoucher(const PurchaseVoucher& purchase)
{
    const SessionState& s = SessionState::current();
    ReportDefinition& voucher = QRServicio();
    if (!ReportLogo::loadInto(voucher.image(QStringLiteral("ImagenS"))))
        return false;
    SetMemo(voucher, QStringLiteral("MDireccionS"), AddressLines(s));
    SetLabel(voucher, "LNOrdenS", QStringLiteral("Nº: ") + purchase.purchaseId);
    SetLabel(voucher, "LFechaS", Formats::Date(purchase.date));
    SetLabel(voucher, "LTrabajadorS", purchase.supplierName + QStringLiteral(" [") + purchase.nitCi + QLatin1Char(']'));
    SetMemo(voucher, QStringLiteral("LBsLiteral"), {AmountInWords(Formats::Money(purchase.total)).trimmed()});
    SetLabel(voucher, "LTotalS", Formats::Money(purchase.total));
    SetLabel(voucher, "LEfectivoS", Formats::Money(purchase.cash));
    SetLabel(voucher, "LSaldoS", Formats::Money(purchase.changeOrBalance));
    SetLabel(voucher, "LSaldoC", ChangeOrBalanceCaption(purchase.isCredit()));
    SetLabel(voucher, "LFormaPS", QStringLiteral("Forma de Pago: ") + purchase.paymentFormText);
    SetLabel(voucher, "LFechaIS", PrintStamp());
    const QList<VoucherRow> rows = ServiceRows(purchase);
    voucher.setRowCallbacks([this, rows] { m_serviceFeed.restart(rows); },
                            [this, &voucher] {
                                VoucherRow row;
                                if (!m_serviceFeed.next(&row))
                                    return false;
                                voucher.label(QStringLiteral("LCantidadS"))->setText(row.quantity);
                                voucher.label(QStringLiteral("LConceptoS"))->setText(row.description);
                                voucher.label(QStringLiteral("LSTotal"))->setText(row.total);
                                return true;
                            });
    ReportPreview::current().show(voucher);
    return true;
}

void TFRVenta::LayoutEntrega(ReportDefinition& report)
{
    report.title = QStringLiteral("Nota Entrega de Insumos");
    report.page = ReportPageSetup::letter(10);
    ReportBand& title = report.titleBand;
    title.height = 190;
    title.addImage(QStringLiteral("ImagenE"), QRect(0, 0, 160, 80));
    title.addLabel(QString(), QStringLiteral("NOTA REMISION"), QRect(170, 6, 400, 28), {21, true, false}, Qt::AlignHCenter);
    title.addLabel(QString(), QStringLiteral("DETALLE"), QRect(170, 38, 400, 20), {15, true, false}, Qt::AlignHCenter);
    title.addFrame(QRect(590, 0, 150, 56));
    title.addLabel(QStringLiteral("LNOrdenE"), QString(), QRect(596, 6, 140, Line), Bold);
    title.addLabel(QString(), QStringLiteral("Fecha:"), QRect(596, 30, 50, Line), Bold);
    title.addLabel(QStringLiteral("LFechaE"), QString(), QRect(648, 30, 88, Line));
    title.addMemo(QStringLiteral("MDireccionE"), QRect(0, 84, 340, 5 * Line + 4));
    title.addLabel(QString(), QStringLiteral("Recibido por:"), QRect(360, 132, 100, Line), Bold);
    title.addLabel(QStringLiteral("LTrabajador"), QString(), QRect(464, 132, 276, Line));
    VoucherColumns(report, 164, kDeliveryColumns);

    ReportBand& summary = report.summaryBand;
    summary.height = 150;
    summary.addRule(0, 0, Width);
    for (const auto& [left, caption] : {std::pair{40, "Entregué Conforme (CAJERO)"}, std::pair{460, "Recibí Conforme"}}) {
        summary.addLabel(QString(), QStringLiteral("_____________________________"), QRect(left, 70, 240, Line), {},
                         Qt::AlignHCenter);
        summary.addLabel(QString(), QString::fromUtf8(caption), QRect(left, 90, 240, Line), {}, Qt::AlignHCenter);
    }
    summary.addLabel(QStringLiteral("LFechaIE"), QString(), QRect(Width - 400, 124, 400, Line), Small, Qt::AlignRight);
}

bool TFRVenta::ShowSupplyDeliveryNote(const SupplyDeliveryVoucher& delivery, const QString& orderNumber, int copies)
{
    ReportDefinition& note = QREntrega();
    if (!ReportLogo::loadInto(note.image(QStringLiteral("ImagenE"))))
        return false;
    SetMemo(note, QStringLiteral("MDireccionE"), AddressLines(SessionState::current()));
    note.label(QStringLiteral("LNOrdenE"))->setText(QStringLiteral("Nº: ") + orderNumber);
    note.label(QStringLiteral("LFechaE"))->setText(Formats::Date(delivery.date));
    note.label(QStringLiteral("LTrabajador"))->setText(delivery.recipient + QStringLiteral(" [") + delivery.nitCi + QLatin1Char(']'));
    const QDateTime now = ClockSeam::current().now();
    note.label(QStringLiteral("LFechaIE"))
        ->setText(QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(now.date()) + QLatin1Char(' ')
                  + Formats::Time(now.time()));

    QList<VoucherRow> lines;
    for (const SupplyDeliveryLine& line : delivery.lines)
        lines << VoucherRow{line.quantity, line.supply, line.unit, QString(), QString()};
    const QList<VoucherRow> rows = SevenVoucherRows(lines, delivery.observation);
    note.setRowCallbacks([this, rows] { m_feed.restart(rows); },
                         [this, &note] {
                             VoucherRow row;
                             if (!m_feed.next(&row))
                                 return false;
                             note.label(QStringLiteral("LCantidadE"))->setText(row.quantity);
                             note.label(QStringLiteral("LProductoE"))->setText(row.description);
                             // The closing row's stars stand where a sale's voucher has its totals:
                             // here, in the unit column.
                             note.label(QStringLiteral("LUMedidaE"))->setText(row.unit.isEmpty() ? row.total : row.unit);
                             return true;
                         });
    QList<ReportDefinition*> document;
    for (int copy = 0; copy < copies; ++copy)
        document << &note;
    ReportPreview::current().showComposite(document);
    return true;
}
