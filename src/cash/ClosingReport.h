#pragma once
#include "cash/ClosingFigures.h"

#include <QDateTime>
#include <QMap>

// The letter-size closing report: the same figures as the closing ticket, in boxes, with two
// signature lines. Printed at closing and reprinted later from the stored figures.
struct ClosingReportData {
    ClosingFigures figures;
    QString sessionId;
    QString cashier;
    QString dateText;  // the session date as the caller shows it
    QDateTime printed; // the computer's date and time
};

// Every variable label of the report with its text, by the label's name.
QMap<QString, QString> ClosingReportLabels(const ClosingReportData& data);

// Fills the closing report and shows it in the modal preview (errors are shown, not thrown).
void ShowClosingReport(const ClosingReportData& data);
