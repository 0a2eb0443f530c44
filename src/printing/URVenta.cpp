#include "printing/URVenta.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
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

const VoucherColumn kColumns[] = {
    {"Cantidad", "LCantidad", 0, 80, Qt::AlignRight},
    {" Producto", "LProducto", 80, 330, Qt::AlignLeft},
    {"Unidad", "LUnidad", 410, 100, Qt::AlignHCenter},
    {"P. Unitario", "LPUnitario", 510, 110, Qt::AlignRight},
    {"Total Bs.", "LTotal", 620, 120, Qt::AlignRight},
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

QList<VoucherRow> RowsOfSource()
{
    const VoucherRowSource* window = VoucherReportSource::window(VoucherReportSource::current());
    if (!window)
        return SevenVoucherRows({}, QString());
    return SevenVoucherRows(window->voucherLines(), window->voucherObservation());
}

const QString kCommitment = QStringLiteral(
    "El suscrito cliente se compromete a pagar el saldo adeudado de la presente constancia, instrumento que con "
    "sólo el reconocimiento de firmas y rubricas, surtirá efectos legales.");

}

TFRVenta::TFRVenta()
{
    add(QStringLiteral("QRVentaR"), &LayoutVentaR);
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

void TFRVenta::LayoutVentaR(ReportDefinition& report)
{
    report.title = QStringLiteral("NOTA DE REMISION");
    report.page = ReportPageSetup::letter(10);
    ReportBand& title = report.titleBand;
    title.height = 216;
    title.addImage(QStringLiteral("ILogo"), QRect(0, 0, 160, 80));
    title.addLabel(QString(), QStringLiteral("NOTA REMISION"), QRect(170, 6, 400, 28), {21, true, false}, Qt::AlignHCenter);
    title.addLabel(QString(), QStringLiteral("DETALLE"), QRect(170, 38, 400, 20), {15, true, false}, Qt::AlignHCenter);
    title.addFrame(QRect(590, 0, 150, 56));
    title.addLabel(QStringLiteral("LNumero"), QString(), QRect(596, 6, 140, Line), Bold);
    title.addLabel(QString(), QStringLiteral("Fecha:"), QRect(596, 30, 50, Line), Bold);
    title.addLabel(QStringLiteral("LFecha"), QString(), QRect(648, 30, 88, Line));
    title.addMemo(QStringLiteral("MDireccion"), QRect(0, 90, 340, 5 * Line + 4));
    title.addLabel(QString(), QStringLiteral("Nit/CI Cliente:"), QRect(360, 122, 110, Line), Bold);
    title.addLabel(QStringLiteral("LNitCI"), QString(), QRect(474, 122, 266, Line));
    title.addLabel(QString(), QStringLiteral("N.  Cliente:"), QRect(360, 142, 110, Line), Bold);
    title.addLabel(QStringLiteral("LCliente"), QString(), QRect(474, 142, 266, Line));
    title.addLabel(QStringLiteral("LEmpresa"), QString(), QRect(474, 162, 266, Line));
    VoucherColumns(report, 190, kColumns);

    ReportBand& summary = report.summaryBand;
    summary.height = 262;
    summary.addRule(0, 0, Width);
    summary.addLabel(QString(), QStringLiteral("Son:"), QRect(0, 8, 40, Line), Bold);
    summary.addMemo(QStringLiteral("MSon"), QRect(44, 8, 440, 2 * Line + 2));
    const int captionLeft = 500, valueLeft = 620, valueWidth = 120;
    summary.addLabel(QString(), QStringLiteral("TOTAL Bs."), QRect(captionLeft, 8, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LTotalN"), QString(), QRect(valueLeft, 8, valueWidth - 4, Line), Bold, Qt::AlignRight);
    summary.addLabel(QString(), QStringLiteral("EFECTIVO Bs."), QRect(captionLeft, 28, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LEfectivoN"), QString(), QRect(valueLeft, 28, valueWidth - 4, Line), {}, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LSaldoT"), QString(), QRect(captionLeft, 48, 116, Line), Bold);
    summary.addLabel(QStringLiteral("LSaldoN"), QString(), QRect(valueLeft, 48, valueWidth - 4, Line), {}, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LFormaPago"), QString(), QRect(0, 52, 440, Line), Bold);
    summary.addMemo(QStringLiteral("MCompromiso"), QRect(0, 80, 480, 3 * 14), Small);
    for (const auto& [left, caption] : {std::pair{40, "Entregué Conforme (CAJERO)"}, std::pair{460, "Recibi Conforme (CLIENTE)"}}) {
        summary.addLabel(QString(), QStringLiteral("_____________________________"), QRect(left, 176, 240, Line), {},
                         Qt::AlignHCenter);
        summary.addLabel(QString(), QString::fromUtf8(caption), QRect(left, 196, 240, Line), {}, Qt::AlignHCenter);
    }
    summary.addLabel(QStringLiteral("LFechaImp"), QString(), QRect(Width - 400, 236, 400, Line), Small, Qt::AlignRight);
}

bool TFRVenta::ShowDeliveryNote(const SaleVoucher& sale)
{
    const SessionState& s = SessionState::current();
    ReportDefinition& note = QRVentaR();
    if (!ReportLogo::loadInto(note.image(QStringLiteral("ILogo"))))
        return false;
    note.label(QStringLiteral("LNumero"))->setText(QStringLiteral("Nº: ") + sale.saleNumberText());
    note.label(QStringLiteral("LFecha"))->setText(Formats::Date(sale.date));
    SetMemo(note, QStringLiteral("MDireccion"), AddressLines(s));
    note.label(QStringLiteral("LNitCI"))->setText(sale.nitCi);
    note.label(QStringLiteral("LCliente"))->setText(sale.clientName);
    note.label(QStringLiteral("LEmpresa"))->setText(sale.clientCompany);
    SetMemo(note, QStringLiteral("MSon"), {AmountInWords(Formats::Money(sale.total))});
    note.label(QStringLiteral("LTotalN"))->setText(Formats::Money(sale.total));
    note.label(QStringLiteral("LEfectivoN"))->setText(Formats::Money(sale.cashReceived));
    note.label(QStringLiteral("LSaldoT"))->setText(sale.isCredit() ? QStringLiteral("SALDO Bs.") : QStringLiteral("CAMBIO Bs."));
    note.label(QStringLiteral("LSaldoN"))->setText(Formats::Money(sale.changeOrBalance));
    note.label(QStringLiteral("LFormaPago"))->setText(QStringLiteral("Forma de Pago: ") + sale.paymentFormText);
    SetMemo(note, QStringLiteral("MCompromiso"), sale.isCredit() ? QStringList{kCommitment} : QStringList{});
    const QDateTime now = ClockSeam::current().now();
    note.label(QStringLiteral("LFechaImp"))
        ->setText(QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(now.date()) + QLatin1Char(' ')
                  + Formats::Time(now.time()));
    feedFromSource(note);
    ReportPreview::current().showComposite({&note, &note});
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
