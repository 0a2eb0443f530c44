#include "data/StockMoves.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/UDataModule.h"

#include <cmath>

namespace {

// The statements are fixed texts; only the values are bound.
bool Move(const QString& statement, const QString& productId, double quantity)
{
    if (!std::isfinite(quantity) || quantity <= 0)
        throw DatabaseError(
            QStringLiteral("Cantidad no valida para el movimiento de stock: %1").arg(Formats::General(quantity)));
    return TDataModule1::instance().execute(statement, {quantity, productId}) > 0;
}

}

namespace StockMoves {

bool AddOutflow(const QString& productId, double quantity)
{
    return Move(QStringLiteral("UPDATE Productos SET Egreso=Egreso+? WHERE IdProducto=?"), productId, quantity);
}

bool ReturnOutflow(const QString& productId, double quantity)
{
    return Move(QStringLiteral("UPDATE Productos SET Egreso=Egreso-? WHERE IdProducto=?"), productId, quantity);
}

bool AddIntake(const QString& productId, double quantity)
{
    return Move(QStringLiteral("UPDATE Productos SET Ingreso=Ingreso+? WHERE IdProducto=?"), productId, quantity);
}

bool RemoveIntake(const QString& productId, double quantity)
{
    return Move(QStringLiteral("UPDATE Productos SET Ingreso=Ingreso-? WHERE IdProducto=?"), productId, quantity);
}

bool SetCountedStock(const QString& productId, double counted)
{
    if (!std::isfinite(counted) || counted < 0)
        throw DatabaseError(QStringLiteral("Cantidad fisica no valida: %1").arg(Formats::General(counted)));
    return TDataModule1::instance().execute(QStringLiteral("UPDATE Productos SET Egreso=Ingreso-? WHERE IdProducto=?"),
                                            {counted, productId})
           > 0;
}

bool RollOver(const QString& productId)
{
    return TDataModule1::instance().execute(
               QStringLiteral("UPDATE Productos SET Ingreso=Ingreso-Egreso, Egreso=0 WHERE IdProducto=?"), {productId})
           > 0;
}

bool ResetStock(const QString& productId)
{
    return TDataModule1::instance().execute(QStringLiteral("UPDATE Productos SET Ingreso=0, Egreso=0 WHERE IdProducto=?"),
                                            {productId})
           > 0;
}

}
