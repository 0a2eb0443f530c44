#pragma once
#include <QString>

// Every change of a product's intake (Productos.Ingreso) and outflow (Productos.Egreso) goes
// through here, so the rules live in one place: a movement names an existing product and a
// quantity above zero, and runs inside the caller's transaction (the caller re-checks, under the
// write lock, that the operation it books has not been booked already). Stock itself is never
// checked: a sale may take it below zero.
//
// Each answers false when no product has that key (it may have been deleted at another station);
// the caller decides whether that refuses its operation. A quantity that is not above zero throws
// DatabaseError, as do engine failures.
namespace StockMoves {

// A sale or a delivery takes stock out.
bool AddOutflow(const QString& productId, double quantity);
// An annulled sale or delivery gives it back.
bool ReturnOutflow(const QString& productId, double quantity);
// A purchase brings stock in.
bool AddIntake(const QString& productId, double quantity);
// A removed purchase takes its intake back.
bool RemoveIntake(const QString& productId, double quantity);

// The inventory count's three movements over an item. Each sets the counters from what is stored
// now, so applying one twice changes nothing more; the caller has checked, in its transaction, that
// the counters are still those the count was made against.
//
// The counted quantity becomes the stock: the outflow takes the difference (Egreso = Ingreso -
// counted), the intake stays. A count below zero or not a number throws DatabaseError.
bool SetCountedStock(const QString& productId, double counted);
// The counters restart from the stock: Ingreso = Ingreso - Egreso, Egreso = 0.
bool RollOver(const QString& productId);
// Both counters to zero.
bool ResetStock(const QString& productId);

}
