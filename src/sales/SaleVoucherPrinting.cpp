#include "sales/SaleVoucherPrinting.h"

#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "sales/InvoiceTicket.h"
#include "sales/SaleTicket.h"
#include "sales/SaleVoucher.h"
#include "printing/UIFacturaD.h"
#include "printing/URVenta.h"

namespace {

bool Shown(const QString& failure)
{
    if (failure.isEmpty())
        return true;
    MessageSeam::current().error(failure);
    return false;
}

}

bool PrintSaleVoucher(const SaleVoucher& sale)
{
    if (SessionState::current().PrintFormat == 1)
        return sale.isInvoice() ? TFIFacturaD::instance().ShowInvoice(sale.printedInvoice())
                                : TFRVenta::instance().ShowDeliveryNote(sale.deliveryNote(sale.saleNumberText()), 2);
    // The sale ticket follows the invoice; when the invoice ticket fails the printer is not there
    // for the second one either, and one message is enough.
    if (sale.isInvoice() && !Shown(PrintInvoiceTicket(sale)))
        return false;
    return Shown(PrintSaleTicket(sale));
}

bool ReprintStoredSale(const SaleVoucher& sale)
{
    if (SessionState::current().PrintFormat == 1)
        return sale.isInvoice() ? TFRVenta::instance().ShowInvoiceReprint(sale.printedInvoice())
                                : TFRVenta::instance().ShowDeliveryNote(sale.deliveryNote(sale.saleId), 1);
    return Shown(sale.isInvoice() ? PrintInvoiceTicketReprint(sale) : PrintSaleTicketReprint(sale));
}
