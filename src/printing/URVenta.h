#pragma once
#include "printing/ReportDefinition.h"
#include "printing/VoucherReportSource.h"

#include <map>
#include <memory>

struct SaleVoucher;

// The shared letter-size voucher form: its reports print seven detail rows taken from the window
// that VoucherReportSource names (the sales register, sales management, the purchases window).
// Each layout is one function registered in the constructor; windows fill the labels by name.
class TFRVenta {
public:
    TFRVenta();
    // The form the program keeps for the whole run.
    static TFRVenta& instance();

    // The delivery note "NOTA DE REMISION" of a sale without invoice.
    ReportDefinition& QRVentaR() { return report(QStringLiteral("QRVentaR")); }

    // A report by its name; throws std::out_of_range for a report the form does not hold.
    ReportDefinition& report(const QString& name);
    QStringList reportNames() const;

    // Fills the delivery note from the sale and shows two identical copies in one preview; the
    // rows come from the window attached under the current report source. False (the reason
    // already shown) when the logo cannot be loaded.
    bool ShowDeliveryNote(const SaleVoucher& sale);

private:
    using Layout = void (*)(ReportDefinition&);
    void add(const QString& name, Layout layout);
    // Detail rows of `report` from the current source: restarted for every copy.
    void feedFromSource(ReportDefinition& report);

    static void LayoutVentaR(ReportDefinition& report);

    std::map<QString, std::unique_ptr<ReportDefinition>> m_reports;
    VoucherRowFeed m_feed;
};
