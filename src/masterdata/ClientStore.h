#pragma once
#include "data/SqlRows.h"

#include <QString>

// The clients' rows (table Clientes). Refusals come back as the message to show (empty text when
// the write was done); engine failures throw DatabaseError.
namespace ClientStore {

struct Client {
    QString NitCI, Cliente, Direccion, Telefono, Celular, Empresa;
    int NCreditos = 0;  // most open credit sales allowed, 0 to 9
};

// Every client, by name, all columns in table order.
SqlRows List();
// A new client starts with no sales and enabled.
QString Insert(const Client& client, const QString& user);
// Rewrites name, address, telephones, employer and credit limit; sales count, creating user and
// state stay.
QString Update(const Client& client);
bool SetEnabled(const QString& nitCI, bool enabled);
// Deletes a client who never bought nor received anything; one with history is refused (disable
// the client instead: the debt lists and reports name him).
QString Remove(const QString& nitCI);

}
