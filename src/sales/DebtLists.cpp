#include "sales/DebtLists.h"

#include "data/Formats.h"
#include "data/UDataModule.h"

#include <QDate>

namespace DebtLists {

int YearOf(const QString& text)
{
    bool number = false;
    const int year = text.trimmed().toInt(&number);
    return number && text.trimmed().size() == 4 && year >= FirstYear && year <= LastYear ? year : 0;
}

QString DebtsStatement(DebtSide side)
{
    if (side == DebtSide::Purchases)
        return QStringLiteral("SELECT IdCompra, FechaC, NitCI, Proveedor, TotalF, TotalE, Saldo FROM Compras "
                              "WHERE FormaP=2 AND Estado=? AND FechaC >= ? AND FechaC < ? "
                              "ORDER BY Proveedor, IdCompra DESC");
    return QStringLiteral("SELECT IdVenta, FechaV, NitCI, Cliente, TotalF, TotalE, Saldo, Obs FROM Ventas "
                          "WHERE FormaP=2 AND Estado=? AND FechaV >= ? AND FechaV < ? ORDER BY Cliente, IdVenta DESC");
}

QString PaymentsStatement(DebtSide side)
{
    if (side == DebtSide::Purchases)
        return QStringLiteral("SELECT S.IdSaldoC, S.FechaR, C.NitCI, C.Proveedor, S.TotalE, C.FechaC, S.IdCompra "
                              "FROM SaldoC S INNER JOIN Compras C ON S.IdCompra=C.IdCompra "
                              "WHERE S.FechaR >= ? AND S.FechaR < ? ORDER BY C.Proveedor, S.IdCompra, S.IdSaldoC DESC");
    return QStringLiteral("SELECT S.IdSaldoV, S.FechaR, V.NitCI, V.Cliente, S.TotalE, V.FechaV, S.IdVenta "
                          "FROM SaldoV S INNER JOIN Ventas V ON S.IdVenta=V.IdVenta "
                          "WHERE S.FechaR >= ? AND S.FechaR < ? ORDER BY V.Cliente, S.IdVenta, S.IdSaldoV DESC");
}

QVariantList PaymentsValues(int year)
{
    return {Formats::IsoDate(QDate(year, 1, 1)), Formats::IsoDate(QDate(year + 1, 1, 1))};
}

QVariantList DebtsValues(int year) { return QVariantList{QStringLiteral("V")} + PaymentsValues(year); }

SqlRows Debts(DebtSide side, int year) { return TDataModule1::instance().query(DebtsStatement(side), DebtsValues(year)); }

SqlRows Payments(DebtSide side, int year)
{
    return TDataModule1::instance().query(PaymentsStatement(side), PaymentsValues(year));
}

}
