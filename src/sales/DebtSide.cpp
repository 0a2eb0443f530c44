#include "sales/DebtSide.h"

namespace {
const DebtTables kSales{"Ventas", "IdVenta", "FechaV", "Cliente", "SaldoV", "IdSaldoV", 'V'};
const DebtTables kPurchases{"Compras", "IdCompra", "FechaC", "Proveedor", "SaldoC", "IdSaldoC", 'P'};
}

const DebtTables& TablesOf(DebtSide side) { return side == DebtSide::Purchases ? kPurchases : kSales; }

QString OrderNumberOf(const QString& key) { return key.mid(1); }

QString KeyOf(DebtSide side, const QString& orderNumber)
{
    return orderNumber.isEmpty() ? QString() : QLatin1Char(TablesOf(side).letter) + orderNumber;
}
