#pragma once
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "sales/SaleVoucher.h"

#include <QStringList>

// The shop and the sales the voucher tests print.
namespace SaleSamples {

// A legend of exactly 70 characters.
inline const QString kLegend = QStringLiteral("Ley 453: El proveedor debe exhibir sus precios en moneda nacional hoy.");

inline void FillShop(int branch, const QString& owner, const QString& legend)
{
    SessionState& s = SessionState::current();
    s.UserLogin = QStringLiteral("admin");
    s.TaxpayerNit = QStringLiteral("1000000010");
    s.TaxpayerName = QStringLiteral("MI NEGOCIO");
    s.OwnerName = owner;
    s.BranchNumber = branch;
    s.HeadOfficeAddress = QStringLiteral("AV. 6 DE AGOSTO NRO 1234");
    s.HeadOfficePhone = QStringLiteral("2245678");
    s.HeadOfficeCity = QStringLiteral("LA PAZ");
    s.BranchAddress = QStringLiteral("C. COMERCIO 55");
    s.BranchPhone = QStringLiteral("2812345");
    s.BranchCity = QStringLiteral("EL ALTO");
    s.EconomicActivity = QStringLiteral("VENTA AL POR MENOR DE ALIMENTOS");
    s.AuthorizationNumber = QStringLiteral("29040011007");
    s.InvoiceDeadline = QDate(2027, 1, 31);
    s.InvoiceLegend = QStringLiteral("LEY Nº 453: \"") + legend + QLatin1Char('"');
    s.InvoiceLegendLines = legend.isEmpty() ? QStringList() : WrapText(s.InvoiceLegend, 30);
}

// Invoice 150 of order 12: two lines, 45.50 paid with 50.
inline SaleVoucher Invoice()
{
    SaleVoucher v;
    v.saleId = QStringLiteral("V000000012");
    v.date = QDate(2026, 12, 9);
    v.time = QStringLiteral("10:30:00");
    v.voucherKind = 1;
    v.invoiceNumber = 150;
    v.authorization = QStringLiteral("29040011007");
    v.controlCode = QStringLiteral("7B-F3-48-A8");
    v.nitCi = QStringLiteral("4567890");
    v.clientName = QStringLiteral("MARIA QUISPE CONDORI");
    v.clientNameTyped = true;
    v.paymentForm = 1;
    v.paymentFormText = QStringLiteral("EFECTIVO");
    v.total = 45.5;
    v.cashReceived = 50;
    v.changeOrBalance = 4.5;
    v.observation = QStringLiteral("ENTREGAR EN PUERTA");
    v.cashier = QStringLiteral("admin");
    v.lines = {{QStringLiteral("2"), QStringLiteral("COCA COLA 2L"), QStringLiteral("UNIDAD"), 12.5, 25},
               {QStringLiteral("2.5"), QStringLiteral("AZUCAR 1KG"), QStringLiteral("KILO"), 8.2, 20.5}};
    return v;
}

// A sale without invoice of `lines` lines of one unit at 10 each (a total of 10 x lines).
inline SaleVoucher Sale(int paymentForm, int lines, double cash)
{
    SaleVoucher v = Invoice();
    v.voucherKind = 0;
    v.invoiceNumber = 0;
    v.authorization = QStringLiteral("0");
    v.controlCode = QStringLiteral("0");
    v.paymentForm = paymentForm;
    v.paymentFormText = QStringList{"SIN COSTO (Gratis)", "EFECTIVO", "CREDITO", "TARJETA/CHEQUE"}.value(paymentForm);
    v.lines.clear();
    for (int i = 1; i <= lines; ++i)
        v.lines.append({QStringLiteral("1"), QStringLiteral("PRODUCTO %1").arg(i), QStringLiteral("UNIDAD"), 10, 10});
    v.total = 10.0 * lines;
    v.cashReceived = cash;
    v.changeOrBalance = paymentForm == 2 ? v.total - cash : cash - v.total;
    return v;
}

inline const QString kInvoiceQr =
    QStringLiteral("1000000010|150|29040011007|09/12/2026|45.50|45.50|7B-F3-48-A8|4567890|0|0|0|0");

}
