#include "data/SharedFunctions.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"

#include <cmath>

namespace {

const char* const kUnits[] = {"",     "UN",    "DOS",  "TRES", "CUATRO", "CINCO", "SEIS",    "SIETE",
                              "OCHO", "NUEVE", "DIEZ", "ONCE", "DOCE",   "TRECE", "CATORCE", "QUINCE"};
const char* const kHundreds[] = {"",           "CIENTO",      "DOSCIENTOS",  "TRESCIENTOS", "CUATROCIENTOS",
                                 "QUINIENTOS", "SEISCIENTOS", "SETECIENTOS", "OCHOCIENTOS", "NOVECIENTOS"};
const char* const kTens[] = {"",          "DIECI",   "VEINTI",  "TREINTA", "CUARENTA",
                             "CINCUENTA", "SESENTA", "SETENTA", "OCHENTA", "NOVENTA"};

QString counterColumn(int counter)
{
    switch (counter) {
    case CashSessionCounter: return QStringLiteral("IdCaja");
    case SaleCounter: return QStringLiteral("IdVenta");
    case PurchaseCounter: return QStringLiteral("IdCompra");
    case ProductCounter: return QStringLiteral("IdProducto");
    case DeliveryCounter: return QStringLiteral("IdEgreso");
    }
    throw DatabaseError(QStringLiteral("Contador desconocido: %1").arg(counter));
}

}

QString PadNextId(qint64 n) { return QString::number(n + 1).rightJustified(9, QLatin1Char('0')); }

QString PadInvoiceNumber(qint64 n) { return QString::number(n).rightJustified(8, QLatin1Char('0')); }

QString NextCounterId(int counter)
{
    // The column name comes from the fixed list above, never from input.
    const SqlRows rows =
        TDataModule1::instance().query(QStringLiteral("SELECT %1 FROM Codigos WHERE IdC=1").arg(counterColumn(counter)));
    return PadNextId(rows.integer(0));
}

void AdvanceCounter(int counter)
{
    const QString column = counterColumn(counter);
    TDataModule1::instance().execute(QStringLiteral("UPDATE Codigos SET %1=%1+1 WHERE IdC=1").arg(column));
}

QChar CounterLetter(int counter)
{
    switch (counter) {
    case CashSessionCounter: return QLatin1Char('C');
    case SaleCounter: return QLatin1Char('V');
    case DeliveryCounter: return QLatin1Char('E');
    default: return QLatin1Char('P');
    }
}

namespace {

// Advancing the counter first takes its row's lock on a server, so a second station's allocation
// waits for this transaction's end and then reads the counter after it.
QString takeKey(int counter, const std::function<void(const QString& key)>& insertRow)
{
    WriteTransaction transaction;
    const QString column = counterColumn(counter);
    const qint64 taken = TDataModule1::instance()
                             .query(QStringLiteral("UPDATE Codigos SET %1=%1+1 WHERE IdC=1 RETURNING %1").arg(column))
                             .integer(0);
    const QString key = CounterLetter(counter) + PadNextId(taken - 1);
    insertRow(key);
    transaction.commit();
    return key;
}

}

QString AllocateKey(int counter, const std::function<void(const QString& key)>& insertRow)
{
    // Inside the caller's transaction a conflict undoes the caller's work too: only the caller can
    // run it again. Alone, the allocation is tried again a few times before the user is told.
    const bool alone = TDataModule1::instance().transactionDepth() == 0;
    for (int attempt = 1;; ++attempt) {
        try {
            return takeKey(counter, insertRow);
        } catch (const DatabaseError& e) {
            if (!alone || attempt >= 3 || e.kind() != DatabaseError::Kind::Conflict)
                throw;
        }
    }
}

QStringList AllocateKeys(int counter, int count)
{
    if (TDataModule1::instance().transactionDepth() == 0)
        throw DatabaseError(QStringLiteral("Las claves de varias filas se toman dentro de una transaccion"));
    if (count <= 0)
        return {};
    const QString column = counterColumn(counter);
    const qint64 last = TDataModule1::instance()
                            .query(QStringLiteral("UPDATE Codigos SET %1=%1+? WHERE IdC=1 RETURNING %1").arg(column), {count})
                            .integer(0);
    QStringList keys;
    keys.reserve(count);
    for (qint64 taken = last - count + 1; taken <= last; ++taken)
        keys << CounterLetter(counter) + PadNextId(taken - 1);
    return keys;
}

