#pragma once
#include <QString>

// The certification tool of the dosage window: the control code of one invoice typed by hand,
// to check this program against the tax authority's test cases.
struct ControlCodeCertification {
    QString authorization;
    QString key;
    QString invoiceNumber;
    QString nitCi;
    QString date;    // dd/MM/yyyy
    QString amount;  // "." or "," before the decimals

    // Exactly one of the three is set: the code; a refusal of missing data; or an error (a value
    // that is not a number or a date).
    struct Result {
        QString code;
        QString refusal;
        QString error;
    };
    Result generate() const;
};
