#include "tax/CertificationRun.h"

#include "tax/ControlCode.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace {

enum Field { Authorization, Invoice, NitCi, Date, Amount, Key, Digits, Message, Sum, Base64, Code, FieldCount };

// Longest integer part of an amount: beyond it cents no longer fit in the rounding.
constexpr int kMaxAmountDigits = 15;

bool isAllDigits(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch();
}

QStringList splitFields(QString line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    // A trailing "|" ends the last field rather than opening an empty one.
    if (line.endsWith(QLatin1Char('|')))
        line.chop(1);
    return line.split(QLatin1Char('|'));
}

// YYYY/MM/DD as the YYYYMMDD the code takes; empty when it is not a real date.
QString caseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{4})/([0-9]{1,2})/([0-9]{1,2})$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    return date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")) : QString();
}

// The amount ("35958,6" or "35958.6") rounded as a sale rounds it; empty when it is not a number.
QString caseAmount(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]{1,%1}([.,][0-9]+)?$").arg(kMaxAmountDigits));
    if (!pattern.match(text).hasMatch())
        return {};
    QString decimal = text;
    decimal.replace(QLatin1Char(','), QLatin1Char('.'));
    return QString::number(ControlCode::RoundInvoiceAmount(QLocale::c().toDouble(decimal)));
}

// Why a case line cannot be computed, or empty; fills the date and amount the code takes.
QString malformation(const QStringList& fields, QString* date, QString* amount)
{
    if (fields.size() != FieldCount)
        return QStringLiteral("se esperaban %1 campos, hay %2").arg(FieldCount).arg(fields.size());
    if (!isAllDigits(fields[Authorization]))
        return QStringLiteral("el numero de autorizacion debe contener solo digitos");
    *date = caseDate(fields[Date]);
    if (date->isEmpty())
        return QStringLiteral("fecha invalida \"%1\"").arg(fields[Date]);
    *amount = caseAmount(fields[Amount]);
    if (amount->isEmpty())
        return QStringLiteral("monto invalido \"%1\"").arg(fields[Amount]);
    return ControlCode::ValidateControlCodeInput(fields[Invoice], fields[NitCi], *date, *amount);
}

// The first value that differs, in the order the code is computed (a wrong D explains the rest),
// as "what esperado X, calculado Y"; empty when every value matches.
QString firstDifference(const QStringList& fields, const ControlCode::ControlCodeSteps& steps)
{
    const struct {
        const char* name;
        QString expected;
        QString computed;
    } values[] = {
        {"digitos Verhoeff", fields[Digits], steps.verhoeffDigits},
        {"mensaje", fields[Message], steps.message},
        {"suma T", fields[Sum], QString::number(steps.sum)},
        {"base 64", fields[Base64], steps.base64},
        {"codigo de control", fields[Code], steps.code},
    };
    for (const auto& value : values)
        if (value.expected != value.computed)
            return QStringLiteral("%1 esperado %2, calculado %3").arg(QLatin1String(value.name), value.expected, value.computed);
    return {};
}

// Empty when the case reproduces, else the text of its failure.
QString checkCase(const QStringList& fields)
{
    QString date;
    QString amount;
    if (const QString problem = malformation(fields, &date, &amount); !problem.isEmpty())
        return problem;
    const ControlCode::ControlCodeSteps steps =
        ControlCode::ComputeControlCodeSteps(fields[Invoice], fields[NitCi], date, amount, fields[Key], fields[Authorization]);
    return firstDifference(fields, steps);
}

bool isHeader(const QStringList& fields) { return !isAllDigits(fields.first()); }

}

CertificationRun::Counts CertificationRun::run(QTextStream& cases, QTextStream& out)
{
    Counts counts;
    int lineNumber = 0;
    bool firstLine = true;
    QString line;
    while (cases.readLineInto(&line)) {
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = splitFields(line);
        const bool header = firstLine && isHeader(fields);
        firstLine = false;
        if (header)
            continue;
        const QString failure = checkCase(fields);
        if (failure.isEmpty()) {
            ++counts.passed;
        } else {
            ++counts.failed;
            out << "Linea " << lineNumber << ": " << failure << "\n";
        }
    }
    out << counts.passed << " passed, " << counts.failed << " failed\n";
    out.flush();
    return counts;
}

bool CertificationRun::runFile(const QString& path, QTextStream& out, QTextStream& err, Counts* counts)
{
    // A device or a pipe would be read without end (or block): only a plain file holds cases.
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile()) {
        err << "No se puede leer " << path << ": no es un archivo comun\n";
        err.flush();
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "No se puede leer " << path << ": " << file.errorString() << "\n";
        err.flush();
        return false;
    }
    QTextStream cases(&file);
    // The cipher works on bytes; Latin-1 hands every byte of a key through unchanged.
    cases.setEncoding(QStringConverter::Latin1);
    const Counts result = run(cases, out);
    if (counts)
        *counts = result;
    return true;
}
