#pragma once
#include "printing/PrintedInvoice.h"
#include "printing/ReportDefinition.h"
#include "printing/VoucherRows.h"

#include <QDate>
#include <array>
#include <map>
#include <memory>

// QRVentaR filled as a sale's delivery note, or as the voucher of a purchase (the supplier in the
// client's place).
struct DeliveryNoteForm {
    QString number;  // printed after "Nº: "
    QDate date;
    QString partyNitCaption;   // "Nit/CI Cliente:", "Nit/CI Proveedor:"
    QString partyNameCaption;  // "N.  Cliente:", "Proveedor:"
    QString nitCi;
    QString name;
    QString company;
    double total = 0;
    double cash = 0;
    double changeOrBalance = 0;
    bool credit = false;  // the third figure is the balance still owed, not the change
    QString paymentFormText;
    bool commitment = false;  // the client signs the commitment to pay the balance
    QString receivedBy;       // the right-hand signature: "Recibi Conforme (CLIENTE)"
    QList<VoucherRow> lines;  // the rows before the observation row
    QString observation;
};

// QRCotizacion: the register's cart on letter paper; nothing of it is stored.
struct QuotationForm {
    QDate date;
    QString clientName;
    QString nitCi;
    QString company;
    double total = 0;
    bool includesVat = false;
    QList<VoucherRow> lines;
    QString observation;
};

// QREntrega: a stored supply delivery.
struct SupplyDeliveryForm {
    QString number;  // printed after "Nº: "
    QDate date;
    QString recipient;
    QString nitCi;
    QList<VoucherRow> lines;  // quantity, supply, unit
    QString observation;
};

// QRServicio: a stored service purchase.
struct ServiceVoucherForm {
    QString number;  // printed after "Nº: "
    QDate date;
    QString supplierName;
    QString nitCi;
    double total = 0;
    double cash = 0;
    double changeOrBalance = 0;
    bool credit = false;
    QString paymentFormText;
    QList<VoucherRow> lines;  // quantity, concept and amount
};

// The shared letter-size voucher form: its reports print seven detail rows, taken from the form
// they are shown with. Each layout is one function registered in the constructor and filled by
// its own Show function beside it; every variable label of a report is set by each filling, so
// nothing of one voucher (a client's company, a supplier's captions) shows on the next.
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

    // The delivery note or purchase voucher, `copies` identical copies in one preview. False (the
    // reason already shown) when the logo cannot be loaded; the same for every Show below.
    bool ShowDeliveryNote(const DeliveryNoteForm& note, int copies);
    // A stored invoice printed again, one copy marked "O r i g i n a l".
    bool ShowInvoiceReprint(const PrintedInvoice& invoice);
    // The quotation of the cart, one copy.
    bool ShowQuotation(const QuotationForm& quotation);
    // The supply delivery note, `copies` copies in one preview.
    bool ShowSupplyDeliveryNote(const SupplyDeliveryForm& delivery, int copies);
    // The voucher of a service purchase, one copy.
    bool ShowServiceVoucher(const ServiceVoucherForm& service);

private:
    using Layout = void (*)(ReportDefinition&);
    void add(const QString& name, Layout layout);
    // Detail rows of `report` from a fixed list, restarted for every copy, into the labels of
    // `names` (quantity, description, unit or none, unit price or none, total or none).
    void feedRows(ReportDefinition& report, const QList<VoucherRow>& rows, const std::array<const char*, 5>& names);

    static void LayoutVentaR(ReportDefinition& report);
    static void LayoutFactura(ReportDefinition& report);
    static void LayoutCotizacion(ReportDefinition& report);
    static void LayoutEntrega(ReportDefinition& report);
    static void LayoutServicio(ReportDefinition& report);

    std::map<QString, std::unique_ptr<ReportDefinition>> m_reports;
    VoucherRowFeed m_feed;
    QList<VoucherRow> m_rows;
};
