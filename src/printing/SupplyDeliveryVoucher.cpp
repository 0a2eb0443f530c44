#include "printing/SupplyDeliveryVoucher.h"

QString SupplyDeliveryVoucher::orderNumber() const { return QString::number(deliveryId.mid(1).toLongLong()); }

QString SupplyDeliveryVoucher::orderDigits() const { return deliveryId.mid(1); }
