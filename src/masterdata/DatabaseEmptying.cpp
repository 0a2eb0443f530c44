#include "masterdata/DatabaseEmptying.h"

#include "data/ClockSeam.h"
#include "data/DatabaseCopy.h"
#include "data/UDataModule.h"

namespace DatabaseEmptying {

namespace {
qint64 CountOf(const QString& sql) { return TDataModule1::instance().query(sql).integer(0); }
}

QString Summary::question() const
{
    return QStringLiteral("Se eliminaran %1 cajas, %2 ventas (%3 facturadas), %4 compras, %5 entregas y %6 pagos; "
                          "el stock de todos los productos quedara en 0. Antes se guardara una copia de la base de "
                          "datos. ¿Continuar?")
        .arg(sessions)
        .arg(sales)
        .arg(invoiced)
        .arg(purchases)
        .arg(deliveries)
        .arg(payments);
}

Summary Count()
{
    Summary s;
    s.sessions = CountOf(QStringLiteral("SELECT COUNT(*) FROM Caja"));
    s.sales = CountOf(QStringLiteral("SELECT COUNT(*) FROM Ventas"));
    s.invoiced = CountOf(QStringLiteral("SELECT COUNT(*) FROM Ventas WHERE NroFact > 0"));
    s.purchases = CountOf(QStringLiteral("SELECT COUNT(*) FROM Compras"));
    s.deliveries = CountOf(QStringLiteral("SELECT COUNT(*) FROM EntregaI"));
    s.payments =
        CountOf(QStringLiteral("SELECT COUNT(*) FROM SaldoV")) + CountOf(QStringLiteral("SELECT COUNT(*) FROM SaldoC"));
    return s;
}

QString BackUp(QString* copyPath)
{
    auto& db = TDataModule1::instance();
    const QString target =
        DatabaseCopy::besideDatabase(db.path(), QStringLiteral("antes-de-vaciar"), ClockSeam::current().now());
    if (const QString failure = DatabaseCopy::write(db, target); !failure.isEmpty())
        return failure;
    if (copyPath)
        *copyPath = target;
    return {};
}

void Empty()
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    db.execute(QStringLiteral("DELETE FROM Caja"));
    db.execute(QStringLiteral("UPDATE Codigos SET IdCaja=0, IdVenta=0, IdCompra=0, IdEgreso=0 WHERE IdC=1"));
    db.execute(QStringLiteral("UPDATE Productos SET Ingreso=0, Egreso=0"));
    transaction.commit();
}

}
