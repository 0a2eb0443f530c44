#include "app/ui/CommandIcons.h"

#include <QHash>

namespace CommandIcons {

namespace {

// Command code -> picture name; the names are the files src/app/CMakeLists.txt takes from the theme.
const QHash<QString, QString>& pictures()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("A1"), QStringLiteral("iniciar-sesion")},
        {QStringLiteral("A2"), QStringLiteral("cerrar-sesion")},
        {QStringLiteral("A3"), QStringLiteral("nuevo")},
        {QStringLiteral("A6"), QStringLiteral("impresora")},
        {QStringLiteral("A7"), QStringLiteral("calculadora")},
        {QStringLiteral("A8"), QStringLiteral("salir")},
        {QStringLiteral("E1"), QStringLiteral("cortar")},
        {QStringLiteral("E2"), QStringLiteral("copiar")},
        {QStringLiteral("E3"), QStringLiteral("pegar")},
        {QStringLiteral("E4"), QStringLiteral("seleccionar-todo")},
        {QStringLiteral("E5"), QStringLiteral("deshacer")},
        {QStringLiteral("E6"), QStringLiteral("borrar")},
        {QStringLiteral("J1"), QStringLiteral("abrir-caja")},
        {QStringLiteral("J2"), QStringLiteral("cerrar-caja")},
        {QStringLiteral("J3"), QStringLiteral("reporte-caja")},
        {QStringLiteral("V1"), QStringLiteral("ventas")},
        {QStringLiteral("V2"), QStringLiteral("cobrar-deudas")},
        {QStringLiteral("V3"), QStringLiteral("gestionar-ventas")},
        {QStringLiteral("V4"), QStringLiteral("consultar-ventas")},
        {QStringLiteral("V5"), QStringLiteral("deudores")},
        {QStringLiteral("V6"), QStringLiteral("libro-ventas")},
        {QStringLiteral("V7"), QStringLiteral("clientes")},
        {QStringLiteral("V8"), QStringLiteral("comprobantes-venta")},
        {QStringLiteral("V9"), QStringLiteral("entregas")},
        {QStringLiteral("C1"), QStringLiteral("compra-productos")},
        {QStringLiteral("C2"), QStringLiteral("compra-insumos")},
        {QStringLiteral("C3"), QStringLiteral("compra-servicios")},
        {QStringLiteral("C4"), QStringLiteral("pagar-deudas")},
        {QStringLiteral("C5"), QStringLiteral("consultar-compra-productos")},
        {QStringLiteral("C6"), QStringLiteral("consultar-compra-insumos")},
        {QStringLiteral("C7"), QStringLiteral("consultar-compra-servicios")},
        {QStringLiteral("C8"), QStringLiteral("consultar-deudas")},
        {QStringLiteral("C9"), QStringLiteral("libro-compras")},
        {QStringLiteral("C10"), QStringLiteral("proveedores")},
        {QStringLiteral("C11"), QStringLiteral("comprobantes-compra")},
        {QStringLiteral("S1"), QStringLiteral("almacen")},
        {QStringLiteral("S2"), QStringLiteral("egreso-insumos")},
        {QStringLiteral("S3"), QStringLiteral("consultar-egresos")},
        {QStringLiteral("S4"), QStringLiteral("insumos")},
        {QStringLiteral("S5"), QStringLiteral("stock-productos")},
        {QStringLiteral("S6"), QStringLiteral("stock-insumos")},
        {QStringLiteral("S7"), QStringLiteral("arqueo-productos")},
        {QStringLiteral("S8"), QStringLiteral("arqueo-insumos")},
        {QStringLiteral("H1"), QStringLiteral("cambiar-clave")},
        {QStringLiteral("H2"), QStringLiteral("usuarios")},
        {QStringLiteral("H3"), QStringLiteral("dosificaciones")},
        {QStringLiteral("H4"), QStringLiteral("contribuyente")},
        {QStringLiteral("H5"), QStringLiteral("certificacion")},
        {QStringLiteral("H6"), QStringLiteral("parametros")},
        {QStringLiteral("H7"), QStringLiteral("asistente")},
        {QStringLiteral("VR1"), QStringLiteral("cascada")},
        {QStringLiteral("VR2"), QStringLiteral("azulejos-verticales")},
        {QStringLiteral("VR3"), QStringLiteral("azulejos-horizontales")},
        {QStringLiteral("Y1"), QStringLiteral("ayuda")},
        {QStringLiteral("Y3"), QStringLiteral("acerca-de")},
    };
    return table;
}

}

QString resourceFor(const QString& code)
{
    const QString name = pictures().value(code);
    return name.isEmpty() ? QString() : QStringLiteral(":/icons/%1.svg").arg(name);
}

QIcon forCommand(const QString& code)
{
    const QString resource = resourceFor(code);
    return resource.isEmpty() ? QIcon() : QIcon(resource);
}

QStringList commands() { return pictures().keys(); }

QIcon program() { return QIcon(QStringLiteral(":/icons/cvi-zelto.svg")); }

}