qint64 ReadInvoiceCounter()
{
    // Read for the invoice about to be written, the server's row lock keeps the number this
    // station's until its commit.
    TDataModule1& db = TDataModule1::instance();
    const bool forWriting = db.onServer() && db.transactionDepth() > 0;
    return db
        .query(forWriting ? QStringLiteral("SELECT NFactura FROM DatosC FOR UPDATE")
                          : QStringLiteral("SELECT NFactura FROM DatosC"))
        .integer(0);
}

void AdvanceInvoiceCounter() { TDataModule1::instance().execute(QStringLiteral("UPDATE DatosC SET NFactura=NFactura+1")); }

bool CashSessionIsOpen(const QString& sessionId)
{
    return TDataModule1::instance()
               .query(QStringLiteral("SELECT COUNT(*) FROM Caja WHERE IdCaja=? AND Estado=1"), {sessionId})
               .integer(0)
           > 0;
}

bool FindOpenCashSession()
{
    const SqlRows rows = TDataModule1::instance().query(
        QStringLiteral("SELECT IdCaja, Fecha, CInicial FROM Caja WHERE Estado=1 ORDER BY IdCaja"));
    if (rows.isEmpty())
        return false;
    SessionState& session = SessionState::current();
    session.CashSessionId = CutToWidth(rows.text(0), 10);
    session.WorkDate = rows.date(1);
    session.CashInitialAmount = rows.amount(2);
    return true;
}

QString HundredsInWords(int n)
{
    if (n == 100)
        return QStringLiteral(" CIEN ");
    QString words;
    const int h = n / 100, r = n % 100, t = r / 10, u = n % 10;
    if (h > 0)
        words += QLatin1String(kHundreds[h]) + QLatin1Char(' ');
    if (r == 20) {
        words += QStringLiteral(" VEINTE ");
    } else if (r >= 16) {
        words += QLatin1Char(' ') + QLatin1String(kTens[t]);
        if (t > 2 && u > 0)
            words += QStringLiteral(" Y ");
        if (u > 0)
            words += QLatin1String(kUnits[u]);
    } else if (r > 0) {
        words += QLatin1String(kUnits[r]);
    }
    return words;
}

QString NumberInWords(qint64 n)
{
    if (n == 0)
        return QStringLiteral("CERO");
    QString words;
    if (n < 0) {
        words = QStringLiteral("MENOS ");
        n = -n;
    }
    if (n == 1)
        return words + QStringLiteral("UN");
    const qint64 millions = n / 1000000;
    const int thousands = int((n % 1000000) / 1000);
    const int rest = int(n % 1000);
    if (millions == 1)
        words += QStringLiteral(" UN MILLON ");
    else if (millions > 999)  // beyond the word tables: thousands of millions, in words as well
        words += NumberInWords(millions) + QStringLiteral(" MILLONES ");
    else if (millions > 1)
        words += HundredsInWords(int(millions)) + QStringLiteral(" MILLONES ");
    if (thousands == 1)
        words += QStringLiteral(" MIL ");
    else if (thousands > 1)
        words += HundredsInWords(thousands) + QStringLiteral(" MIL ");
    if (rest > 0)
        words += HundredsInWords(rest);
    return words;
}

QString AmountInWords(const QString& amountText)
{
    double value = 0;
    if (!Formats::ParseAmount(amountText, &value))
        return {};
    qint64 whole = qint64(std::trunc(value));
    qint64 cents = std::llround(std::fabs(value - double(whole)) * 100.0);
    if (cents == 100) {  // 0.999 and the like: a whole unit more
        whole += value < 0 ? -1 : 1;
        cents = 0;
    }
    const QString centsText = cents == 0 ? QStringLiteral("00") : QString::number(cents);
    return NumberInWords(whole) + QLatin1Char(' ') + centsText + QStringLiteral("/100 Bs");
}

QString TrimRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QStringList WrapText(const QString& text, int width)
{
    if (text.size() < width)
        width = int(text.size());
    width = qMax(width, 1);
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '), start + width);
        if (blank < 0) {
            lines << text.mid(start).trimmed();
            break;
        }
        lines << text.mid(start, blank - start).trimmed();
        start = blank + 1;
    }
    return lines;
}

QString InvoiceLegendText(const QString& leyenda) { return QStringLiteral("LEY Nº 453: \"") + leyenda + QLatin1Char('"'); }

QStringList InvoiceLegendLines(const QString& leyenda)
{
    return leyenda.isEmpty() ? QStringList() : WrapText(InvoiceLegendText(leyenda), 30);
}
