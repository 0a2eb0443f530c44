#pragma once
#include <QString>
#include <QStringList>

// The codes a purchase is stored with (Compras.FormaP, Comprobante, TipoC, Inventario): each is
// the position of its entry in the purchase windows' lists.
namespace PurchaseCodes {

// Payment forms, as the closing counts them too.
enum PaymentForm : int { Free = 0, Cash = 1, Credit = 2, Cheque = 3 };
// "SIN COSTO (Gratis)", "EFECTIVO", "CREDITO", "CHEQUE/DEPOSITO"
QStringList PaymentFormNames();
QString PaymentFormName(int code);

// Voucher kinds are the rows of ComprobanteC; only the position matters. Position 1 is the tax
// invoice or import declaration (the purchases book lists those); 0 and 2 are receipts.
constexpr int ReceiptVoucher = 0;
constexpr int InvoiceVoucher = 1;
constexpr int OtherReceiptVoucher = 2;

// Purchase types of an invoice; position 0 is the prompt and is never stored.
QStringList PurchaseTypeNames();

// What a purchase bought (Compras.Inventario).
enum Inventory : int { Products = 1, Supplies = 2, Services = 3 };

}
