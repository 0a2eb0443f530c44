#include "printing/UIFacturaD.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "printing/ReportLogo.h"
#include "printing/ReportPreview.h"
#include "tax/InvoiceQr.h"

#include <stdexcept>

namespace {

constexpr ReportFont Bold{0, true, false};
constexpr ReportFont Small{11, false, false};
constexpr int Width = 763;  // letter paper less 7 mm each side
constexpr int Line = 16;
constexpr int RowHeight = 22;

struct InvoiceColumn {
    const char* heading;
    const char* detailName;
    int left;
    int width;
    Qt::Alignment alignment;
};

const InvoiceColumn kColumns[] = {
    {"CANT.", "LCantidad", 0, 80, Qt::AlignRight},
    {"DESCRIPCION", "LDescripcion", 80, 423, Qt::AlignLeft},
    {"PRECIO UNIT.", "LPUnitario", 503, 130, Qt::AlignRight},
    {"TOTAL", "LTotal", 633, 130, Qt::AlignRight},
};

void Layout(ReportDefinition& report, const QString& copyMark)
{
    report.title = QStringLiteral("FACTURA");
    report.page = ReportPageSetup::letter(7);
    ReportBand& title = report.titleBand;
    title.height = 284;
    title.addImage(QStringLiteral("ILogo"), QRect(0, 0, 170, 85));
    title.addLabel(QString(), QStringLiteral("F A C T U R A"), QRect(180, 4, 350, 30), {24, true, false}, Qt::AlignHCenter);
    title.addLabel(QStringLiteral("LCopia"), copyMark, QRect(180, 40, 350, 20), {15, true, false}, Qt::AlignHCenter);
    title.addFrame(QRect(543, 0, 220, 68));
    title.addLabel(QStringLiteral("LNit"), QString(), QRect(549, 6, 210, Line), Bold);
    title.addLabel(QStringLiteral("LNumero"), QString(), QRect(549, 26, 210, Line), Bold);
    title.addLabel(QStringLiteral("LAutorizacion"), QString(), QRect(549, 46, 210, Line), Bold);
    title.addMemo(QStringLiteral("MDireccion"), QRect(0, 92, 360, 7 * Line + 4));
    title.addLabel(QString(), QStringLiteral("Actividad Económica:"), QRect(400, 92, 363, Line), Bold);
    title.addMemo(QStringLiteral("MActividad"), QRect(400, 110, 363, 2 * Line + 4));
    title.addLabel(QString(), QStringLiteral("Lugar y Fecha:"), QRect(0, 212, 110, Line), Bold);
    title.addLabel(QStringLiteral("LLugarFecha"), QString(), QRect(114, 212, 649, Line));
    title.addLabel(QString(), QStringLiteral("Señor(es):"), QRect(0, 232, 110, Line), Bold);
    title.addLabel(QStringLiteral("LCliente"), QString(), QRect(114, 232, 400, Line));
    title.addLabel(QString(), QStringLiteral("NIT/CI:"), QRect(530, 232, 60, Line), Bold);
    title.addLabel(QStringLiteral("LNitCI"), QString(), QRect(594, 232, 169, Line));

    const int headingTop = 260;
    report.detailBand.height = RowHeight;
    for (const InvoiceColumn& c : kColumns) {
        title.addFrame(QRect(c.left, headingTop, c.width, RowHeight));
        title.addLabel(QString(), QString::fromLatin1(c.heading), QRect(c.left + 4, headingTop + 3, c.width - 8, Line), Bold,
                       Qt::AlignHCenter);
        report.detailBand.addFrame(QRect(c.left, 0, c.width, RowHeight), ReportElement::Left | ReportElement::Right);
        report.detailBand.addLabel(QString::fromLatin1(c.detailName), QString(), QRect(c.left + 4, 3, c.width - 8, Line), {},
                                   c.alignment);
    }

    ReportBand& summary = report.summaryBand;
    summary.height = 304;
    summary.addRule(0, 0, Width);
    summary.addLabel(QString(), QStringLiteral("Son:"), QRect(0, 8, 40, Line), Bold);
    summary.addMemo(QStringLiteral("MSon"), QRect(44, 8, 500, 2 * Line + 2));
    summary.addLabel(QString(), QStringLiteral("TOTAL Bs."), QRect(563, 8, 80, Line), Bold);
    summary.addLabel(QStringLiteral("LTotalN"), QString(), QRect(643, 8, 116, Line), Bold, Qt::AlignRight);
    summary.addLabel(QStringLiteral("LCodigoC"), QString(), QRect(0, 52, 480, Line), Bold);
    summary.addLabel(QStringLiteral("LIdCajero"), QString(), QRect(0, 72, 480, Line));
    summary.addLabel(QStringLiteral("LFechaLimite"), QString(), QRect(0, 92, 480, Line));
    summary.addLabel(QStringLiteral("LHora"), QString(), QRect(0, 112, 480, Line));
    summary.addImage(QStringLiteral("IQR"), QRect(613, 36, 150, 150));
    summary.addMemo(QStringLiteral("MLeyendaF"), QRect(0, 200, Width, 2 * Line + 4), Bold).alignment =
        Qt::AlignHCenter | Qt::AlignTop;
    summary.addMemo(QStringLiteral("MLeyenda"), QRect(0, 242, Width, 4 * 14 + 4), Small).alignment =
        Qt::AlignHCenter | Qt::AlignTop;
}

// At the head office: an empty line, "CASA MATRIZ", its address, telephone and city. At a branch:
// the head office's lines, an empty line, "SUCURSAL n" and the branch's address and telephone.
QStringList AddressLines(const SessionState& s)
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

void SetMemo(ReportDefinition& report, const QString& name, const QStringList& lines)
{
    ReportElement* memo = report.memo(name);
    memo->clearLines();
    for (const QString& line : lines)
        memo->addLine(line);
}

}

