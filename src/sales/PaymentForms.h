#pragma once
#include <QString>
#include <QStringList>

// The payment forms of a sale; the code is the position in the register's list and is stored as
// Ventas.FormaP.
namespace PaymentForms {

enum : int { Free = 0, Cash = 1, Credit = 2, Card = 3 };

// "SIN COSTO (Gratis)", "EFECTIVO", "CREDITO", "TARJETA/CHEQUE"
QStringList Names();
// The name of a code; empty for an unknown one.
QString Name(int code);

}

// The voucher kind that is an invoice (position 1 of the sale voucher list).
constexpr int InvoiceVoucher = 1;
