#include "purchases/PurchaseCodes.h"

namespace PurchaseCodes {

QStringList PaymentFormNames()
{
    return {QStringLiteral("SIN COSTO (Gratis)"), QStringLiteral("EFECTIVO"), QStringLiteral("CREDITO"),
            QStringLiteral("CHEQUE/DEPOSITO")};
}

QString PaymentFormName(int code) { return PaymentFormNames().value(code); }

QStringList PurchaseTypeNames()
{
    return {QStringLiteral("< Elegir Tipo de Compra >"),
            QStringLiteral("1. Interno/Actividades gravadas."),
            QStringLiteral("2. Interno/Actividades no gravadas."),
            QStringLiteral("3. Sujetas a proporcionalidad."),
            QStringLiteral("4. Exportaciones."),
            QStringLiteral("5. Interno/Exportaciones.")};
}

}
