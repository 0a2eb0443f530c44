#pragma once
#include "printing/ReportDefinition.h"

#include <QList>
#include <QString>
#include <map>
#include <memory>

// QRReporteI: a list by item (sales or supply deliveries by product, purchases of products or
// supplies). Every text as the window shows it.
struct ItemReportRow {
    QString number, quantity, item, unit, unitCost, total;
};
struct ItemReportForm {
    QString documentTitle;  // the print job's title
    QString heading;        // "REPORTE DE VENTAS"
    QString itemCaption;    // "Producto:" or "Insumo:"
    QString totalCaption;   // "Total Ventas Bs.:", or empty with no total
    QString total;
    QString category;
    QString item;
    QString dateRange;  // "Desde: 01/12/2026 Hasta: 10/12/2026"
    QString printStamp;
    QList<ItemReportRow> rows;
};

// QRReporteS: the stock of products or supplies.
struct StockReportRow {
    QString number, item, unit, minimum, intake, outflow, stock;
};
struct StockReportForm {
    QString documentTitle;
    QString heading;
    QString itemCaption;
    QString category;
    QString brand;
    QString item;
    QString printStamp;
    QList<StockReportRow> rows;
};

// QRServicios: the service purchases grouped by concept.
struct ServiceReportRow {
    QString number, quantity, serviceConcept, total;
};
struct ServiceReportForm {
    QString dateRange;
    QString total;
    QString printStamp;
    QList<ServiceReportRow> rows;
};

// QRCierreC: the figures of a cash closing, each as printed.
struct ClosingReportForm {
    QString heading;  // "CIERRE DE CAJA [C000000012]"
    QString cashier;
    QString date;
    QString initialAmount;
    QString salesCash, purchasesCash;
    QString salesCredit, purchasesCredit;
    QString salesCheque, purchasesCheque;
    QString salesSubtotal, purchasesSubtotal;
    QString expectedCash;  // "Total (Ventas-Compras)"
    QString salesOwed, purchasesOwed;
    QString salesCashCount, purchasesCashCount;
    QString salesCreditCount, purchasesCreditCount;
    QString salesChequeCount, purchasesChequeCount;
    QString salesFreeCount, purchasesFreeCount;
    QString salesCount, purchasesCount;
    QString salesAnnulledCount, purchasesAnnulledCount;
    QString countedCash;
    QString transfer;
    QString balance;
    QString differenceCaption;
    QString difference;
    QString printStamp;
};

// QRAmortizar: the voucher of an instalment on a credit sale or purchase.
struct InstalmentForm {
    QString heading;  // "COMPROBANTE PAGOS POR VENTA A CREDITO"
    QString orderNumber;
    QString dateCaption;  // "Fecha de Venta:"
    QString date;
    QString partyCaption;  // "     Cliente:"
    QString party;         // "NAME [NIT]"
    QString boxCaption;    // "DATOS DE LA VENTA"
    QString totalCaption;  // "TOTAL VENTA:"
    QString total;
    QString paidBefore;
    QString amount;
    QString balance;
    QString printStamp;
};

// The report form of the cash, stock, sales and purchase windows: it holds their letter-size
// reports, each laid out once by its own function and filled by its own Show function beside it
// from the form the caller hands over; the Show functions put the report in the preview.
//
// Adding a report is adding one layout function, registering it in the constructor and writing
// its Show function.
class TFRCaja {
public:
    TFRCaja();
    // The form the program creates once and keeps for the whole run.
    static TFRCaja& instance();

    ReportDefinition& QRReporteI() { return report(QStringLiteral("QRReporteI")); }
    ReportDefinition& QRReporteS() { return report(QStringLiteral("QRReporteS")); }
    ReportDefinition& QRServicios() { return report(QStringLiteral("QRServicios")); }
    ReportDefinition& QRCierreC() { return report(QStringLiteral("QRCierreC")); }
    // The voucher of an instalment, one copy on its own.
    ReportDefinition& QRAmortizar() { return report(QStringLiteral("QRAmortizar")); }
    // The voucher as it is printed: two copies of the filled QRAmortizar on one Legal page, one
    // for each party, the second below a cut line across the middle of the page. Made afresh from
    // QRAmortizar at every call, so call it once QRAmortizar is filled.
    ReportDefinition& QRAmortizacion();

    void ShowItemReport(const ItemReportForm& form);
    void ShowStockReport(const StockReportForm& form);
    void ShowServiceReport(const ServiceReportForm& form);
    void ShowClosingReport(const ClosingReportForm& form);
    // Both copies of the instalment voucher on one Legal page.
    void ShowInstalmentVoucher(const InstalmentForm& form);

    // A report by its name; throws std::out_of_range for a report the form does not hold.
    ReportDefinition& report(const QString& name);
    QStringList reportNames() const;

private:
    using Layout = void (*)(ReportDefinition&);
    void add(const QString& name, Layout layout);

    static void LayoutReporteI(ReportDefinition& report);
    static void LayoutReporteS(ReportDefinition& report);
    static void LayoutServicios(ReportDefinition& report);
    static void LayoutCierreC(ReportDefinition& report);
    static void LayoutAmortizar(ReportDefinition& report);
    static void LayoutAmortizacion(ReportDefinition& report);

    // Detail rows from a fixed list, restarted for every copy: `fill` writes one row's labels.
    template <typename Row>
    void feedRows(ReportDefinition& report, const QList<Row>& rows, void (*fill)(ReportDefinition&, const Row&));

    std::map<QString, std::unique_ptr<ReportDefinition>> m_reports;
};
