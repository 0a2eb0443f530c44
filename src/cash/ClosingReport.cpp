#include "cash/ClosingReport.h"

#include "data/Formats.h"
#include "printing/ReportPreview.h"
#include "printing/URCaja.h"

QMap<QString, QString> ClosingReportLabels(const ClosingReportData& data)
{
    const ClosingFigures& f = data.figures;
    auto money = [](double v) { return Formats::Money(v); };
    auto count = [](int v) { return QString::number(v); };
    return {
        {QStringLiteral("LTitulo"), QStringLiteral("CIERRE DE CAJA [") + data.sessionId + QLatin1Char(']')},
        {QStringLiteral("LCajero"), data.cashier},
        {QStringLiteral("LFecha"), data.dateText},
        {QStringLiteral("LSaldoI"), money(f.InitialAmount)},
        {QStringLiteral("LVContado"), money(f.VentasEf)},
        {QStringLiteral("LCContado"), money(f.ComprasEf)},
        {QStringLiteral("LVCredito"), money(f.VentasCr)},
        {QStringLiteral("LCCredito"), money(f.ComprasCr)},
        {QStringLiteral("LVCheque"), money(f.VentasDo)},
        {QStringLiteral("LCCheque"), money(f.ComprasDo)},
        {QStringLiteral("LVTotal"), money(f.salesSubtotal())},
        {QStringLiteral("LCTotal"), money(f.purchasesSubtotal())},
        {QStringLiteral("LTotalVC"), money(f.expectedCash())},
        {QStringLiteral("LDVentas"), money(f.PCobrar)},
        {QStringLiteral("LDCompras"), money(f.PPagar)},
        {QStringLiteral("LEVentasC"), count(f.NVentasEf)},
        {QStringLiteral("LEComprasC"), count(f.NComprasEf)},
        {QStringLiteral("LEVentasCr"), count(f.NVentasCr)},
        {QStringLiteral("LEComprasCr"), count(f.NComprasCr)},
        {QStringLiteral("LEVentasT"), count(f.NVentasDo)},
        {QStringLiteral("LEComprasT"), count(f.NComprasDo)},
        {QStringLiteral("LEVentasSC"), count(f.NVentasSC)},
        {QStringLiteral("LEComprasSC"), count(f.NComprasSC)},
        {QStringLiteral("LEVTotal"), count(f.salesCount())},
        {QStringLiteral("LECTotal"), count(f.purchasesCount())},
        {QStringLiteral("LEVentasA"), count(f.NVentasA)},
        {QStringLiteral("LEComprasA"), count(f.NComprasA)},
        {QStringLiteral("LEfectivo"), money(f.CountedCash)},
        {QStringLiteral("LTraspaso"), money(f.Traspaso)},
        {QStringLiteral("LSaldo"), money(f.Saldo)},
        {QStringLiteral("LSFT"), f.differenceCaption()},
        {QStringLiteral("Lsf"), f.SobFal == 0 ? QString() : money(qAbs(f.SobFal))},
        {QStringLiteral("LFechaI"), QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(data.printed.date())
                                        + QLatin1Char(' ') + Formats::Time(data.printed.time())},
    };
}

void ShowClosingReport(const ClosingReportData& data)
{
    ReportDefinition& report = TFRCaja::instance().QRCierreC();
    const auto labels = ClosingReportLabels(data);
    for (auto it = labels.begin(); it != labels.end(); ++it)
        if (ReportElement* label = report.label(it.key()))
            label->setText(it.value());
    ReportPreview::current().show(report);
}
