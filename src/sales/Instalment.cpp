#include "sales/Instalment.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"

#include <QRegularExpression>
#include <cmath>

const QString Instalment::QuestionText = QStringLiteral("Esta Seguro de Amortizar esta Deuda?...");

namespace {

qint64 Cents(double amount) { return std::llround(Formats::RoundCents(amount) * 100.0); }
double Amount(qint64 cents) { return double(cents) / 100.0; }

InstalmentResult Refused(const QString& message)
{
    InstalmentResult result;
    result.message = message;
    return result;
}

QString Sql(const char* pattern, const DebtTables& t)
{
    return QString::fromLatin1(pattern)
        .replace(QLatin1String("{table}"), QLatin1String(t.table))
        .replace(QLatin1String("{key}"), QLatin1String(t.key))
        .replace(QLatin1String("{date}"), QLatin1String(t.date))
        .replace(QLatin1String("{name}"), QLatin1String(t.name))
        .replace(QLatin1String("{payments}"), QLatin1String(t.payments));
}

QString What(DebtSide side) { return side == DebtSide::Purchases ? QStringLiteral("compra") : QStringLiteral("venta"); }

}

InstalmentInput InstalmentInput::fromSession(DebtSide side, const QString& key, const QString& amountText)
{
    const SessionState& s = SessionState::current();
    return {side, key, amountText, s.CashSessionId, s.WorkDate, s.UserLogin};
}

QString Instalment::QuestionTitle(DebtSide side)
{
    return side == DebtSide::Purchases ? QStringLiteral("Pagar Deuda") : QStringLiteral("Saldar Deuda");
}

bool Instalment::ParseCents(const QString& text, qint64* cents)
{
    static const QRegularExpression amount(QStringLiteral("^([0-9]{0,10})(?:\\.([0-9]{0,2}))?$"));
    const QRegularExpressionMatch m = amount.match(text.trimmed());
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty()))
        return false;
    if (cents)
        *cents = m.captured(1).toLongLong() * 100 + m.captured(2).leftJustified(2, QLatin1Char('0')).toLongLong();
    return true;
}

QString Instalment::NotAnAmount(const QString& text)
{
    return QStringLiteral("'%1' no es un monto valido: escriba el monto en Bs. con punto y hasta dos decimales "
                          "(por ejemplo 25.50)")
        .arg(text);
}

InstalmentResult Instalment::Pay(const InstalmentInput& in)
{
    qint64 amount = 0;
    if (!ParseCents(in.amountText, &amount)) {
        InstalmentResult result = Refused(NotAnAmount(in.amountText));
        result.conversionError = true;
        return result;
    }
    const DebtTables& t = TablesOf(in.side);
    TDataModule1& db = TDataModule1::instance();
    WriteTransaction transaction;
    if (!CashSessionIsOpen(in.cashSessionId))
        return Refused(QStringLiteral("La CAJA no esta Abierta"));
    const SqlRows debt = db.query(
        Sql("SELECT TotalF, TotalE, Saldo, Estado, FormaP, IdCaja, {date}, NitCI, {name} FROM {table} WHERE {key}=?", t),
        {in.key});
    if (debt.isEmpty())
        return Refused(QStringLiteral("La %1 con Nº de Orden %2 ya no existe; no se registro el pago.")
                           .arg(What(in.side), OrderNumberOf(in.key)));
    if (debt.text(3).compare(QLatin1String("V"), Qt::CaseInsensitive) != 0)
        return Refused(QStringLiteral("La %1 con Nº de Orden %2 fue anulada; no se registro el pago.")
                           .arg(What(in.side), OrderNumberOf(in.key)));
    if (debt.integer(4) != 2)
        return Refused(QStringLiteral("La deuda de la %1 con Nº de Orden %2 ya fue saldada; no se registro el pago.")
                           .arg(What(in.side), OrderNumberOf(in.key)));
    const qint64 total = Cents(debt.amount(0));
    const qint64 paid = Cents(debt.amount(1));
    const qint64 owed = Cents(debt.amount(2));
    if (amount > owed)
        return Refused(QStringLiteral("El monto a amortizar (%1) es mayor que el saldo de la deuda (%2); no se "
                                      "registro el pago.")
                           .arg(Formats::Money(Amount(amount)), Formats::Money(Amount(owed))));

    const qint64 left = owed - amount;
    db.execute(Sql("UPDATE {table} SET TotalE=?, Saldo=?, FormaP=? WHERE {key}=?", t),
               {Amount(paid + amount), Amount(left), left == 0 ? 1 : 2, in.key});
    const bool earlierSession = debt.text(5).compare(in.cashSessionId, Qt::CaseInsensitive) != 0;
    if (earlierSession)
        db.execute(Sql("INSERT INTO {payments}(TotalE, {key}, IdCaja, FechaR, Cajero) VALUES(?, ?, ?, ?, ?)", t),
                   {Amount(amount), in.key, in.cashSessionId, Formats::IsoDate(in.workDate), in.cashier});
    transaction.commit();

    InstalmentResult result;
    result.stored = true;
    result.paymentRow = earlierSession;
    InstalmentVoucher& v = result.voucher;
    v.purchase = in.side == DebtSide::Purchases;
    v.orderNumber = OrderNumberOf(in.key);
    v.date = debt.date(6);
    v.paymentDate = in.workDate;
    v.nitCi = debt.text(7);
    v.name = debt.text(8);
    v.total = Amount(total);
    v.paidBefore = Amount(paid);
    v.amount = Amount(amount);
    v.balance = Amount(left);
    return result;
}
