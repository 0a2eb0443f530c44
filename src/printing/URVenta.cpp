#include "printing/URVenta.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "printing/PurchaseVoucher.h"
#include "printing/ReportLogo.h"
#include "printing/ReportPreview.h"
#include "printing/SaleVoucher.h"
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

const QString kCommitment = QStringLiteral(
    "El suscrito cliente se compromete a pagar el saldo adeudado de la presente constancia, instrumento que con "
    "sólo el reconocimiento de firmas y rubricas, surtirá efectos legales.");

}

TFRVenta::TFRVenta()
{
    add(QStringLiteral("QRVentaR"), &LayoutVentaR);
    add(QStringLiteral("QRServicio"), &LayoutServicio);
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
    report.setRowCallbacks([this] { m_feed.restart(RowsOfSource()); },
                           [this, &report] {
                               VoucherRow row;
                               if (!m_feed.next(&row))
                                   return false;
                               report.label(QStringLiteral("LCantidad"))->setText(row.quantity);
                               report.label(QStringLiteral("LProducto"))->setText(row.description);
                               report.label(QStringLiteral("LUnidad"))->setText(row.unit);
                               report.label(QStringLiteral("LPUnitario"))->setText(row.unitPrice);
                               report.label(QStringLiteral("LTotal"))->setText(row.total);
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

bool TFRVenta::ShowDeliveryNote(const SaleVoucher& sale)
{
    const SessionState& s = SessionState::current();
    ReportDefinition& note = QRVentaR();
    if (!ReportLogo::loadInto(note.image(QStringLiteral("Logo01"))))
        return false;
    SetLabel(note, "LNOrden", QStringLiteral("Nº: ") + sale.saleNumberText());
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
    ReportPreview::current().showComposite({&note, &note});
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
