#include "purchases/PurchaseVoucher.h"

#include "data/Formats.h"
#include "printing/URVenta.h"

DeliveryNoteForm PurchaseVoucher::voucherForm() const
{
    DeliveryNoteForm note;
    note.number = purchaseId;
    note.date = date;
    note.partyNitCaption = QStringLiteral("Nit/CI Proveedor:");
    note.partyNameCaption = QStringLiteral("Proveedor:");
    note.nitCi = nitCi;
    note.name = supplierName;
    note.total = total;
    note.cash = cash;
    note.changeOrBalance = changeOrBalance;
    note.credit = isCredit();
    note.paymentFormText = paymentFormText;
    note.receivedBy = QStringLiteral("Recibi Conforme (PROVEEDOR)");
    for (const PurchaseVoucherLine& line : lines)
        note.lines.append(VoucherRow{line.quantity, line.description, line.unit, Formats::Money(line.unitCost),
                                     Formats::Money(line.lineTotal)});
    return note;
}

ServiceVoucherForm PurchaseVoucher::serviceForm() const
{
    ServiceVoucherForm form;
    form.number = purchaseId;
    form.date = date;
    form.supplierName = supplierName;
    form.nitCi = nitCi;
    form.total = total;
    form.cash = cash;
    form.changeOrBalance = changeOrBalance;
    form.credit = isCredit();
    form.paymentFormText = paymentFormText;
    // A service line prints its quantity, its concept and its amount as the lines show them.
    for (const PurchaseVoucherLine& line : lines)
        form.lines.append(VoucherRow{line.quantity, line.description, QString(), QString(), Formats::General(line.lineTotal)});
    return form;
}
