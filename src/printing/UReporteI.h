#pragma once
#include "printing/ReportDefinition.h"

// The report form of the debtors report: QRCreditos lists the sales of a payment form with their
// lines and, under them, what each client paid and still owes. The window fills it:
//   - master table (one row per sale): IdVenta, FechaV (dd/MM/yyyy text), Cliente ("name - NIT"),
//     TotalF, TotalE, Saldo, Dias; detail table keyed by IdVenta: Cantidad, Producto, PrecioU,
//     PrecioT, IdVenta (setDetailTable(lines, "IdVenta", "IdVenta"));
//   - labels LTitulo, LRangoF, LTotalBs, LFechaI, the memo QRMDireccionR and the picture Logo.
class TFReporteI {
public:
    TFReporteI();
    // The form the program keeps for its whole run.
    static TFReporteI& instance();

    ReportDefinition& QRCreditos() { return m_creditos; }

private:
    static void LayoutCreditos(ReportDefinition& report);

    ReportDefinition m_creditos;
};
