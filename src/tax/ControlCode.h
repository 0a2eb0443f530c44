#pragma once
#include <QString>
#include <QtGlobal>

// The invoice control code of the tax authority's published algorithm, version 7: Verhoeff check
// digits, the AllegedRC4 cipher written in hexadecimal and a positional base-64 conversion.
// Pure functions: nothing is kept between calls.
namespace ControlCode {

// Every value the code is derived from, so the authority's cases can be checked step by step.
struct ControlCodeSteps {
    QString error;           // why the inputs were refused; empty when the code was computed
    QString verhoeffDigits;  // the five digits D1..D5
    QString message;         // the text enciphered with the dosage key and D
    quint64 sum = 0;         // T
    QString base64;          // T in base 64
    QString code;            // the control code, pairs of hexadecimal digits joined by "-"

    bool ok() const { return error.isEmpty(); }
};

// The Verhoeff check digit of a text of decimal digits, as a one-character text.
QString VerhoeffDigit(const QString& digits);
// The RC4 stream of the key applied to the message bytes, two upper-case hex digits per byte.
QString AllegedRc4Hex(const QString& message, const QString& key);
// The same with "-" between consecutive pairs.
QString AllegedRc4HexDashed(const QString& message, const QString& key);
// The digits of a number in base 64 over 0-9 A-Z a-z + /.
QString Base64Positional(quint64 number);

// An invoice amount as the code uses it: the fraction dropped, plus one when it is 0.5 or more.
// Both the sale and the certification tool round through here. -1 (which the code refuses) for
// something no invoice carries: not a number, or 10^16 and beyond.
qint64 RoundInvoiceAmount(double amount);

// Empty when invoice number, NIT/CI, date (YYYYMMDD) and amount can enter the code, else the
// message to show. Checked before anything of a sale is stored.
QString ValidateControlCodeInput(const QString& invoiceNumber, const QString& nitCi, const QString& date,
                                 const QString& amount);

// Every step of the code; steps.error is set (and nothing else) when the inputs are refused.
ControlCodeSteps ComputeControlCodeSteps(const QString& invoiceNumber, const QString& nitCi, const QString& date,
                                         const QString& amount, const QString& dosageKey, const QString& authorizationNumber);

// The control code, or an empty text when the inputs are refused (the reason goes to *error).
QString GenerateControlCode(const QString& invoiceNumber, const QString& nitCi, const QString& date, const QString& amount,
                            const QString& dosageKey, const QString& authorizationNumber, QString* error = nullptr);

}
