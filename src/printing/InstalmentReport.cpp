#include "printing/InstalmentReport.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "printing/InstalmentVoucher.h"
#include "printing/ReportPreview.h"
#include "printing/URCaja.h"

void ShowInstalmentVoucher(const InstalmentVoucher& v)
{
    TFRCaja& form = TFRCaja::instance();
    ReportDefinition& report = form.QRAmortizar();
    const bool purchase = v.purchase;
    const auto set = [&report](const char* name, const QString& text) { report.label(QLatin1String(name))->setText(text); };
    set("LTituloA", purchase ? QStringLiteral("COMPROBANTE PAGOS POR COMPRA A CREDITO")
                             : QStringLiteral("COMPROBANTE PAGOS POR VENTA A CREDITO"));
    set("LNOrden", v.orderNumber);
    set("LTFechaVC", purchase ? QStringLiteral("Fecha de Compra:") : QStringLiteral("Fecha de Venta:"));
    set("LFechaVC", Formats::Date(v.date));
    set("LTNombreVC", purchase ? QStringLiteral("Proveedor:") : QStringLiteral("     Cliente:"));
    set("LNombreVC", v.name + QStringLiteral(" [") + v.nitCi + QLatin1Char(']'));
    set("LDatosVC", purchase ? QStringLiteral("DATOS DE LA COMPRA") : QStringLiteral("DATOS DE LA VENTA"));
    set("LTTotalVC", purchase ? QStringLiteral("TOTAL COMPRA:") : QStringLiteral("TOTAL VENTA:"));
    set("LTotalVC2", Formats::Money(v.total));
    set("LCanceladoVC", Formats::Money(v.paidBefore));
    set("LAmortizadoVC", Formats::Money(v.amount));
    set("LSaldoVC", Formats::Money(v.balance));
    const QDateTime now = ClockSeam::current().now();
    set("LFechaIVC", QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(now.date()) + QLatin1Char(' ')
                         + Formats::Time(now.time()));
    ReportPreview::current().show(form.QRAmortizacion());
}
