#include "sales/InstalmentReport.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "printing/URCaja.h"
#include "sales/InstalmentVoucher.h"

void ShowInstalmentVoucher(const InstalmentVoucher& v)
{
    const bool purchase = v.purchase;
    InstalmentForm form;
    form.heading = purchase ? QStringLiteral("COMPROBANTE PAGOS POR COMPRA A CREDITO")
                            : QStringLiteral("COMPROBANTE PAGOS POR VENTA A CREDITO");
    form.orderNumber = v.orderNumber;
    form.dateCaption = purchase ? QStringLiteral("Fecha de Compra:") : QStringLiteral("Fecha de Venta:");
    form.date = Formats::Date(v.date);
    form.partyCaption = purchase ? QStringLiteral("Proveedor:") : QStringLiteral("     Cliente:");
    form.party = v.name + QStringLiteral(" [") + v.nitCi + QLatin1Char(']');
    form.boxCaption = purchase ? QStringLiteral("DATOS DE LA COMPRA") : QStringLiteral("DATOS DE LA VENTA");
    form.totalCaption = purchase ? QStringLiteral("TOTAL COMPRA:") : QStringLiteral("TOTAL VENTA:");
    form.total = Formats::Money(v.total);
    form.paidBefore = Formats::Money(v.paidBefore);
    form.amount = Formats::Money(v.amount);
    form.balance = Formats::Money(v.balance);
    const QDateTime now = ClockSeam::current().now();
    form.printStamp = QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(now.date()) + QLatin1Char(' ')
                      + Formats::Time(now.time());
    TFRCaja::instance().ShowInstalmentVoucher(form);
}
