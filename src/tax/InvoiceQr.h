#pragma once
#include <QDate>
#include <QImage>
#include <QString>

// The QR symbol every printed invoice carries, read by the tax authority's checking tools.

// The twelve "|"-separated fields: issuer NIT, invoice number (plain digits, no display zeros),
// authorization number, date DD/MM/YYYY, the total twice ("0.00"), control code, buyer NIT/CI and
// the four zero amounts of the tail "|0|0|0|0".
QString BuildInvoiceQrText(const QString& issuerNit, qint64 invoiceNumber, const QString& authorizationNumber,
                           const QDate& date, double total, const QString& controlCode, const QString& buyerNitCi);

// The symbol of the text (error correction M, versions chosen by the encoder) with its quiet zone
// of four modules, stretched over a 200 x 200 picture, black on white with hard module edges.
// A null image when the encoder refuses the text (too long for any QR version).
QImage RenderInvoiceQr(const QString& text);
// Modules across the symbol of the text (without the quiet zone), as RenderInvoiceQr encodes it;
// 0 when the encoder refuses the text.
int InvoiceQrModules(const QString& text);
