#pragma once
#include <QString>

class SqlRows;

// What a login reads into the session record, step by step, so that the login window and the
// tests that need a logged-in session fill it the same way. Each throws DatabaseError.
namespace SessionLoader {

// The active user with this login and password (both compared ignoring letter case, the password
// against its stored hash); an empty result when there is none, it is blocked or the password
// does not match.
SqlRows FindActiveUser(const QString& login, const QString& password);
// Rights M1..M5 and Nombre from a Usuario row read with "SELECT *".
void LoadUser(const SqlRows& user);
// CashOpen from the open-session lookup (which also sets the session id, date and balance).
void LoadCashSession();
// Facturar, ImprimirTC and Parametro1.
void LoadParameters();
// The taxpayer row of DatosC.
void LoadTaxpayer();
// The active dosage; every dosage field empty or 0 when there is none.
void LoadActiveDosage();

}
