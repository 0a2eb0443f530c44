#include "purchases/SupplyDeliveryVoucher.h"

#include "printing/URVenta.h"

QString SupplyDeliveryVoucher::orderNumber() const { return QString::number(deliveryId.mid(1).toLongLong()); }

QString SupplyDeliveryVoucher::orderDigits() const { return deliveryId.mid(1); }

SupplyDeliveryForm SupplyDeliveryVoucher::letterForm(const QString& number) const
{
    SupplyDeliveryForm form;
    form.number = number;
    form.date = date;
    form.recipient = recipient;
    form.nitCi = nitCi;
    for (const SupplyDeliveryLine& line : lines)
        form.lines << VoucherRow{line.quantity, line.supply, line.unit, QString(), QString()};
    form.observation = observation;
    return form;
}
