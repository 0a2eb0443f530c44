#pragma once
#include <QString>
#include <QTextStream>

// Checks this program's control codes against a file of the tax authority's certification cases:
// one case a line, "|"-separated (authorization number, invoice number, NIT/CI, date YYYY/MM/DD,
// amount with a decimal comma, dosage key, the five Verhoeff digits, the message, the sum T,
// T in base 64, the control code), an optional trailing "|", CR LF line ends and an optional
// header line (a first line whose first field is not a number).
class CertificationRun {
public:
    struct Counts {
        int passed = 0;
        int failed = 0;
    };

    // Writes one line per failed case (a value that differs, or a malformed line) and ends with
    // "N passed, M failed".
    static Counts run(QTextStream& cases, QTextStream& out);
    // The same over a file; false (with the reason on err, nothing on out) when it cannot be read.
    static bool runFile(const QString& path, QTextStream& out, QTextStream& err, Counts* counts);
};
