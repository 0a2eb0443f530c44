#include "masterdata/PickerLists.h"

#include "data/UDataModule.h"

namespace PickerLists {

SqlRows Clients()
{
    return TDataModule1::instance().query(
        QStringLiteral("SELECT NitCI, Cliente FROM Clientes WHERE Estado=1 ORDER BY Cliente, NitCI"));
}

SqlRows Debtors()
{
    // The terms on Ventas are those of the index of open credit sales, so only those are read.
    return TDataModule1::instance().query(QStringLiteral(
        "SELECT C.NitCI, C.Cliente FROM Ventas V INNER JOIN Clientes C ON C.NitCI=V.NitCI "
        "WHERE V.FormaP=2 AND V.Estado='V' AND V.Saldo<>0 AND C.Estado=1 ORDER BY C.Cliente, C.NitCI"));
}

SqlRows Suppliers()
{
    return TDataModule1::instance().query(
        QStringLiteral("SELECT NitCI, RSocial FROM Proveedores WHERE Estado=1 ORDER BY RSocial, NitCI"));
}

}
