#pragma once
#include "data/UDataModule.h"

// A trigger that makes one kind of write fail with `message`, to show that an operation failing
// half-way leaves nothing behind. Written for the engine the shop is on.
//   timing: "BEFORE INSERT ON Ventas"; condition: "NEW.IdProducto='P000000008'" or empty.
inline void CreateFailingTrigger(TDataModule1& db, const QString& timing, const QString& condition = {},
                                 const QString& message = QStringLiteral("fallo de prueba"))
{
    if (db.onServer()) {
        db.execute(QStringLiteral("CREATE OR REPLACE FUNCTION fallo() RETURNS trigger LANGUAGE plpgsql AS "
                                  "'BEGIN RAISE EXCEPTION ''%1''; END'")
                       .arg(message));
        db.execute(QStringLiteral("CREATE TRIGGER fallo %1 FOR EACH ROW %2 EXECUTE FUNCTION fallo()")
                       .arg(timing, condition.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(condition)));
    } else {
        db.execute(QStringLiteral("CREATE TRIGGER fallo %1 %2 BEGIN SELECT RAISE(ABORT, '%3'); END")
                       .arg(timing, condition.isEmpty() ? QString() : QStringLiteral("WHEN %1").arg(condition), message));
    }
}

inline void DropFailingTrigger(TDataModule1& db, const QString& table)
{
    db.execute(db.onServer() ? QStringLiteral("DROP TRIGGER fallo ON %1").arg(table) : QStringLiteral("DROP TRIGGER fallo"));
}
