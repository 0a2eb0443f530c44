#include "cash/ClosingFigures.h"

QString ClosingFigures::differenceCaption() const
{
    if (SobFal < 0)
        return QStringLiteral("Faltante");
    if (SobFal > 0)
        return QStringLiteral("Sobrante");
    return {};
}
