#pragma once
#include "printing/ReportDefinition.h"

#include <QList>
#include <QString>
#include <QVariant>

// One sale of the debtors report, its amounts as numbers (the form prints them with two decimals).
struct CreditReportSale {
    QString saleId;
    QString date;    // dd/MM/yyyy
    QString client;  // "name - NIT"
    double total = 0;
    double paid = 0;
    double balance = 0;
    QString days;  // days since the sale
};

// One line of a sale of the debtors report.
struct CreditReportLine {
    QString saleId;
    QVariant quantity;
    QString product;
    QVariant unitPrice;
    QVariant lineTotal;
};

struct CreditReportForm {
    QString heading;    // "REPORTE DE VENTAS: CREDITO"
    QString dateRange;  // "Desde 01/12/2026 Hasta 10/12/2026"
    QString total;      // the debt total as the list shows it
    QString printStamp;
    QList<CreditReportSale> sales;
    QList<CreditReportLine> lines;
};

// The report form of the debtors report: QRCreditos lists the sales of a payment form with their
// lines and, under them, what each client paid and still owes; the shop's address and logo head
// every page.
class TFReporteI {
public:
    TFReporteI();
    // The form the program keeps for its whole run.
    static TFReporteI& instance();

    ReportDefinition& QRCreditos() { return m_creditos; }
    // Fills QRCreditos and shows it. False (the reason already shown) when the logo cannot be
    // loaded.
    bool ShowCreditReport(const CreditReportForm& form);

private:
    static void LayoutCreditos(ReportDefinition& report);

    ReportDefinition m_creditos;
};
