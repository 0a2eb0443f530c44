#include "tax/ControlCode.h"

#include <QByteArray>
#include <QDate>
#include <array>
#include <cmath>

namespace ControlCode {

namespace {

using Table = std::array<std::array<int, 10>, 10>;

// Multiplication in the dihedral group D5.
constexpr Table kMultiplication = {{
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {1, 2, 3, 4, 0, 6, 7, 8, 9, 5},
    {2, 3, 4, 0, 1, 7, 8, 9, 5, 6},
    {3, 4, 0, 1, 2, 8, 9, 5, 6, 7},
    {4, 0, 1, 2, 3, 9, 5, 6, 7, 8},
    {5, 9, 8, 7, 6, 0, 4, 3, 2, 1},
    {6, 5, 9, 8, 7, 1, 0, 4, 3, 2},
    {7, 6, 5, 9, 8, 2, 1, 0, 4, 3},
    {8, 7, 6, 5, 9, 3, 2, 1, 0, 4},
    {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
}};

constexpr std::array<int, 10> kInverse = {0, 4, 3, 2, 1, 5, 6, 7, 8, 9};

// Row 0 is the identity; every further row applies the first permutation once more.
constexpr Table permutationTable()
{
    constexpr std::array<int, 10> first = {1, 5, 7, 6, 2, 8, 3, 0, 9, 4};
    Table table{};
    for (int x = 0; x < 10; ++x)
        table[0][x] = x;
    for (int row = 1; row < 8; ++row)
        for (int x = 0; x < 10; ++x)
            table[row][x] = first[table[row - 1][x]];
    return table;
}

constexpr Table kPermutation = permutationTable();

// Longest number accepted: with two digits appended, four of them still add up inside 64 bits.
constexpr qsizetype kMaxDigits = 16;
// Beyond it a double holds no fraction any more, and no invoice comes near it.
constexpr double kLargestAmount = 1e16;

bool isAllDigits(const QString& text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

QString numberError(const QString& text, const QString& subject)
{
    if (!isAllDigits(text))
        return subject + QStringLiteral(" debe contener solo digitos");
    if (text.size() > kMaxDigits)
        return subject + QStringLiteral(" tiene demasiados digitos");
    return {};
}

QByteArray rc4(const QByteArray& message, QByteArray key)
{
    // An empty key would leave the key schedule without bytes; it acts as a single zero byte.
    if (key.isEmpty())
        key = QByteArray(1, '\0');
    std::array<quint8, 256> state;
    for (int i = 0; i < 256; ++i)
        state[i] = quint8(i);
    int j = 0;
    for (int i = 0; i < 256; ++i) {
        j = (j + state[i] + quint8(key.at(i % key.size()))) % 256;
        std::swap(state[i], state[j]);
    }
    QByteArray output(message.size(), '\0');
    int x = 0;
    int y = 0;
    for (qsizetype n = 0; n < message.size(); ++n) {
        x = (x + 1) % 256;
        y = (y + state[x]) % 256;
        std::swap(state[x], state[y]);
        output[n] = char(state[(state[x] + state[y]) % 256] ^ quint8(message.at(n)));
    }
    return output;
}

QString withTwoVerhoeffDigits(QString digits)
{
    for (int i = 0; i < 2; ++i)
        digits += VerhoeffDigit(digits);
    return digits;
}

}

QString VerhoeffDigit(const QString& digits)
{
    int check = 0;
    const qsizetype length = digits.size();
    for (qsizetype k = 0; k < length; ++k) {
        const int digit = digits.at(length - 1 - k).unicode() - '0';
        check = kMultiplication[check][kPermutation[(k + 1) % 8][digit]];
    }
    return QString::number(kInverse[check]);
}

QString AllegedRc4Hex(const QString& message, const QString& key)
{
    return QString::fromLatin1(rc4(message.toLatin1(), key.toLatin1()).toHex().toUpper());
}

QString AllegedRc4HexDashed(const QString& message, const QString& key)
{
    return QString::fromLatin1(rc4(message.toLatin1(), key.toLatin1()).toHex('-').toUpper());
}

QString Base64Positional(quint64 number)
{
    static const char alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz+/";
    QString text;
    do {
        text.prepend(QLatin1Char(alphabet[number % 64]));
        number /= 64;
    } while (number > 0);
    return text;
}

qint64 RoundInvoiceAmount(double amount)
{
    if (!(std::fabs(amount) < kLargestAmount))
        return -1;
    // Totals are money: settle the fraction to cents first, so 0.7 - 0.2 held as 0.4999... still
    // counts as half. The whole part stays apart, where it is exact.
    const double whole = std::floor(amount);
    const qint64 cents = std::llround((amount - whole) * 100.0);
    return qint64(whole) + (cents >= 50 ? 1 : 0);
}

QString ValidateControlCodeInput(const QString& invoiceNumber, const QString& nitCi, const QString& date, const QString& amount)
{
    if (QString error = numberError(invoiceNumber, QStringLiteral("El numero de factura")); !error.isEmpty())
        return error;
    if (QString error = numberError(nitCi, QStringLiteral("El NIT/CI")); !error.isEmpty())
        return error;
    if (date.size() != 8 || !isAllDigits(date) || !QDate::fromString(date, QStringLiteral("yyyyMMdd")).isValid())
        return QStringLiteral("La fecha debe ser una fecha valida en la forma AAAAMMDD");
    return numberError(amount, QStringLiteral("El monto"));
}

ControlCodeSteps ComputeControlCodeSteps(const QString& invoiceNumber, const QString& nitCi, const QString& date,
                                         const QString& amount, const QString& dosageKey, const QString& authorizationNumber)
{
    ControlCodeSteps steps;
    steps.error = ValidateControlCodeInput(invoiceNumber, nitCi, date, amount);
    if (!steps.ok())
        return steps;

    const std::array<QString, 4> numbers = {withTwoVerhoeffDigits(invoiceNumber), withTwoVerhoeffDigits(nitCi),
                                            withTwoVerhoeffDigits(date), withTwoVerhoeffDigits(amount)};
    quint64 total = 0;
    for (const QString& number : numbers)
        total += number.toULongLong();

    QString sumText = QString::number(total);
    for (int i = 0; i < 5; ++i) {
        const QString digit = VerhoeffDigit(sumText);
        sumText += digit;
        steps.verhoeffDigits += digit;
    }
    std::array<int, 5> pieceLengths{};
    for (int i = 0; i < 5; ++i)
        pieceLengths[i] = steps.verhoeffDigits.at(i).unicode() - '0' + 1;

    steps.message = authorizationNumber;
    qsizetype keyPosition = 0;
    for (int i = 0; i < 5; ++i) {
        steps.message += dosageKey.mid(keyPosition, pieceLengths[i]);
        keyPosition += pieceLengths[i];
        if (i < 4)
            steps.message += numbers[i];
    }

    const QString cipherKey = dosageKey + steps.verhoeffDigits;
    const QString hex = AllegedRc4Hex(steps.message, cipherKey);
    std::array<quint64, 5> partialSums{};
    for (qsizetype i = 0; i < hex.size(); ++i)
        partialSums[i % 5] += hex.at(i).unicode();
    quint64 grandSum = 0;
    for (const quint64 partial : partialSums)
        grandSum += partial;
    for (int i = 0; i < 5; ++i)
        steps.sum += grandSum * partialSums[i] / quint64(pieceLengths[i]);

    steps.base64 = Base64Positional(steps.sum);
    steps.code = AllegedRc4HexDashed(steps.base64, cipherKey);
    return steps;
}

QString GenerateControlCode(const QString& invoiceNumber, const QString& nitCi, const QString& date, const QString& amount,
                            const QString& dosageKey, const QString& authorizationNumber, QString* error)
{
    const ControlCodeSteps steps = ComputeControlCodeSteps(invoiceNumber, nitCi, date, amount, dosageKey, authorizationNumber);
    if (error)
        *error = steps.error;
    return steps.code;
}

}
