#include "cash/CashOpening.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"

namespace CashOpening {

double LatestBalance()
{
    return TDataModule1::instance()
        .query(QStringLiteral("SELECT Saldo FROM Caja WHERE IdCaja=(SELECT MAX(IdCaja) FROM Caja)"))
        .amount(0);
}

QString CheckDate(const QDate& date)
{
    const SqlRows latest =
        TDataModule1::instance().query(QStringLiteral("SELECT Fecha FROM Caja ORDER BY IdCaja DESC LIMIT 1"));
    if (latest.isEmpty())
        return {};
    if (latest.date(0) == date)
        return QStringLiteral("La Caja ya ha sido abierta y cerrada en esa Fecha");
    if (latest.date(0) >= date)
        return QStringLiteral("No se puede Abrir Caja en fechas anteriores a la ultima apertura realizada");
    return {};
}

QString Open(const QDate& date, double added, const QString& cashier)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    // Checked again under the write lock: another station may have opened since.
    if (const QString refusal = CheckDate(date); !refusal.isEmpty())
        return refusal;
    // Another station may have opened one since this one logged in: two open sessions would
    // split the day's money between them.
    if (db.query(QStringLiteral("SELECT COUNT(*) FROM Caja WHERE Estado=1")).integer(0) > 0)
        return QStringLiteral("Ya existe una CAJA abierta en otra estacion; cierre la sesion y vuelva a ingresar");

    const double initialAmount = Formats::RoundCents(LatestBalance() + added);
    const QString id = AllocateKey(CashSessionCounter, [&](const QString& key) {
        db.execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero) VALUES(?, ?, ?, ?)"),
                   {key, Formats::IsoDate(date), initialAmount, cashier});
    });
    db.execute(QStringLiteral("UPDATE Codigos SET StockVD='S' WHERE IdC=1"));
    transaction.commit();

    SessionState& s = SessionState::current();
    s.CashSessionId = id;
    s.WorkDate = date;
    s.CashInitialAmount = initialAmount;
    s.CashOpen = 1;
    return {};
}

QString AddToInitialAmount(const QString& sessionId, double added)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    if (!CashSessionIsOpen(sessionId))
        return QStringLiteral("La CAJA %1 ya no esta abierta; no se actualizo el Saldo Inicial").arg(sessionId);
    const double stored = db.query(QStringLiteral("SELECT CInicial FROM Caja WHERE IdCaja=?"), {sessionId}).amount(0);
    const double raised = Formats::RoundCents(stored + added);
    db.execute(QStringLiteral("UPDATE Caja SET CInicial=? WHERE IdCaja=?"), {raised, sessionId});
    transaction.commit();
    SessionState::current().CashInitialAmount = raised;
    return {};
}

}
