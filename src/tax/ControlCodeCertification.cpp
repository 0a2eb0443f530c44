#include "tax/ControlCodeCertification.h"

#include "data/Formats.h"
#include "tax/ControlCode.h"

ControlCodeCertification::Result ControlCodeCertification::generate() const
{
    Result result;
    const QString number = invoiceNumber.trimmed(), nit = nitCi.trimmed(), dateText = date.trimmed();
    const QString authorizationText = authorization.trimmed(), keyText = key.trimmed();
    QString amountText = amount.trimmed();
    amountText.replace(QLatin1Char(','), QLatin1Char('.'));
    if (authorizationText.isEmpty() || keyText.isEmpty() || number.isEmpty() || nit.isEmpty() || dateText.isEmpty()
        || amountText.isEmpty()) {
        result.refusal = QStringLiteral("LLENE CORRECTAMENTE TODOS LOS DATOS");
        return result;
    }
    for (const QChar c : authorizationText)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            result.error = QStringLiteral("El numero de autorizacion debe contener solo digitos");
            return result;
        }
    const QDate day = Formats::ParseDate(dateText);
    if (!day.isValid()) {
        result.error = QStringLiteral("'%1' no es una fecha valida (DD/MM/AAAA)").arg(dateText);
        return result;
    }
    double value = 0;
    if (!Formats::ParseAmount(amountText, &value) || value < 0) {
        result.error = QStringLiteral("'%1' no es un valor numerico valido").arg(amount.trimmed());
        return result;
    }
    const qint64 rounded = ControlCode::RoundInvoiceAmount(value);
    const QString roundedText = rounded < 0 ? amountText : QString::number(rounded);
    result.code = ControlCode::GenerateControlCode(number, nit, day.toString(QStringLiteral("yyyyMMdd")), roundedText,
                                                   keyText, authorizationText, &result.error);
    return result;
}
