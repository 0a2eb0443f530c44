#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Key counters of table Codigos, numbered as callers pass them.
enum Counter {
    CashSessionCounter = 1,  // Caja.IdCaja      "C..."
    SaleCounter = 2,         // Ventas.IdVenta   "V..."
    PurchaseCounter = 3,     // Compras.IdCompra "P..."
    ProductCounter = 4,      // Productos.IdProducto "P..."
    DeliveryCounter = 5,     // EntregaI.IdEntrega "E..."
};

// n + 1, left-padded with zeros to 9 digits; more digits are written in full.
QString PadNextId(qint64 n);
// n left-padded with zeros to 8 digits (invoice numbers on printed invoices).
QString PadInvoiceNumber(qint64 n);

// The nine digits of the next key of a counter; the counter is not changed. Throws DatabaseError.
QString NextCounterId(int counter);
void AdvanceCounter(int counter);
// The letter a counter's keys start with ("C", "V", "P", "P", "E").
QChar CounterLetter(int counter);
// Advances a counter and lets insertRow store the row under the key it gives, inside one
// transaction (the caller's, when it has one): two stations sharing the database never take the
// same key (on a server the counter's row stays locked until the commit). Alone, an allocation
// that another station's transaction pushed aside is tried again. Returns the key, such as
// "V000000001".
QString AllocateKey(int counter, const std::function<void(const QString& key)>& insertRow);

// Advances a counter by `count` at once, inside the caller's transaction, and returns the keys
// taken, in order: an import of many rows takes its keys with one write of the counter.
QStringList AllocateKeys(int counter, int count);

// The next invoice number (DatosC.NFactura) and its advance.
qint64 ReadInvoiceCounter();
void AdvanceInvoiceCounter();

// True while the cash session `sessionId` is open. Every write booked against a session calls it
// inside its own transaction, so a session another station closed meanwhile takes nothing more.
bool CashSessionIsOpen(const QString& sessionId);

// True when a cash session is open; CashSessionId, WorkDate and CashInitialAmount of the session
// record are then taken from it. With no open session nothing changes.
bool FindOpenCashSession();

// Amounts in Spanish words for invoices and vouchers. The blanks are exactly those the pieces
// produce: 1250.50 gives " MIL DOSCIENTOS  CINCUENTA 50/100 Bs".
QString AmountInWords(const QString& amountText);
QString NumberInWords(qint64 n);
QString HundredsInWords(int n);

QString TrimRight(const QString& text);
// Lines of at least `width` characters, cut at the first blank after the width; a word is never
// split.
QStringList WrapText(const QString& text, int width);

// A dosage's consumer-rights legend as invoices print it: "LEY Nº 453: \"" + Leyenda + "\"" in one
// piece (letter invoice), and the same wrapped at 30 columns for the roll ticket, where an empty
// Leyenda prints no lines at all.
QString InvoiceLegendText(const QString& leyenda);
QStringList InvoiceLegendLines(const QString& leyenda);
