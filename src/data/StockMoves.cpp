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
        throw DatabaseError(QStringLiteral("Cantidad no valida para el movimiento de stock: %1")
                                .arg(Formats::General(quantity)));
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

}
