#pragma once
#include "printing/ReportDefinition.h"
#include "printing/PrintedInvoice.h"

#include <map>
#include <memory>

// The letter-size invoice: a header (logo, title, copy mark, address block, taxpayer and invoice
// numbers, place and date, client, column headings), seven detail rows and a summary (amount in
// words, total, control code, order and cashier, deadline, time, QR symbol, the fixed text and the
// legend). The taxpayer comes from the session record, everything else from the printed invoice. A stored invoice is printed
// again on the one-copy form QRFactura of TFRVenta.
class TFIFacturaD {
public:
    TFIFacturaD();
    static TFIFacturaD& instance();

    // The same layout under two copy marks: "O R I G I N A L" and "C O P I A".
    ReportDefinition& QRFacturaO() { return report(QStringLiteral("QRFacturaO")); }
    ReportDefinition& QRFacturaC() { return report(QStringLiteral("QRFacturaC")); }
    ReportDefinition& report(const QString& name);

    // The original and the copy in one preview. False (the reason already shown) when the logo
    // cannot be loaded.
    bool ShowInvoice(const PrintedInvoice& invoice);

private:
    bool fill(ReportDefinition& report, const PrintedInvoice& invoice);
    void add(const QString& name, const QString& copyMark);

    std::map<QString, std::unique_ptr<ReportDefinition>> m_reports;
    QList<VoucherRow> m_rows;
    VoucherRowFeed m_feed;
};
