#include "sales/ProductBarcode.h"

#include "data/Formats.h"
#include "data/UDataModule.h"

namespace ProductBarcode {

QString Statement()
{
    return QStringLiteral("SELECT IdProducto, IdCategoria, Marca, Producto, Presentacion, UMedida, StockM, PVenta, "
                          "PVentaIVA, CodigoB, (Ingreso - Egreso) AS Stock, Estado FROM Productos "
                          "WHERE CodigoB=? AND Inventario=1 LIMIT 2");
}

Match Find(const QString& typed)
{
    const QString code = typed.trimmed();
    Match match;
    if (code.isEmpty() || code == QLatin1String("0")) {
        match.refusal = QStringLiteral("No existe un producto con el codigo \"%1\"").arg(code);
        return match;
    }
    const SqlRows rows = TDataModule1::instance().query(Statement(), {code});
    if (rows.isEmpty())
        match.refusal = QStringLiteral("No existe un producto con el codigo \"%1\"").arg(code);
    else if (rows.count() > 1)
        match.refusal =
            QStringLiteral("El codigo \"%1\" lo tienen varios productos; corrija el codigo en el Almacen").arg(code);
    else if (rows.integer(11) != 1)
        match.refusal = QStringLiteral("El producto %1 (codigo \"%2\") esta deshabilitado").arg(rows.text(3), code);
    else
        match.product = {rows.text(0),
                         rows.text(1),
                         rows.text(2),
                         rows.text(3),
                         rows.text(4),
                         rows.text(5),
                         Formats::General(rows.number(6)),
                         Formats::General(rows.number(7)),
                         Formats::General(rows.number(8)),
                         rows.text(9),
                         Formats::General(rows.number(10))};
    return match;
}

}
