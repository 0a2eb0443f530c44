#pragma once
#include <QString>

// The two kinds of debt the debts window settles: what clients owe on credit sales, and what the
// shop owes suppliers on credit purchases. Both keep the debt in the row (TotalE paid, Saldo owed,
// FormaP 2 while open) and the payments of later cash sessions in a table of their own.
enum class DebtSide { Sales, Purchases };

// The names one side's statements use; fixed texts of the schema, never user input.
struct DebtTables {
    const char* table;       // Ventas / Compras
    const char* key;         // IdVenta / IdCompra
    const char* date;        // FechaV / FechaC
    const char* name;        // Cliente / Proveedor
    const char* payments;    // SaldoV / SaldoC
    const char* paymentKey;  // IdSaldoV / IdSaldoC
    char letter;             // 'V' / 'P', the key's first character
};

const DebtTables& TablesOf(DebtSide side);

// The key shown as the order number (its nine digits) and back.
QString OrderNumberOf(const QString& key);
QString KeyOf(DebtSide side, const QString& orderNumber);
