#include "sales/PaymentForms.h"

namespace PaymentForms {

QStringList Names()
{
    return {QStringLiteral("SIN COSTO (Gratis)"), QStringLiteral("EFECTIVO"), QStringLiteral("CREDITO"),
            QStringLiteral("TARJETA/CHEQUE")};
}

QString Name(int code) { return Names().value(code); }

}
