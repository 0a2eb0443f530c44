#include "sales/InstalmentAnnulment.h"

#include "data/Formats.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"

#include <cmath>

const QString InstalmentAnnulment::QuestionTitle = QStringLiteral("Anular Amortización");
const QString InstalmentAnnulment::Question = QStringLiteral("Esta Seguro de Anular esta Amortización?...");

namespace {

qint64 Cents(double amount) { return std::llround(Formats::RoundCents(amount) * 100.0); }
double Amount(qint64 cents) { return double(cents) / 100.0; }

InstalmentAnnulment::Result Refused(const QString& message) { return {false, message}; }

QString Sql(const char* pattern, const DebtTables& t)
{
    return QString::fromLatin1(pattern)
        .replace(QLatin1String("{table}"), QLatin1String(t.table))
        .replace(QLatin1String("{key}"), QLatin1String(t.key))
        .replace(QLatin1String("{payments}"), QLatin1String(t.payments))
        .replace(QLatin1String("{paymentKey}"), QLatin1String(t.paymentKey));
}

}

InstalmentAnnulment::Result InstalmentAnnulment::Annul(DebtSide side, qint64 paymentId, const QString& cashSessionId)
{
    const DebtTables& t = TablesOf(side);
    TDataModule1& db = TDataModule1::instance();
    WriteTransaction transaction;
    if (!CashSessionIsOpen(cashSessionId))
        return Refused(QStringLiteral("La CAJA no esta Abierta"));
    const SqlRows payment = db.query(Sql("SELECT TotalE, {key} FROM {payments} WHERE {paymentKey}=?", t), {paymentId});
    const QString gone = QStringLiteral("Esta amortización ya fue anulada; no se cambio nada.");
    if (payment.isEmpty())
        return Refused(gone);
    const qint64 amount = Cents(payment.amount(0));
    const QString key = payment.text(1);
    const SqlRows debt = db.query(Sql("SELECT Estado, TotalE, Saldo FROM {table} WHERE {key}=?", t), {key});
    if (debt.text(0).compare(QLatin1String("V"), Qt::CaseInsensitive) != 0)
        return Refused(
            QStringLiteral("La %1 con Nº de Orden %2 fue anulada: su amortización no se puede anular.")
                .arg(side == DebtSide::Purchases ? QStringLiteral("compra") : QStringLiteral("venta"), OrderNumberOf(key)));
    if (db.execute(Sql("DELETE FROM {payments} WHERE {paymentKey}=?", t), {paymentId}) != 1)
        return Refused(gone);
    db.execute(Sql("UPDATE {table} SET TotalE=?, Saldo=?, FormaP=2 WHERE {key}=?", t),
               {Amount(Cents(debt.amount(1)) - amount), Amount(Cents(debt.amount(2)) + amount), key});
    transaction.commit();
    return {true, QString()};
}
