#pragma once
#include <QString>

// The taxpayer's own data of DatosC that the shop edits (NIT, name and branch are prepared with
// the database). Values are kept trimmed and cut to the widths the session record keeps.
struct TaxpayerData {
    QString owner;     // Propietario
    QString phone;     // TelefonoM
    QString address;   // DireccionM
    QString city;      // CiudadM
    QString activity;  // ActividadE

    // The data the session record holds now.
    static TaxpayerData fromSession();

    // Why it cannot be stored (address, city and activity are required), or empty text.
    QString check() const;
    // Writes the row, then the session record; throws DatabaseError, and then the session keeps
    // its values.
    void save() const;
};
