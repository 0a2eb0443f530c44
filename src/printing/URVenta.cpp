#include "printing/URVenta.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "printing/ReportLogo.h"
#include "printing/ReportPreview.h"
#include "tax/InvoiceQr.h"

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

// The detail labels a report's rows go into: quantity, description, unit, unit price, total; a
// report without one of the columns has none.
using DetailLabels = std::array<const char*, 5>;
const DetailLabels kVoucherLabels{"LCantidad", "LProducto", "LUnidad", "LPUnitario", "LTotal"};
const DetailLabels kInvoiceLabels{"LCant", "LDescripcion", nullptr, "LPrecioU", "LSubTotal"};
const DetailLabels kServiceLabels{"LCantidadS", "LConceptoS", nullptr, nullptr, "LSTotal"};
const DetailLabels kDeliveryLabels{"LCantidadE", "LProductoE", "LUMedidaE", nullptr, nullptr};

const VoucherColumn kSaleColumns[] = {
    {"Cantidad", "LCantidad", 0, 80, Qt::AlignRight},  {" Producto", "LProducto", 80, 330, Qt::AlignLeft},
    {"Unidad", "LUnidad", 410, 100, Qt::AlignHCenter}, {"P. Unitario", "LPUnitario", 510, 110, Qt::AlignRight},
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
        report.detailBand.addLabel(QString::fromLatin1(c.detailName), QString(), QRect(c.left + 4, 3, c.width - 8, Line), {},
                                   c.alignment);
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

// "Son:" of every voucher: the amount in words, without the blanks it may end with.
QStringList AmountWords(double amount) { return {AmountInWords(Formats::Money(amount)).trimmed()}; }

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

void TFRVenta::feedRows(ReportDefinition& report, const QList<VoucherRow>& rows, const DetailLabels& names)
{
    report.setRowCallbacks([this, rows] { m_feed.restart(rows); },
                           [this, &report, names] {
                               VoucherRow row;
                               if (!m_feed.next(&row))
                                   return false;
                               const QString texts[] = {row.quantity, row.description, row.unit, row.unitPrice, row.total};
                               for (size_t i = 0; i < names.size(); ++i)
                                   if (names[i])
                                       report.label(QLatin1String(names[i]))->setText(texts[i]);
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
    summary.addLabel(QString(), QStringLiteral("Entregué Conforme (CAJERO)"), QRect(40, 196, 240, Line), {}, Qt::AlignHCenter);
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

bool TFRVenta::ShowDeliveryNote(const DeliveryNoteForm& form, int copies)
{
    ReportDefinition& note = QRVentaR();
    if (!ReportLogo::loadInto(note.image(QStringLiteral("Logo01"))))
        return false;
    SetLabel(note, "LNOrden", QStringLiteral("Nº: ") + form.number);
    SetLabel(note, "LFecha", Formats::Date(form.date));
    SetMemo(note, QStringLiteral("QRMDireccionR"), AddressLines(SessionState::current()));
    SetLabel(note, "LNitCP", form.partyNitCaption);
    SetLabel(note, "LCI", form.nitCi);
    SetLabel(note, "LNombreCP", form.partyNameCaption);
    SetLabel(note, "LCliente", form.name);
    SetLabel(note, "LEmpresa", form.company);
    SetMemo(note, QStringLiteral("LBolivianos"), AmountWords(form.total));
    SetLabel(note, "LTotalBs", Formats::Money(form.total));
    SetLabel(note, "LCancelar", Formats::Money(form.cash));
    SetLabel(note, "LSaldo", ChangeOrBalanceCaption(form.credit));
    SetLabel(note, "LCambio", Formats::Money(form.changeOrBalance));
    SetLabel(note, "LFPago", QStringLiteral("Forma de Pago: ") + form.paymentFormText);
    SetMemo(note, QStringLiteral("MCompromiso"), form.commitment ? QStringList{kCommitment} : QStringList{});
    SetLabel(note, "LRecibi", form.receivedBy);
    SetLabel(note, "LFechaI", PrintStamp());
    feedRows(note, SevenVoucherRows(form.lines, form.observation), kVoucherLabels);
    ReportPreview::current().showComposite(QList<ReportDefinition*>(copies, &note));
    return true;
}

void TFRVenta::LayoutFactura(ReportDefinition& report)
{
    constexpr int PageWidth = 763;  // 216 mm less 7 mm each side
    constexpr int Row = 18;
    constexpr int L = 14;  // a line of the 12-pixel text
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

bool TFRVenta::ShowInvoiceReprint(const PrintedInvoice& invoice)
{
    const SessionState& s = SessionState::current();
    ReportDefinition& r = QRFactura();
    if (!ReportLogo::loadInto(r.image(QStringLiteral("Logo03"))))
        return false;
    SetMemo(r, QStringLiteral("QRSucursal"), InvoiceAddressLines(s));
    const QString city = s.BranchNumber == 0 ? s.HeadOfficeCity : s.BranchCity;
    r.label(QStringLiteral("LFechaF"))->setText(city + QStringLiteral(", ") + Formats::SpanishLongDate(invoice.date));
    r.label(QStringLiteral("LActividad"))->setText(s.EconomicActivity);
    r.label(QStringLiteral("LNit"))->setText(QStringLiteral("NIT: ") + invoice.issuerNit);
    r.label(QStringLiteral("LNroFact"))->setText(QStringLiteral("FACTURA Nº: ") + invoice.number);
    r.label(QStringLiteral("LNroAut"))->setText(QStringLiteral("AUTORIZACION Nº: ") + invoice.authorization);
    r.label(QStringLiteral("LClienteF"))->setText(invoice.clientName);
    r.label(QStringLiteral("LNitCI"))->setText(invoice.nitCi);
    SetMemo(r, QStringLiteral("LLiteralBs"), {invoice.amountInWords});
    r.label(QStringLiteral("LTotalF"))->setText(Formats::Money(invoice.total));
    r.label(QStringLiteral("LCodigoC"))->setText(QStringLiteral("Código de Control: ") + invoice.controlCode);
    r.label(QStringLiteral("LFechaL"))->setText(QStringLiteral("Fecha Límite de Emisión: ") + Formats::Date(invoice.deadline));
    r.label(QStringLiteral("LHora"))->setText(QStringLiteral("Hora: ") + invoice.time);
    r.label(QStringLiteral("LFichaC"))->setText(QStringLiteral("ID/Cajero: ") + invoice.cashierId);
    r.image(QStringLiteral("ImageQR"))->setImage(RenderInvoiceQr(invoice.qrText));
    SetMemo(r, QStringLiteral("MLeyendaF"), {PrintedInvoice::lawNotice()});
    SetMemo(r, QStringLiteral("QRLeyenda"), {invoice.legend});
    feedRows(r, invoice.letterRows(), kInvoiceLabels);
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

bool TFRVenta::ShowQuotation(const QuotationForm& quotation)
{
    ReportDefinition& r = QRCotizacion();
    if (!ReportLogo::loadInto(r.image(QStringLiteral("ILogo"))))
        return false;
    SetMemo(r, QStringLiteral("MDireccion"), AddressLines(SessionState::current()));
    r.label(QStringLiteral("LFecha"))->setText(Formats::Date(quotation.date));
    r.label(QStringLiteral("LCliente"))->setText(quotation.clientName);
    r.label(QStringLiteral("LNitCI"))->setText(quotation.nitCi);
    r.label(QStringLiteral("LEmpresa"))->setText(quotation.company);
    SetMemo(r, QStringLiteral("MSon"), AmountWords(quotation.total));
    r.label(QStringLiteral("LTotalN"))->setText(Formats::Money(quotation.total));
    r.label(QStringLiteral("LIncluyeIVA"))->setText(quotation.includesVat ? QStringLiteral("Incluye IVA") : QString());
    r.label(QStringLiteral("LFechaImp"))->setText(PrintStamp());
    feedRows(r, SevenVoucherRows(quotation.lines, quotation.observation), kVoucherLabels);
    ReportPreview::current().show(r);
    return true;
}

bool TFRVenta::ShowServiceVoucher(const ServiceVoucherForm& service)
{
    ReportDefinition& voucher = QRServicio();
    if (!ReportLogo::loadInto(voucher.image(QStringLiteral("ImagenS"))))
        return false;
    SetMemo(voucher, QStringLiteral("MDireccionS"), AddressLines(SessionState::current()));
    SetLabel(voucher, "LNOrdenS", QStringLiteral("Nº: ") + service.number);
    SetLabel(voucher, "LFechaS", Formats::Date(service.date));
    SetLabel(voucher, "LTrabajadorS", service.supplierName + QStringLiteral(" [") + service.nitCi + QLatin1Char(']'));
    SetMemo(voucher, QStringLiteral("LBsLiteral"), AmountWords(service.total));
    SetLabel(voucher, "LTotalS", Formats::Money(service.total));
    SetLabel(voucher, "LEfectivoS", Formats::Money(service.cash));
    SetLabel(voucher, "LSaldoS", Formats::Money(service.changeOrBalance));
    SetLabel(voucher, "LSaldoC", ChangeOrBalanceCaption(service.credit));
    SetLabel(voucher, "LFormaPS", QStringLiteral("Forma de Pago: ") + service.paymentFormText);
    SetLabel(voucher, "LFechaIS", PrintStamp());
    feedRows(voucher, SevenVoucherRows(service.lines, QString()), kServiceLabels);
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

bool TFRVenta::ShowSupplyDeliveryNote(const SupplyDeliveryForm& delivery, int copies)
{
    ReportDefinition& note = QREntrega();
    if (!ReportLogo::loadInto(note.image(QStringLiteral("ImagenE"))))
        return false;
    SetMemo(note, QStringLiteral("MDireccionE"), AddressLines(SessionState::current()));
    SetLabel(note, "LNOrdenE", QStringLiteral("Nº: ") + delivery.number);
    SetLabel(note, "LFechaE", Formats::Date(delivery.date));
    SetLabel(note, "LTrabajador", delivery.recipient + QStringLiteral(" [") + delivery.nitCi + QLatin1Char(']'));
    SetLabel(note, "LFechaIE", PrintStamp());
    QList<VoucherRow> rows = SevenVoucherRows(delivery.lines, delivery.observation);
    // The closing row's stars stand where a sale's voucher has its totals: here, in the unit column.
    for (VoucherRow& row : rows)
        if (row.unit.isEmpty())
            row.unit = row.total;
    feedRows(note, rows, kDeliveryLabels);
    ReportPreview::current().showComposite(QList<ReportDefinition*>(copies, &note));
    return true;
}
