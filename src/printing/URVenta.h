#pragma once
#include "printing/ReportDefinition.h"
#include "printing/VoucherReportSource.h"

#include <map>
#include <memory>

struct PurchaseVoucher;
struct Quotation;
struct SaleVoucher;
struct SupplyDeliveryVoucher;

// The shared letter-size voucher form: its reports print seven detail rows. The delivery note
// QRVentaR takes them from the window that VoucherReportSource names (the sales register, sales
// management, the purchases window); the supply delivery note from the stored delivery handed
// over; the service voucher QRServicio from the purchase it prints.
// Each layout is one function registered in the constructor; windows fill the labels by name.
// Every variable label of a report is set by each of its fillings, so nothing of one voucher
// (a client's company, a supplier's captions) shows on the next.
class TFRVenta {
public:
    TFRVenta();
    // The form the program keeps for the whole run.
    static TFRVenta& instance();

    // The delivery note "NOTA DE REMISION" of a sale without invoice.
    ReportDefinition& QRVentaR() { return report(QStringLiteral("QRVentaR")); }
    // A stored invoice printed again, one copy on a 216 x 140 mm page ("Imprimir Factura").
    ReportDefinition& QRFactura() { return report(QStringLiteral("QRFactura")); }
    // The quotation of a cart on letter paper ("PROFORMA DE COTIZACION").
    ReportDefinition& QRCotizacion() { return report(QStringLiteral("QRCotizacion")); }
    // The supply delivery note "Nota Entrega de Insumos", signed by the cashier and the recipient.
    ReportDefinition& QREntrega() { return report(QStringLiteral("QREntrega")); }
    // The voucher of a service purchase.
    ReportDefinition& QRServicio() { return report(QStringLiteral("QRServicio")); }

    // A report by its name; throws std::out_of_range for a report the form does not hold.
    ReportDefinition& report(const QString& name);
    QStringList reportNames() const;

    // Fills the delivery note from the sale and shows two identical copies in one preview; the
    // rows come from the window attached under the current report source. False (the reason
    // already shown) when the logo cannot be loaded.
    bool ShowDeliveryNote(const SaleVoucher& sale);
    // A stored sale's delivery note printed again: one copy, numbered with the full sale key.
    bool ShowDeliveryNoteReprint(const SaleVoucher& sale);
    // A stored invoice printed again from its stored values and its own dosage, one copy marked
    // "O r i g i n a l"; the rows come from the window of the current report source. False (the
    // reason already shown) when the logo cannot be loaded.
    bool ShowInvoiceReprint(const SaleVoucher& sale);
    // The quotation of the cart, one copy; its seven rows are the quotation's lines, the
    // observation row and empty rows.
    bool ShowQuotation(const Quotation& quotation);
    // Fills the supply delivery note from a stored delivery, numbered "Nº: " + `orderNumber`, and
    // shows `copies` copies of it in one preview, each with its seven detail rows. False (the
    // reason already shown) when the logo cannot be loaded.
    bool ShowSupplyDeliveryNote(const SupplyDeliveryVoucher& delivery, const QString& orderNumber, int copies);
    // Fills the delivery note as the voucher of a purchase of products or supplies (the supplier
    // in place of the client) and shows one copy; the rows come from the window attached under the
    // current report source (the caller sets it to the purchases window). False (the reason
    // already shown) when the logo cannot be loaded.
    bool ShowPurchaseVoucher(const PurchaseVoucher& purchase);
    // Fills the service voucher from a service purchase, its seven rows from the purchase's own
    // lines, and shows one copy. False (the reason already shown) when the logo cannot be loaded.
    bool ShowServiceVoucher(const PurchaseVoucher& purchase);

private:
    using Layout = void (*)(ReportDefinition&);
    void add(const QString& name, Layout layout);
    // Detail rows of `report` from the current source: restarted for every copy.
    void feedFromSource(ReportDefinition& report);
    // Detail rows of `report` from a fixed list, restarted for every copy.
    void feedFromRows(ReportDefinition& report, const QList<VoucherRow>& rows);
    bool fillDeliveryNote(const SaleVoucher& sale, const QString& number);

    static void LayoutVentaR(ReportDefinition& report);
    static void LayoutFactura(ReportDefinition& report);
    static void LayoutCotizacion(ReportDefinition& report);
    static void LayoutEntrega(ReportDefinition& report);
    static void LayoutServicio(ReportDefinition& report);

    std::map<QString, std::unique_ptr<ReportDefinition>> m_reports;
    VoucherRowFeed m_feed;
    VoucherRowFeed m_serviceFeed;
    QList<VoucherRow> m_rows;
};
