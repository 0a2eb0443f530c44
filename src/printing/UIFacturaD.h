#pragma once
#include "printing/ReportDefinition.h"
#include "printing/VoucherReportSource.h"

#include <map>
#include <memory>

struct SaleVoucher;

// The letter-size invoice: a header (logo, title, copy mark, address block, taxpayer and invoice
// numbers, place and date, client, column headings), seven detail rows and a summary (amount in
// words, total, control code, order and cashier, deadline, time, QR symbol, the fixed text and the
// legend). The taxpayer and dosage values come from the session record.
class TFIFacturaD {
public:
    TFIFacturaD();
    static TFIFacturaD& instance();

    // The same layout under three copy marks: "O R I G I N A L", "C O P I A" and the single-copy
    // reprint's "O r i g i n a l".
    ReportDefinition& QRFacturaO() { return report(QStringLiteral("QRFacturaO")); }
    ReportDefinition& QRFacturaC() { return report(QStringLiteral("QRFacturaC")); }
    ReportDefinition& QRFacturaR() { return report(QStringLiteral("QRFacturaR")); }
    ReportDefinition& report(const QString& name);

    // The original and the copy in one preview. False (the reason already shown) when the logo
    // cannot be loaded.
    bool ShowInvoice(const SaleVoucher& sale);
    // One copy, for reprinting a stored invoice.
    bool ShowInvoiceReprint(const SaleVoucher& sale);

private:
    bool fill(ReportDefinition& report, const SaleVoucher& sale);
    void add(const QString& name, const QString& copyMark);

    std::map<QString, std::unique_ptr<ReportDefinition>> m_reports;
    QList<VoucherRow> m_rows;
    VoucherRowFeed m_feed;
};
