#pragma once
#include <QString>

// The figures a cash closing stores in its Caja row, plus what the cashier typed. Card, cheque and
// free amounts and the outstanding credit never enter the cash balance.
struct ClosingFigures {
    double InitialAmount = 0;  // CInicial
    double VentasEf = 0, VentasCr = 0, VentasDo = 0, PCobrar = 0;
    int NVentasEf = 0, NVentasCr = 0, NVentasDo = 0, NVentasSC = 0, NVentasA = 0;
    double ComprasEf = 0, ComprasCr = 0, ComprasDo = 0, PPagar = 0;
    int NComprasEf = 0, NComprasCr = 0, NComprasDo = 0, NComprasSC = 0, NComprasA = 0;
    double CountedCash = 0;  // "Total Efectivo"
    double Traspaso = 0;     // cash taken out of the till
    double Saldo = 0;        // cash left in the till
    double SobFal = 0;       // counted minus expected: negative shortage, positive surplus

    double cashIn() const { return VentasEf + VentasCr; }
    double cashOut() const { return ComprasEf + ComprasCr; }
    double salesSubtotal() const { return InitialAmount + VentasEf + VentasCr; }
    double purchasesSubtotal() const { return ComprasEf + ComprasCr; }
    double expectedCash() const { return salesSubtotal() - purchasesSubtotal(); }
    int salesCount() const { return NVentasEf + NVentasCr + NVentasDo + NVentasSC; }
    int purchasesCount() const { return NComprasEf + NComprasCr + NComprasDo + NComprasSC; }

    // "Faltante", "Sobrante" or empty when the till is exact.
    QString differenceCaption() const;
};
