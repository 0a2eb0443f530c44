#pragma once
#include <QString>

// The taxpayer's NIT and business name (DatosC), prepared with the database. They may be set
// while the shop has sold nothing: once a sale exists, its vouchers carry them.
namespace TaxpayerIdentity {

bool Editable();
// Stores both and puts them in the session record; the refusal to show, or empty text. Throws
// DatabaseError.
QString Save(const QString& nit, const QString& name);

}
