#pragma once
#include "data/SqlRows.h"

#include <QString>

// The suppliers' rows (table Proveedores). Refusals come back as the message to show (empty text
// when the write was done); engine failures throw DatabaseError.
namespace SupplierStore {

struct Supplier {
    QString NitCI, RSocial, Telefono, Celular, CBancaria, Representante, Direccion, Email;
    int Estado = 1;
};

// Every supplier, by name, all columns in table order.
SqlRows List();
QString Insert(const Supplier& supplier, const QString& user);
// Rewrites everything but the NIT/CI (the key) and the creating user.
QString Update(const Supplier& supplier);
// False when the supplier is no longer there.
bool SetEnabled(const QString& nitCI, bool enabled);
// Deletes a supplier the shop never bought from; one with purchases is refused (disable it).
QString Remove(const QString& nitCI);

}
