#pragma once
#include "printing/ReportDefinition.h"

#include <map>
#include <memory>

// The report form of the cash, stock, sales and purchase windows: it holds their letter-size
// reports, each laid out once by its own function and then filled by the windows by element name
// (e.g. QRReporteI().label("LTituloCV")->setText(...)). Labels keep the last values set.
//
// Adding a report is adding one layout function and registering it in the constructor.
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

    std::map<QString, std::unique_ptr<ReportDefinition>> m_reports;
};
