#include "masterdata/PickerLists.h"

#include "data/UDataModule.h"

namespace PickerLists {

namespace {
const QString kClients = QStringLiteral("SELECT NitCI, Cliente FROM Clientes WHERE Estado=1 ORDER BY Cliente, NitCI");
// The terms on Ventas are those of the index of open credit sales (Ventas_Deudores), so only those
// sales are read, however many the years leave.
const QString kDebtors =
    QStringLiteral("SELECT C.NitCI, C.Cliente FROM Ventas V INNER JOIN Clientes C ON C.NitCI=V.NitCI "
                   "WHERE V.FormaP=2 AND V.Estado='V' AND V.Saldo<>0 AND C.Estado=1 ORDER BY C.Cliente, C.NitCI");
const QString kSuppliers = QStringLiteral("SELECT NitCI, RSocial FROM Proveedores WHERE Estado=1 ORDER BY RSocial, NitCI");
}

SqlRows Clients() { return TDataModule1::instance().query(kClients); }

SqlRows Debtors() { return TDataModule1::instance().query(kDebtors); }

SqlRows Suppliers() { return TDataModule1::instance().query(kSuppliers); }

QStringList Statements() { return {kClients, kDebtors, kSuppliers}; }

}
