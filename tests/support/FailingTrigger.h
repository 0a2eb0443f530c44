#pragma once
#include "data/UDataModule.h"

// A trigger that makes one kind of write fail ("fallo de prueba"), to show that an operation
// failing half-way leaves nothing behind. Written for the engine the shop is on.
//   timing: "BEFORE INSERT ON Ventas"; condition: "NEW.IdProducto='P000000008'" or empty.
inline void CreateFailingTrigger(TDataModule1& db, const QString& timing, const QString& condition = {})
{
    if (db.onServer()) {
        db.execute(QStringLiteral("CREATE OR REPLACE FUNCTION fallo() RETURNS trigger LANGUAGE plpgsql AS "
                                  "'BEGIN RAISE EXCEPTION ''fallo de prueba''; END'"));
        db.execute(QStringLiteral("CREATE TRIGGER fallo %1 FOR EACH ROW %2 EXECUTE FUNCTION fallo()")
                       .arg(timing, condition.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(condition)));
    } else {
        db.execute(QStringLiteral("CREATE TRIGGER fallo %1 %2 BEGIN SELECT RAISE(ABORT, 'fallo de prueba'); END")
                       .arg(timing, condition.isEmpty() ? QString() : QStringLiteral("WHEN %1").arg(condition)));
    }
}

inline void DropFailingTrigger(TDataModule1& db, const QString& table)
{
    db.execute(db.onServer() ? QStringLiteral("DROP TRIGGER fallo ON %1").arg(table) : QStringLiteral("DROP TRIGGER fallo"));
}
