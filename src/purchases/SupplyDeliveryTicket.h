#pragma once
#include <QList>
#include <QString>

struct SupplyDeliveryVoucher;

// One row of a ticket as composed before drawing: a header line (a gap below it), a body line, or
// a number of empty line heights left for hand-written signatures.
struct SupplyDeliveryTicketRow {
    enum class Kind { Header, Body, SkipLines };
    Kind kind = Kind::Body;
    QString text;
    int lines = 0;  // SkipLines only

    bool operator==(const SupplyDeliveryTicketRow&) const = default;
};

// The delivery ticket's rows, in drawing order: the shop, the order number and date, the title,
// the recipient when there is a name, the supplies with their units, room for the two signatures
// and their captions.
QList<SupplyDeliveryTicketRow> SupplyDeliveryTicketRows(const SupplyDeliveryVoucher& delivery, const QString& taxpayerName,
                                                        const QString& ownerName);

// Prints the delivery ticket on the ticket printer (job "TICKET"), the shop's names taken from the
// session record. Empty text when printed, otherwise why it failed.
QString PrintSupplyDeliveryTicket(const SupplyDeliveryVoucher& delivery);
