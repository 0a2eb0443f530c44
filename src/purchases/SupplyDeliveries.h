#pragma once
#include "data/SqlRows.h"
#include "purchases/SupplyDeliveryVoucher.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>
#include <optional>

// What the supply delivery panels read: the supply categories and lists, the next order number, a
// stored delivery with its lines, and the deliveries of a year. Engine failures throw DatabaseError.
namespace SupplyDeliveries {

constexpr int FirstCategory = 17;  // the supply categories are 17 to 24
constexpr int LastCategory = 24;

struct SupplyCategory {
    int id = 0;
    QString name;
    QByteArray icon;  // JPEG, may be empty
    bool enabled = false;
};
// The supply categories that exist, by key.
QList<SupplyCategory> Categories();

// The enabled supplies of a category by name: IdProducto, IdCategoria, Marca, Producto,
// Presentacion, UMedida, StockM, CodigoB, Stock.
SqlRows SupplyList(int category);

// The stored name of the client with this NIT/CI, or nothing when there is no such client.
std::optional<QString> ClientName(const QString& nitCi);

// The nine digits the next delivery would get.
QString NextOrderNumber();

// "E" + the number left-padded to nine digits; empty text for a text that is not a number.
QString DeliveryId(const QString& orderNumber);

// The stored header (the ten EntregaI columns in table order), or no row.
SqlRows Header(const QString& deliveryId);
QString HeaderStatement();
// Its lines: Cantidad, IdProducto, IdCategoria, Marca, Producto, Presentacion, UMedida, StockM,
// CodigoB. A supply deleted since still shows its quantity. The lines carry no number of their
// own, so they come in the order the database keeps them.
SqlRows Lines(const QString& deliveryId);
QString LinesStatement();

// The deliveries dated in `year`, except those of the cash session `excludedSession` (the open
// one, handled where it was registered): the ten EntregaI columns, by recipient, then the newest
// first. Read through the date index.
SqlRows YearList(int year, const QString& excludedSession);
QString YearListStatement();
QVariantList YearListValues(int year, const QString& excludedSession);

// A stored delivery as its vouchers print it; an empty deliveryId when there is none.
SupplyDeliveryVoucher Voucher(const QString& deliveryId);

}
