#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The orders the order-taking side leaves in Ingresos (their lines in DetalleV under IdIngreso),
// waiting to be handed out at the counter.
namespace DispatchQueue {

struct Order {
    QString id;    // IdIngreso: one letter and the order number
    QString time;  // HoraV as stored
    QString client;
    QString observation;
};

struct Line {
    double quantity = 0;
    int categoryId = 0;
    QString productId;
    QString product;
    int unitCode = 0;  // 0 UNIDAD .. 5 GRAMO
    double unitPrice = 0;
    double lineTotal = 0;
    int stockFlag = 0;
};

// The orders still waiting (valid and not dispatched), by IdIngreso. Throws DatabaseError.
QList<Order> Waiting();
// The lines of one order, in the order they were taken. Throws DatabaseError.
QList<Line> Lines(const QString& orderId);
// Marks the order dispatched; false when it was no longer waiting (another counter was first).
// Throws DatabaseError.
bool Dispatch(const QString& orderId);

// The name of a unit code: 0 "UNIDAD", 1 "CAJA", 2 "DOCENA", 3 "LITRO", 4 "KILO", 5 "GRAMO", any
// other code empty.
QString UnitName(int code);
// The order number shown: the id without its first character, at most 9 characters.
QString OrderNumber(const QString& orderId);
// The time of an order as HH:mm ("9:05:30" gives "09:05"); empty when it holds no time.
QString ShortTime(const QString& stored);

// The reads of the queue, for checking their query plans.
QStringList ReadStatements();

}
