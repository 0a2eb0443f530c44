#include "purchases/DeliveryVoucherPrinting.h"

#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "purchases/SupplyDeliveryTicket.h"
#include "purchases/SupplyDeliveryVoucher.h"
#include "printing/URVenta.h"

bool PrintDeliveryVoucher(const SupplyDeliveryVoucher& delivery, DeliveryNoteStyle style)
{
    if (SessionState::current().PrintFormat == 1) {
        const bool counter = style == DeliveryNoteStyle::Counter;
        return TFRVenta::instance().ShowSupplyDeliveryNote(
            delivery.letterForm(counter ? delivery.orderDigits() : delivery.deliveryId), counter ? 2 : 1);
    }
    const QString failure = PrintSupplyDeliveryTicket(delivery);
    if (failure.isEmpty())
        return true;
    MessageSeam::current().error(failure);
    return false;
}
