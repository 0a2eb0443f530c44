#pragma once
#include "cash/ClosingFigures.h"

#include <QDateTime>

struct ClosingReportForm;

// The letter-size closing report: the same figures as the closing ticket, in boxes, with two
// signature lines. Printed at closing and reprinted later from the stored figures.
struct ClosingReportData {
    ClosingFigures figures;
    QString sessionId;
    QString cashier;
    QString dateText;   // the session date as the caller shows it
    QDateTime printed;  // the computer's date and time
};

// The report's texts, each as printed.
ClosingReportForm ClosingReportFormOf(const ClosingReportData& data);

// Fills the closing report and shows it in the modal preview (errors are shown, not thrown).
void ShowClosingReport(const ClosingReportData& data);
