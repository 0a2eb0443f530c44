#include "cash/ClosingReport.h"

#include "data/Formats.h"
#include "printing/URCaja.h"

ClosingReportForm ClosingReportFormOf(const ClosingReportData& data)
{
    const ClosingFigures& f = data.figures;
    auto money = [](double v) { return Formats::Money(v); };
    auto count = [](int v) { return QString::number(v); };
    ClosingReportForm form;
    form.heading = QStringLiteral("CIERRE DE CAJA [") + data.sessionId + QLatin1Char(']');
    form.cashier = data.cashier;
    form.date = data.dateText;
    form.initialAmount = money(f.InitialAmount);
    form.salesCash = money(f.VentasEf);
    form.purchasesCash = money(f.ComprasEf);
    form.salesCredit = money(f.VentasCr);
    form.purchasesCredit = money(f.ComprasCr);
    form.salesCheque = money(f.VentasDo);
    form.purchasesCheque = money(f.ComprasDo);
    form.salesSubtotal = money(f.salesSubtotal());
    form.purchasesSubtotal = money(f.purchasesSubtotal());
    form.expectedCash = money(f.expectedCash());
    form.salesOwed = money(f.PCobrar);
    form.purchasesOwed = money(f.PPagar);
    form.salesCashCount = count(f.NVentasEf);
    form.purchasesCashCount = count(f.NComprasEf);
    form.salesCreditCount = count(f.NVentasCr);
    form.purchasesCreditCount = count(f.NComprasCr);
    form.salesChequeCount = count(f.NVentasDo);
    form.purchasesChequeCount = count(f.NComprasDo);
    form.salesFreeCount = count(f.NVentasSC);
    form.purchasesFreeCount = count(f.NComprasSC);
    form.salesCount = count(f.salesCount());
    form.purchasesCount = count(f.purchasesCount());
    form.salesAnnulledCount = count(f.NVentasA);
    form.purchasesAnnulledCount = count(f.NComprasA);
    form.countedCash = money(f.CountedCash);
    form.transfer = money(f.Traspaso);
    form.balance = money(f.Saldo);
    form.differenceCaption = f.differenceCaption();
    form.difference = f.SobFal == 0 ? QString() : money(qAbs(f.SobFal));
    form.printStamp = QStringLiteral("Fecha y Hora de Impresión: ") + Formats::Date(data.printed.date()) + QLatin1Char(' ')
                      + Formats::Time(data.printed.time());
    return form;
}

void ShowClosingReport(const ClosingReportData& data) { TFRCaja::instance().ShowClosingReport(ClosingReportFormOf(data)); }