TFIFacturaD::TFIFacturaD()
{
    add(QStringLiteral("QRFacturaO"), QStringLiteral("O R I G I N A L"));
    add(QStringLiteral("QRFacturaC"), QStringLiteral("C O P I A"));
}

TFIFacturaD& TFIFacturaD::instance()
{
    static TFIFacturaD form;
    return form;
}

void TFIFacturaD::add(const QString& name, const QString& copyMark)
{
    auto report = std::make_unique<ReportDefinition>();
    Layout(*report, copyMark);
    ReportDefinition* r = report.get();
    // Every copy restarts from the first row.
    r->setRowCallbacks([this] { m_feed.restart(m_rows); },
                       [this, r] {
                           VoucherRow row;
                           if (!m_feed.next(&row))
                               return false;
                           r->label(QStringLiteral("LCantidad"))->setText(row.quantity);
                           r->label(QStringLiteral("LDescripcion"))->setText(row.description);
                           r->label(QStringLiteral("LPUnitario"))->setText(row.unitPrice);
                           r->label(QStringLiteral("LTotal"))->setText(row.total);
                           return true;
                       });
    m_reports[name] = std::move(report);
}

ReportDefinition& TFIFacturaD::report(const QString& name)
{
    const auto found = m_reports.find(name);
    if (found == m_reports.end())
        throw std::out_of_range("TFIFacturaD holds no report " + name.toStdString());
    return *found->second;
}

bool TFIFacturaD::fill(ReportDefinition& r, const PrintedInvoice& invoice)
{
    const SessionState& s = SessionState::current();
    if (!ReportLogo::loadInto(r.image(QStringLiteral("ILogo"))))
        return false;
    r.label(QStringLiteral("LNit"))->setText(QStringLiteral("NIT: ") + invoice.issuerNit);
    r.label(QStringLiteral("LNumero"))->setText(QStringLiteral("FACTURA Nº: ") + invoice.number);
    r.label(QStringLiteral("LAutorizacion"))->setText(QStringLiteral("AUTORIZACION Nº: ") + invoice.authorization);
    SetMemo(r, QStringLiteral("MDireccion"), AddressLines(s));
    SetMemo(r, QStringLiteral("MActividad"), {s.EconomicActivity});
    r.label(QStringLiteral("LLugarFecha"))
        ->setText(s.HeadOfficeCity + QStringLiteral(", ") + Formats::SpanishLongDate(invoice.date));
    r.label(QStringLiteral("LCliente"))->setText(invoice.clientName);
    r.label(QStringLiteral("LNitCI"))->setText(invoice.nitCi);
    SetMemo(r, QStringLiteral("MSon"), {invoice.amountInWords});
    r.label(QStringLiteral("LTotalN"))->setText(Formats::Money(invoice.total));
    r.label(QStringLiteral("LCodigoC"))->setText(QStringLiteral("Código de Control: ") + invoice.controlCode);
    r.label(QStringLiteral("LIdCajero"))->setText(QStringLiteral("ID/Cajero: ") + invoice.cashierId);
    r.label(QStringLiteral("LFechaLimite"))
        ->setText(QStringLiteral("Fecha Límite de Emisión: ") + Formats::Date(invoice.deadline));
    r.label(QStringLiteral("LHora"))->setText(QStringLiteral("Hora: ") + invoice.time);
    r.image(QStringLiteral("IQR"))->setImage(RenderInvoiceQr(invoice.qrText));
    SetMemo(r, QStringLiteral("MLeyendaF"), {PrintedInvoice::lawNotice()});
    SetMemo(r, QStringLiteral("MLeyenda"), {invoice.legend});
    return true;
}

bool TFIFacturaD::ShowInvoice(const PrintedInvoice& invoice)
{
    ReportDefinition& original = QRFacturaO();
    ReportDefinition& copy = QRFacturaC();
    if (!fill(original, invoice) || !fill(copy, invoice))
        return false;
    m_rows = invoice.letterRows();
    ReportPreview::current().showComposite({&original, &copy});
    return true;
}
