#include "cash/CashClosing.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/SharedFunctions.h"
#include "data/UDataModule.h"

namespace CashClosing {

namespace {

struct FigureQuery {
    const char* sql;
    QChar state;  // bound after the session id; null when the statement has none
};

// In the order of the progress bar. Every condition is served by the session's covering index.
// A cash purchase on a receipt keeps the cash handed over in TotalE and the change the supplier
// gave back in Saldo (an invoice purchase has Saldo 0): what left the till is the difference. A
// credit purchase keeps the down payment in TotalE and the debt in Saldo.
const FigureQuery kQueries[20] = {
    {"SELECT SUM(TotalE) FROM Ventas WHERE (IdCaja=?)AND(FormaP=1)AND(Estado=?)", u'V'},
    {"SELECT SUM(TotalE) FROM Ventas WHERE (IdCaja=?)AND(FormaP=2)AND(Estado=?)", u'V'},
    {"SELECT SUM(TotalE) FROM SaldoV WHERE (IdCaja=?)AND(Estado=1)", QChar()},
    {"SELECT SUM(TotalE) FROM Ventas WHERE (IdCaja=?)AND(FormaP=3)AND(Estado=?)", u'V'},
    {"SELECT SUM(Saldo) FROM Ventas WHERE (IdCaja=?)AND(FormaP=2)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Ventas WHERE (IdCaja=?)AND(FormaP=1)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Ventas WHERE (IdCaja=?)AND(FormaP=2)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Ventas WHERE (IdCaja=?)AND(FormaP=3)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Ventas WHERE (IdCaja=?)AND(FormaP=0)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Ventas WHERE (IdCaja=?)AND(Estado=?)", u'A'},
    {"SELECT SUM(TotalE-Saldo) FROM Compras WHERE (IdCaja=?)AND(FormaP=1)AND(Estado=?)", u'V'},
    {"SELECT SUM(TotalE) FROM Compras WHERE (IdCaja=?)AND(FormaP=2)AND(Estado=?)", u'V'},
    {"SELECT SUM(TotalE) FROM SaldoC WHERE (IdCaja=?)AND(Estado=1)", QChar()},
    {"SELECT SUM(TotalE) FROM Compras WHERE (IdCaja=?)AND(FormaP=3)AND(Estado=?)", u'V'},
    {"SELECT SUM(Saldo) FROM Compras WHERE (IdCaja=?)AND(FormaP=2)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Compras WHERE (IdCaja=?)AND(FormaP=1)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Compras WHERE (IdCaja=?)AND(FormaP=2)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Compras WHERE (IdCaja=?)AND(FormaP=3)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Compras WHERE (IdCaja=?)AND(FormaP=0)AND(Estado=?)", u'V'},
    {"SELECT COUNT(*) FROM Compras WHERE (IdCaja=?)AND(Estado=?)", u'A'},
};

QString notOpen(const QString& sessionId)
{
    return QStringLiteral("La CAJA %1 ya no esta abierta; no se guardo el cierre").arg(sessionId);
}

double storedInitialAmount(const QString& sessionId)
{
    return TDataModule1::instance().query(QStringLiteral("SELECT CInicial FROM Caja WHERE IdCaja=?"), {sessionId}).amount(0);
}

// The figures into the session row, which they mark closed; only while it is still open.
void storeFigures(const QString& sessionId, const ClosingFigures& f)
{
    const int changed = TDataModule1::instance().execute(
        QStringLiteral("UPDATE Caja SET VentasEf=?, VentasCr=?, VentasDo=?, ComprasEf=?, ComprasCr=?, ComprasDo=?, "
                       "Traspaso=?, Saldo=?, SobFal=?, PCobrar=?, PPagar=?, NVentasEf=?, NVentasCr=?, NVentasDo=?, "
                       "NVentasSC=?, NComprasEf=?, NComprasCr=?, NComprasDo=?, NComprasSC=?, NVentasA=?, NComprasA=?, "
                       "Estado=0 WHERE IdCaja=? AND Estado=1"),
        {f.VentasEf,   f.VentasCr,   f.VentasDo,   f.ComprasEf, f.ComprasCr, f.ComprasDo, f.Traspaso,  f.Saldo,
         f.SobFal,     f.PCobrar,    f.PPagar,     f.NVentasEf, f.NVentasCr, f.NVentasDo, f.NVentasSC, f.NComprasEf,
         f.NComprasCr, f.NComprasDo, f.NComprasSC, f.NVentasA,  f.NComprasA, sessionId});
    if (changed != 1)
        throw DatabaseError(notOpen(sessionId));
}

// The stock at hand becomes the next session's starting intake; the outflow starts again at 0.
void rollStockOver()
{
    TDataModule1::instance().execute(QStringLiteral("UPDATE Productos SET Ingreso=Ingreso-Egreso, Egreso=0 WHERE Estado=1"));
}

}

QStringList FigureStatements()
{
    QStringList statements;
    for (const FigureQuery& q : kQueries)
        statements << QString::fromLatin1(q.sql);
    return statements;
}

ClosingFigures Calculate(const QString& sessionId, double initialAmount, double countedCash, double transfer,
                         const Progress& progress)
{
    auto& db = TDataModule1::instance();
    const ReadTransaction snapshot(db);
    double values[20] = {};
    for (int i = 0; i < 20; ++i) {
        QVariantList bound{sessionId};
        if (!kQueries[i].state.isNull())
            bound << QString(kQueries[i].state);
        values[i] = db.query(QString::fromLatin1(kQueries[i].sql), bound).amount(0);
        if (progress)
            progress(i + 2);
    }

    ClosingFigures f;
    f.InitialAmount = initialAmount;
    f.VentasEf = Formats::RoundCents(values[0] + values[1]);
    f.VentasCr = values[2];
    f.VentasDo = values[3];
    f.PCobrar = values[4];
    f.NVentasEf = int(values[5]);
    f.NVentasCr = int(values[6]);
    f.NVentasDo = int(values[7]);
    f.NVentasSC = int(values[8]);
    f.NVentasA = int(values[9]);
    f.ComprasEf = Formats::RoundCents(values[10] + values[11]);
    f.ComprasCr = values[12];
    f.ComprasDo = values[13];
    f.PPagar = values[14];
    f.NComprasEf = int(values[15]);
    f.NComprasCr = int(values[16]);
    f.NComprasDo = int(values[17]);
    f.NComprasSC = int(values[18]);
    f.NComprasA = int(values[19]);
    f.CountedCash = countedCash;
    f.Traspaso = transfer;
    f.Saldo = Formats::RoundCents(countedCash - transfer);
    // Rounded to cents: binary noise must never print a shortage of 0.00.
    f.SobFal = Formats::RoundCents(countedCash - (f.cashIn() + initialAmount - f.cashOut()));
    return f;
}

ClosingFigures Preview(const QString& sessionId, double countedCash, double transfer)
{
    const ReadTransaction snapshot;
    return Calculate(sessionId, storedInitialAmount(sessionId), countedCash, transfer);
}

QString Close(const QString& sessionId, double countedCash, double transfer, ClosingFigures* closed, const Progress& progress)
{
    WriteTransaction transaction;
    if (!CashSessionIsOpen(sessionId))
        return notOpen(sessionId);
    const ClosingFigures f = Calculate(sessionId, storedInitialAmount(sessionId), countedCash, transfer, progress);
    storeFigures(sessionId, f);
    if (progress)
        progress(22);
    rollStockOver();
    if (progress)
        progress(23);
    transaction.commit();
    if (closed)
        *closed = f;
    return {};
}

void Store(const QString& sessionId, const ClosingFigures& f)
{
    WriteTransaction transaction;
    storeFigures(sessionId, f);
    rollStockOver();
    transaction.commit();
}

}
